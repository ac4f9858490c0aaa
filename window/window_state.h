// The five state variables of the calculator window.
#pragma once

#include <cstdint>
#include <string>

namespace brg {

struct WindowState {
  std::int32_t SpbrgValue = 0;  // the SPBRG value on show
  bool SpbrgOverflow = false;   // a clamp to 255 is being handled
  bool InputRejected = false;   // a Validate handler rejected an entry
  bool ManualSpbrg = false;     // the value was stepped by hand or exported
  std::string DefineText;       // the DEFINE block last put on the clipboard
};

}  // namespace brg
