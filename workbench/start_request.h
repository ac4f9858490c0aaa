// What the command line asks the workbench to open with: a part, an oscillator and rates, so
// that a build script or a terminal can open it on a question. The values are read as scripts
// write them, plain decimals with a period; the part as the engine reads it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/display_formats.h"
#include "workbench/workbench_state.h"

namespace brg::workbench {

struct StartRequest {
  std::optional<std::string> part;
  std::optional<std::string> oscMHz;
  std::vector<std::string> rates;
};

// Why a value cannot be taken, in one line naming the option, or "" when every one can.
std::string StartProblem(const StartRequest& request, const std::string& headerDir);

// The request's values over those of the state: the rates asked replace those ticked and typed.
void ApplyStart(WorkbenchState& state, const StartRequest& request, const Separators& separators);

}  // namespace brg::workbench
