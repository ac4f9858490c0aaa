// What a Calculate in the window arrives at for one oscillator, baud rate and BRGH mode: the
// SPBRG value left on show, its real rate and error, and the window's verdict. Pure arithmetic
// on top of core/; no window is involved, and nothing is printed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/brg_arithmetic.h"
#include "core/brg_modes.h"
#include "core/spbrg_settlement.h"

namespace brg::engine {

struct Budget;
struct RateAnswer;
struct WantedRate;

enum class Verdict {
  Fine,            // within 10 %, the window asks nothing
  InvalidSetting,  // the window asks "Invalid setting": error above 10 %
  Clamped,         // above 255, kept at 255 within 10 %
  ClampOverflow,   // above 255, and 255 is more than 10 % off: the window asks about it
  Fault,           // no value can be calculated
};

struct Setting {
  bool brgh = true;
  Verdict verdict = Verdict::Fault;
  CandidateResult shown;  // the value left on show; meaningless for Fault
};

Setting CalculateSetting(double oscMHz, double wantedBaud, bool brgh);

// The better of two settings: a setting that exists, then the smaller absolute error, then BRGH
// set.
const Setting& BetterSetting(const Setting& high, const Setting& low);

// How a verdict is named: in the plain report, in the table column, and as a JSON key.
struct VerdictNames {
  const char* text;
  const char* column;
  const char* key;
};

const VerdictNames& NamesOf(Verdict verdict);

// The window would ask the user whether to keep this setting.
constexpr bool WindowAsks(Verdict verdict) {
  return verdict == Verdict::InvalidSetting || verdict == Verdict::ClampOverflow;
}

// The window's setting in BRGH mode `brgh` as a mode of the generator: 8/16 or 8/64.
ModeSetting AsModeSetting(const Setting& setting);

// The window's Calculate in each BRGH mode asked (true: set), in that order; the best is the
// better one that has a value, whether it passes the budget or not.
RateAnswer CalculateWindowRate(double oscMHz, const WantedRate& wanted,
                               const std::vector<bool>& brghModes, const Budget& budget);

}  // namespace brg::engine
