#include "engine/answers/budget.h"

#include <cmath>

#include "core/brg_arithmetic.h"

namespace brg::engine {

bool AboveBudget(double errorRatio, double maxErrorPercent) {
  return std::fabs(errorRatio * 100.0) > maxErrorPercent;
}

bool Passes(const ModeSetting& setting, const Budget& budget) {
  return std::fabs(setting.errorRatio * 100.0) + budget.oscTolerancePercent <=
         budget.maxErrorPercent;
}

Margin MarginOf(const ModeSetting& setting, const Budget& budget) {
  if (!Passes(setting, budget)) {
    return Margin::Fails;
  }
  return Passes(setting, Budget{budget.maxErrorPercent / 2, budget.oscTolerancePercent})
             ? Margin::Comfortable
             : Margin::Passes;
}

std::string WindowQuestion(const SettingAnswer& answer) {
  if (answer.window) {
    return WindowAsks(*answer.window) ? NamesOf(*answer.window).text : "";
  }
  return std::fabs(answer.setting.errorRatio) > ErrorLimit ? "error above 10%" : "";
}

}  // namespace brg::engine
