// The command line of spbrg check: the source, and what it is checked against.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/option_parts.h"

namespace brg::cli {

struct CheckCommandOptions {
  std::optional<double> oscMHz;  // --osc
  std::optional<double> baud;    // --baud
  double maxErrorPercent = 0;
  PartOptions part;
  // A file, or - for standard input; or several files and folders, a project; or NAME=VALUE
  // assignments instead.
  std::string source;
  std::vector<std::string> project;
  std::string format = "plain";  // plain, gcc, sarif, json
  std::vector<std::string> assignments;
  std::string help;
};

CheckCommandOptions ParseCheck(const std::vector<std::string>& arguments);

}  // namespace brg::cli
