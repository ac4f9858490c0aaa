#include "cli/command_line.h"

namespace brg::cli {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  if (!arguments.empty() && arguments.front() == "clocks") {
    return ParseClocks({arguments.begin() + 1, arguments.end()});
  }
  if (!arguments.empty() && arguments.front() == "check") {
    return ParseCheck({arguments.begin() + 1, arguments.end()});
  }
  return ParseCalculate(arguments);
}

const std::string& HelpOf(const CommandLine& command) {
  return std::visit([](const auto& options) -> const std::string& { return options.help; },
                    command);
}

}  // namespace brg::cli
