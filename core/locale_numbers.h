// Plain decimal texts (digits and at most one period, as DecimalText and PlainNumber make them)
// in the separators of the user's locale, for numbers that a window shows or puts back into an
// entry box. Makes no number itself and rounds nothing.
#pragma once

#include <string>
#include <string_view>

#include "core/display_formats.h"

namespace brg {

// Only the decimal point replaced: 3.6864 as 3,6864, 1000 as 1000. For a text that goes back
// into an entry box, which reads it again (decimal_entry.h).
std::string LocaleDecimal(std::string_view plain, const Separators& separators);

// Grouped by thousands as well: 115200 as 115.200, 3.6864 as 3,6864.
std::string LocaleNumber(std::string_view plain, const Separators& separators);

// Every decimal point between two digits of a text, as in a clock's name, replaced: "4.9152 x4
// PLL" as "4,9152 x4 PLL". Other periods stay; no number is grouped.
std::string LocaleDecimalsIn(std::string_view text, const Separators& separators);

}  // namespace brg
