// The sixteen controls of the calculator window as plain data: their names, kinds and values at
// creation. Does not run any handler: the event rules live in CalculatorWindow.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brg {

// The enumerator of a control is its TabIndex.
enum class ControlId : std::uint8_t {
  Fosc = 0,
  BaudRate = 1,
  Command1 = 2,
  Label1 = 3,
  lSPBRG = 4,
  Label2 = 5,
  Label3 = 6,
  BRG1 = 7,
  Label4 = 8,
  ErrPercentage = 9,
  CBaud = 10,
  Label5 = 11,
  cInc = 12,
  cDec = 13,
  CopyClip = 14,
  Cloerr = 15,
};

inline constexpr std::size_t kControlCount = 16;

enum class ControlKind : std::uint8_t { TextBox, Label, CommandButton, CheckBox };

struct Control {
  ControlId id{};
  std::string_view name;
  ControlKind kind{};
  std::string text;  // Text of a text box, Caption of the others
  bool enabled = true;
  bool visible = true;
  std::int16_t value = 0;  // check box only: 0 unchecked, 1 checked
};

using ControlTable = std::array<Control, kControlCount>;

// Every control with its value at creation, indexed by TabIndex.
ControlTable CreateControls(std::int16_t checkBoxValue);

constexpr std::size_t IndexOf(ControlId id) {
  return static_cast<std::size_t>(id);
}
std::string_view ControlName(ControlId id);
std::optional<ControlId> ControlByName(std::string_view name);

// Text boxes, command buttons and the check box take the focus, while enabled and visible. Each
// of them is a tab stop, and a focus move to it runs the Validate handler of the box it leaves
// (the stepping buttons included: no entry reaches a calculation without its range check).
bool CanTakeFocus(const Control& control);

}  // namespace brg
