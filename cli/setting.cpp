#include "cli/setting.h"

#include <cmath>

namespace brg::cli {

Setting CalculateSetting(double oscMHz, double wantedBaud, bool brgh) {
  Setting setting;
  setting.brgh = brgh;
  try {
    std::int32_t estimate = EstimateSpbrg(oscMHz, wantedBaud, brgh);
    CandidateResults window = EvaluateWindow(estimate, oscMHz, wantedBaud, brgh);
    int chosen = ChooseCandidate(window[0].errorRatio, window[1].errorRatio, window[2].errorRatio);
    setting.shown = window[static_cast<std::size_t>(chosen - 1)];
    setting.verdict =
        std::fabs(setting.shown.errorRatio) > ErrorLimit ? Verdict::InvalidSetting : Verdict::Fine;
    if (setting.shown.spbrg > SpbrgMax) {
      double rate = CandidateBaud(oscMHz, SpbrgMax, brgh);
      setting.shown = CandidateResult{SpbrgMax, rate, BaudErrorRatio(rate, wantedBaud)};
      setting.verdict =
          setting.shown.errorRatio > ErrorLimit ? Verdict::ClampOverflow : Verdict::Clamped;
    }
  } catch (const ArithmeticFault&) {
    setting.verdict = Verdict::Fault;
  }
  return setting;
}

const Setting& BetterSetting(const Setting& high, const Setting& low) {
  if (low.verdict == Verdict::Fault) {
    return high;
  }
  if (high.verdict == Verdict::Fault) {
    return low;
  }
  return std::fabs(low.shown.errorRatio) < std::fabs(high.shown.errorRatio) ? low : high;
}

const VerdictNames& NamesOf(Verdict verdict) {
  // In the order of the enumerators.
  static constexpr VerdictNames kNames[] = {
      {"fine", "ok", "fine"},
      {"invalid setting: error above 10%", ">10%", "invalid_setting"},
      {"clamped at 255", "255", "clamped"},
      {"clamped at 255, SPBRG overflow: error above 10%", "255>10%", "clamp_overflow"},
      {"no setting: cannot be calculated", "none", "fault"},
  };
  return kNames[static_cast<int>(verdict)];
}

}  // namespace brg::cli
