// The rates a user asks for: each as typed and as a number, and the standard rates that tables
// list.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/brg_arithmetic.h"

namespace brg::engine {

// The oscillators and rates the engine calculates for, wider than the window: 31 kHz to 300 MHz,
// 1 to 5,000,000 baud.
inline constexpr EntryRange kOscillatorMHz{0.031, 300};
inline constexpr EntryRange kBaudRange{1, 5000000};

struct WantedRate {
  std::string text;  // as given: the DEFINE comment and the reports echo it
  double baud = 0;
};

inline constexpr std::array<double, 16> kStandardRates{300,    600,    1200,   2400,  4800,  9600,
                                                       14400,  19200,  28800,  38400, 57600, 76800,
                                                       115200, 128000, 230400, 250000};

// The standard rates, with each extra rate in its place among them unless it is one of them.
std::vector<WantedRate> StandardRatesWith(const std::vector<WantedRate>& extras);

}  // namespace brg::engine
