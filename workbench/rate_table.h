// The workbench's table: a row for each rate, a column for each mode weighed, each cell the
// mode's exact best n with its error and how it stands against the budget (the engine's
// margin), with a mark in text besides the colour the binding gives it, and the best setting of
// each row marked. Mode names and error texts are spbrg's, in the user's separators.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/brg_modes.h"
#include "core/display_formats.h"
#include "engine/answers/budget.h"
#include "engine/answers/rate_answer.h"
#include "engine/answers/wanted_rate.h"
#include "engine/ports/serial_port.h"

namespace brg::workbench {

struct TableCell {
  BrgMode mode{};
  std::int32_t n = 0;
  std::string nText;      // "34"
  std::string errorText;  // "-0.794%"
  engine::Margin margin = engine::Margin::Fails;
  bool best = false;
  std::string text;     // what the cell shows: "* 34  -0.794%  ✓✓"
  std::string verdict;  // in words: "passes comfortably, the best of the row"
};

struct TableRow {
  engine::RateAnswer answer;
  std::string rateText;  // "115,200" in the user's separators
  std::vector<TableCell> cells;
};

struct RateTable {
  std::vector<BrgMode> modes;
  std::vector<std::string> modeNames;
  std::vector<TableRow> rows;
};

// The mark of a margin: "✓✓", "✓" or "✗"; and its words.
const char* MarginMark(engine::Margin margin);
const char* MarginWords(engine::Margin margin);

RateTable BuildRateTable(const engine::SerialPort& port, double clockMHz,
                         const std::vector<engine::WantedRate>& rates,
                         const std::vector<BrgMode>& modes, const engine::Budget& budget,
                         const Separators& separators);

}  // namespace brg::workbench
