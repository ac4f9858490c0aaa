// LeadingNumber against a slow reading made independently here: a regular expression finds the
// number, and glibc's correctly rounded strtod in the C locale converts it.
#include <locale.h>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "window/leading_number.h"
#include "window/window_failure.h"

namespace {

struct Expected {
  bool overflow = false;
  bool negative = false;
  double value = 0;
};

std::string WithoutBlanks(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') {
      kept += c;
    }
  }
  return kept;
}

Expected RadixReading(const std::string& digits, int radix) {
  const char* valid = radix == 16 ? "0123456789abcdefABCDEF" : "01234567";
  std::size_t length = digits.find_first_not_of(valid);
  std::string run = digits.substr(0, length);
  std::uint64_t value = 0;  // checked after every digit, so it never wraps
  for (char c : run) {
    int digit =
        std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (std::tolower(c) - 'a' + 10);
    value = value * radix + digit;
    if (value > 0xFFFFFFFFu) {
      return {true, false, 0};
    }
  }
  auto v = static_cast<std::uint32_t>(value);
  double result = v <= 0xFFFF ? static_cast<std::int16_t>(v)
                              : static_cast<double>(static_cast<std::int32_t>(v));
  return {false, false, result};
}

Expected SlowReading(const std::string& text) {
  std::string compact = WithoutBlanks(text);
  if (compact.size() >= 2 && compact[0] == '&' && (compact[1] == 'H' || compact[1] == 'h')) {
    return RadixReading(compact.substr(2), 16);
  }
  if (compact.size() >= 2 && compact[0] == '&' && (compact[1] == 'O' || compact[1] == 'o')) {
    return RadixReading(compact.substr(2), 8);
  }
  static const std::regex number(R"(^([+-]?)([0-9]+\.?[0-9]*|\.[0-9]+)([EeDd][+-]?[0-9]+)?)");
  std::smatch match;
  if (!std::regex_search(compact, match, number)) {
    return {};
  }
  std::string plain = match[1].str() + match[2].str();
  if (match[3].matched) {
    plain += "e" + match[3].str().substr(1);
  }
  static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  errno = 0;
  double value = strtod_l(plain.c_str(), nullptr, cLocale);
  bool negative = match[1].str() == "-";
  if (errno == ERANGE && std::isinf(value)) {
    return {true, negative, 0};
  }
  return {false, negative, value};
}

[[noreturn]] void Fail(const std::string& text, const std::string& what) {
  std::fprintf(stderr, "LeadingNumber(\"%s\"): %s\n", text.c_str(), what.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  Expected expected = SlowReading(text);
  try {
    double value = brg::LeadingNumber(text);
    if (expected.overflow) {
      Fail(text, "read " + std::to_string(value) + " instead of overflowing");
    }
    // Below the smallest subnormal the value may read as zero.
    bool same = value == expected.value || (value == 0 && std::fabs(expected.value) < 4.9e-324);
    if (!same || (value == 0 && expected.value == 0 &&
                  std::signbit(value) != std::signbit(expected.value) && expected.value != 0)) {
      char buffer[128];
      std::snprintf(buffer, sizeof buffer, "read %.17g, expected %.17g", value, expected.value);
      Fail(text, buffer);
    }
  } catch (const brg::NumberOverflow& overflow) {
    if (!expected.overflow) {
      Fail(text, "overflowed, expected a number");
    }
    if (overflow.negative() != expected.negative) {
      Fail(text, "overflow with the wrong sign");
    }
  }
  return 0;
}
