#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "core/brg_arithmetic.h"

namespace brg::cli {
namespace {

std::string Whole(double value) {
  return std::to_string(static_cast<long>(value));
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
                     "number of " + unit + " from " + Whole(range.low) + " to " +
                     Whole(range.high) + Hint(text));
  }
  return *value;
}

// "9600 4": both would be accepted the other way round.
void RejectSwappedArguments(const std::string& osc, const std::string& baud) {
  std::optional<double> first = PlainDecimal(osc);
  std::optional<double> second = PlainDecimal(baud);
  if (first && second && !WindowOscMHz.Contains(*first) && WindowBaud.Contains(*first) &&
      WindowOscMHz.Contains(*second)) {
    throw UsageError("OSC_MHZ " + Quoted(osc) + " looks like a baud rate: give OSC_MHZ first, " +
                     "then BAUD (spbrg " + baud + " " + osc + ")");
  }
}

void CheckCombinations(const Options& options, bool cloerrGiven) {
  if (options.form != OutputForm::Plain && (options.table || options.json)) {
    throw UsageError("--defines and --c go with neither --table nor --json");
  }
  if (cloerrGiven && options.form != OutputForm::Defines) {
    throw UsageError("--cloerr goes with --defines");
  }
  if (options.table && options.maxErrorPercent) {
    throw UsageError("--max-error does not go with --table");
  }
}

void ReadPositionals(Options& options, bool oscGiven, bool baudGiven) {
  if (!oscGiven) {
    throw UsageError("missing OSC_MHZ: give the oscillator frequency in MHz");
  }
  if (!baudGiven && !options.table) {
    throw UsageError("missing BAUD: give the wanted baud rate");
  }
  if (baudGiven) {
    RejectSwappedArguments(options.oscText, options.baudText);
  }
  options.oscMHz = RangeChecked(options.oscText, "OSC_MHZ", "MHz", WindowOscMHz);
  if (baudGiven) {
    options.baud = RangeChecked(options.baudText, "BAUD", "baud", WindowBaud);
  }
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
                             "oscillator frequency in MHz, " + Whole(WindowOscMHz.low) + " to " +
                                 Whole(WindowOscMHz.high));
  auto* baud = app.add_option("BAUD", options.baudText,
                              "wanted baud rate, " + Whole(WindowBaud.low) + " to " +
                                  Whole(WindowBaud.high) + " (with --table: one more row)");
  std::string brgh;
  app.add_option("--brgh", brgh,
                 "one mode only: 1 BRGH set, 0 clear (default: both, the "
                 "better one marked *)")
      ->check(CLI::IsMember({"1", "0"}));
  app.add_flag("--table", options.table, "every standard rate from 300 to 250000");
  app.add_flag("--json", options.json, "the results as JSON");
  bool defines = false;
  bool cCode = false;
  bool cloerr = false;
  auto* definesFlag = app.add_flag("--defines", defines,
                                   "the DEFINE lines the window puts on "
                                   "the clipboard");
  auto* cFlag = app.add_flag("--c", cCode, "the setting as C register assignments");
  definesFlag->excludes(cFlag);
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
  if (!brgh.empty()) {
    options.brgh = brgh == "1";
  }
  options.form = defines ? OutputForm::Defines : cCode ? OutputForm::CCode : OutputForm::Plain;
  options.cloerr = cloerr;
  if (!maxError.empty()) {
    options.maxErrorPercent = PlainDecimal(maxError);
    if (!options.maxErrorPercent) {
      throw UsageError("--max-error " + Quoted(maxError) +
                       " is not accepted: give a plain number of percent, 0 or more");
    }
  }
  CheckCombinations(options, cloerr);
  ReadPositionals(options, osc->count() > 0, baud->count() > 0);
  return options;
}

}  // namespace brg::cli
