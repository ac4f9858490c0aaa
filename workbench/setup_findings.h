// Check my code: a pasted setup read by the engine's setup checker for the part's UART chosen
// (or another of its UARTs, the first the setup writes to) with the oscillator of the box,
// unless the setup names its own, and the budget; what it sets up in one summary, and each
// finding with its line, for a list whose entries lead to their lines. Text that is no setup
// gives the checker's one-line reason.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/display_formats.h"
#include "engine/answers/budget.h"
#include "engine/ports/finding.h"
#include "workbench/part_choice.h"

namespace brg::workbench {

struct FindingLine {
  int line = 0;  // from 1; 0 for a finding about something not written
  engine::FindingKind kind = engine::FindingKind::Fault;
  std::string text;  // "line 4: fault: a better setting in the same mode: ..."
};

struct CheckView {
  bool checked = false;  // something was pasted and checked
  std::string summary;   // the mode, n, the real rate, the error and the verdict
  std::vector<FindingLine> findings;
  std::string problem;  // why the text is no setup, or ""
};

CheckView CheckPastedSetup(const std::string& text, const PartChoice& part,
                           std::optional<double> oscMHz, const engine::Budget& budget,
                           const Separators& separators);

}  // namespace brg::workbench
