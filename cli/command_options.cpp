// The command lines of spbrg clocks and spbrg check.
#include "cli/option_parts.h"
#include "cli/options.h"

namespace brg::cli {
namespace {

void ReadModeNames(Options& options, const ModeArguments& modes) {
  for (const std::string& name : modes.names) {
    options.modes.push_back(*ModeByName(name));
  }
  options.enhanced = modes.enhanced;
}

}  // namespace

Options ParseClocks(const std::vector<std::string>& arguments) {
  Options options;
  options.command = Command::Clocks;
  CLI::App app(
      "Which clock gives all the rates within tolerance: every crystal (and x4 PLL up to "
      "64 MHz) and internal oscillator tried with every rate, ranked by the worst error. Without "
      "--mode or --enhanced the 8-bit modes 8/64 and 8/16.",
      "spbrg clocks");
  app.footer("Exit status: 0 a clock passes; 1 none passes; 2 bad arguments.");
  std::vector<std::string> rateTexts;
  app.add_option("RATE", rateTexts, "wanted baud rates")->required()->type_name("");
  ModeArguments modes;
  AddModeOptions(app, modes);
  AddDeviceOptions(app, options);
  std::string maxError;
  AddMaxErrorOption(app, maxError);
  std::string tolerance;
  app.add_option("--osc-tolerance", tolerance,
                 "an internal oscillator's own tolerance in percent, added to its errors "
                 "(default 2)")
      ->type_name("PCT");
  app.add_option("--clock-list", options.clockList,
                 "clocks in MHz, one a line, # comments, instead of the shipped list")
      ->type_name("FILE");
  app.add_flag("--json", options.json, "the ranking as JSON");
  app.add_flag("--csv", options.csv, "the ranking as CSV");
  if (!Parse(app, arguments, options)) {
    return options;
  }
  if (options.json && options.csv) {
    throw UsageError("--json and --csv exclude each other");
  }
  ReadModeNames(options, modes);
  ReadMaxError(maxError, options);
  if (!tolerance.empty()) {
    std::optional<double> percent = PlainDecimal(tolerance);
    if (!percent) {
      throw UsageError("--osc-tolerance " + Quoted(tolerance) +
                       " is not accepted: give a plain number of percent");
    }
    options.oscTolerancePercent = *percent;
  }
  for (const std::string& text : rateTexts) {
    options.rates.push_back(WantedRate{text, RangeChecked(text, "RATE", "baud", SpbrgBaud)});
  }
  return options;
}

Options ParseCheck(const std::vector<std::string>& arguments) {
  Options options;
  options.command = Command::Check;
  CLI::App app(
      "Reads a serial setup from source: RarIveza Pro DEFINE lines, BASIC or C register "
      "assignments, or NAME=VALUE arguments; reports the mode, the real rate, the error and "
      "every fault found, with its line.",
      "spbrg check");
  app.footer(
      "Exit status: 0 nothing wrong; 1 a fault found; 2 the input cannot be read or is no "
      "setup, or bad arguments.");
  std::vector<std::string> inputs;
  app.add_option("SOURCE", inputs, "a file, - for standard input, or NAME=VALUE assignments")
      ->type_name("");
  std::string osc;
  app.add_option("--osc", osc, "the oscillator in MHz (a DEFINE OSC line may stand for it)")
      ->type_name("MHZ");
  std::string baud;
  app.add_option("--baud", baud, "the wanted rate (else a rate named in a comment)")
      ->type_name("BAUD");
  AddDeviceOptions(app, options);
  std::string maxError;
  AddMaxErrorOption(app, maxError);
  if (!Parse(app, arguments, options)) {
    return options;
  }
  options.maxErrorPercent = 2;  // the usual UART budget
  ReadMaxError(maxError, options);
  if (!osc.empty()) {
    options.oscText = osc;
    options.oscMHz = RangeChecked(osc, "--osc", "MHz", SpbrgOscMHz);
  }
  if (!baud.empty()) {
    options.checkBaud = RangeChecked(baud, "--baud", "baud", SpbrgBaud);
  }
  bool assignments = !inputs.empty() && inputs.front().find('=') != std::string::npos;
  for (const std::string& input : inputs) {
    if ((input.find('=') != std::string::npos) != assignments ||
        (!assignments && inputs.size() > 1)) {
      throw UsageError("give one source (a file or -) or NAME=VALUE assignments, not both");
    }
  }
  if (inputs.empty()) {
    throw UsageError("missing SOURCE: give a file, - for standard input, or NAME=VALUE");
  }
  if (assignments) {
    options.assignments = inputs;
  } else {
    options.source = inputs.front();
  }
  return options;
}

}  // namespace brg::cli
