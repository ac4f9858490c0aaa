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

const char* VerdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Fine:
      return "fine";
    case Verdict::InvalidSetting:
      return "invalid setting: error above 10%";
    case Verdict::Clamped:
      return "clamped at 255";
    case Verdict::ClampOverflow:
      return "clamped at 255, SPBRG overflow: error above 10%";
    case Verdict::Fault:
      return "no setting: cannot be calculated";
  }
  return "";
}

}  // namespace brg::cli
