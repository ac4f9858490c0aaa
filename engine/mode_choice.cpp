#include "engine/mode_choice.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/errors.h"

namespace brg::engine {
namespace {

bool Qualifies(const ModeSetting& setting) {
  return !InfoOf(setting.mode).sync && setting.reach == Reach::Within;
}

std::string Name(const ModeSetting& setting) {
  return std::string(InfoOf(setting.mode).name);
}

// The best asynchronous setting within reach, and why.
void ChooseBest(RateAnswer& answer) {
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    const ModeSetting& setting = answer.settings[i].setting;
    if (Qualifies(setting) &&
        (!answer.best || Better(setting, answer.settings[*answer.best].setting))) {
      answer.best = i;
    }
  }
  if (!answer.best) {
    answer.reason = "no asynchronous mode reaches this rate";
    return;
  }
  const ModeSetting& best = answer.settings[*answer.best].setting;
  std::string sharing;
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    const ModeSetting& other = answer.settings[i].setting;
    if (i != *answer.best && Qualifies(other) &&
        std::fabs(other.errorRatio) == std::fabs(best.errorRatio)) {
      sharing += (sharing.empty() ? "" : ", ") + Name(other);
    }
  }
  answer.reason = sharing.empty()
                      ? "the lowest error"
                      : "the lowest error, shared with " + sharing +
                            " (on a tie 8-bit before 16-bit, then BRGH set before clear)";
}

}  // namespace

RateAnswer CalculateModes(double oscMHz, const WantedRate& wanted,
                          const std::vector<BrgMode>& modes, std::optional<std::int32_t> n) {
  RateAnswer answer;
  answer.wanted = wanted;
  for (BrgMode mode : modes) {
    SettingAnswer setting;
    setting.setting =
        n ? EvaluateMode(oscMHz, wanted.baud, mode, *n) : BestInMode(oscMHz, wanted.baud, mode);
    answer.settings.push_back(setting);
  }
  ChooseBest(answer);
  return answer;
}

std::vector<BrgMode> ChosenModes(const PartProfile& part, const SerialPort& port,
                                 const std::vector<BrgMode>& asked, bool allAsynchronous) {
  std::vector<BrgMode> modes;
  for (BrgMode mode : asked) {
    if (!port.Offers(mode)) {
      throw PartError("the part " + part.part + " " + port.WhyNot(mode) + ": mode " +
                      std::string(InfoOf(mode).name) + " is not available");
    }
    modes.push_back(mode);
  }
  if (allAsynchronous) {
    for (BrgMode mode : port.Modes()) {
      if (!InfoOf(mode).sync && std::find(modes.begin(), modes.end(), mode) == modes.end()) {
        modes.push_back(mode);
      }
    }
  }
  return modes;
}

}  // namespace brg::engine
