#include "cli/option_parts.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "cli/usage_error.h"
#include "core/text.h"

namespace brg::cli {
namespace {

// A group of digits with thousands separators: 9,600 or 2,500,000.
bool ThousandsGrouped(const std::string& text) {
  std::size_t comma = text.find(',');
  if (comma == std::string::npos || comma == 0 || comma > 3) {
    return false;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool separator = i >= comma && (i - comma) % 4 == 0;
    if (separator ? text[i] != ',' : !std::isdigit(static_cast<unsigned char>(text[i]))) {
      return false;
    }
  }
  return (text.size() - comma) % 4 == 0;
}

// 0x2580 as a number, when it is one.
std::optional<double> Hexadecimal(const std::string& text) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X') || text.size() > 10) {
    return std::nullopt;
  }
  double value = 0;
  for (std::size_t i = 2; i < text.size(); ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(text[i]))) {
      return std::nullopt;
    }
    value = value * 16 + std::stoi(std::string(1, text[i]), nullptr, 16);
  }
  return value;
}

// 1e4 or 2.5E6 as a number, when it is one.
std::optional<double> WithExponent(const std::string& text) {
  std::size_t e = text.find_first_of("eE");
  if (e == std::string::npos || e == 0) {
    return std::nullopt;
  }
  std::optional<double> mantissa = PlainDecimal(text.substr(0, e));
  std::string exponent = text.substr(e + 1);
  bool negative = !exponent.empty() && exponent[0] == '-';
  if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) {
    exponent.erase(0, 1);
  }
  std::optional<double> power = PlainDecimal(exponent);
  if (!mantissa || !power || exponent.find('.') != std::string::npos || *power > 12) {
    return std::nullopt;
  }
  return *mantissa * std::pow(10.0, negative ? -*power : *power);
}

// Why a number was not taken, when it is a common slip, with the number that was meant.
std::string Hint(const std::string& text, EntryRange range) {
  if (ThousandsGrouped(text)) {
    std::string plain = text;
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    if (range.Contains(*PlainDecimal(plain))) {
      return " (" + plain + "? write it without the thousands separator)";
    }
  }
  if (text.find(',') != std::string::npos) {
    std::string point = text;
    std::replace(point.begin(), point.end(), ',', '.');
    return PlainDecimal(point) ? " (" + point + "? use a period as the decimal point)"
                               : " (use a period as the decimal point)";
  }
  if (std::optional<double> hex = Hexadecimal(text)) {
    return " (" + DecimalText(*hex) + "? give it in decimal)";
  }
  if (std::optional<double> value = WithExponent(text)) {
    return " (" + DecimalText(*value) + "? give it without an exponent)";
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
                     DecimalText(range.high) + Hint(text, range));
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
  for (BrgMode mode : kEveryMode) {
    names.emplace_back(InfoOf(mode).name);
  }
  app.add_option("--mode", modes.names,
                 "a mode of the generator at its exact best, repeatable: 8/64, 8/16, 16/16, "
                 "16/4 (BRG16, BRGS or BRGH on the UARTs), sync8, sync16 (synchronous master "
                 "clock), frac (the dsPIC33C fractional generator)")
      ->type_name("MODE")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->check(CLI::IsMember(names));
  app.add_flag("--enhanced", modes.enhanced,
               "every asynchronous mode the part has: 8/64, 8/16, 16/16, 16/4, frac");
}

void AddPartOptions(CLI::App& app, PartOptions& part, std::string_view usartDefault) {
  app.add_option("--device", part.device,
                 "the part (16F1829, PIC18F45K22, PIC18F47Q43, PIC24FJ64GA002, "
                 "dsPIC33CK256MP508, PIC32MX250F128B, ...): its ports, register names, modes and "
                 "clock limits")
      ->type_name("PART");
  app.add_option(
         "--gputils-headers", part.gputilsHeaders,
         "a folder of gputils part headers (p16f1829.inc, ...) that add parts to the built-in ones "
         "or replace those of the same name")
      ->type_name("DIR");
  app.add_option("--usart,--uart", part.usart,
                 "with --device: the serial port, 1 to the part's number of ports (default " +
                     std::string(usartDefault) + ")")
      ->check(CLI::Range(1, 6));
  app.add_option("--pbdiv", part.pbdiv,
                 "PIC32: the peripheral bus divider, PBCLK = Fosc / N (default 1; 2 for the "
                 "PBCLK2 of PIC32MZ and MK)")
      ->type_name("N")
      ->check(CLI::IsMember({1.0, 2.0, 4.0, 8.0}));
  app.add_option("--uart-clock", part.uartClockMHz,
                 "the UART's own clock in MHz, instead of the one worked out from the oscillator")
      ->type_name("MHZ")
      ->check(CLI::Range(0.001, 300.0));
}

engine::PartProfile ProfileOf(const PartOptions& part) {
  engine::PartProfile profile =
      part.device.empty() ? engine::ClassicProfile()
                          : engine::ReadPartProfile(part.device, part.gputilsHeaders, {part.pbdiv});
  if (part.pbdiv && profile.Port(1).Clock().name.rfind("PBCLK", 0) != 0) {
    throw UsageError("--pbdiv divides the peripheral bus clock of a PIC32; give --device PART");
  }
  return profile;
}

void AddMaxErrorOption(CLI::App& app, std::string& text) {
  app.add_option("--max-error", text,
                 "the error budget: the largest error in percent that passes (default 2)")
      ->type_name("PCT");
}

std::optional<double> ReadPercent(const std::string& text, const char* option) {
  if (text.empty()) {
    return std::nullopt;
  }
  std::string number = text.back() == '%' ? text.substr(0, text.size() - 1) : text;
  std::optional<double> percent = PlainDecimal(number);
  if (!percent) {
    throw UsageError(std::string(option) + " " + Quoted(text) +
                     " is not accepted: give a plain number of percent, 0 or more" +
                     Hint(number, EntryRange{0, 1e9}));
  }
  return percent;
}

bool Parse(CLI::App& app, const std::vector<std::string>& arguments, PartOptions& part,
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
  part.usartGiven = app.count("--usart") > 0;
  if (part.usart != 1 && part.device.empty()) {
    throw UsageError("--usart " + std::to_string(part.usart) +
                     " goes with --device, whose data names the other ports");
  }
  return true;
}

}  // namespace brg::cli
