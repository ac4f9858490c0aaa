// The user's actions on the calculator window as data. The Qt binding, the scenario runner and
// the fuzzer all deliver them through Perform, so a script, a fuzzer's reproducer and a real key
// take one road: a typed character reaches the KeyPress handler first, then the text box edits
// its own text.
//
// Each action has a line in the scenario language (ScriptLine / ParseScriptAction): the fuzzer
// prints its reproducers in it and the runner reads them as they stand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "window/calculator_window.h"

namespace brg {

namespace action {
struct Tab {
  friend bool operator==(const Tab&, const Tab&) = default;
};
struct ShiftTab {
  friend bool operator==(const ShiftTab&, const ShiftTab&) = default;
};
struct Click {
  ControlId control;
  friend bool operator==(const Click&, const Click&) = default;
};
struct MouseDown {
  ControlId control;
  friend bool operator==(const MouseDown&, const MouseDown&) = default;
};
struct MouseUp {
  ControlId control;
  friend bool operator==(const MouseUp&, const MouseUp&) = default;
};
struct Enter {
  friend bool operator==(const Enter&, const Enter&) = default;
};
// One key of typed text: a character, a space or a backspace (U+0008).
struct Type {
  char32_t character;
  friend bool operator==(const Type&, const Type&) = default;
};
// The key press alone, for a binding whose text box edits itself and reports it with Edit.
struct KeyPress {
  std::uint16_t code;
  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};
// The focused box's text replaced without a key press (paste, delete, an edit of the box).
struct Edit {
  std::string text;
  friend bool operator==(const Edit&, const Edit&) = default;
};
struct SwitchAway {
  friend bool operator==(const SwitchAway&, const SwitchAway&) = default;
};
struct SwitchBack {
  friend bool operator==(const SwitchBack&, const SwitchBack&) = default;
};
}  // namespace action

using UserAction = std::variant<action::Tab, action::ShiftTab, action::Click, action::MouseDown,
                                action::MouseUp, action::Enter, action::Type, action::KeyPress,
                                action::Edit, action::SwitchAway, action::SwitchBack>;

void Perform(CalculatorWindow& window, const UserAction& action);

// The action in the scenario language, one line; ParseScriptLine reads it back.
std::string ScriptLine(const UserAction& action);

// The actions of one script line (COMMAND, a space, then its escaped argument to the end of the
// line): "type TEXT" gives one action a character. Nothing when the command is no user action;
// std::invalid_argument for a malformed one.
std::optional<std::vector<UserAction>> ParseScriptLine(std::string_view line);

// The scenario language's escapes: \r \n \t \s (space) and \\.
std::string UnescapeScriptText(std::string_view text);

}  // namespace brg
