// spbrg check: a setup read from source, its findings printed.
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/check_report.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "engine/check/port_from_names.h"
#include "engine/check/setup_check.h"
#include "engine/errors.h"

namespace brg::cli {
namespace {

// The source text: a file, standard input, or the NAME=VALUE arguments one a line.
std::string SourceText(const CheckCommandOptions& options) {
  if (!options.assignments.empty()) {
    std::string text;
    for (const std::string& assignment : options.assignments) {
      text += assignment + "\n";
    }
    return text;
  }
  std::ostringstream text;
  if (options.source == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream file(options.source, std::ios::binary);
    if (!file) {
      throw engine::NotASetup("cannot read " + options.source + ": no such file, or not readable");
    }
    text << file.rdbuf();
  }
  return text.str();
}

std::string SourceName(const CheckCommandOptions& options) {
  if (!options.assignments.empty()) {
    return "the arguments";
  }
  return options.source == "-" ? "standard input" : options.source;
}

}  // namespace

int RunCheck(const CheckCommandOptions& options) {
  std::string text;
  try {
    text = SourceText(options);
  } catch (const engine::NotASetup& error) {
    std::cerr << "spbrg check: " << error.what() << "\n";
    return kExitUsage;
  }
  engine::CheckOptions check;
  std::optional<engine::PortsFromNames> told;
  if (options.part.device.empty()) {
    told = engine::PortsTheNamesTell(text, options.part.pbdiv);
  }
  engine::PartProfile part = told ? told->profile : ProfileOf(options.part);
  check.portFrom = told ? told->note : part.note;
  check.busDividerGiven = options.part.pbdiv.has_value();
  check.oscMHz = options.oscMHz;
  check.baud = options.baud;
  check.maxErrorPercent = options.maxErrorPercent;
  check.part = &part;
  check.assignments = !options.assignments.empty();
  engine::SetupReport report;
  const engine::SerialPort& port = options.part.usartGiven ? part.Port(options.part.usart)
                                                           : engine::PortSetUpIn(text, check, part);
  try {
    report = engine::CheckSetup(text, check, port);
  } catch (const engine::NotASetup& error) {
    std::cerr << "spbrg check: " << error.what() << "\n";
    return kExitUsage;
  }
  PrintCheck(std::cout, SourceName(options), report, port,
             options.assignments.empty() ? "line" : "argument");
  return report.HasFault() ? kExitLimit : kExitDone;
}

}  // namespace brg::cli
