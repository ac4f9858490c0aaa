#include "core/bit_time.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/locale_numbers.h"

namespace brg {

std::string FormatBitTime(double baud, const Separators& separators) {
  if (!std::isfinite(baud) || baud <= 0) {
    return "";
  }
  std::array<char, 64> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), 1e6 / baud,
                                    std::chars_format::fixed, 3);
  if (error != std::errc()) {
    return "";
  }
  return LocaleNumber(
      std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())), separators);
}

}  // namespace brg
