// The display formats of the results: "#,###,###" for the real baud rate and "0.0##%" for the
// error ratio, with the separators of the user's locale, and SPBRG as plain digits. The window
// and spbrg show the same texts through these. Every number text is made without the C
// library's locale: only the separators given here come from the user.
#pragma once

#include <cstdint>
#include <string>

namespace brg {

// Thousands and decimal separator of the user's locale, for the display formats only.
struct Separators {
  std::string group = ",";
  std::string decimal = ".";
};

// The value is read to 15 significant digits, as a spreadsheet reads a double, and then rounded.
//
// Rounded to a whole number (halfway away from zero), grouped by threes; a value that rounds to
// 0 gives the empty text.
std::string FormatBaudRate(double baud, const Separators& separators);

// The ratio in percent, rounded to three decimals (halfway away from zero), one to three
// decimals shown, then "%". A negative ratio that rounds to zero shows no minus sign.
std::string FormatErrorPercent(double ratio, const Separators& separators);

// Plain decimal digits with a leading "-" when negative, no grouping.
std::string FormatSpbrg(std::int32_t spbrg);

}  // namespace brg
