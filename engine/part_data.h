// Facts from the parts' datasheets, one row for each family of parts: the clocks a part can run
// (its highest oscillator frequency, the crystals it takes, its internal oscillators and its
// PLL), each row with the document it comes from. gputils' headers give register names, not
// clock limits; this table gives what they lack. Holds data only; it decides nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brg::engine {

struct ClockLimits {
  double maxOscMHz = 0;            // the highest oscillator frequency Fosc
  double maxCrystalMHz = 0;        // the highest crystal of its HS mode
  std::vector<double> internal;    // the internal oscillator's frequencies
  std::vector<double> pllFactors;  // the multipliers of its PLL; none without one
  double pllMinInMHz = 0;          // the crystals the PLL takes
  double pllMaxInMHz = 0;
  std::vector<double> internalPll;  // the internal frequencies the PLL takes
  // A 96 MHz USB PLL fed by a crystal of a multiple of 4 MHz: the system clocks it gives.
  std::vector<double> usbPllOutputs;
};

struct PartFamily {
  std::vector<std::string> patterns;  // part names: ? one character, [2-7] one of them
  std::string name;                   // "PIC16F87XA"
  ClockLimits clock;
  std::string source;  // the datasheet and its section
};

// The family a part belongs to: "16F877A", "PIC18LF45K22", any case; nullptr when the table
// has no row for it.
const PartFamily* FamilyOf(std::string_view part);

// The part's name as the table and the headers spell it: upper case, without "PIC" or "P"
// before the digits, LF as F: 18F45K22.
std::string CanonicalPartName(std::string_view part);

}  // namespace brg::engine
