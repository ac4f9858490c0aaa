#include "core/float_chars.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

// libc++ has floating-point to_chars from version 14 and from_chars for doubles from 17.
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 170000
#define BRG_PORTABLE_FLOAT_CHARS 1
#else
#define BRG_PORTABLE_FLOAT_CHARS 0
#endif

namespace brg {
namespace portable {
namespace {

std::string Printed(const char* format, int decimals, double value) {
  std::array<char, 400> buffer{};  // %f of the largest double has 309 digits before the point
  int length = std::snprintf(buffer.data(), buffer.size(), format, decimals, value);
  return length < 0 ? std::string() : std::string(buffer.data(), static_cast<std::size_t>(length));
}

// The length of the decimal number at the start of `text`, as from_chars takes it.
std::size_t DecimalLength(std::string_view text) {
  std::size_t at = text.size() > 0 && text[0] == '-' ? 1 : 0;
  auto digits = [&text](std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
      ++end;
    }
    return end;
  };
  std::size_t integerEnd = digits(at);
  std::size_t end = integerEnd;
  if (end < text.size() && text[end] == '.') {
    end = digits(end + 1);
  }
  if (end == at || (end == at + 1 && integerEnd == at)) {
    return 0;  // no digit, or a point alone
  }
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t sign = end + 1;
    if (sign < text.size() && (text[sign] == '+' || text[sign] == '-')) {
      ++sign;
    }
    std::size_t exponentEnd = digits(sign);
    if (exponentEnd > sign) {
      end = exponentEnd;
    }
  }
  return end;
}

}  // namespace

std::string FixedText(double value, int decimals) {
  return Printed("%.*f", decimals, value);
}

std::string ScientificText(double value, int decimals) {
  return Printed("%.*e", decimals, value);
}

std::string ShortestText(double value) {
  if (!std::isfinite(value)) {
    return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
  }
  // The fewest significant digits that read back as the value.
  std::string scientific;
  for (int decimals = 0; decimals <= 16; ++decimals) {
    scientific = ScientificText(value, decimals);
    if (std::strtod(scientific.c_str(), nullptr) == value) {
      break;
    }
  }
  std::size_t e = scientific.find('e');
  std::size_t first = scientific[0] == '-' ? 1 : 0;
  std::string digits = scientific.substr(first, 1);
  if (scientific[first + 1] == '.') {
    digits += scientific.substr(first + 2, e - first - 2);
  }
  int exponent = std::atoi(scientific.c_str() + e + 1);
  // The same digits written fixed; the shorter of the two, fixed on a tie.
  std::string fixed = scientific.substr(0, first);
  int count = static_cast<int>(digits.size());
  if (exponent < 0) {
    fixed += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (exponent + 1 >= count) {
    // Every digit of a whole number is as short as zeros would be, and exact.
    fixed = Printed("%.*f", 0, value);
  } else {
    fixed += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
             digits.substr(static_cast<std::size_t>(exponent + 1));
  }
  return fixed.size() <= scientific.size() ? fixed : scientific;
}

ReadDouble ReadDecimal(std::string_view text) {
  ReadDouble read;
  read.used = DecimalLength(text);
  if (read.used == 0) {
    return read;
  }
  std::string number(text.substr(0, read.used));
  errno = 0;
  read.value = std::strtod(number.c_str(), nullptr);
  bool nonZeroDigit = number.find_first_of("123456789") < number.find_first_of("eE");
  read.outOfRange =
      errno == ERANGE && (std::isinf(read.value) || (read.value == 0 && nonZeroDigit));
  if (read.outOfRange) {
    read.value = 0;  // as std::from_chars leaves it
  }
  return read;
}

}  // namespace portable

#if BRG_PORTABLE_FLOAT_CHARS
std::string FixedText(double value, int decimals) {
  return portable::FixedText(value, decimals);
}
std::string ScientificText(double value, int decimals) {
  return portable::ScientificText(value, decimals);
}
std::string ShortestText(double value) {
  return portable::ShortestText(value);
}
ReadDouble ReadDecimal(std::string_view text) {
  return portable::ReadDecimal(text);
}
#else
namespace {

template <typename... Format>
std::string ToChars(double value, Format... format) {
  std::array<char, 400> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
  return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

}  // namespace

std::string FixedText(double value, int decimals) {
  return ToChars(value, std::chars_format::fixed, decimals);
}
std::string ScientificText(double value, int decimals) {
  return ToChars(value, std::chars_format::scientific, decimals);
}
std::string ShortestText(double value) {
  return ToChars(value);
}

ReadDouble ReadDecimal(std::string_view text) {
  ReadDouble read;
  std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
  if (first >= text.size() || (text[first] != '.' && (text[first] < '0' || text[first] > '9'))) {
    return read;  // "inf" and "nan" are no decimal numbers
  }
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read.value);
  if (error == std::errc::invalid_argument) {
    return read;
  }
  read.used = static_cast<std::size_t>(end - text.data());
  read.outOfRange = error == std::errc::result_out_of_range;
  return read;
}
#endif

}  // namespace brg
