// What a calculation run arrives at for one SPBRG value: the candidate it takes, whether the
// user must be asked about its error, and the clamp to the top of the register. The window's
// Calculate, "+" and "-" and spbrg all settle through here.
//
// Pure arithmetic: asks nothing and shows nothing; the window decides the order of its writes,
// questions and focus moves on top of it. Throws ArithmeticFault as the arithmetic does.
#pragma once

#include <cstdint>
#include <optional>

#include "core/brg_arithmetic.h"

namespace brg {

struct Settlement {
  CandidateResult taken;  // the candidate shown first
  // Automatic mode only: |error| of `taken` is above ErrorLimit (the invalid-setting question).
  bool beyondLimit = false;
  // `taken` lies above SpbrgMax: the rate and error at SpbrgMax, which replace it.
  std::optional<CandidateResult> clamped;
  // The error at SpbrgMax, with its sign, is above ErrorLimit (the overflow question).
  bool clampBeyondLimit = false;

  // What is left on show when every question is answered Yes.
  const CandidateResult& shown() const { return clamped ? *clamped : taken; }
};

// n is the centre of the candidate window: the estimate in automatic mode, the stepped value
// in manual mode, where n itself is taken and the 10 % limit does not apply.
Settlement SettleSpbrg(std::int32_t n, double oscMHz, double wantedBaud, bool brgh, bool manual);

}  // namespace brg
