// How the parts of a family choose the clock they run: the configuration setting that selects
// the oscillator and what it selects, the oscillator registers with their fields, the internal
// oscillator's frequencies by field value, their reset values, the PLL; one row a family, each
// with its datasheet. Holds data only; engine/check/chip_clock.h works the clock out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/ports/serial_port.h"

namespace brg::engine {

// What an oscillator setting or selection gives the chip.
enum class ClockSource {
  External,      // a crystal or an external clock: its frequency is not in the code
  ExternalPll4,  // the external one through the 4x PLL
  Internal,      // the internal oscillator at the frequency its registers select
  Lfintosc,      // the 31 kHz low-frequency internal oscillator
  Sosc,          // the 32.768 kHz secondary oscillator
};

// A value of the configuration setting that selects the oscillator (FOSC = INTOSC, RSTOSC =
// HFINTOSC_64MHZ), as XC8's #pragma config and the assemblers' _FOSC_INTOSC name it.
struct OscillatorSetting {
  std::string value{};  // INTOSC, HFINTOSC_64MHZ, EXTOSC
  ClockSource source = ClockSource::External;
  // Where the setting fixes the internal frequency at reset (RSTOSC): the frequency register's
  // and the divider's values; -1 where the registers' own reset values hold.
  int frequencyCode = -1;
  int divider = 1;
};

struct OscillatorFamily {
  std::vector<std::string> patterns{};  // part names, as part_data.h matches them
  std::string name{};
  std::string setting{};                    // FOSC, RSTOSC
  std::vector<OscillatorSetting> values{};  // its values; others select an external oscillator
  std::string erased{};                     // its value in an erased configuration word
  std::vector<PortRegister> registers{};    // OSCCON, OSCCON1, OSCFRQ with their bits
  std::vector<std::int64_t> resets{};       // their values at reset, where one bit is set

  // The internal oscillator: the field that selects its frequency, the frequencies by the
  // field's value (0 for a reserved one), the field's reset value.
  std::string frequencyField{};  // IRCF, FRQ
  std::vector<double> frequencies{};
  int frequencyReset = 0;

  // The field that switches the system clock to the internal oscillator whatever the
  // configuration says (SCS), and the values that do; "" for none.
  std::string selectField{};
  std::vector<int> selectInternal{};

  // The field that selects the clock source at run time (NOSC) with its codes, and the divider
  // field (NDIV) whose value n divides by 2^n; "" for none.
  std::string sourceField{};
  std::vector<std::pair<int, ClockSource>> sourceCodes{};
  std::string dividerField{};

  // The 4x PLL of the internal oscillator: the configuration setting that enables it with its
  // erased value ON or OFF, the bit that enables it at run time, and the frequency field value
  // it multiplies; "" for none.
  std::string pllSetting{};
  bool pllErasedOn = false;
  std::string pllBit{};
  int pllFrequencyCode = -1;

  std::string source{};  // the datasheet and its sections
};

// The oscillator row of a part ("16F1829", "PIC18F47Q43"); nullptr where the table has none.
const OscillatorFamily* OscillatorFamilyOf(std::string_view part);

}  // namespace brg::engine
