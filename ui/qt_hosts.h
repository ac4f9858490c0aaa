// The window model's outside world on Qt: message boxes, the system clipboard, the locale.
#pragma once

#include <functional>

#include "window/window_host.h"

class QWidget;

namespace brg::ui {

class QtHosts : public MessageBoxHost, public ClipboardHost, public LocaleHost {
 public:
  // `beforeBox` runs before a box opens, so that the screen shows what the model shows.
  QtHosts(QWidget* parent, std::function<void()> beforeBox);

  int ShowMessage(std::string_view text, int style, std::string_view title) override;
  bool Clear() override;
  bool SetText(std::string_view text) override;
  Separators CurrentSeparators() const override;

 private:
  void ReturnToWindow();

  QWidget* parent_;
  std::function<void()> beforeBox_;
};

}  // namespace brg::ui
