// The error budget of a serial link and the window's own limit: when a setting passes, and when
// the window would question it. One home for the default budget.
#pragma once

#include <optional>
#include <string>

#include "core/brg_modes.h"
#include "engine/answers/rate_answer.h"

namespace brg::engine {

// The usual UART budget in percent: an 8N1 link sampled 16 times a bit tolerates about 4.6 %
// in all, about 2 % for each end.
inline constexpr double kDefaultMaxErrorPercent = 2;

struct Budget {
  double maxErrorPercent = kDefaultMaxErrorPercent;
  double oscTolerancePercent = 0;  // the oscillator's own error, added to the setting's
};

// |error| in percent is above the budget.
bool AboveBudget(double errorRatio, double maxErrorPercent);

// A setting passes when |error| plus the oscillator's tolerance is within the budget; a value
// held at its register's end passes too when its error does.
bool Passes(const ModeSetting& setting, const Budget& budget);

// How far within the budget a setting lies: comfortably (|error| plus the tolerance within half
// the budget), just, or not at all.
enum class Margin { Comfortable, Passes, Fails };
Margin MarginOf(const ModeSetting& setting, const Budget& budget);

// Why the window would ask the user whether to keep the setting, or "" when it would not: the
// window's own question for what its Calculate arrives at, an error above 10 % otherwise.
std::string WindowQuestion(const SettingAnswer& answer);

}  // namespace brg::engine
