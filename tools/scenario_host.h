// Fake message boxes, clipboard and locale for driving the window from a script.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "window/window_host.h"

namespace brg::scenario {

// The script cannot go on: a box opened with no answer queued, or a box left unanswered.
class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const std::string& what) : std::runtime_error(what) {}
};

struct ShownBox {
  int style = 0;
  std::string title;
  std::string text;
};

class ScriptHost : public MessageBoxHost, public ClipboardHost, public LocaleHost {
 public:
  int ShowMessage(std::string_view text, int style, std::string_view title) override;
  bool Clear() override;
  bool SetText(std::string_view text) override;
  Separators CurrentSeparators() const override { return separators; }

  std::deque<int> answers;      // msgbox::kYes, kNo, or 0 for OK
  std::vector<ShownBox> boxes;  // every box shown, in order
  std::size_t boxesChecked = 0;
  std::string clipboard;
  bool clipboardFails = false;
  Separators separators;
};

}  // namespace brg::scenario
