#include "ui/wrapped_caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace brg::ui {
namespace {

// The room the caption keeps from the button's edges.
constexpr QMargins kCaptionMargins(3, 2, 3, 2);

}  // namespace

void WrappedCaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();  // the style draws the bevel and the focus mark, the caption comes here
  painter.drawControl(QStyle::CE_PushButton, option);
  painter.drawItemText(rect().marginsRemoved(kCaptionMargins), Qt::AlignCenter | Qt::TextWordWrap,
                       palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace brg::ui
