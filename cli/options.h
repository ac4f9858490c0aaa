// The command line of spbrg, read strictly: the option table, from which --help is built too.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace brg::cli {

// Plain: both modes (or the one of --brgh) as aligned lines.
enum class OutputForm { Plain, Defines, CCode };

struct Options {
  std::string oscText;   // as given: the DEFINE comment and the JSON echo use it
  std::string baudText;  // empty only with --table
  double oscMHz = 0;
  double baud = 0;
  std::optional<bool> brgh;  // --brgh 1|0: one mode only
  OutputForm form = OutputForm::Plain;
  bool table = false;  // every standard rate, and BAUD when it is none of them
  bool json = false;
  bool cloerr = false;  // --cloerr: the overrun line after the DEFINEs
  std::optional<double> maxErrorPercent;
  bool userLocale = false;
  bool version = false;
  std::string help;  // --help: the text to print
};

// A bad command line; the message is one line naming the argument and what it accepts.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

Options ParseOptions(const std::vector<std::string>& arguments);

// A plain decimal number: digits with at most one period, nothing before or after it.
std::optional<double> PlainDecimal(const std::string& text);

// An argument as a message shows it: in quotes, control characters escaped, so that the
// message stays on one line.
std::string Quoted(const std::string& text);

}  // namespace brg::cli
