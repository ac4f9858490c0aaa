#include "engine/answers/mode_choice.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/errors.h"

namespace brg::engine {
namespace {

bool Asynchronous(const ModeSetting& setting) {
  return !InfoOf(setting.mode).sync;
}

std::string Name(const ModeSetting& setting) {
  return std::string(InfoOf(setting.mode).name);
}

// The best asynchronous setting of those `admitted`, by Better().
template <typename Admitted>
std::optional<std::size_t> BestOf(const RateAnswer& answer, Admitted admitted) {
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    const SettingAnswer& setting = answer.settings[i];
    if (Asynchronous(setting.setting) && admitted(setting) &&
        (!best || Better(setting.setting, answer.settings[*best].setting))) {
      best = i;
    }
  }
  return best;
}

// The best asynchronous setting that passes and why; else the nearest.
void ChooseBest(RateAnswer& answer) {
  answer.best = BestOf(answer, [](const SettingAnswer& setting) { return setting.passes; });
  if (!answer.best) {
    answer.nearest = BestOf(answer, [](const SettingAnswer&) { return true; });
    answer.reason = answer.nearest ? "none within the budget" : "no asynchronous mode asked";
    return;
  }
  const ModeSetting& chosen = answer.settings[*answer.best].setting;
  std::string sharing;
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    const SettingAnswer& other = answer.settings[i];
    if (i != *answer.best && Asynchronous(other.setting) && other.passes &&
        std::fabs(other.setting.errorRatio) == std::fabs(chosen.errorRatio)) {
      sharing += (sharing.empty() ? "" : ", ") + Name(other.setting);
    }
  }
  answer.reason = sharing.empty()
                      ? "the lowest error"
                      : "the lowest error, shared with " + sharing +
                            " (on a tie 8-bit before 16-bit, then BRGH set before clear)";
}

}  // namespace

RateAnswer CalculateModes(const SerialPort& port, double clockMHz, const WantedRate& wanted,
                          const std::vector<BrgMode>& modes, std::optional<std::int32_t> n,
                          const Budget& budget) {
  RateAnswer answer;
  answer.wanted = wanted;
  for (BrgMode mode : modes) {
    SettingAnswer setting;
    setting.setting =
        n ? EvaluateMode(clockMHz, wanted.baud, mode, *n) : port.Best(clockMHz, wanted.baud, mode);
    setting.passes = Passes(setting.setting, budget);
    answer.settings.push_back(setting);
  }
  ChooseBest(answer);
  return answer;
}

void LookElsewhere(RateAnswer& answer, const SerialPort& port, double clockMHz,
                   const std::vector<BrgMode>& others, const Budget& budget) {
  if (answer.best) {
    return;
  }
  for (BrgMode mode : others) {
    ModeSetting setting = port.Best(clockMHz, answer.wanted.baud, mode);
    if (Passes(setting, budget) &&
        (!answer.passingElsewhere || Better(setting, *answer.passingElsewhere))) {
      answer.passingElsewhere = setting;
    }
  }
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
    for (BrgMode mode : OtherAsynchronousModes(port, modes)) {
      modes.push_back(mode);
    }
  }
  return modes;
}

std::vector<BrgMode> DefaultModes(const PartProfile& part, const SerialPort& port) {
  return part.part.empty() ? kEightBitModes : OtherAsynchronousModes(port, {});
}

std::vector<BrgMode> OtherAsynchronousModes(const SerialPort& port,
                                            const std::vector<BrgMode>& asked) {
  std::vector<BrgMode> others;
  for (BrgMode mode : port.Modes()) {
    if (!InfoOf(mode).sync && std::find(asked.begin(), asked.end(), mode) == asked.end()) {
      others.push_back(mode);
    }
  }
  return others;
}

}  // namespace brg::engine
