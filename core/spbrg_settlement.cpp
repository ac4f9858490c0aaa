#include "core/spbrg_settlement.h"

#include <cmath>

namespace brg {

Settlement SettleSpbrg(std::int32_t n, double oscMHz, double wantedBaud, bool brgh, bool manual) {
  CandidateResults window = EvaluateWindow(n, oscMHz, wantedBaud, brgh);
  int number =
      manual ? 2
             : ChooseCandidate(window[0].errorRatio, window[1].errorRatio, window[2].errorRatio);
  Settlement settlement;
  settlement.taken = window[static_cast<std::size_t>(number - 1)];
  settlement.beyondLimit = !manual && std::fabs(settlement.taken.errorRatio) > ErrorLimit;
  if (settlement.taken.spbrg > SpbrgMax) {
    double actual = CandidateBaud(oscMHz, SpbrgMax, brgh);
    settlement.clamped = CandidateResult{SpbrgMax, actual, BaudErrorRatio(actual, wantedBaud)};
    settlement.clampBeyondLimit = settlement.clamped->errorRatio > ErrorLimit;
  }
  return settlement;
}

}  // namespace brg
