// The command line of spbrg clocks RATE...: the rates, the modes and the budget of a search.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/option_parts.h"
#include "engine/answers/wanted_rate.h"

namespace brg::cli {

struct ClocksOptions {
  std::vector<engine::WantedRate> rates;
  ModeOptions modes;
  PartOptions part;
  std::optional<double> maxErrorPercent;
  double oscTolerancePercent = 2;  // an internal oscillator's own tolerance
  std::string clockList;           // --clock-list FILE instead of the shipped list
  double minMHz = 0;               // --min and --max: the oscillator frequencies tried
  double maxMHz = 1e9;
  bool json = false;
  bool csv = false;
  std::string help;
};

ClocksOptions ParseClocks(const std::vector<std::string>& arguments);

}  // namespace brg::cli
