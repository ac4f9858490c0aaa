#include "workbench_ui/chosen_cell_delegate.h"

#include <QPainter>
#include <QPen>

namespace brg::workbench_ui {

void ChosenCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyleOptionViewItem plain(option);
  bool chosen = option.state & QStyle::State_Selected;
  plain.state &= ~QStyle::State_Selected;
  QStyledItemDelegate::paint(painter, plain, index);
  if (chosen) {
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Highlight), 3));
    painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    painter->restore();
  }
}

}  // namespace brg::workbench_ui
