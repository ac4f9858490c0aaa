// What the engine answers for one wanted rate: a setting for each mode asked, in the order
// asked, and which one is the best and why. The window's Calculate and the exact modes answer
// in this one form, so that every front end prints one kind of result.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/brg_modes.h"
#include "engine/wanted_rate.h"
#include "engine/window_calculation.h"

namespace brg::engine {

struct SettingAnswer {
  ModeSetting setting;
  // The window's verdict when the setting is what its Calculate arrives at; with Fault the
  // setting holds no value.
  std::optional<Verdict> window;

  bool HasValue() const { return window != Verdict::Fault; }
};

struct RateAnswer {
  WantedRate wanted;
  std::vector<SettingAnswer> settings;
  std::optional<std::size_t> best;  // none when no setting qualifies
  std::string reason;               // why the best is the best (the exact modes only)

  bool IsBest(std::size_t index) const { return best == index; }
  const SettingAnswer* Best() const { return best ? &settings[*best] : nullptr; }
};

}  // namespace brg::engine
