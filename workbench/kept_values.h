// What the workbench keeps between runs: the part, its UART, the oscillator and the rates. The
// numbers are kept with a period, whatever the locale, and shown again in the user's separators;
// a text that did not read as a number is kept as it was typed. Nothing else is kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/display_formats.h"
#include "workbench/workbench_state.h"

namespace brg::workbench {

struct KeptValues {
  std::string part;
  int uart = 1;
  std::string oscMHz;
  std::vector<double> tickedRates;
  std::string extraRates;  // plain numbers, a blank between them

  friend bool operator==(const KeptValues&, const KeptValues&) = default;
};

KeptValues KeptFrom(const WorkbenchState& state, const Separators& separators);

// Puts the kept values into the state; ticked rates that are no standard rate are left out.
void RestoreKept(WorkbenchState& state, const KeptValues& kept, const Separators& separators);

}  // namespace brg::workbench
