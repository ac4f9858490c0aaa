// spbrg clocks RATE...: the clocks ranked for the rates.
#include <algorithm>
#include <fstream>
#include <iostream>

#include "cli/clocks_report.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "core/text.h"
#include "engine/answers/budget.h"
#include "engine/answers/clock_search.h"
#include "engine/answers/mode_choice.h"
#include "engine/errors.h"

namespace brg::cli {
namespace {

// The modes that clocks tries: those asked for, else the part's asynchronous ones, or without
// a part the 8-bit ones.
std::vector<BrgMode> SearchedModes(const ClocksOptions& options, const engine::PartProfile& part,
                                   const engine::SerialPort& port) {
  if (options.modes.Any()) {
    return engine::ChosenModes(part, port, options.modes.modes, options.modes.enhanced);
  }
  return engine::DefaultModes(part, port);
}

// The clocks tried: the list given, or what the part can run, or the shipped list; each
// within the part's maximum and --min and --max.
std::vector<engine::Clock> Clocks(const ClocksOptions& options, const engine::PartProfile& part) {
  std::vector<engine::Clock> clocks;
  if (!options.clockList.empty()) {
    std::ifstream list(options.clockList);
    if (!list) {
      throw engine::InputError("cannot read the clock list " + options.clockList);
    }
    clocks = engine::ReadClockList(list, options.clockList);
  } else if (part.family != nullptr) {
    clocks = engine::ClocksOfPart(part.family->clock);
  } else {
    clocks = engine::ShippedClocks();
  }
  double highest = part.family != nullptr ? part.family->clock.maxOscMHz : 1e9;
  clocks = engine::ClocksWithin(clocks, options.minMHz, std::min(options.maxMHz, highest));
  if (clocks.empty()) {
    throw engine::InputError("no clock to try from " + DecimalText(options.minMHz) + " to " +
                             DecimalText(std::min(options.maxMHz, highest)) + " MHz");
  }
  return clocks;
}

}  // namespace

int RunClocks(const ClocksOptions& options) {
  engine::PartProfile part = ProfileOf(options.part);
  const engine::SerialPort& port = part.Port(options.part.usart);
  std::vector<BrgMode> modes = SearchedModes(options, part, port);
  double maxError = options.maxErrorPercent.value_or(engine::kDefaultMaxErrorPercent);
  if (!part.part.empty() && part.family == nullptr) {
    std::cerr << "spbrg: note: the clock limits of the " << part.part
              << " are unknown; the usual crystals and internal oscillators are tried\n";
  }
  std::vector<engine::ClockResult> ranking = engine::SearchClocks(
      Clocks(options, part), options.rates, port, modes, maxError, options.oscTolerancePercent);
  if (options.json) {
    PrintClocksJson(std::cout, ranking, maxError);
  } else if (options.csv) {
    PrintClocksCsv(std::cout, ranking);
  } else {
    PrintClocksTable(std::cout, ranking, modes, maxError, options.oscTolerancePercent);
  }
  if (!ranking.front().passes) {
    std::cerr << "spbrg: no clock gives every rate within " << maxError << "%\n";
    return kExitLimit;
  }
  return kExitDone;
}

}  // namespace brg::cli
