// What the user has given the workbench, as given: the entry texts, the ticked rates, the cell
// chosen in the table, the options of the code, the pasted setup and the finding chosen in it.
// Plain data; nothing here is read or calculated (the views are, from it).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/brg_modes.h"

namespace brg::workbench {

// A cell of the table: the row by its rate, the column by its mode; without a mode the best of
// the row (or its nearest, when none passes), whichever mode that is.
struct CellChoice {
  double baud = 0;
  std::optional<BrgMode> mode;

  friend bool operator==(const CellChoice&, const CellChoice&) = default;
};

// The rates ticked when nothing is kept from an earlier run.
inline const std::vector<double> kFirstTickedRates{9600, 19200, 38400, 57600, 115200};

struct WorkbenchState {
  // Part and clock, each as typed; an empty part is the classic USART without a part.
  std::string partText;
  int uart = 1;  // from 1
  std::string oscText = "16";
  std::string budgetText = "2";
  std::string toleranceText = "0";

  // Rates: the standard rates ticked, and any others typed (blanks or ';' between them).
  std::vector<double> tickedRates = kFirstTickedRates;
  std::string extraRatesText;

  // The setting whose registers and code are shown; none: the first row's best.
  std::optional<CellChoice> choice;
  bool overrunClear = false;  // the DEFINEs with HSER_CLROERR
  bool wholeProgram = false;  // the asm form as a whole program for gpasm

  // Find a clock on show: only then is the ranking worked out.
  bool clocksShown = false;

  // Check my code: the setup pasted, and the finding whose line is shown.
  std::string setupText;
  std::optional<std::size_t> chosenFinding;

  // Every part the engine knows, for completion; empty until they are found.
  std::vector<std::string> knownParts;

  // What the last Copy did, for the status line.
  std::string copyMessage;
};

}  // namespace brg::workbench
