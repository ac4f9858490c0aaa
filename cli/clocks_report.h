// What spbrg clocks prints: the ranking of the clocks as a table, JSON or CSV.
#pragma once

#include <ostream>
#include <vector>

#include "engine/answers/clock_search.h"

namespace brg::cli {

void PrintClocksTable(std::ostream& out, const std::vector<engine::ClockResult>& ranking,
                      const std::vector<BrgMode>& modes, double maxErrorPercent,
                      double tolerancePercent);
void PrintClocksJson(std::ostream& out, const std::vector<engine::ClockResult>& ranking,
                     double maxErrorPercent);
void PrintClocksCsv(std::ostream& out, const std::vector<engine::ClockResult>& ranking);

}  // namespace brg::cli
