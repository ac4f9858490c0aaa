#include "cli/options.h"

#include <charconv>

namespace brg::cli {
namespace {

constexpr double kOscMin = 1;
constexpr double kOscMax = 48;
constexpr double kBaudMin = 300;
constexpr double kBaudMax = 250000;

double RangeChecked(const std::string& text, const char* what, const char* unit, double low,
                    double high) {
  std::optional<double> value = PlainDecimal(text);
  if (!value || *value < low || *value > high) {
    throw UsageError(std::string(what) + " \"" + text + "\" is not accepted: give a plain number " +
                     "of " + unit + " from " + std::to_string(static_cast<int>(low)) + " to " +
                     std::to_string(static_cast<int>(high)));
  }
  return *value;
}

const std::string& Next(const std::vector<std::string>& arguments, std::size_t& i,
                        const std::string& option) {
  if (i + 1 >= arguments.size()) {
    throw UsageError("option " + option + " needs a value");
  }
  return arguments[++i];
}

void SetForm(Options& options, OutputForm form, const std::string& option) {
  if (options.form != OutputForm::Plain && options.form != form) {
    throw UsageError("option " + option + " cannot go with another output form");
  }
  options.form = form;
}

void CheckCombinations(const Options& options) {
  if (options.form != OutputForm::Plain && (options.table || options.json)) {
    throw UsageError("--defines and --c go with neither --table nor --json");
  }
  if (options.cloerr && options.form != OutputForm::Defines) {
    throw UsageError("--cloerr goes with --defines");
  }
  if (options.table && options.maxErrorPercent) {
    throw UsageError("--max-error does not go with --table");
  }
}

bool ParseOption(const std::vector<std::string>& arguments, std::size_t& i, Options& options) {
  const std::string& argument = arguments[i];
  if (argument == "--help" || argument == "-h") {
    options.help = true;
  } else if (argument == "--version") {
    options.version = true;
  } else if (argument == "--brgh") {
    const std::string& value = Next(arguments, i, argument);
    if (value != "1" && value != "0") {
      throw UsageError("--brgh \"" + value + "\" is not accepted: give 1 or 0");
    }
    options.brgh = value == "1";
  } else if (argument == "--table") {
    options.table = true;
  } else if (argument == "--json") {
    options.json = true;
  } else if (argument == "--defines") {
    SetForm(options, OutputForm::Defines, argument);
  } else if (argument == "--c") {
    SetForm(options, OutputForm::CCode, argument);
  } else if (argument == "--cloerr") {
    options.cloerr = true;
  } else if (argument == "--max-error") {
    const std::string& value = Next(arguments, i, argument);
    std::optional<double> percent = PlainDecimal(value);
    if (!percent) {
      throw UsageError("--max-error \"" + value +
                       "\" is not accepted: give a plain number of percent, 0 or more");
    }
    options.maxErrorPercent = percent;
  } else if (argument == "--locale") {
    options.userLocale = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace

const char* const kUsage =
    "usage: spbrg OSC_MHZ BAUD [--brgh 1|0] [--json] [--defines [--cloerr] | --c]\n"
    "                          [--max-error PCT] [--locale]\n"
    "       spbrg OSC_MHZ [BAUD] --table [--json] [--locale]\n"
    "\n"
    "SPBRG value, real baud rate and error of the PIC USART baud-rate generator, as the\n"
    "calculator window shows them after Calculate.\n"
    "\n"
    "  OSC_MHZ          oscillator frequency in MHz, 1 to 48\n"
    "  BAUD             wanted baud rate, 300 to 250000\n"
    "  --brgh 1|0       one mode only (default: both, the better one marked *)\n"
    "  --table          every standard rate from 300 to 250000, both modes\n"
    "  --json           the results as JSON, numbers in full precision\n"
    "  --defines        the DEFINE lines the window puts on the clipboard\n"
    "  --cloerr         with --defines: add DEFINE HSER_CLROERR 1\n"
    "  --c              the setting as C register assignments\n"
    "  --max-error PCT  exit 1 when the setting's error is above PCT percent\n"
    "  --locale         the user's thousands and decimal separators (default: C locale)\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 done, 1 error above --max-error or no setting, 2 bad arguments.\n";

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
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (ParseOption(arguments, i, options)) {
      continue;
    }
    if (arguments[i].size() > 1 && arguments[i][0] == '-' && arguments[i][1] == '-') {
      throw UsageError("unknown option \"" + arguments[i] + "\"; see spbrg --help");
    }
    positional.push_back(arguments[i]);
  }
  if (options.help || options.version) {
    return options;
  }
  CheckCombinations(options);
  bool table = options.table;
  if (positional.empty() || positional.size() > 2 || (!table && positional.size() < 2)) {
    throw UsageError(positional.empty() ? "missing OSC_MHZ: give the oscillator frequency in MHz"
                     : positional.size() > 2 ? "too many arguments; see spbrg --help"
                                             : "missing BAUD: give the wanted baud rate");
  }
  options.oscText = positional[0];
  options.oscMHz = RangeChecked(options.oscText, "OSC_MHZ", "MHz", kOscMin, kOscMax);
  if (positional.size() == 2) {
    options.baudText = positional[1];
    options.baud = RangeChecked(options.baudText, "BAUD", "baud", kBaudMin, kBaudMax);
  }
  return options;
}

}  // namespace brg::cli
