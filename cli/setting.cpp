#include "cli/setting.h"

#include <cmath>

namespace brg::cli {

Setting CalculateSetting(double oscMHz, double wantedBaud, bool brgh) {
  Setting setting;
  setting.brgh = brgh;
  try {
    std::int32_t estimate = EstimateSpbrg(oscMHz, wantedBaud, brgh);
    Settlement settled = SettleSpbrg(estimate, oscMHz, wantedBaud, brgh, false);
    setting.shown = settled.shown();
    if (settled.clamped) {
      setting.verdict = settled.clampBeyondLimit ? Verdict::ClampOverflow : Verdict::Clamped;
    } else {
      setting.verdict = settled.beyondLimit ? Verdict::InvalidSetting : Verdict::Fine;
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
      {"within 10%", "<=10%", "fine"},
      {"invalid setting: error above 10%", ">10%", "invalid_setting"},
      {"clamped at 255", "255", "clamped"},
      {"clamped at 255, SPBRG overflow: error above 10%", "255>10%", "clamp_overflow"},
      {"no setting: cannot be calculated", "none", "fault"},
  };
  return kNames[static_cast<int>(verdict)];
}

}  // namespace brg::cli
