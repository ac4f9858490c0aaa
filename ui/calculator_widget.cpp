#include "ui/calculator_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <exception>
#include <limits>

#include "ui/wrapped_caption_button.h"
#include "window/window_layout.h"

namespace brg::ui {
namespace {

constexpr const char* kControlProperty = "spbrgControl";

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

Qt::Alignment ToQt(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Left:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case TextAlignment::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case TextAlignment::Centre:
      return Qt::AlignHCenter | Qt::AlignTop;
  }
  return Qt::AlignLeft;
}

// The window's default font: small enough that every caption fits the classic control sizes.
QFont WindowFont(double scale) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(10 * scale + 0.5));
  return font;
}

// A narrow bold face, so that the widest result the ranges allow fits its label at 18 points.
QFont ResultFont(double scale) {
  QFont font(QStringLiteral("Liberation Sans Narrow"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  // Points at 96 dots per inch, so that the label sizes hold on any screen.
  font.setPixelSize(static_cast<int>(kResultFontPoints * 96.0 / 72.0 * scale + 0.5));
  return font;
}

// Where a line edit draws its text, measured from its top: as QLineEdit centres one line of its
// font inside the contents of its frame.
int TextTopInBox(const QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.rect = box->rect();
  option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
  option.state |= QStyle::State_Sunken;
  QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
  int lineHeight = QFontMetrics(box->font()).height();
  return contents.y() + (contents.height() - lineHeight + 1) / 2;
}

// Moves a caption's text down onto the line of the text typed into the box beside it.
void AlignWithBoxText(QLabel* caption, const QLineEdit* box) {
  int top = box->y() + TextTopInBox(box) - caption->y();
  caption->setContentsMargins(0, std::max(0, top), 0, 0);
}

bool IsLeftButton(QEvent* event) {
  return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon(QStringLiteral(":/spbrg-calculator.png"));
  // Title and task bars show up to 64 pixels; launchers take the larger sizes from the theme.
  for (int size : {16, 24, 48, 64}) {
    icon.addFile(QStringLiteral(":/sizes/%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

CalculatorWidget::CalculatorWidget(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      hosts_(this, [this] { SyncFromModel(); }),
      model_(std::make_unique<CalculatorWindow>(WindowHosts::Of(hosts_))) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    scale_ = std::max(1.0, screen->logicalDotsPerInch() / 96.0);
  }
  setWindowTitle(QString::fromUtf8(kWindowTitle.data(), kWindowTitle.size()));
  setWindowIcon(ProgramIcon());
  setFont(WindowFont(scale_));
  setFixedSize(static_cast<int>(kClientWidth * scale_), static_cast<int>(kClientHeight * scale_));
  BuildWidgets();
}

CalculatorWidget::~CalculatorWidget() = default;

void CalculatorWidget::BuildWidgets() {
  for (const ControlPlacement& place : kPlacements) {
    const Control& control = model_->control(place.id);
    QWidget* widget = CreateWidget(control);
    widget->setGeometry(static_cast<int>(place.left * scale_), static_cast<int>(place.top * scale_),
                        static_cast<int>(place.width * scale_),
                        static_cast<int>(place.height * scale_));
    widget->setObjectName(QString::fromUtf8(control.name.data(), control.name.size()));
    widget->setProperty(kControlProperty, static_cast<int>(place.id));
    // The model alone moves the focus: the binding takes every Tab, and a click gives no focus
    // of its own. The controls that can take the focus still say so to assistive technology.
    widget->setFocusPolicy(control.kind == ControlKind::Label ? Qt::NoFocus : Qt::TabFocus);
    if (place.resultFont) {
      widget->setFont(ResultFont(scale_));
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setAlignment(ToQt(place.alignment));
      if (place.singleLineBorder) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignCenter);
      }
    }
    widget->installEventFilter(this);
    widgets_[IndexOf(place.id)] = widget;
  }
  for (const ControlPlacement& place : kPlacements) {
    TieToCaption(place);
  }
}

// A control with a caption beside it is named by it for assistive technology: the caption is
// its buddy, which gives the "labelled by" relation and a text box its name.
void CalculatorWidget::TieToCaption(const ControlPlacement& place) {
  QWidget* widget = widgetFor(place.id);
  widget->setAccessibleDescription(QString::fromUtf8(
      place.description.data(), static_cast<qsizetype>(place.description.size())));
  if (place.namedBy == place.id) {
    return;
  }
  auto* caption = qobject_cast<QLabel*>(widgetFor(place.namedBy));
  caption->setBuddy(widget);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    AlignWithBoxText(caption, box);
  }
}

QWidget* CalculatorWidget::CreateWidget(const Control& control) {
  switch (control.kind) {
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(this);
      edit->setAcceptDrops(false);
      edit->setMaxLength(std::numeric_limits<int>::max());  // no limit on the entry's length
      ControlId id = control.id;
      connect(edit, &QLineEdit::textEdited, this,
              [this, id](const QString& text) { OnTextEdited(id, text); });
      return edit;
    }
    case ControlKind::Label:
      return new QLabel(this);
    case ControlKind::CommandButton:
      if (control.id == ControlId::CopyClip || control.id == ControlId::Cloerr) {
        return new WrappedCaptionButton(this);
      }
      return new QPushButton(this);  // never a default button: Enter goes to the model
    case ControlKind::CheckBox:
      return new QCheckBox(this);
  }
  return new QWidget(this);
}

void CalculatorWidget::Start() {
  Act(Qt::OtherFocusReason, [&] { model_->Form_Load(); });
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  activateWindow();
  Act(Qt::OtherFocusReason, [&] { model_->ShowWindow(); });
}

std::optional<ControlId> CalculatorWidget::ControlOf(const QObject* object) const {
  QVariant value = object->property(kControlProperty);
  if (!value.isValid()) {
    return std::nullopt;
  }
  return static_cast<ControlId>(value.toInt());
}

// Every user action goes through here: the model acts, then the screen follows it. A failure
// the model did not handle is reported instead of ending the program. A focus move that a key
// caused reaches Qt as a keyboard one, so that the style draws its focus mark.
template <typename Action>
void CalculatorWidget::Act(Qt::FocusReason reason, Action&& action) {
  focusReason_ = reason;
  try {
    action();
  } catch (const std::exception& failure) {
    QMessageBox::warning(this, QStringLiteral("Unexpected failure"),
                         QStringLiteral("The last action could not be completed: %1")
                             .arg(QString::fromUtf8(failure.what())));
  }
  SyncFromModel();
}

// A focus move that a key caused reaches Qt as a keyboard one, a click's as a mouse one.
void CalculatorWidget::Deliver(const UserAction& action) {
  Qt::FocusReason reason = Qt::TabFocusReason;
  if (std::holds_alternative<action::MouseDown>(action) ||
      std::holds_alternative<action::MouseUp>(action)) {
    reason = Qt::MouseFocusReason;
  } else if (std::holds_alternative<action::Edit>(action)) {
    reason = Qt::OtherFocusReason;
  }
  Act(reason, [&] { Perform(*model_, action); });
}

bool CalculatorWidget::eventFilter(QObject* watched, QEvent* event) {
  std::optional<ControlId> id = ControlOf(watched);
  if (!id) {
    return QWidget::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return HandleKey(*id, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return HandleMouse(*id, event);
    default:
      return QWidget::eventFilter(watched, event);
  }
}

bool CalculatorWidget::HandleKey(ControlId id, QKeyEvent* event) {
  const Control& control = model_->control(id);
  int key = event->key();
  bool textBox = control.kind == ControlKind::TextBox;
  bool released = event->type() == QEvent::KeyRelease;
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    if (!released) {
      bool backward = key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
      Deliver(backward ? UserAction{action::ShiftTab{}} : UserAction{action::Tab{}});
    }
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!released) {
      Deliver(action::Enter{});
    }
    return true;
  }
  if (!textBox) {
    // Buttons and the check box answer Space through the model, never on their own.
    if (key == Qt::Key_Space && !event->isAutoRepeat() && !released) {
      Deliver(action::Type{U' '});
    }
    return key == Qt::Key_Space;
  }
  if (released) {
    return false;
  }
  // A character reaches the KeyPress handler first; the box then edits its text as usual and
  // reports the result through textEdited.
  if (key == Qt::Key_Backspace) {
    Deliver(action::KeyPress{8});
  } else if (!event->text().isEmpty()) {
    Deliver(action::KeyPress{event->text().at(0).unicode()});
  }
  return model_->focus() != id;
}

bool CalculatorWidget::HandleMouse(ControlId id, QEvent* event) {
  const Control& control = model_->control(id);
  bool textBox = control.kind == ControlKind::TextBox;
  if (!IsLeftButton(event)) {
    // Other buttons only serve the box that has the focus (its context menu).
    return !(textBox && model_->focus() == id);
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* button = qobject_cast<QAbstractButton*>(widgetFor(id));
    bool inside =
        widgetFor(id)->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (button != nullptr) {
      button->setDown(false);
    }
    if (inside) {
      Deliver(action::MouseUp{id});
    }
    return !textBox;
  }
  Deliver(action::MouseDown{id});
  if (auto* button = qobject_cast<QAbstractButton*>(widgetFor(id))) {
    button->setDown(model_->focus() == id);
  }
  // The box may place its cursor only when the model left the focus in it.
  return !(textBox && model_->focus() == id);
}

void CalculatorWidget::OnTextEdited(ControlId id, const QString& text) {
  if (model_->focus() != id) {
    SyncFromModel();  // an edit of a box the model does not focus is not taken
    return;
  }
  Deliver(action::Edit{text.toStdString()});
}

void CalculatorWidget::SyncFromModel() {
  for (const Control& control : model_->controls()) {
    SyncControl(control);
  }
  SyncFocus();
}

void CalculatorWidget::SyncControl(const Control& control) {
  QWidget* widget = widgetFor(control.id);
  QString text = FromUtf8(control.text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != text) {
      edit->setText(text);
    }
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text() != text) {
      label->setText(text);
    }
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    check->setText(text);
    check->setChecked(control.value == 1);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    if (button->text() != text) {
      button->setText(text);
    }
  }
  widget->setEnabled(control.enabled);
  widget->setVisible(control.visible);
}

void CalculatorWidget::SyncFocus() {
  std::optional<ControlId> focus = model_->focus();
  if (!focus) {
    return;
  }
  QWidget* target = widgetFor(*focus);
  if (QApplication::focusWidget() != target || focusWidget() != target) {
    // Qt marks a keyboard focus change only inside its own Tab handling; Enter and Space move
    // the focus too, so the binding says which moves came from keys.
    setAttribute(Qt::WA_KeyboardFocusChange, focusReason_ == Qt::TabFocusReason);
    target->setFocus(focusReason_);
  }
}

}  // namespace brg::ui
