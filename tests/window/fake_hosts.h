// Message boxes, clipboard and locale for tests of the window model.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "window/window_host.h"

namespace brg::testing_support {

struct RecordedBox {
  std::string text;
  int style;
  std::string title;
};

class FakeHosts : public MessageBoxHost, public ClipboardHost, public LocaleHost {
 public:
  int ShowMessage(std::string_view text, int style, std::string_view title) override {
    boxes.push_back({std::string(text), style, std::string(title)});
    if (whileOpen) {
      whileOpen();
    }
    return answer;
  }
  bool Clear() override {
    clipboard.clear();
    return true;
  }
  bool SetText(std::string_view text) override {
    clipboard = std::string(text);
    return true;
  }
  Separators CurrentSeparators() const override { return {}; }


  std::vector<RecordedBox> boxes;
  std::function<void()> whileOpen;  // runs while a box is on the screen
  int answer = msgbox::kYes;
  std::string clipboard;
};

}  // namespace brg::testing_support
