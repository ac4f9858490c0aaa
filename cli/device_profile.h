// The serial ports of a PIC part as the field's own toolchain names them: read from the part's
// gputils header (p16f1829.inc, ...), with every register name and bit position taken from there.
// Without a part, the classic names with every mode offered.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/brg_modes.h"

namespace brg::cli {

// Where Debian's gputils package puts its part headers.
inline constexpr const char* kGputilsHeaders = "/usr/share/gputils/header";

struct UsartProfile {
  int number = 1;
  std::string txsta, rcsta, spbrg;
  std::string spbrgh, baudcon;  // empty on a part without BRG16
  // Bit positions in TXSTA, RCSTA and BAUDCON.
  int txen = 5, brgh = 2, sync = 4, csrc = 7;
  int spen = 7, cren = 4;
  int brg16 = 3;

  bool HasBrg16() const { return !spbrgh.empty() && !baudcon.empty(); }
  bool Supports(BrgMode mode) const { return !InfoOf(mode).brg16 || HasBrg16(); }
};

struct DeviceProfile {
  std::string part;  // as the user will read it, 16F1829; empty for the classic names
  std::vector<UsartProfile> usarts;
};

// A part that cannot be used: no headers, no such part, no USART. One line for the user.
class DeviceError : public std::runtime_error {
 public:
  explicit DeviceError(const std::string& what) : std::runtime_error(what) {}
};

// The five registers of a USART's set-up.
enum class UsartRegister { Txsta, Rcsta, Spbrg, Spbrgh, Baudcon };

// Which register of USART `number` a name means: the profile's own names, and every name that
// parts' headers give the register (TXSTA, TX1STA, TXSTA1, BAUDCTL, SPBRGL, ...), any case.
std::optional<UsartRegister> RegisterOf(std::string_view name, const UsartProfile& usart);

// Edits between two names, a swap of neighbouring characters counting as one: how near a
// mistyped part or DEFINE name is to a known one.
std::size_t NameDistance(const std::string& a, const std::string& b);

// TXSTA, RCSTA, SPBRG, SPBRGH and BAUDCON: one USART that offers every mode.
DeviceProfile ClassicProfile();

// "16F1829", "PIC16F1829" or "p16f1829", any case, read from DIR/p16f1829.inc.
DeviceProfile ReadDeviceProfile(const std::string& part, const std::string& headerDir);

// The profile's USART `number` (1 or 2); DeviceError when the part has no such port.
const UsartProfile& UsartOf(const DeviceProfile& device, int number);

}  // namespace brg::cli
