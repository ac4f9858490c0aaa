// Doubles to text and back without the C library's locale, as std::to_chars and std::from_chars
// make and read them. The standard library's own functions where it has them for doubles; the
// portable forms below where it does not (the libc++ of the WebAssembly build), which take the
// C library in its "C" locale, the only one such a build has. Both are tested against each other.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brg {

// `decimals` digits after the point: 0.104 for 0.1041666 with 3.
std::string FixedText(double value, int decimals);

// One digit, the point, `decimals` digits and the exponent: 1.00000000000000e+02.
std::string ScientificText(double value, int decimals);

// The shortest text that reads back as `value`, fixed or scientific, whichever is shorter:
// 9600, 0.1, 1e+22.
std::string ShortestText(double value);

// A decimal number at the start of `text` (an optional minus, digits with an optional point,
// an optional exponent), as std::from_chars reads one: no leading blank, "+" or hexadecimal.
struct ReadDouble {
  double value = 0;         // 0 when out of range
  std::size_t used = 0;     // characters read; 0 when the text does not begin with a number
  bool outOfRange = false;  // too large for a double, or a non-zero value below its smallest
};
ReadDouble ReadDecimal(std::string_view text);

namespace portable {
// The forms built on the C library, for the libraries without floating-point to_chars.
std::string FixedText(double value, int decimals);
std::string ScientificText(double value, int decimals);
std::string ShortestText(double value);
ReadDouble ReadDecimal(std::string_view text);
}  // namespace portable

}  // namespace brg
