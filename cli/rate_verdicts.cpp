// The verdict of a setting in either layout: the window's own, or the budget and the reach of
// an exact mode; and the words for a setting and for numbers in the report's separators.
#include "cli/rate_report.h"

namespace brg::cli {

using engine::SettingAnswer;

std::string VerdictText(const SettingAnswer& answer, const Separators& separators) {
  (void)separators;
  if (answer.window) {
    return engine::NamesOf(*answer.window).text;
  }
  const ModeSetting& setting = answer.setting;
  bool clock = InfoOf(setting.mode).sync;  // a master clock has no budget to pass
  std::string text = clock ? "master clock" : answer.passes ? "passes" : "fails";
  switch (setting.reach) {
    case Reach::TooFast:
      text += clock ? ", too fast even at n = 0" : ": too fast even at n = 0";
      break;
    case Reach::TooSlow:
      text += std::string(answer.passes || clock ? ", " : ": too slow, ") + "clamped at " +
              std::to_string(InfoOf(setting.mode).nMax);
      break;
    case Reach::Within:
      break;
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
  switch (answer.setting.reach) {
    case Reach::TooFast:
      return "too_fast";
    case Reach::TooSlow:
      return "too_slow";
    case Reach::Within:
      break;
  }
  return answer.passes ? "within_budget" : "above_budget";
}

std::string SettingWords(const ModeSetting& setting, const Separators& separators) {
  return std::string(InfoOf(setting.mode).name) + " n = " + std::to_string(setting.n) + " at " +
         FormatErrorPercent(setting.errorRatio, separators) +
         (setting.troubleSpot() ? " (n = 0 in 16/4 fails on some parts)" : "");
}

std::string InSeparators(const std::string& plain, const Separators& separators) {
  std::size_t point = plain.find('.');
  std::string whole = plain.substr(0, point);
  std::string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) {
      grouped += separators.group;
    }
    grouped += whole[i];
  }
  return point == std::string::npos ? grouped
                                    : grouped + separators.decimal + plain.substr(point + 1);
}

}  // namespace brg::cli

namespace brg::cli {

std::string ReportContext::Shown(const std::string& plain) const {
  return localeNumbers ? InSeparators(plain, separators) : plain;
}

std::string ReportContext::Reaching(BrgMode mode) const {
  if (!part.empty()) {
    return "in another mode of the " + part;
  }
  return InfoOf(mode).brg16 ? "with --enhanced" : "with --mode " + std::string(InfoOf(mode).name);
}

}  // namespace brg::cli
