// Baud-rate generator arithmetic of the PIC USART.
//
// Pure functions without state: the first SPBRG estimate, the real baud rate and error ratio of
// an SPBRG value, the window of three candidates around an estimate and the choice among them.
// Does not read any window, does not format anything and asks no question: the callers decide
// what an error above ErrorLimit or a value above SpbrgMax means for the user.
//
// Every function either returns its result or throws ArithmeticFault. 32-bit overflow is
// detected before the operation, never executed.
#pragma once

#include <array>
#include <cstdint>
#include <exception>

namespace brg {

// Division by zero, zero divided by zero, a 32-bit overflow or a result that is not finite.
class ArithmeticFault : public std::exception {
 public:
  const char* what() const noexcept override { return "baud-rate arithmetic fault"; }
};

// Largest error ratio (10 %) that an automatic run accepts; exactly 10 % passes.
inline constexpr double ErrorLimit = 0.1;
// Largest value the 8-bit SPBRG register holds.
inline constexpr std::int32_t SpbrgMax = 255;

// A closed range of accepted entries.
struct EntryRange {
  double low;
  double high;
  constexpr bool Contains(double value) const { return value >= low && value <= high; }
};
// What the window accepts: the oscillator in MHz and the wanted baud rate.
inline constexpr EntryRange WindowOscMHz{1, 48};
inline constexpr EntryRange WindowBaud{300, 250000};

struct CandidateResult {
  std::int32_t spbrg = 0;
  double actualBaud = 0.0;
  double errorRatio = 0.0;

  friend bool operator==(const CandidateResult&, const CandidateResult&) = default;
};

using CandidateValues = std::array<std::int32_t, 3>;
using CandidateResults = std::array<CandidateResult, 3>;

// round-half-even(oscMHz * 1000000 / (wantedBaud * divisor) - 1), divisor 16 with BRGH set,
// 64 without.
std::int32_t EstimateSpbrg(double oscMHz, double wantedBaud, bool brgh);

// Lower, middle, upper around n; the lower stays n for n < 1.
CandidateValues CandidateWindow(std::int32_t n);

// oscMHz * 1000000 / (divisor * (spbrg + 1)), the divisor multiplying the integer.
double CandidateBaud(double oscMHz, std::int32_t spbrg, bool brgh);

// (actual - wanted) / wanted; positive when the real rate is above the wanted one.
double BaudErrorRatio(double actualBaud, double wantedBaud);

// CandidateWindow, then the rate and error of candidate 1, 2, 3 in that order.
CandidateResults EvaluateWindow(std::int32_t n, double oscMHz, double wantedBaud, bool brgh);

// 1, 2 or 3: the candidate with the smallest absolute error; ties go to the middle, then to the
// lower.
int ChooseCandidate(double e1, double e2, double e3);

// Round half to even, as the conversion of a double to a 32-bit integer does; fault outside the
// 32-bit range or for a value that is not finite.
std::int32_t RoundHalfEvenToInt32(double x);

}  // namespace brg
