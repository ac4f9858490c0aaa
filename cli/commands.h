// spbrg's three commands, each from its options to its output and exit status. The engine's
// errors pass through to main, which turns them into messages.
#pragma once

#include "cli/calculate_options.h"
#include "cli/check_options.h"
#include "cli/clocks_options.h"

namespace brg::cli {

int RunCalculate(const CalculateOptions& options);
int RunClocks(const ClocksOptions& options);
int RunCheck(const CheckCommandOptions& options);

}  // namespace brg::cli
