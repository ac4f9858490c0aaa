// Facts from the parts' datasheets, one row for each family of parts: the clocks a part can run
// (its highest oscillator frequency, the crystals it takes, its internal oscillators and its
// PLL), and for the parts gputils has no header for, which kind of serial port they have and
// how many; each row with the document it comes from. gputils' headers give register names,
// not clock limits; this table gives what they lack. Holds data only; it decides nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brg::engine {

struct ClockLimits {
  double maxOscMHz = 0;              // the highest oscillator frequency Fosc
  double maxCrystalMHz = 0;          // the highest crystal of its HS mode
  std::vector<double> internal{};    // the internal oscillator's frequencies
  std::vector<double> pllFactors{};  // the multipliers of its PLL; none without one
  double pllMinInMHz = 0;            // the crystals the PLL takes
  double pllMaxInMHz = 0;
  std::vector<double> internalPll{};  // the internal frequencies the PLL takes
  // A PLL that gives a fixed set of system clocks, as the 96 MHz USB PLL does from any crystal
  // of 4, 8, ... 24 MHz, or a fractional PLL from the internal oscillator: its outputs.
  std::vector<double> pllOutputs{};
  std::string pllOutputsFrom{};     // "4-24 MHz crystal", "FRC with PLL"
  bool pllOutputsInternal = false;  // fed by the internal oscillator, whose tolerance counts
};

// The kind of serial port of a family, for the families that gputils has no header for.
enum class PortKind {
  FromHeader,  // the gputils header names the USARTs
  Eusart,      // the EUSART under the numbered names TX1STA, RC1STA, SP1BRGL, ...
  Pic18Uart,
  Pic24Uart,
  Dspic33cUart,
  Pic32Uart,
};

struct PartFamily {
  std::vector<std::string> patterns{};  // part names: ? one character, [2-7] one of them
  std::string name{};                   // "PIC16F87XA"
  ClockLimits clock{};
  std::string source{};  // the datasheet and its section
  PortKind kind = PortKind::FromHeader;
  int ports = 0;  // serial ports of the kind, for the families without a header
  // PIC32: the peripheral bus that clocks the UART, the divider it has unless --pbdiv says
  // otherwise, and what a user should know of it.
  std::string bus{};
  double pbdiv = 1;
  std::string busNote{};
  // The parts of a family that gputils has no header for, as front ends offer them.
  std::vector<std::string> members{};
};

// Every part the engine knows: the built-in parts with a serial port and those of the gputils
// headers in `headerDir` (none where it is ""), then the members of the families without
// headers, by name.
std::vector<std::string> KnownParts(const std::string& headerDir);

// The family lines of the 16- and 32-bit parts (PIC24F, dsPIC33C, PIC32MZ, ...), as a name
// begins: which line a part of a family the table lacks belongs to, or "".
std::string FamilyLineOf(std::string_view part);

// The family a part belongs to: "16F877A", "PIC18LF45K22", any case; nullptr when the table
// has no row for it.
const PartFamily* FamilyOf(std::string_view part);

// A canonical part name against a pattern of the tables: ? one character, * any run, [2-7] or
// [45] one of them.
bool MatchesPartPattern(std::string_view name, std::string_view pattern);

// The part's name as the table and the headers spell it: upper case, without "PIC" or "P"
// before the digits (nor dsPIC), LF as F: 18F45K22, 24FJ64GA002, 33CK256MP508.
std::string CanonicalPartName(std::string_view part);

// The part's name as people read it: 16F1829, PIC24FJ64GA002, dsPIC33CK256MP508.
std::string DisplayPartName(std::string_view part);

}  // namespace brg::engine
