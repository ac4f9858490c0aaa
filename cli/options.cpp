#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "cli/columns.h"
#include "cli/device_profile.h"
#include "cli/option_parts.h"
#include "core/brg_arithmetic.h"

namespace brg::cli {
namespace {

// "9600 4": both would be accepted the other way round.
void RejectSwappedArguments(const std::string& osc, const std::string& baud) {
  std::optional<double> first = PlainDecimal(osc);
  std::optional<double> second = PlainDecimal(baud);
  if (first && second && !SpbrgOscMHz.Contains(*first) && SpbrgBaud.Contains(*first) &&
      SpbrgOscMHz.Contains(*second)) {
    throw UsageError("OSC_MHZ " + Quoted(osc) + " looks like a baud rate: give OSC_MHZ first, " +
                     "then BAUD (spbrg " + baud + " " + osc + ")");
  }
}

void CheckCombinations(const Options& options, bool cloerrGiven) {
  if (options.form != OutputForm::Plain &&
      (options.table || options.rates.size() > 1 || options.json || options.csv)) {
    throw UsageError(
        "code (--format defines, basic-registers, c, asm) is made for one BAUD, without "
        "--table, --json or --csv");
  }
  if (cloerrGiven && options.form != OutputForm::Defines) {
    throw UsageError("--cloerr goes with --defines");
  }
  if (options.table && (options.maxErrorPercent || options.spbrg)) {
    throw UsageError("--max-error and --spbrg do not go with --table");
  }
}

void ReadPositionals(Options& options, bool oscGiven, const std::vector<std::string>& baudTexts) {
  if (!oscGiven) {
    throw UsageError("missing OSC_MHZ: give the oscillator frequency in MHz");
  }
  if (baudTexts.empty() && !options.table) {
    throw UsageError("missing BAUD: give the wanted baud rate");
  }
  if (!baudTexts.empty()) {
    RejectSwappedArguments(options.oscText, baudTexts.front());
  }
  options.oscMHz = RangeChecked(options.oscText, "OSC_MHZ", "MHz", SpbrgOscMHz);
  for (const std::string& text : baudTexts) {
    options.rates.push_back(WantedRate{text, RangeChecked(text, "BAUD", "baud", SpbrgBaud)});
  }
}

// --mode NAME..., --enhanced, --brgh and --spbrg: the modes to show, and N within each one's
// register.
void ReadModes(Options& options, const ModeArguments& arguments, const std::string& brgh,
               const std::string& spbrg) {
  const std::vector<std::string>& modeNames = arguments.names;
  bool enhanced = arguments.enhanced;
  if (!brgh.empty()) {
    if (enhanced || !modeNames.empty()) {
      throw UsageError(
          "--brgh picks one of the window's modes; with --mode or --enhanced name "
          "the modes instead");
    }
    options.brgh = brgh == "1";
  }
  for (const std::string& name : modeNames) {
    options.modes.push_back(*ModeByName(name));
  }
  options.enhanced = enhanced;
  if (spbrg.empty()) {
    return;
  }
  if (options.modes.empty() && !enhanced) {  // the window's modes, as "+" and "-" step them
    if (options.brgh != false) {
      options.modes.push_back(BrgMode::Async8Div16);
    }
    if (options.brgh != true) {
      options.modes.push_back(BrgMode::Async8Div64);
    }
  }
  std::optional<double> value = PlainDecimal(spbrg);
  bool whole = value && spbrg.find('.') == std::string::npos;
  std::vector<BrgMode> checked = options.modes;
  if (enhanced) {
    checked.insert(checked.end(), kAsyncModes.begin(), kAsyncModes.end());
  }
  for (BrgMode mode : checked) {
    if (!whole || *value > InfoOf(mode).nMax) {
      throw UsageError("--spbrg " + Quoted(spbrg) + " is not accepted: give a whole number from " +
                       "0 to " + std::to_string(InfoOf(mode).nMax) + " for mode " +
                       std::string(InfoOf(mode).name));
    }
  }
  options.spbrg = static_cast<std::int32_t>(*value);
}

}  // namespace

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::optional<double> PlainDecimal(const std::string& text) {
  std::size_t digits = 0;
  std::size_t periods = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++periods;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || periods > 1) {
    return std::nullopt;
  }
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

Options ParseCalculate(const std::vector<std::string>& arguments) {
  Options options;
  CLI::App app(
      "SPBRG value, real baud rate and error of the PIC USART baud-rate generator: what the "
      "calculator window's Calculate arrives at, or with --mode and --enhanced every mode of the "
      "generator at its exact best.",
      "spbrg");
  app.footer(
      "Commands: spbrg clocks RATE... searches the clock for rates; spbrg check reads a setup "
      "from source (each with --help).\nExit status: 0 done; 1 no setting, an error above "
      "--max-error, or code for a setting that the window would question; 2 bad arguments.");
  auto* osc = app.add_option("OSC_MHZ", options.oscText,
                             "oscillator frequency in MHz, " + DecimalText(SpbrgOscMHz.low) +
                                 " to " + DecimalText(SpbrgOscMHz.high))
                  ->type_name("");
  std::vector<std::string> baudTexts;
  app.add_option("BAUD", baudTexts,
                 "wanted baud rates, " + DecimalText(SpbrgBaud.low) + " to " +
                     DecimalText(SpbrgBaud.high) + " (with --table: more rows)")
      ->type_name("");
  std::string brgh;
  app.add_option("--brgh", brgh,
                 "one of the window's modes only: 1 BRGH set, 0 clear (default: both, the "
                 "better one marked *)")
      ->check(CLI::IsMember({"1", "0"}));
  app.add_flag("--table", options.table, "every standard rate from 300 to 250000");
  app.add_flag("--json", options.json, "the results as JSON");
  app.add_flag("--csv", options.csv,
               "the results as CSV: a header, then a row for each rate and mode");
  ModeArguments modes;
  AddModeOptions(app, modes);
  std::string spbrg;
  app.add_option("--spbrg", spbrg,
                 "evaluate this register value (SPBRGH:SPBRG) instead of the best")
      ->type_name("N");
  std::string format;
  auto* formatOption =
      app.add_option("--format", format,
                     "code for the chosen setting: defines (RarIveza Pro, as the window's "
                     "export), basic-registers, c (XC8), asm (gpasm); or json, csv")
          ->type_name("NAME")
          ->check(CLI::IsMember({"defines", "basic-registers", "c", "asm", "json", "csv"}));
  bool defines = false;
  bool cCode = false;
  bool cloerr = false;
  auto* definesFlag = app.add_flag("--defines", defines, "the same as --format defines");
  auto* cFlag = app.add_flag("--c", cCode, "the same as --format c");
  definesFlag->excludes(cFlag);
  formatOption->excludes(definesFlag)->excludes(cFlag);
  app.add_flag("--cloerr,--clroerr", cloerr, "with --defines: add DEFINE HSER_CLROERR 1");
  AddDeviceOptions(app, options);
  std::string maxError;
  AddMaxErrorOption(app, maxError);
  app.add_flag("--locale", options.userLocale,
               "the user's thousands and decimal separators (default: , and .)");
  app.add_flag("--version", options.version, "the version");
  if (!Parse(app, arguments, options) || options.version) {
    return options;
  }
  if (defines || cCode) {
    format = defines ? "defines" : "c";
  }
  options.json = options.json || format == "json";
  options.csv = options.csv || format == "csv";
  options.form = format == "defines"           ? OutputForm::Defines
                 : format == "basic-registers" ? OutputForm::BasicRegisters
                 : format == "c"               ? OutputForm::CCode
                 : format == "asm"             ? OutputForm::Asm
                                               : OutputForm::Plain;
  if (options.json && options.csv) {
    throw UsageError("--json and --csv exclude each other");
  }
  options.cloerr = cloerr;
  ReadMaxError(maxError, options);
  ReadModes(options, modes, brgh, spbrg);
  ReadPositionals(options, osc->count() > 0, baudTexts);
  CheckCombinations(options, cloerr);
  return options;
}

Options ParseOptions(const std::vector<std::string>& arguments) {
  if (!arguments.empty() && arguments.front() == "clocks") {
    return ParseClocks({arguments.begin() + 1, arguments.end()});
  }
  if (!arguments.empty() && arguments.front() == "check") {
    return ParseCheck({arguments.begin() + 1, arguments.end()});
  }
  return ParseCalculate(arguments);
}

}  // namespace brg::cli
