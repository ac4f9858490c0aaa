// The command line of spbrg, read strictly: the option table, from which --help is built too.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/brg_arithmetic.h"
#include "core/brg_modes.h"

namespace brg::cli {

// What spbrg accepts, wider than the window: 31 kHz to 64 MHz, 1 to 5,000,000 baud.
inline constexpr EntryRange SpbrgOscMHz{0.031, 64};
inline constexpr EntryRange SpbrgBaud{1, 5000000};

struct WantedRate {
  std::string text;  // as given: the DEFINE comment and the reports echo it
  double baud = 0;
};

// Plain: the report (lines, --table, --json or --csv); the others: code for one setting.
enum class OutputForm { Plain, Defines, BasicRegisters, CCode, Asm };

// spbrg OSC BAUD... calculates; spbrg clocks RATE... searches a clock; spbrg check reads a setup.
enum class Command { Calculate, Clocks, Check };

struct Options {
  Command command = Command::Calculate;
  std::string oscText;  // as given
  double oscMHz = 0;
  std::vector<WantedRate> rates;  // empty only with --table
  std::optional<bool> brgh;       // --brgh 1|0: one of the window's modes only
  // --mode: these modes, each at its exact best (with neither this nor --enhanced: the window's
  // Calculate); --spbrg alone names the window's modes here.
  std::vector<BrgMode> modes;
  bool enhanced = false;              // and every asynchronous mode the part has
  std::optional<std::int32_t> spbrg;  // --spbrg N: this register value instead of the best
  OutputForm form = OutputForm::Plain;
  bool table = false;  // every standard rate, and each BAUD that is none of them
  bool json = false;
  bool csv = false;
  bool cloerr = false;  // --cloerr: the overrun line after the DEFINEs
  std::optional<double> maxErrorPercent;
  bool userLocale = false;
  std::string device;  // --device PART: register names from the part's gputils header
  std::string gputilsHeaders;
  int usart = 1;
  // clocks: --clock-list FILE instead of the shipped list; an internal oscillator's tolerance.
  std::string clockList;
  double oscTolerancePercent = 2;
  // check: the source (a file, or - for standard input) or NAME=VALUE assignments.
  std::string source;
  std::vector<std::string> assignments;
  std::optional<double> checkBaud;  // --baud
  bool version = false;
  std::string help;  // --help: the text to print
};

// A bad command line; the message is one line naming the argument and what it accepts.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

Options ParseOptions(const std::vector<std::string>& arguments);
// The commands' own command lines, after the word clocks or check.
Options ParseClocks(const std::vector<std::string>& arguments);
Options ParseCheck(const std::vector<std::string>& arguments);

// True when the modes of the generator are asked for rather than the window's Calculate.
inline bool ExactModes(const Options& options) {
  return !options.modes.empty() || options.enhanced;
}

// A plain decimal number: digits with at most one period, nothing before or after it.
std::optional<double> PlainDecimal(const std::string& text);

// An argument as a message shows it: in quotes, control characters escaped, so that the
// message stays on one line.
std::string Quoted(const std::string& text);

}  // namespace brg::cli
