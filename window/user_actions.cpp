#include "window/user_actions.h"

#include <stdexcept>

#include "core/text.h"

namespace brg {
namespace {

constexpr char32_t kBackspace = 0x08;

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// A key's character code as the KeyPress handlers receive it: 16 bits, '?' beyond them.
std::uint16_t KeyCode(char32_t character) {
  return static_cast<std::uint16_t>(character > 0xFFFF ? U'?' : character);
}

// The text of a single-line box after a key at its end: a character appended, the last
// character removed for Backspace; Enter and other control keys leave it as it is.
std::string TextAfterKey(std::string text, char32_t character) {
  if (character == kBackspace) {
    RemoveLastUtf8Character(text);
  } else if (character >= 0x20 && character != 0x7F) {
    AppendUtf8(text, character);
  }
  return text;
}

// The scenario language's escapes, the inverse of UnescapeScriptText.
std::string EscapeScriptText(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '\r':
        escaped += "\\r";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case ' ':
        escaped += "\\s";
        break;
      case '\\':
        escaped += "\\\\";
        break;
      default:
        escaped.push_back(c);
    }
  }
  return escaped;
}

// A typed key as a real keyboard delivers it: Enter and the space bar act on buttons; in a text
// box the key press comes first, and the box edits its text when it still has the focus.
void TypeKey(CalculatorWindow& window, char32_t character) {
  if (character == U'\r') {
    window.PressEnter();
    return;
  }
  std::optional<ControlId> box = window.focus();
  if (!box || window.control(*box).kind != ControlKind::TextBox) {
    if (character == U' ') {
      window.PressSpace();
    }
    return;
  }
  window.DeliverKeyPress(KeyCode(character));
  if (window.focus() == box && !window.switchedAway()) {
    window.EditFocusedText(TextAfterKey(window.control(*box).text, character));
  }
}

ControlId ControlNamed(const std::string& name) {
  std::optional<ControlId> id = ControlByName(name);
  if (!id) {
    throw std::invalid_argument("unknown control \"" + name + "\"");
  }
  return *id;
}

std::string Utf8(char32_t character) {
  std::string text;
  AppendUtf8(text, character);
  return text;
}

std::optional<UserAction> ParseCommand(std::string_view command, const std::string& argument) {
  if (command == "tab") {
    return action::Tab{};
  }
  if (command == "backtab") {
    return action::ShiftTab{};
  }
  if (command == "click") {
    return action::Click{ControlNamed(argument)};
  }
  if (command == "mouse-down") {
    return action::MouseDown{ControlNamed(argument)};
  }
  if (command == "mouse-up") {
    return action::MouseUp{ControlNamed(argument)};
  }
  if (command == "enter") {
    return action::Enter{};
  }
  if (command == "space") {
    return action::Type{U' '};
  }
  if (command == "backspace") {
    return action::Type{kBackspace};
  }
  if (command == "keypress") {
    std::size_t used = 0;
    unsigned long code = std::stoul(argument, &used);
    if (used != argument.size() || code > 0xFFFF) {
      throw std::invalid_argument("keypress takes a code from 0 to 65535");
    }
    return action::KeyPress{static_cast<std::uint16_t>(code)};
  }
  if (command == "paste") {
    return action::Edit{argument};
  }
  if (command == "switch-away") {
    return action::SwitchAway{};
  }
  if (command == "switch-back") {
    return action::SwitchBack{};
  }
  return std::nullopt;
}

}  // namespace

void Perform(CalculatorWindow& window, const UserAction& action) {
  std::visit(Overloaded{
                 [&](action::Tab) { window.PressTab(); },
                 [&](action::ShiftTab) { window.PressShiftTab(); },
                 [&](action::Click click) { window.ClickControl(click.control); },
                 [&](action::MouseDown down) { window.MouseDown(down.control); },
                 [&](action::MouseUp up) { window.MouseUp(up.control); },
                 [&](action::Enter) { window.PressEnter(); },
                 [&](action::Type type) { TypeKey(window, type.character); },
                 [&](action::KeyPress key) { window.DeliverKeyPress(key.code); },
                 [&](const action::Edit& edit) { window.EditFocusedText(edit.text); },
                 [&](action::SwitchAway) { window.SwitchAway(); },
                 [&](action::SwitchBack) { window.SwitchBack(); },
             },
             action);
}

std::string ScriptLine(const UserAction& action) {
  auto named = [](const char* command, ControlId id) {
    return std::string(command) + " " + std::string(ControlName(id));
  };
  return std::visit(
      Overloaded{
          [](action::Tab) -> std::string { return "tab"; },
          [](action::ShiftTab) -> std::string { return "backtab"; },
          [&](action::Click click) { return named("click", click.control); },
          [&](action::MouseDown down) { return named("mouse-down", down.control); },
          [&](action::MouseUp up) { return named("mouse-up", up.control); },
          [](action::Enter) -> std::string { return "enter"; },
          [](action::Type type) -> std::string {
            if (type.character == kBackspace) {
              return "backspace";
            }
            return type.character == U' ' ? "space"
                                          : "type " + EscapeScriptText(Utf8(type.character));
          },
          [](action::KeyPress key) { return "keypress " + std::to_string(key.code); },
          [](const action::Edit& edit) { return "paste " + EscapeScriptText(edit.text); },
          [](action::SwitchAway) -> std::string { return "switch-away"; },
          [](action::SwitchBack) -> std::string { return "switch-back"; },
      },
      action);
}

std::optional<std::vector<UserAction>> ParseScriptLine(std::string_view line) {
  std::size_t space = line.find(' ');
  std::string_view command = line.substr(0, space);
  std::string argument =
      space == std::string_view::npos ? "" : UnescapeScriptText(line.substr(space + 1));
  if (command == "type") {
    std::vector<UserAction> keys;
    for (char32_t character : DecodeUtf8(argument)) {
      keys.emplace_back(action::Type{character});
    }
    return keys;
  }
  std::optional<UserAction> single = ParseCommand(command, argument);
  if (!single) {
    return std::nullopt;
  }
  return std::vector<UserAction>{*single};
}

std::string UnescapeScriptText(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain.push_back(text[i]);
      continue;
    }
    char code = text[++i];
    switch (code) {
      case 'r':
        plain.push_back('\r');
        break;
      case 'n':
        plain.push_back('\n');
        break;
      case 't':
        plain.push_back('\t');
        break;
      case 's':
        plain.push_back(' ');
        break;
      case '\\':
        plain.push_back('\\');
        break;
      default:
        plain.push_back('\\');
        plain.push_back(code);
    }
  }
  return plain;
}

}  // namespace brg
