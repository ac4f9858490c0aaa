#include "window/display_formats.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace brg {
namespace {

// Exact decimal digits of |value| with `decimals` digits after the point, truncated. Enough
// extra digits are printed that printf's own rounding cannot reach the digits kept: a double of
// magnitude at least 1e-4 lies at least 1e-25 away from any multiple of 1e-4 it is not equal to.
std::string TruncatedDigits(double magnitude, int decimals) {
  constexpr int kGuardDigits = 30;
  // The largest double has 309 integer digits.
  std::array<char, 400> buffer{};
  int length =
      std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals + kGuardDigits, magnitude);
  return std::string(buffer.data(), static_cast<std::size_t>(length - kGuardDigits));
}

// Adds one unit in the last digit of a string of decimal digits (a period may stand among them).
void IncrementLastDigit(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] == '.') {
      continue;
    }
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// |value| rounded to `decimals` places, halfway away from zero, as "<integer>.<decimals>" (or
// just "<integer>" for no decimals).
std::string RoundedMagnitude(double value, int decimals) {
  std::string digits = TruncatedDigits(std::fabs(value), decimals + 1);
  bool roundUp = digits.back() >= '5';
  digits.pop_back();
  if (decimals == 0) {
    digits.pop_back();  // the period
  }
  if (roundUp) {
    IncrementLastDigit(digits);
  }
  return digits;
}

std::string GroupThousands(std::string_view integerDigits, std::string_view separator) {
  std::string grouped;
  std::size_t count = integerDigits.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && (count - i) % 3 == 0) {
      grouped.append(separator);
    }
    grouped.push_back(integerDigits[i]);
  }
  return grouped;
}

bool AllZeros(std::string_view digits) {
  return digits.find_first_not_of("0.") == std::string_view::npos;
}

}  // namespace

std::string FormatBaudRate(double baud, const Separators& separators) {
  std::string digits = RoundedMagnitude(baud, 0);
  std::size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) {
    return "";
  }
  std::string text = std::signbit(baud) ? "-" : "";
  text += GroupThousands(std::string_view(digits).substr(firstNonZero), separators.group);
  return text;
}

std::string FormatErrorPercent(double ratio, const Separators& separators) {
  std::string digits = RoundedMagnitude(ratio * 100.0, 3);
  std::size_t point = digits.find('.');
  std::string integerPart = digits.substr(0, point);
  std::string decimals = digits.substr(point + 1);
  while (decimals.size() > 1 && decimals.back() == '0') {
    decimals.pop_back();
  }
  std::string text = (std::signbit(ratio) && !AllZeros(digits)) ? "-" : "";
  text += integerPart + separators.decimal + decimals + "%";
  return text;
}

std::string FormatSpbrg(std::int32_t spbrg) {
  return std::to_string(spbrg);
}

}  // namespace brg
