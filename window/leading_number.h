// The leading-number rule by which the window reads every number from an entry box.
#pragma once

#include <string_view>

namespace brg {

// Reads the number at the start of the text, whatever the user's locale:
//  - spaces, tabs and line feeds are dropped wherever they stand;
//  - "&H" or "&O" (either case) starts a hexadecimal or octal integer, read as a signed 16-bit
//    value up to FFFF and as a signed 32-bit value up to FFFFFFFF;
//  - otherwise an optional sign, decimal digits with at most one period, and an optional
//    exponent introduced by E or D; the longest such beginning is taken and the rest ignored.
// A text that does not begin with a number reads as 0. Throws NumberOverflow when the number
// lies beyond the double range or an &H/&O value beyond FFFFFFFF. Linear in the text's length.
double LeadingNumber(std::string_view text);

}  // namespace brg
