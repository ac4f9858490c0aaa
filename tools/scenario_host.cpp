#include "tools/scenario_host.h"

namespace brg::scenario {

int ScriptHost::ShowMessage(std::string_view text, int style, std::string_view title) {
  boxes.push_back(ShownBox{style, std::string(title), std::string(text)});
  if (answers.empty()) {
    throw ScriptError("a message box opened with no answer queued: \"" + std::string(title) + "\"");
  }
  int answer = answers.front();
  answers.pop_front();
  bool yesNo = style == msgbox::kInformationYesNo;
  if (yesNo != (answer != 0)) {
    throw ScriptError("the answer queued does not fit the box \"" + std::string(title) + "\"");
  }
  return answer;
}

bool ScriptHost::Clear() {
  if (clipboardFails) {
    return false;
  }
  clipboard.clear();
  return true;
}

bool ScriptHost::SetText(std::string_view text) {
  if (clipboardFails) {
    return false;
  }
  clipboard = std::string(text);
  return true;
}

}  // namespace brg::scenario
