// One code form on the Setting tab: its text, read-only and selectable, a Copy button, and the
// form's option where it has one. Shows what it is given; Copy and the option are reported to
// the window, which turns them into the model's actions.
#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace brg::workbench_ui {

class CodePage : public QWidget {
 public:
  // `name` is the form's ("C", "asm", ...); `option` the caption of its check box, or empty.
  CodePage(const QString& name, const QString& option, QWidget* parent = nullptr);

  void Show(const QString& text);
  void ShowOption(bool checked, bool enabled);

  void OnCopy(std::function<void()> copy);
  void OnOption(std::function<void(bool)> changed);

  QPlainTextEdit* text() const { return text_; }
  QPushButton* copyButton() const { return copy_; }
  QCheckBox* option() const { return option_; }

 private:
  QPlainTextEdit* text_;
  QPushButton* copy_;
  QCheckBox* option_ = nullptr;
};

}  // namespace brg::workbench_ui
