// spbrg's command line: the word clocks or check picks a command, anything else calculates.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/calculate_options.h"
#include "cli/check_options.h"
#include "cli/clocks_options.h"

namespace brg::cli {

using CommandLine = std::variant<CalculateOptions, ClocksOptions, CheckCommandOptions>;

// UsageError for a command line that cannot be taken.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The help text asked for with --help, or "".
const std::string& HelpOf(const CommandLine& command);

}  // namespace brg::cli
