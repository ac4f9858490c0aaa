// The clock the chip runs, worked out from what the source says of it: the configuration
// setting that selects the oscillator (or its erased value where the source gives other
// settings but not that one), the oscillator registers the code writes, and their reset
// values where it writes none (engine/parts/oscillator_data.h). Pure: facts in, the clock out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/check/setup_source.h"
#include "engine/parts/oscillator_data.h"

namespace brg::engine {

struct ChipClock {
  ClockSource source = ClockSource::External;
  double mhz = 0;   // the frequency of an internal source; for an external one through the PLL,
                    // the factor (4); 0 for an external one
  int line = 0;     // the line that decides last
  std::string how;  // "FOSC = INTOSC (line 2); OSCCON = 0x70 (line 9): IRCF 1110, 8 MHz; ..."
  // The frequency field's value that gives `mhz` without the PLL, for a finding's advice.
  std::string FieldFor(double mhz) const;
  const OscillatorFamily* family = nullptr;
};

// Nothing where the source says nothing of the clock: no configuration setting and no write
// to an oscillator register. `config`: the source's settings with its numbers named
// (engine/check/config_words.h).
std::optional<ChipClock> WorkOutChipClock(const OscillatorFamily& family, const SourceFacts& facts,
                                          const std::vector<ConfigSetting>& config);

}  // namespace brg::engine
