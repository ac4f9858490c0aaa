// The two display formats against exact decimal rounding computed here with big integers: a
// double is m * 2^e, whose decimal expansion is finite and is worked out digit by digit, then
// read to 15 significant digits and rounded half away from zero at the last place shown.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/display_formats.h"

namespace {

// Unsigned big integer in base 10^9, least significant limb first.
class BigInt {
 public:
  explicit BigInt(std::uint64_t value) {
    while (value > 0) {
      limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
      value /= kBase;
    }
  }
  void Multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
      limb = static_cast<std::uint32_t>(product % kBase);
      carry = product / kBase;
    }
    while (carry > 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
  }
  std::string Decimal() const {
    if (limbs_.empty()) {
      return "0";
    }
    std::string digits = std::to_string(limbs_.back());
    for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
      std::string limb = std::to_string(limbs_[i]);
      digits += std::string(9 - limb.size(), '0') + limb;
    }
    return digits;
  }

 private:
  static constexpr std::uint64_t kBase = 1000000000;
  std::vector<std::uint32_t> limbs_;
};

// The exact decimal expansion of |value| as integer digits and fraction digits.
void ExactDecimal(double value, std::string& integer, std::string& fraction) {
  int exponent = 0;
  double mantissa = std::frexp(std::fabs(value), &exponent);
  auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  exponent -= 53;
  BigInt big(m);
  int fractionDigits = 0;
  if (exponent >= 0) {
    for (int i = 0; i < exponent; ++i) {
      big.Multiply(2);
    }
  } else {
    for (int i = 0; i < -exponent; ++i) {
      big.Multiply(5);  // m / 2^k = m * 5^k / 10^k
    }
    fractionDigits = -exponent;
  }
  std::string digits = big.Decimal();
  if (static_cast<int>(digits.size()) <= fractionDigits) {
    digits = std::string(fractionDigits - digits.size() + 1, '0') + digits;
  }
  integer = digits.substr(0, digits.size() - fractionDigits);
  fraction = digits.substr(digits.size() - fractionDigits);
}

// Adds one to a string of decimal digits; false when it carries out of the first digit.
bool Increment(std::string& digits, std::size_t length) {
  std::size_t i = length;
  while (i > 0 && digits[i - 1] == '9') {
    digits[--i] = '0';
  }
  if (i == 0) {
    return false;
  }
  ++digits[i - 1];
  return true;
}

// The exact digits rounded to 15 significant digits, to nearest with ties to even as printf
// rounds, the dropped digits turned to zeros. The integer digits gain a leading "0" for the carry.
void RoundToFifteenSignificant(std::string& integer, std::string& fraction) {
  std::string all = "0" + integer + fraction;
  std::size_t first = all.find_first_not_of('0');
  std::size_t cut = first == std::string::npos ? all.size() : first + 15;
  if (cut < all.size()) {
    char dropped = all[cut];
    bool beyondHalf = all.find_first_not_of('0', cut + 1) != std::string::npos;
    bool odd = (all[cut - 1] - '0') % 2 == 1;
    bool up = dropped > '5' || (dropped == '5' && (beyondHalf || odd));
    std::fill(all.begin() + static_cast<std::ptrdiff_t>(cut), all.end(), '0');
    if (up) {
      Increment(all, cut);
    }
  }
  std::size_t integerDigits = integer.size() + 1;
  integer = all.substr(0, integerDigits);
  fraction = all.substr(integerDigits);
}

// The value read to 15 significant digits, then rounded half away from zero to `places`
// decimals: the digits without a point.
std::string RoundedDigits(double value, int places) {
  std::string integer;
  std::string fraction;
  ExactDecimal(value, integer, fraction);
  RoundToFifteenSignificant(integer, fraction);
  fraction.resize(static_cast<std::size_t>(places) + 1, '0');
  std::string digits = integer + fraction.substr(0, places);
  if (fraction[places] >= '5' && !Increment(digits, digits.size())) {
    digits.insert(digits.begin(), '1');
  }
  return digits;
}

std::string ExpectedBaud(double value) {
  std::string digits = RoundedDigits(value, 0);
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) {
    return "";
  }
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      grouped += ',';
    }
    grouped += digits[i];
  }
  return (std::signbit(value) ? "-" : "") + grouped;
}

std::string ExpectedPercent(double ratio) {
  double percent = ratio * 100.0;
  std::string digits = RoundedDigits(percent, 3);
  std::string integer = digits.substr(0, digits.size() - 3);
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
  std::string decimals = digits.substr(digits.size() - 3);
  while (decimals.size() > 1 && decimals.back() == '0') {
    decimals.pop_back();
  }
  bool zero = digits.find_first_not_of('0') == std::string::npos;
  return (std::signbit(ratio) && !zero ? "-" : "") + integer + "." + decimals + "%";
}

[[noreturn]] void Fail(const char* format, double value, const std::string& got,
                       const std::string& expected) {
  std::fprintf(stderr, "%s of %.17g: got \"%s\", expected \"%s\"\n", format, value, got.c_str(),
               expected.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) {
    return 0;
  }
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  // The window only formats finite results of its own arithmetic, far below 1e300.
  if (!std::isfinite(value) || std::fabs(value) > 1e30) {
    return 0;
  }
  brg::Separators separators;
  std::string baud = brg::FormatBaudRate(value, separators);
  std::string expectedBaud = ExpectedBaud(value);
  if (baud != expectedBaud) {
    Fail("#,###,###", value, baud, expectedBaud);
  }
  std::string percent = brg::FormatErrorPercent(value, separators);
  std::string expectedPercent = ExpectedPercent(value);
  if (percent != expectedPercent) {
    Fail("0.0##%", value, percent, expectedPercent);
  }
  return 0;
}
