// spbrg clocks RATE...: the clocks ranked for the rates.
#include <fstream>
#include <iostream>

#include "cli/clocks_report.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "engine/budget.h"
#include "engine/clock_search.h"
#include "engine/errors.h"
#include "engine/mode_choice.h"

namespace brg::cli {
namespace {

// The modes that clocks tries: those asked for, else the 8-bit ones.
std::vector<BrgMode> SearchedModes(const ClocksOptions& options, const engine::PartProfile& part,
                                   const engine::SerialPort& port) {
  if (options.modes.Any()) {
    return engine::ChosenModes(part, port, options.modes.modes, options.modes.enhanced);
  }
  return engine::kEightBitModes;
}

std::vector<engine::Clock> Clocks(const ClocksOptions& options) {
  if (options.clockList.empty()) {
    return engine::ShippedClocks();
  }
  std::ifstream list(options.clockList);
  if (!list) {
    throw engine::InputError("cannot read the clock list " + options.clockList);
  }
  return engine::ReadClockList(list, options.clockList);
}

}  // namespace

int RunClocks(const ClocksOptions& options) {
  engine::PartProfile part = ProfileOf(options.part);
  const engine::SerialPort& port = part.Port(options.part.usart);
  std::vector<BrgMode> modes = SearchedModes(options, part, port);
  double maxError = options.maxErrorPercent.value_or(engine::kDefaultMaxErrorPercent);
  std::vector<engine::ClockResult> ranking = engine::SearchClocks(
      Clocks(options), options.rates, modes, maxError, options.oscTolerancePercent);
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
