#include "ui/qt_hosts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

#include "ui/qt_desktop.h"

namespace brg::ui {
namespace {

// A Yes/No question has no Cancel: Escape and the title bar's close button would answer No and
// empty the window, so they leave the box open. Only a button answers it.
class QuestionGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      event->ignore();
      return true;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
      return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

QtHosts::QtHosts(QWidget* parent, std::function<void()> beforeBox)
    : parent_(parent), beforeBox_(std::move(beforeBox)) {}

int QtHosts::ShowMessage(std::string_view text, int style, std::string_view title) {
  if (beforeBox_) {
    beforeBox_();
  }
  QMessageBox box(parent_);
  box.setWindowTitle(FromUtf8(title));
  box.setTextFormat(Qt::PlainText);
  // A carriage return starts a new line.
  box.setText(FromUtf8(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
  if (style == msgbox::kInformationYesNo) {
    box.setIcon(QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    QuestionGuard guard;
    box.installEventFilter(&guard);
    int answer = box.exec() == QMessageBox::Yes ? msgbox::kYes : msgbox::kNo;
    ReturnToWindow();
    return answer;
  }
  box.setIcon(QMessageBox::Warning);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  ReturnToWindow();
  return msgbox::kYes;  // an OK box's answer is never looked at
}

// Without a window manager nobody gives the keyboard back to the window once its box is gone.
void QtHosts::ReturnToWindow() {
  if (parent_ != nullptr) {
    parent_->activateWindow();
  }
}

bool QtHosts::Clear() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) {
    return false;
  }
  clipboard->clear();
  return true;
}

bool QtHosts::SetText(std::string_view text) {
  return PutOnClipboard(text);
}

Separators QtHosts::CurrentSeparators() const {
  return SeparatorsOf(QLocale::system());
}

}  // namespace brg::ui
