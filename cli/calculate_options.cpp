#include "cli/calculate_options.h"

#include <CLI/CLI.hpp>

#include "cli/usage_error.h"
#include "core/text.h"

namespace brg::cli {
namespace {

using engine::kBaudRange;
using engine::kOscillatorMHz;

// "9600 4": both would be accepted the other way round.
void RejectSwappedArguments(const std::string& osc, const std::string& baud) {
  std::optional<double> first = PlainDecimal(osc);
  std::optional<double> second = PlainDecimal(baud);
  if (first && second && !kOscillatorMHz.Contains(*first) && kBaudRange.Contains(*first) &&
      kOscillatorMHz.Contains(*second)) {
    throw UsageError("OSC_MHZ " + Quoted(osc) + " looks like a baud rate: give OSC_MHZ first, " +
                     "then BAUD (spbrg " + baud + " " + osc + ")");
  }
}

void CheckCombinations(const CalculateOptions& options, bool cloerrGiven) {
  if (options.program && (options.form != OutputForm::Asm || options.part.device.empty())) {
    throw UsageError("--program goes with --format asm and --device PART");
  }
  if (options.form != OutputForm::Plain &&
      (options.table || options.rates.size() > 1 || options.json || options.csv)) {
    throw UsageError(
        "code (--format defines, basic-registers, c, asm) is made for one BAUD, without "
        "--table, --json or --csv");
  }
  if (cloerrGiven && options.form != OutputForm::Defines) {
    throw UsageError("--cloerr goes with --defines");
  }
  if (options.table && options.spbrg) {
    throw UsageError("--spbrg does not go with --table");
  }
  if (options.window && options.modes.Any()) {
    throw UsageError(
        "--window shows the window's Calculate in its two modes; --mode and --enhanced name "
        "other modes");
  }
}

// "9.600" is 9.6 baud to spbrg, and most likely 9600 to the one who wrote it.
void NoteThousandsPoint(CalculateOptions& options, const std::string& text) {
  std::size_t point = text.find('.');
  if (point != std::string::npos && point > 0 && point <= 3 && text.size() - point == 4 &&
      *PlainDecimal(text) < engine::kStandardRates.front()) {
    std::string whole = text;
    whole.erase(point, 1);
    options.notes.push_back("BAUD " + Quoted(text) + " is read as " +
                            DecimalText(*PlainDecimal(text)) + " baud; " + whole +
                            " baud is written " + whole);
  }
}

void ReadPositionals(CalculateOptions& options, bool oscGiven,
                     const std::vector<std::string>& baudTexts) {
  if (!oscGiven) {
    throw UsageError("missing OSC_MHZ: give the oscillator frequency in MHz");
  }
  if (baudTexts.empty() && !options.table) {
    throw UsageError("missing BAUD: give the wanted baud rate");
  }
  if (!baudTexts.empty()) {
    RejectSwappedArguments(options.oscText, baudTexts.front());
  }
  options.oscMHz = RangeChecked(options.oscText, "OSC_MHZ", "MHz", kOscillatorMHz);
  for (const std::string& text : baudTexts) {
    options.rates.push_back(
        engine::WantedRate{text, RangeChecked(text, "BAUD", "baud", kBaudRange)});
    NoteThousandsPoint(options, text);
  }
}

// --mode NAME..., --enhanced, --brgh and --spbrg: the modes to show, and N within each one's
// register.
void ReadModes(CalculateOptions& options, const ModeArguments& arguments, const std::string& brgh,
               const std::string& spbrg) {
  if (!brgh.empty()) {
    if (arguments.enhanced || !arguments.names.empty()) {
      throw UsageError(
          "--brgh picks one of the 8-bit modes; with --mode or --enhanced name "
          "the modes instead");
    }
    options.brgh = brgh == "1";
  }
  options.modes = arguments.Read();
  if (spbrg.empty()) {
    return;
  }
  std::vector<BrgMode>& modes = options.modes.modes;
  if (!options.modes.Any() && (options.window || options.brgh)) {
    // the window's modes, as "+" and "-" step them
    if (options.brgh != false) {
      modes.push_back(BrgMode::Async8Div16);
    }
    if (options.brgh != true) {
      modes.push_back(BrgMode::Async8Div64);
    }
  }
  std::optional<double> value = PlainDecimal(spbrg);
  bool whole = value && spbrg.find('.') == std::string::npos;
  std::vector<BrgMode> checked = modes;
  if (options.modes.enhanced || !options.modes.Any()) {
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

OutputForm FormNamed(const std::string& format) {
  return format == "defines"           ? OutputForm::Defines
         : format == "basic-registers" ? OutputForm::BasicRegisters
         : format == "c"               ? OutputForm::CCode
         : format == "asm"             ? OutputForm::Asm
                                       : OutputForm::Plain;
}

}  // namespace

CalculateOptions ParseCalculate(const std::vector<std::string>& arguments) {
  CalculateOptions options;
  CLI::App app(
      "SPBRG value, real baud rate and error of the PIC USART baud-rate generator: each mode at "
      "its exact best, the best setting within the error budget marked; with --window what the "
      "calculator window's Calculate arrives at.",
      "spbrg");
  app.footer(
      "Commands: spbrg clocks RATE... searches the clock for rates; spbrg check reads a setup "
      "from source (each with --help).\nExit status: 0 done; 1 a rate without a setting within "
      "the budget (a --table only with --max-error), code for such a setting, or a clock above "
      "the part's maximum (with --window: no setting, an error above --max-error, or code for a "
      "setting that the window would question); 2 bad arguments.");
  auto* osc = app.add_option("OSC_MHZ", options.oscText,
                             "oscillator frequency in MHz, " + DecimalText(kOscillatorMHz.low) +
                                 " to " + DecimalText(kOscillatorMHz.high))
                  ->type_name("");
  std::vector<std::string> baudTexts;
  app.add_option("BAUD", baudTexts,
                 "wanted baud rates, " + DecimalText(kBaudRange.low) + " to " +
                     DecimalText(kBaudRange.high) + " (with --table: more rows)")
      ->type_name("");
  app.add_flag("--window", options.window,
               "what the calculator window's Calculate arrives at, in its two BRGH modes, with "
               "its 10% questions and its clamp at 255");
  std::string brgh;
  app.add_option("--brgh", brgh, "one of the 8-bit modes only: 1 BRGH set (8/16), 0 clear (8/64)")
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
  app.add_flag("--program", options.program,
               "with --format asm and --device: a whole program for gpasm (configuration for "
               "the oscillator, TX and RX pins, the port, then \"U\" sent for ever) to check a "
               "board with a scope or a logic analyser");
  AddPartOptions(app, options.part);
  std::string maxError;
  AddMaxErrorOption(app, maxError);
  std::string tolerance;
  app.add_option("--osc-tolerance", tolerance,
                 "the oscillator's own tolerance in percent, added to each error (default 0)")
      ->type_name("PCT");
  app.add_flag("--locale", options.userLocale,
               "the user's thousands and decimal separators (default: , and .)");
  app.add_flag("--version", options.version, "the version");
  if (!Parse(app, arguments, options.part, options.help) || options.version) {
    return options;
  }
  if (defines || cCode) {
    format = defines ? "defines" : "c";
  }
  options.json = options.json || format == "json";
  options.csv = options.csv || format == "csv";
  options.form = FormNamed(format);
  if (options.json && options.csv) {
    throw UsageError("--json and --csv exclude each other");
  }
  options.cloerr = cloerr;
  options.maxErrorPercent = ReadPercent(maxError, "--max-error");
  options.oscTolerancePercent = ReadPercent(tolerance, "--osc-tolerance").value_or(0);
  ReadModes(options, modes, brgh, spbrg);
  ReadPositionals(options, osc->count() > 0, baudTexts);
  CheckCombinations(options, cloerr);
  return options;
}

}  // namespace brg::cli
