// What the engine answers for one wanted rate: a setting for each mode asked, in the order
// asked, whether each passes the budget, and which one is the best and why. The window's
// Calculate and the exact modes answer in this one form, so that every front end prints one
// kind of result.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/brg_modes.h"
#include "engine/answers/wanted_rate.h"
#include "engine/answers/window_calculation.h"

namespace brg::engine {

struct SettingAnswer {
  ModeSetting setting;
  // The window's verdict when the setting is what its Calculate arrives at; with Fault the
  // setting holds no value.
  std::optional<Verdict> window;
  bool passes = false;  // within reach and within the budget

  bool HasValue() const { return window != Verdict::Fault; }
};

struct RateAnswer {
  WantedRate wanted;
  std::vector<SettingAnswer> settings;
  // The best setting: for the exact modes the best asynchronous one that passes, for the
  // window's Calculate the better of its modes. None when no setting qualifies.
  std::optional<std::size_t> best;
  // The exact modes without a passing setting: the nearest one, and the best setting of a mode
  // that was not asked that passes.
  std::optional<std::size_t> nearest;
  std::optional<ModeSetting> passingElsewhere;
  std::string reason;  // why the best is the best, or why there is none (the exact modes only)

  bool IsBest(std::size_t index) const { return best == index; }
  const SettingAnswer* Best() const { return best ? &settings[*best] : nullptr; }
  // The best, or else the nearest: the setting that code is made for.
  const SettingAnswer* Chosen() const {
    return best ? &settings[*best] : nearest ? &settings[*nearest] : nullptr;
  }
};

}  // namespace brg::engine
