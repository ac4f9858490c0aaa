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
  FixedPll,      // a PLL whose output does not depend on the crystal (the 96 MHz USB PLL),
                 // divided by the family's post divider
  FrcDivided,    // the 16- and 32-bit parts' fast RC oscillator through its divider
  FrcDiv16,      // the fast RC oscillator divided by 16
  FrcPll,        // the fast RC oscillator through the PLL
};

// How the PLL of a 16- or 32-bit part multiplies its fast RC oscillator.
enum class PllKind {
  None,
  FourTimes,   // 4x the divided oscillator (PIC24F)
  Dspic33F,    // M / (N1 N2): PLLFBD's PLLDIV + 2, CLKDIV's PLLPRE + 2 and 2 (PLLPOST + 1)
  Dspic33C,    // PLLFBDIV / (PLLPRE POST1DIV POST2DIV), halved
  Configured,  // the configuration's input divider, multiplier and output divider (PIC32)
};

// A configuration setting with its erased value.
struct SettingErased {
  std::string name{};
  std::string erased{};
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

// A value of a configuration setting with the number it stands for (CPUDIV = OSC1_PLL2: 2).
struct SettingNumber {
  std::string value{};
  int number = 1;
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
  // field's value (0 for a reserved one), the field's reset value. A family without the field
  // has one frequency.
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
  // erased value ON or OFF, the bit that enables it at run time, and the frequency field values
  // it multiplies; "" and none for none.
  std::string pllSetting{};
  bool pllErasedOn = false;
  std::string pllBit{};
  std::vector<int> pllFrequencyCodes{};

  // The fixed PLL's output in MHz and the configuration setting that divides it (CPUDIV) with
  // its values and its erased one.
  double fixedPllMHz = 0;
  std::string postDividerSetting{};
  std::vector<SettingNumber> postDividers{};
  std::string postDividerErased{};

  // The 16- and 32-bit parts: the field that divides the fast RC oscillator (RCDIV, FRCDIV:
  // by 1, 2, 4, ..., 64, then 256) and how the PLL multiplies it; the fast RC oscillator is the
  // family's one internal frequency. For a PLL the configuration sets: its three settings.
  std::string frcDividerField{};
  PllKind frcPll = PllKind::None;
  std::vector<SettingErased> pllSettings{};  // input divider, multiplier, output divider
  // The setting that chooses the PLL's input (FPLLICLK) and its value for the fast RC
  // oscillator; any other value feeds it the external one. "" where the PLL takes the FRC only.
  SettingErased pllInput{};
  std::string pllInputFrc{};

  // The configuration setting that must allow a run-time switch of the clock (FCKSM) with the
  // values that do; its erased value allows none. "" where any write switches.
  std::string switchSetting{};
  std::vector<std::string> switchAllowed{};

  std::string source{};  // the datasheet and its sections
};

// The oscillator row of a part ("16F1829", "PIC18F47Q43"); nullptr where the table has none.
const OscillatorFamily* OscillatorFamilyOf(std::string_view part);

}  // namespace brg::engine
