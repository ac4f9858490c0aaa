// The five state variables of the calculator window.
#pragma once

#include <cstdint>
#include <string>

namespace brg {

// A flag raised in one handler and consumed in another. Handlers only assign True or False and
// only test for equality with True or False; Unset compares equal to False.
enum class Flag : std::uint8_t { Unset, False, True };

constexpr bool EqualsTrue(Flag flag) {
  return flag == Flag::True;
}
constexpr bool EqualsFalse(Flag flag) {
  return flag != Flag::True;
}

struct WindowState {
  std::int32_t SpbrgValue = 0;       // the SPBRG value on show
  Flag SpbrgOverflow = Flag::Unset;  // a clamp to 255 is being handled
  Flag InputRejected = Flag::Unset;  // a Validate handler rejected an entry
  bool ManualSpbrg = false;          // the value was stepped by hand or exported
  std::string DefineText;            // the DEFINE block last put on the clipboard
};

}  // namespace brg
