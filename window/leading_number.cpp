#include "window/leading_number.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/float_chars.h"
#include "window/window_failure.h"

namespace brg {
namespace {

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string WithoutBlanks(std::string_view text) {
  std::string compact(text.size(), '\0');
  std::size_t length = 0;
  // Branch-free: every character is written, blanks are then written over.
  for (char c : text) {
    compact[length] = c;
    length += static_cast<std::size_t>(!(c == ' ' || c == '\t' || c == '\n'));
  }
  compact.resize(length);
  return compact;
}

int RadixDigit(char c, int radix) {
  int digit = 99;
  if (c >= '0' && c <= '9') {
    digit = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    digit = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    digit = c - 'A' + 10;
  }
  return digit < radix ? digit : -1;
}

// Digits after "&H" or "&O": up to FFFF a signed 16-bit value, up to FFFFFFFF a signed 32-bit one.
double RadixNumber(std::string_view digits, int radix) {
  std::uint64_t value = 0;
  for (char c : digits) {
    int digit = RadixDigit(c, radix);
    if (digit < 0) {
      break;
    }
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFu) {
      throw NumberOverflow(false);
    }
  }
  if (value <= 0xFFFFu) {
    return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
  }
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// The decimal number at the start of the text, split into its parts.
struct DecimalPrefix {
  bool negative = false;
  std::string_view mantissa;  // digits with at most one period
  std::string_view exponent;  // sign and digits after E or D, empty when absent
};

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDecimalDigit(text[pos])) {
    ++pos;
  }
  return pos;
}

bool ScanDecimalPrefix(std::string_view text, DecimalPrefix& prefix) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    prefix.negative = text[pos] == '-';
    ++pos;
  }
  std::size_t mantissaStart = pos;
  std::size_t integerEnd = SkipDigits(text, pos);
  std::size_t mantissaEnd = integerEnd;
  if (integerEnd < text.size() && text[integerEnd] == '.') {
    mantissaEnd = SkipDigits(text, integerEnd + 1);
  }
  std::size_t digitCount = mantissaEnd - mantissaStart - (mantissaEnd > integerEnd ? 1 : 0);
  if (digitCount == 0) {
    return false;
  }
  prefix.mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
  pos = mantissaEnd;
  if (pos < text.size() &&
      (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
    std::size_t signEnd = pos + 1;
    if (signEnd < text.size() && (text[signEnd] == '+' || text[signEnd] == '-')) {
      ++signEnd;
    }
    std::size_t exponentEnd = SkipDigits(text, signEnd);
    if (exponentEnd > signEnd) {
      prefix.exponent = text.substr(pos + 1, exponentEnd - pos - 1);
    }
  }
  return true;
}

// Decimal exponent of the leading non-zero digit, saturated far beyond the double range. Only
// asked for numbers out of range, so it only has to tell huge from tiny.
long long LeadingDecimalExponent(const DecimalPrefix& prefix) {
  constexpr long long kSaturation = 1000000000LL;
  long long exponent = 0;
  std::size_t pos = 0;
  bool negativeExponent = false;
  if (!prefix.exponent.empty() && (prefix.exponent[0] == '+' || prefix.exponent[0] == '-')) {
    negativeExponent = prefix.exponent[0] == '-';
    pos = 1;
  }
  for (; pos < prefix.exponent.size(); ++pos) {
    exponent = std::min(kSaturation, exponent * 10 + (prefix.exponent[pos] - '0'));
  }
  if (negativeExponent) {
    exponent = -exponent;
  }
  std::size_t point = prefix.mantissa.find('.');
  long long integerDigits =
      static_cast<long long>(point == std::string_view::npos ? prefix.mantissa.size() : point);
  long long digitIndex = 0;
  for (char c : prefix.mantissa) {
    if (c == '.') {
      continue;
    }
    if (c != '0') {
      break;
    }
    ++digitIndex;
  }
  return exponent + integerDigits - 1 - digitIndex;
}

// The beginning in the form ReadDecimal reads: no "+" sign and no D exponent.
std::string Normalized(const DecimalPrefix& prefix) {
  std::string normalized;
  normalized.reserve(prefix.mantissa.size() + prefix.exponent.size() + 2);
  if (prefix.negative) {
    normalized.push_back('-');
  }
  normalized.append(prefix.mantissa);
  if (!prefix.exponent.empty()) {
    normalized.push_back('e');
    normalized.append(prefix.exponent);
  }
  return normalized;
}

double ConvertDecimal(std::string_view text, const DecimalPrefix& prefix) {
  std::string normalized;
  std::string_view readable = text;
  bool plusSign = !text.empty() && text[0] == '+';
  std::size_t exponentLetter = prefix.mantissa.data() + prefix.mantissa.size() - text.data();
  bool dExponent =
      !prefix.exponent.empty() && (text[exponentLetter] == 'd' || text[exponentLetter] == 'D');
  if (plusSign || dExponent) {
    normalized = Normalized(prefix);
    readable = normalized;
  }
  ReadDouble read = ReadDecimal(readable);
  double value = read.value;
  if (read.outOfRange) {
    if (LeadingDecimalExponent(prefix) > 0) {
      throw NumberOverflow(prefix.negative);
    }
    return prefix.negative ? -0.0 : 0.0;  // below the smallest subnormal
  }
  return value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::string compact = WithoutBlanks(text);
  std::string_view view(compact);
  if (view.size() >= 2 && view[0] == '&') {
    char marker = view[1];
    if (marker == 'H' || marker == 'h') {
      return RadixNumber(view.substr(2), 16);
    }
    if (marker == 'O' || marker == 'o') {
      return RadixNumber(view.substr(2), 8);
    }
  }
  DecimalPrefix prefix;
  if (!ScanDecimalPrefix(view, prefix)) {
    return 0.0;
  }
  return ConvertDecimal(view, prefix);
}

}  // namespace brg
