// spbrg: the calculator's results for scripts, build files and CI.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/console_streams.h"
#include "cli/exit_status.h"
#include "cli/usage_error.h"
#include "engine/errors.h"

namespace {

using namespace brg::cli;

int Run(const CommandLine& command) {
  if (const auto* calculate = std::get_if<CalculateOptions>(&command)) {
    if (calculate->version) {
      std::cout << "spbrg " << SPBRG_VERSION << "\n";
      return kExitDone;
    }
    return RunCalculate(*calculate);
  }
  if (const auto* clocks = std::get_if<ClocksOptions>(&command)) {
    return RunClocks(*clocks);
  }
  return RunCheck(std::get<CheckCommandOptions>(command));
}

}  // namespace

int main(int argc, char** argv) {
  PrepareConsoleStreams();
  try {
    CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!HelpOf(command).empty()) {
      std::cout << HelpOf(command);
      return kExitDone;
    }
    return Run(command);
  } catch (const UsageError& error) {
    std::cerr << "spbrg: " << error.what() << "\n";
  } catch (const brg::engine::InputError& error) {
    std::cerr << "spbrg: " << error.what() << "\n";
  } catch (const brg::engine::PartError& error) {
    std::cerr << "spbrg: " << error.what() << "\n";
  }
  return kExitUsage;
}
