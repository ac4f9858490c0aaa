// The peripheral bus divider of PIC32 as C source sets it: the configuration word FPBDIV
// (#pragma config FPBDIV = DIV_2), OSCCONbits.PBDIV on PIC32MX (the divider 1, 2, 4 or 8 as
// 2^PBDIV; DS61112 PIC32 Family Reference Manual, Section 6 Oscillators, OSCCON<20:19>), and
// PB2DIVbits.PBDIV on PIC32MZ and MK (the divider PBDIV + 1; DS60001250 Section 42, PBxDIV<6:0>).
// The UART of those parts runs from that bus.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/check/setup_source.h"

namespace brg::engine {

class PeripheralBus {
 public:
  // The text of a "#pragma config" after "config": "FNOSC = PRIPLL, FPBDIV = DIV_2".
  void Config(std::string_view settings, int line);
  // REGbits.FIELD = value; false when it is no divider's field.
  bool FieldWrite(std::string_view reg, std::string_view field, std::int64_t value, int line);
  // OSCCONbits.PBDIV and PB2DIVbits.PBDIV as the source has set them so far.
  std::optional<std::int64_t> FieldValue(std::string_view name) const;

  // The divider the source sets last, where and how.
  const std::optional<Named>& Divider() const { return divider_; }

 private:
  enum class Register { None, Osccon, Pb2div };
  static Register DividerRegister(std::string_view reg, std::string_view field);

  std::optional<Named> divider_;
};

}  // namespace brg::engine
