#include "workbench_ui/code_page.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brg::workbench_ui {

CodePage::CodePage(const QString& name, const QString& option, QWidget* parent)
    : QWidget(parent), text_(new QPlainTextEdit(this)), copy_(new QPushButton(tr("Cop&y"), this)) {
  setObjectName(QStringLiteral("page.") + name);
  text_->setObjectName(QStringLiteral("code.") + name);
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  text_->setTabChangesFocus(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setAccessibleName(name + tr(" code"));
  copy_->setObjectName(QStringLiteral("copy.") + name);
  copy_->setAccessibleName(tr("Copy the %1 code").arg(name));
  copy_->setAutoDefault(true);  // Enter presses it as Space does

  auto* buttons = new QHBoxLayout;
  if (!option.isEmpty()) {
    option_ = new QCheckBox(option, this);
    option_->setObjectName(QStringLiteral("option.") + name);
    option_->setAccessibleName(QString(option).remove(QLatin1Char('&')));
    buttons->addWidget(option_);
  }
  buttons->addStretch();
  buttons->addWidget(copy_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
}

void CodePage::Show(const QString& text) {
  if (text_->toPlainText() != text) {
    text_->setPlainText(text);
  }
}

void CodePage::ShowOption(bool checked, bool enabled) {
  if (option_ != nullptr) {
    option_->setChecked(checked);
    option_->setEnabled(enabled);
  }
}

void CodePage::OnCopy(std::function<void()> copy) {
  connect(copy_, &QPushButton::clicked, this, [copy = std::move(copy)] { copy(); });
}

void CodePage::OnOption(std::function<void(bool)> changed) {
  if (option_ != nullptr) {
    connect(option_, &QCheckBox::toggled, this,
            [changed = std::move(changed)](bool on) { changed(on); });
  }
}

}  // namespace brg::workbench_ui
