// Which clock gives all the wanted rates within tolerance: every clock of a list tried with
// every rate in the chosen modes, ranked by its worst error. An internal oscillator's own
// tolerance is added to its error budget. Knows no part and prints nothing.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "core/brg_modes.h"
#include "engine/answers/wanted_rate.h"
#include "engine/parts/part_data.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

enum class ClockKind { Crystal, CrystalPll, Internal };

struct Clock {
  double mhz = 0;
  ClockKind kind = ClockKind::Crystal;
  std::string name;  // "18.432", "16 x4 PLL", "PLL 48 (4-24 MHz crystal)", "internal 16 x4 PLL"
};

// The crystals (and x4 PLL where the result is at most 64 MHz) and the internal oscillators of
// the parts in general.
std::vector<Clock> ShippedClocks();

// What one part can run: the crystals up to its highest, its PLL where it takes the crystal or
// internal frequency and stays within the part's maximum, and its internal oscillators.
std::vector<Clock> ClocksOfPart(const ClockLimits& limits);

// The clocks whose frequency lies from `lowMHz` to `highMHz`.
std::vector<Clock> ClocksWithin(const std::vector<Clock>& clocks, double lowMHz, double highMHz);

// One frequency in MHz a line, '#' starting a comment; InputError naming the line otherwise.
std::vector<Clock> ReadClockList(std::istream& in, const std::string& name);

struct RateOnClock {
  WantedRate wanted;
  ModeSetting best;    // the best of the modes, within reach when any mode reaches the rate
  double budget = 0;   // |error| in percent plus the oscillator's own tolerance
  bool fails = false;  // outside the budget (budget.h)
};

struct ClockResult {
  Clock clock;
  std::vector<RateOnClock> rates;
  double worst = 0;  // the largest budget over the rates, in percent
  bool passes = false;
};

// Every clock with every rate in the port's modes (its generator clocked from the oscillator as
// the port divides it), ranked: clocks that pass first, then by their worst budget.
std::vector<ClockResult> SearchClocks(const std::vector<Clock>& clocks,
                                      const std::vector<WantedRate>& rates, const SerialPort& port,
                                      const std::vector<BrgMode>& modes, double maxErrorPercent,
                                      double internalTolerancePercent);

}  // namespace brg::engine
