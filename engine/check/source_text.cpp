#include "engine/check/source_text.h"

#include <cctype>

#include "core/text.h"
#include "engine/answers/wanted_rate.h"

namespace brg::engine {
namespace {

bool Digit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The number that ends at `end` (exclusive) or starts at `start`, as digits and one period.
std::optional<double> NumberAt(std::string_view text, std::size_t start, std::size_t& end) {
  end = start;
  while (end < text.size() && (Digit(text[end]) || (text[end] == '.' && end > start))) {
    ++end;
  }
  while (end > start && text[end - 1] == '.') {
    --end;
  }
  return PlainDecimal(text.substr(start, end - start));
}

bool StartsWithWord(std::string_view upper, std::size_t at, std::string_view word) {
  return upper.compare(at, word.size(), word) == 0;
}

}  // namespace

ConfigWordTokens ConfigTokensOf(std::string_view operands) {
  ConfigWordTokens found;
  if (std::size_t comma = operands.find(','); comma != std::string_view::npos) {
    found.word = Trim(operands.substr(0, comma));
    operands = operands.substr(comma + 1);
  }
  while (!operands.empty()) {
    std::size_t amp = operands.find('&');
    std::string_view token = Trim(operands.substr(0, amp));
    while (!token.empty() && token.front() == '_') {
      token.remove_prefix(1);
    }
    if (!token.empty()) {
      found.tokens.push_back(token);
    }
    operands = amp == std::string_view::npos ? std::string_view{} : operands.substr(amp + 1);
  }
  return found;
}

std::vector<std::pair<std::string_view, std::string_view>> SettingsOf(std::string_view text) {
  std::vector<std::pair<std::string_view, std::string_view>> settings;
  while (!text.empty()) {
    std::size_t comma = text.find(',');
    std::string_view setting = text.substr(0, comma);
    if (std::size_t equals = setting.find('='); equals != std::string_view::npos) {
      settings.emplace_back(Trim(setting.substr(0, equals)), Trim(setting.substr(equals + 1)));
    }
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  }
  return settings;
}

std::string_view WithoutBitsSuffix(std::string_view name) {
  if (name.size() > 4 && Upper(name.substr(name.size() - 4)) == "BITS") {
    name.remove_suffix(4);
  }
  return name;
}

bool StandardRate(double value) {
  for (double rate : kStandardRates) {
    if (value == rate) {
      return true;
    }
  }
  return value == 110 || value == 1000000 || value == 500000 || value == 921600 ||
         value == 460800 || value == 31250;
}

std::vector<SourceLine> SplitLines(std::string_view text) {
  std::vector<SourceLine> lines;
  int number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.push_back(SourceLine{++number, line});
    if (end == std::string_view::npos) {
      break;
    }
    start = end + 1;
  }
  return lines;
}

bool LooksBinary(std::string_view text) {
  std::size_t control = 0;
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte == 0) {
      return true;
    }
    if ((byte < 0x20 && c != '\n' && c != '\r' && c != '\t' && c != '\f') || byte == 0x7F) {
      ++control;
    }
  }
  return control * 10 > text.size();
}

std::optional<double> RateInComment(std::string_view comment) {
  if (comment.find_first_of("0123456789") == std::string_view::npos) {
    return std::nullopt;
  }
  std::string upper = Upper(comment);
  // A comment about the serial port: a standard rate in it is the port's.
  bool serialWord = false;
  for (const char* word : {"UART", "USART", "SERIAL", "RS232", "RS-232", "RS485", "GPS", "MODEM"}) {
    serialWord = serialWord || upper.find(word) != std::string::npos;
  }
  if (std::optional<double> alone = PlainDecimal(Trim(upper)); alone && StandardRate(*alone)) {
    return alone;  // "' 9600" beside the rate register
  }
  for (std::size_t i = 0; i < upper.size(); ++i) {
    if (!Digit(upper[i]) || (i > 0 && (Digit(upper[i - 1]) || upper[i - 1] == '.' ||
                                       std::isalpha(static_cast<unsigned char>(upper[i - 1]))))) {
      continue;
    }
    std::size_t end = 0;
    std::optional<double> value = NumberAt(upper, i, end);
    if (!value || *value < 50 || *value > 5000000) {
      i = end;
      continue;
    }
    std::size_t after = end;
    while (after < upper.size() && (upper[after] == ' ' || upper[after] == '-')) {
      ++after;
    }
    // "250 kbaud", "115.2 kbps"
    bool thousands =
        (StartsWithWord(upper, after, "K") &&
         (StartsWithWord(upper, after + 1, "BAUD") || StartsWithWord(upper, after + 1, "BPS") ||
          StartsWithWord(upper, after + 1, " BAUD")));
    if (thousands && *value * 1000 <= 5000000) {
      return *value * 1000;
    }
    bool unitAfter = StartsWithWord(upper, after, "BAUD") || StartsWithWord(upper, after, "BPS") ||
                     StartsWithWord(upper, after, "BD") || StartsWithWord(upper, after, "8N1") ||
                     StartsWithWord(upper, after, "8-N-1") ||
                     StartsWithWord(upper, after, ",8,N,1");
    bool otherUnit = StartsWithWord(upper, after, "MHZ") || StartsWithWord(upper, after, "KHZ") ||
                     StartsWithWord(upper, after, "HZ") || StartsWithWord(upper, after, "%") ||
                     StartsWithWord(upper, after, "US") || StartsWithWord(upper, after, "MS");
    std::string before = upper.substr(i >= 24 ? i - 24 : 0, i >= 24 ? 24 : i);
    bool wordBefore =
        before.find("BAUD") != std::string::npos || before.find("BPS") != std::string::npos;
    bool markBefore = before.find_last_not_of(" ") != std::string::npos &&
                      std::string_view("@~=").find(before[before.find_last_not_of(" ")]) !=
                          std::string_view::npos;
    // "9600 @ 16 MHz", "9600 at 4 MHz": a rate at a clock.
    bool clockAfter = StartsWithWord(upper, after, "@") || StartsWithWord(upper, after, "AT ");
    if (!otherUnit && (unitAfter || ((wordBefore || markBefore || clockAfter || serialWord) &&
                                     StandardRate(*value)))) {
      return value;
    }
    i = end;
  }
  return std::nullopt;
}

bool RateName(std::string_view name) {
  std::string upper = Upper(name);
  return upper.find("BAUD") != std::string::npos && upper.find("BRG") == std::string::npos &&
         upper.find("DIV") == std::string::npos && upper.find("REG") == std::string::npos &&
         upper.find("CON") == std::string::npos && upper.find("VAL") == std::string::npos;
}

bool RateInTheExpression(std::string_view name, std::int64_t value) {
  if (RateName(name)) {
    return true;
  }
  std::string upper = Upper(name);
  for (const char* divisor : {"BRG", "DIV", "REG", "VAL", "CON"}) {
    if (upper.find(divisor) != std::string::npos) {
      return false;
    }
  }
  return StandardRate(static_cast<double>(value)) && !ClockName(name) &&
         !InstructionClockName(name);
}

bool ClockName(std::string_view name) {
  static const char* const kNames[] = {
      "_XTAL_FREQ", "XTAL_FREQ", "XTAL",    "FOSC",       "F_OSC",   "OSC_FREQ", "F_CPU",   "FCPU",
      "SYS_FREQ",   "SYSCLK",    "SYS_CLK", "CLOCK_FREQ", "CRYSTAL", "CLOCK",    "FOSC_HZ", "OSC"};
  std::string upper = Upper(name);
  for (const char* known : kNames) {
    if (upper == known) {
      return true;
    }
  }
  // SYS_CLK_FREQ, SYSCLK_HZ, SYSTEM_CLOCK, GetSystemClock, configCPU_CLOCK_HZ: the system clock
  // by the names of frameworks; never a divider nor the peripheral bus
  auto has = [&](const char* part) { return upper.find(part) != std::string::npos; };
  bool system = has("SYS") || has("CPU_CLOCK");
  bool clock = has("CLK") || has("CLOCK") || has("FREQ");
  return system && clock && !has("DIV") && !has("PB") && !has("PERIPH");
}

bool PeripheralClockName(std::string_view name) {
  std::string upper = Upper(name);
  bool bus = upper.find("PB") != std::string::npos || upper.find("PERIPH") != std::string::npos;
  bool clock = upper.find("CLK") != std::string::npos || upper.find("CLOCK") != std::string::npos ||
               upper.find("FREQ") != std::string::npos;
  return (bus && clock) || upper == "FPB" || upper == "FPB_HZ";
}

bool InstructionClockName(std::string_view name) {
  std::string upper = Upper(name);
  return upper == "FCY" || upper == "F_CY" || upper == "FCY_HZ";
}

double ClockMHz(double value) {
  return value > 1000 ? value / 1000000.0 : value;
}

}  // namespace brg::engine
