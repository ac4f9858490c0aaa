// Find a clock: every clock the part can run (part_clocks.h) tried with every rate of the table
// in the part's modes, ranked by the engine (clocks that pass first, then by their worst error),
// as rows to show: the clock, its kind, its worst error and the best setting of each rate, with
// a mark for a rate that fails. Choosing a row gives its frequency to the oscillator box.
#pragma once

#include <string>
#include <vector>

#include "core/display_formats.h"
#include "engine/answers/wanted_rate.h"
#include "workbench/part_choice.h"

namespace brg::workbench {

struct ClockRow {
  double mhz = 0;
  std::string clockText;  // "18,432" in the user's separators
  std::string name;       // "18,432", "16 x4 PLL", "internal 16", in the user's separators
  std::string kind;       // "crystal", "crystal PLL", "internal"
  std::string worst;      // "0.16%": |error| plus an internal oscillator's own tolerance
  bool passes = false;
  std::vector<std::string> rates;  // "16/4 34 -0.794%", "✗ 8/16 8 -3.549%" for one that fails
};

struct ClockRanking {
  std::vector<std::string> rateNames;  // "115,200"
  std::vector<ClockRow> rows;
  std::string heading;  // what was tried and how it is weighed
};

ClockRanking RankClocks(const PartChoice& part, const std::vector<engine::WantedRate>& rates,
                        double maxErrorPercent, const Separators& separators);

// The oscillator box's text for a clock of the ranking.
std::string OscillatorText(double mhz, const Separators& separators);

}  // namespace brg::workbench
