// The verdict of a setting in either layout: the window's own, or the reach and the 10 % limit
// of an exact mode.
#include <cmath>

#include "cli/rate_report.h"

namespace brg::cli {

using engine::SettingAnswer;

std::string VerdictText(const SettingAnswer& answer, const Separators& separators) {
  if (answer.window) {
    return engine::NamesOf(*answer.window).text;
  }
  const ModeSetting& setting = answer.setting;
  std::string text;
  switch (setting.reach) {
    case Reach::TooFast:
      text = "unreachable: too fast";
      break;
    case Reach::TooSlow:
      text = "unreachable: too slow, clamped at " + std::to_string(InfoOf(setting.mode).nMax);
      break;
    case Reach::Within:
      text = std::fabs(setting.errorRatio) > ErrorLimit ? "error above 10%" : "within 10%";
      break;
  }
  if (setting.reach != Reach::Within) {
    text += " (nearest " + FormatBaudRate(setting.actualBaud, separators) + ")";
  }
  if (setting.troubleSpot()) {
    text += "; n = 0 in 16/4 fails on some parts";
  }
  return text;
}

std::string VerdictKey(const SettingAnswer& answer) {
  if (answer.window) {
    return engine::NamesOf(*answer.window).key;
  }
  const ModeSetting& setting = answer.setting;
  switch (setting.reach) {
    case Reach::TooFast:
      return "too_fast";
    case Reach::TooSlow:
      return "too_slow";
    case Reach::Within:
      break;
  }
  return std::fabs(setting.errorRatio) > ErrorLimit ? "above_10_percent" : "within_10_percent";
}

}  // namespace brg::cli
