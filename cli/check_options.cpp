#include "cli/check_options.h"

#include "cli/usage_error.h"
#include "engine/answers/budget.h"
#include "engine/answers/wanted_rate.h"

namespace brg::cli {

CheckCommandOptions ParseCheck(const std::vector<std::string>& arguments) {
  CheckCommandOptions options;
  CLI::App app(
      "Reads a serial setup from source: C (XC8, HI-TECH, C18, SDCC), RarIveza Pro BASIC with "
      "its DEFINE lines, assembly (MPASM, gpasm, pic-as), or NAME=VALUE arguments; works out "
      "the constant expressions and reports the mode, the real rate, the error and every fault "
      "found, with its line.",
      "spbrg check");
  app.footer(
      "Exit status: 0 nothing wrong; 1 a fault found; 2 the input cannot be read or is no "
      "setup, or bad arguments.");
  std::vector<std::string> inputs;
  app.add_option("SOURCE", inputs,
                 "a file, - for standard input, several files or a folder (a project, read "
                 "whole: .c .h .asm .s .inc .pbp .bas), or NAME=VALUE assignments")
      ->type_name("");
  app.add_option("--format", options.format,
                 "plain (the default); gcc: each finding as FILE:LINE: error: ...; sarif: SARIF "
                 "2.1.0; json")
      ->check(CLI::IsMember({"plain", "gcc", "sarif", "json"}))
      ->type_name("FORMAT");
  std::string osc;
  app.add_option("--osc", osc,
                 "the real oscillator in MHz (else the clock the source names: _XTAL_FREQ, FOSC, "
                 "DEFINE OSC, ...)")
      ->type_name("MHZ");
  std::string baud;
  app.add_option("--baud", baud,
                 "the wanted rate (else the one the source names: BAUD, a call, a comment)")
      ->type_name("BAUD");
  AddPartOptions(app, options.part, "the port the source sets up");
  std::string maxError;
  AddMaxErrorOption(app, maxError);
  if (!Parse(app, arguments, options.part, options.help)) {
    return options;
  }
  options.maxErrorPercent =
      ReadPercent(maxError, "--max-error").value_or(engine::kDefaultMaxErrorPercent);
  if (!osc.empty()) {
    options.oscMHz = RangeChecked(osc, "--osc", "MHz", engine::kOscillatorMHz);
  }
  if (!baud.empty()) {
    options.baud = RangeChecked(baud, "--baud", "baud", engine::kBaudRange);
  }
  bool assignments = !inputs.empty() && inputs.front().find('=') != std::string::npos;
  for (const std::string& input : inputs) {
    if ((input.find('=') != std::string::npos) != assignments ||
        (!assignments && inputs.size() > 1 && input == "-")) {
      throw UsageError("give files and folders, or - alone, or NAME=VALUE assignments, not both");
    }
  }
  if (inputs.empty()) {
    throw UsageError("missing SOURCE: give a file, - for standard input, or NAME=VALUE");
  }
  if (assignments) {
    options.assignments = inputs;
  } else if (inputs.size() == 1) {
    options.source = inputs.front();
  } else {
    options.project = inputs;
  }
  return options;
}

}  // namespace brg::cli
