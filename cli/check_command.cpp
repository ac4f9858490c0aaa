// spbrg check: a setup read from source, its findings printed.
#include <iostream>

#include "cli/check_report.h"
#include "cli/check_sources.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "engine/check/part_in_source.h"
#include "engine/check/setup_check.h"
#include "engine/errors.h"

namespace brg::cli {

int RunCheck(const CheckCommandOptions& options) {
  CheckSource source;
  try {
    source = ReadCheckSource(options);
  } catch (const engine::NotASetup& error) {
    std::cerr << "spbrg check: " << error.what() << "\n";
    return kExitUsage;
  }
  engine::CheckOptions check;
  std::optional<engine::PartOfSource> told;
  if (options.part.device.empty()) {
    told = engine::PartTheSourceTells(source.text, source.projectFile, options.part.pbdiv);
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
  const engine::SerialPort& port = options.part.usartGiven
                                       ? part.Port(options.part.usart)
                                       : engine::PortSetUpIn(source.text, check, part);
  try {
    report = engine::CheckSetup(source.text, check, port);
  } catch (const engine::NotASetup& error) {
    std::cerr << "spbrg check: " << error.what() << "\n";
    return kExitUsage;
  }
  Places places{source.name, options.assignments.empty() ? "line" : "argument",
                source.project.get()};
  if (options.format == "gcc") {
    PrintCheckGcc(std::cout, report, port, places);
  } else if (options.format == "sarif") {
    PrintCheckSarif(std::cout, report, places);
  } else if (options.format == "json") {
    PrintCheckJson(std::cout, report, port, places);
  } else {
    PrintCheck(std::cout, report, port, places);
  }
  return report.HasFault() ? kExitLimit : kExitDone;
}

}  // namespace brg::cli
