#include "core/bit_time.h"

#include <cmath>

#include "core/float_chars.h"
#include "core/locale_numbers.h"

namespace brg {

std::string FormatBitTime(double baud, const Separators& separators) {
  if (!std::isfinite(baud) || baud <= 0) {
    return "";
  }
  std::string microseconds = FixedText(1e6 / baud, 3);
  return microseconds.empty() ? "" : LocaleNumber(microseconds, separators);
}

}  // namespace brg
