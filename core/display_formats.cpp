#include "core/display_formats.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "core/float_chars.h"

namespace brg {
namespace {

// |value| written with 15 significant digits, as a spreadsheet reads a double before it rounds
// it for display: the digits, and the power of ten of the first one. The C library's locale
// cannot reach it (float_chars.h).
struct SignificantDigits {
  std::string digits;
  int exponent = 0;
};

SignificantDigits FifteenDigits(double magnitude) {
  constexpr int kPrecision = 14;  // digits after the first
  std::string scientific = ScientificText(magnitude, kPrecision);
  std::string_view text(scientific);
  std::size_t e = text.find('e');
  SignificantDigits result;
  result.digits.push_back(text[0]);
  result.digits.append(text.substr(2, e - 2));
  std::string_view exponent = text.substr(e + 1);
  bool negative = exponent[0] == '-';
  std::from_chars(exponent.data() + 1, exponent.data() + exponent.size(), result.exponent);
  if (negative) {
    result.exponent = -result.exponent;
  }
  return result;
}

// Adds one unit in the last digit of a string of decimal digits.
void IncrementLastDigit(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// |value| rounded to `decimals` places, halfway away from zero, as "<integer>.<decimals>" (or
// just "<integer>" for no decimals), at least one integer digit.
std::string RoundedMagnitude(double value, int decimals) {
  SignificantDigits significant = FifteenDigits(std::fabs(value));
  int kept = significant.exponent + 1 + decimals;  // digits up to the last place shown
  int available = static_cast<int>(significant.digits.size());
  std::string digits;
  bool roundUp = false;
  if (kept >= available) {
    digits = significant.digits + std::string(static_cast<std::size_t>(kept - available), '0');
  } else if (kept >= 0) {
    digits = significant.digits.substr(0, static_cast<std::size_t>(kept));
    roundUp = significant.digits[static_cast<std::size_t>(kept)] >= '5';
  }
  if (roundUp) {
    IncrementLastDigit(digits);
  }
  auto minimum = static_cast<std::size_t>(decimals + 1);
  if (digits.size() < minimum) {
    digits.insert(0, minimum - digits.size(), '0');
  }
  if (decimals > 0) {
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
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
