#include "engine/answers/window_calculation.h"

#include <cmath>

#include "engine/answers/budget.h"
#include "engine/answers/rate_answer.h"

namespace brg::engine {

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

ModeSetting AsModeSetting(const Setting& setting) {
  ModeSetting mode;
  mode.mode = setting.brgh ? BrgMode::Async8Div16 : BrgMode::Async8Div64;
  mode.n = setting.shown.spbrg;
  mode.actualBaud = setting.shown.actualBaud;
  mode.errorRatio = setting.shown.errorRatio;
  return mode;
}

RateAnswer CalculateWindowRate(double oscMHz, const WantedRate& wanted,
                               const std::vector<bool>& brghModes, const Budget& budget) {
  std::vector<Setting> settings;
  for (bool brgh : brghModes) {
    settings.push_back(CalculateSetting(oscMHz, wanted.baud, brgh));
  }
  std::size_t better = 0;
  for (std::size_t i = 1; i < settings.size(); ++i) {
    if (&BetterSetting(settings[better], settings[i]) == &settings[i]) {
      better = i;
    }
  }
  RateAnswer answer;
  answer.wanted = wanted;
  for (const Setting& setting : settings) {
    ModeSetting mode = AsModeSetting(setting);
    bool passes = setting.verdict != Verdict::Fault && Passes(mode, budget);
    answer.settings.push_back(SettingAnswer{mode, setting.verdict, passes});
  }
  if (!settings.empty() && settings[better].verdict != Verdict::Fault) {
    answer.best = better;
  }
  return answer;
}

}  // namespace brg::engine
