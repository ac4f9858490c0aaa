#include "cli/option_parts.h"

#include <cctype>

#include "cli/usage_error.h"
#include "core/text.h"

namespace brg::cli {
namespace {

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

// The parser's message with any control character of an echoed argument escaped.
std::string OneLine(const std::string& message) {
  std::string quoted = Quoted(message);
  return quoted.substr(1, quoted.size() - 2);
}

}  // namespace

double RangeChecked(const std::string& text, const char* what, const char* unit, EntryRange range) {
  std::optional<double> value = PlainDecimal(text);
  if (!value || !range.Contains(*value)) {
    throw UsageError(std::string(what) + " " + Quoted(text) + " is not accepted: give a plain " +
                     "number of " + unit + " from " + DecimalText(range.low) + " to " +
                     DecimalText(range.high) + Hint(text));
  }
  return *value;
}

ModeOptions ModeArguments::Read() const {
  ModeOptions options;
  for (const std::string& name : names) {
    options.modes.push_back(*ModeByName(name));
  }
  options.enhanced = enhanced;
  return options;
}

void AddModeOptions(CLI::App& app, ModeArguments& modes) {
  std::vector<std::string> names;
  for (BrgMode mode : kAllModes) {
    names.emplace_back(InfoOf(mode).name);
  }
  app.add_option("--mode", modes.names,
                 "a mode of the generator at its exact best, repeatable: 8/64, 8/16, 16/16, "
                 "16/4 (BRG16), sync8, sync16 (synchronous master clock)")
      ->type_name("MODE")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->check(CLI::IsMember(names));
  app.add_flag("--enhanced", modes.enhanced,
               "every asynchronous mode the part has: 8/64, 8/16, 16/16, 16/4");
}

void AddPartOptions(CLI::App& app, PartOptions& part) {
  app.add_option("--device", part.device,
                 "the part (16F1829, PIC18F45K22, ...): its register names and modes from its "
                 "gputils header")
      ->type_name("PART");
  app.add_option(
         "--gputils-headers", part.gputilsHeaders,
         std::string("where the part headers are (default ") + engine::kGputilsHeaders + ")")
      ->type_name("DIR");
  app.add_option("--usart", part.usart, "with --device: the USART, 1 or 2 (default 1)")
      ->check(CLI::IsMember({1, 2}));
}

engine::PartProfile ProfileOf(const PartOptions& part) {
  return part.device.empty() ? engine::ClassicProfile()
                             : engine::ReadPartProfile(part.device, part.gputilsHeaders);
}

void AddMaxErrorOption(CLI::App& app, std::string& text) {
  app.add_option("--max-error", text, "the largest error in percent that passes")->type_name("PCT");
}

std::optional<double> ReadMaxError(const std::string& text) {
  if (text.empty()) {
    return std::nullopt;
  }
  std::optional<double> percent = PlainDecimal(text);
  if (!percent) {
    throw UsageError("--max-error " + Quoted(text) +
                     " is not accepted: give a plain number of percent, 0 or more");
  }
  return percent;
}

bool Parse(CLI::App& app, const std::vector<std::string>& arguments, const PartOptions& part,
           std::string& help) {
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    help = app.help();
    return false;
  } catch (const CLI::ParseError& error) {
    throw UsageError(OneLine(error.what()) + "; see " + app.get_name() + " --help");
  }
  if (part.usart != 1 && part.device.empty()) {
    throw UsageError("--usart 2 goes with --device, whose header names the second USART");
  }
  return true;
}

}  // namespace brg::cli
