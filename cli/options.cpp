#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "cli/device_profile.h"
#include "core/brg_arithmetic.h"

namespace brg::cli {
namespace {

// A range end as the usage text shows it: 0.031, 64, 5000000.
std::string RangeEnd(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') {
    text.pop_back();
  }
  return text;
}

// Why a number was not taken, when it is a common slip.
std::string Hint(const std::string& text) {
  if (text.find(',') != std::string::npos) {
    return " (use a period as the decimal point)";
  }
  std::size_t digits = text.find_first_not_of("0123456789.");
  if (digits != std::string::npos && digits > 0 &&
      std::isalpha(static_cast<unsigned char>(text[digits]))) {
    return " (give the number without a unit)";
  }
  return "";
}

double RangeChecked(const std::string& text, const char* what, const char* unit, EntryRange range) {
  std::optional<double> value = PlainDecimal(text);
  if (!value || !range.Contains(*value)) {
    throw UsageError(std::string(what) + " " + Quoted(text) + " is not accepted: give a plain " +
                     "number of " + unit + " from " + RangeEnd(range.low) + " to " +
                     RangeEnd(range.high) + Hint(text));
  }
  return *value;
}

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
void ReadModes(Options& options, const std::vector<std::string>& modeNames, bool enhanced,
               const std::string& brgh, const std::string& spbrg) {
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

// The parser's message with any control character of an echoed argument escaped.
std::string OneLine(const std::string& message) {
  std::string quoted = Quoted(message);
  return quoted.substr(1, quoted.size() - 2);
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

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  CLI::App app(
      "SPBRG value, real baud rate and error of the PIC USART baud-rate generator, as "
      "the calculator window shows them after Calculate.",
      "spbrg");
  app.footer(
      "Exit status: 0 done; 1 no setting, an error above --max-error, or an export that "
      "the window would question; 2 bad arguments.");
  auto* osc = app.add_option("OSC_MHZ", options.oscText,
                             "oscillator frequency in MHz, " + RangeEnd(SpbrgOscMHz.low) + " to " +
                                 RangeEnd(SpbrgOscMHz.high));
  std::vector<std::string> baudTexts;
  app.add_option("BAUD", baudTexts,
                 "wanted baud rates, " + RangeEnd(SpbrgBaud.low) + " to " +
                     RangeEnd(SpbrgBaud.high) + " (with --table: more rows)");
  std::string brgh;
  app.add_option("--brgh", brgh,
                 "one mode only: 1 BRGH set, 0 clear (default: both, the "
                 "better one marked *)")
      ->check(CLI::IsMember({"1", "0"}));
  app.add_flag("--table", options.table, "every standard rate from 300 to 250000");
  app.add_flag("--json", options.json, "the results as JSON");
  app.add_flag("--csv", options.csv,
               "the results as CSV: a header, then a row for each rate and mode")
      ->excludes("--json");
  std::vector<std::string> modeNames;
  std::vector<std::string> names;
  for (BrgMode mode : kAllModes) {
    names.emplace_back(InfoOf(mode).name);
  }
  app.add_option("--mode", modeNames,
                 "a mode of the generator at its exact best, repeatable: 8/64, 8/16, 16/16, "
                 "16/4 (BRG16), sync8, sync16 (synchronous master clock)")
      ->type_name("MODE")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->check(CLI::IsMember(names));
  bool enhanced = false;
  app.add_flag("--enhanced", enhanced, "every asynchronous mode: 8/64, 8/16, 16/16, 16/4");
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
  app.add_option("--device", options.device,
                 "the part (16F1829, PIC18F45K22, ...): its register names and modes from its "
                 "gputils header")
      ->type_name("PART");
  options.gputilsHeaders = kGputilsHeaders;
  app.add_option("--gputils-headers", options.gputilsHeaders,
                 std::string("where the part headers are (default ") + kGputilsHeaders + ")")
      ->type_name("DIR");
  app.add_option("--usart", options.usart, "with --device: the USART, 1 or 2 (default 1)")
      ->check(CLI::IsMember({1, 2}));
  app.add_flag("--cloerr,--clroerr", cloerr, "with --defines: add DEFINE HSER_CLROERR 1");
  std::string maxError;
  app.add_option("--max-error", maxError,
                 "exit 1 when the chosen setting's error is above PCT percent")
      ->type_name("PCT");
  app.add_flag("--locale", options.userLocale,
               "the user's thousands and decimal separators (default: , and .)");
  app.add_flag("--version", options.version, "the version");
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    options.help = app.help();
    return options;
  } catch (const CLI::ParseError& error) {
    throw UsageError(OneLine(error.what()) + "; see spbrg --help");
  }
  if (options.version) {
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
  if (options.usart != 1 && options.device.empty()) {
    throw UsageError("--usart 2 goes with --device, whose header names the second USART");
  }
  options.cloerr = cloerr;
  if (!maxError.empty()) {
    options.maxErrorPercent = PlainDecimal(maxError);
    if (!options.maxErrorPercent) {
      throw UsageError("--max-error " + Quoted(maxError) +
                       " is not accepted: give a plain number of percent, 0 or more");
    }
  }
  ReadModes(options, modeNames, enhanced, brgh, spbrg);
  ReadPositionals(options, osc->count() > 0, baudTexts);
  CheckCombinations(options, cloerr);
  return options;
}

}  // namespace brg::cli
