// A number typed into an entry box of a window: digits with at most one decimal point, which may
// be the period or the decimal separator of the user's locale (the comma under de_DE), blanks at
// either end ignored. Anything else is no number, never a shorter number read from its start:
// a unit ("16 MHz"), a sign, an exponent, hexadecimal, a second decimal point ("1,6,0"), and
// digits grouped by thousands ("9,600", and "115.200" where the period groups and the comma is
// the decimal point, which could mean either).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/display_formats.h"

namespace brg {

enum class EntryProblem {
  None,
  Empty,
  NotANumber,
  Grouped,  // thousands separators, or a period that may group thousands or mark decimals
};

struct DecimalEntry {
  std::optional<double> value;  // none unless the problem is None
  std::string plain;            // the number as typed with a period: "3.6864" for "3,6864"
  EntryProblem problem = EntryProblem::None;
};

DecimalEntry ReadDecimalEntry(std::string_view text, const Separators& separators);

}  // namespace brg
