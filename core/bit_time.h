// The time one bit takes on the line at a baud rate, as the windows show it: microseconds with
// three decimals in the user's separators (104.167 for 9600 baud, 8.750 for 114,286).
#pragma once

#include <string>

#include "core/display_formats.h"

namespace brg {

// 1,000,000 / baud rounded to three decimals, grouped by thousands; "" for a rate that is not
// positive and finite.
std::string FormatBitTime(double baud, const Separators& separators);

}  // namespace brg
