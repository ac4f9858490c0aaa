// What spbrg clocks and spbrg check print.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/clock_search.h"
#include "cli/setup_check.h"

namespace brg::cli {

void PrintClocksTable(std::ostream& out, const std::vector<ClockResult>& ranking,
                      const std::vector<BrgMode>& modes, double maxErrorPercent,
                      double tolerancePercent);
void PrintClocksJson(std::ostream& out, const std::vector<ClockResult>& ranking,
                     double maxErrorPercent);
void PrintClocksCsv(std::ostream& out, const std::vector<ClockResult>& ranking);

// The mode, the rates and the bit time, then each finding with its place: "line" of a source,
// "argument" of NAME=VALUE arguments.
void PrintCheck(std::ostream& out, const std::string& sourceName, const SetupReport& report,
                int usart, const std::string& place);

}  // namespace brg::cli
