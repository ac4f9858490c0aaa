// The clocks worth trying for a part in a clock search: what its family can run, up to its
// highest oscillator frequency, or the shipped list where the engine has no limits for it (no
// part named, or a part without a row in the family table); and the own tolerance counted for
// an internal oscillator.
#pragma once

#include <vector>

#include "engine/answers/clock_search.h"
#include "engine/parts/part_profile.h"

namespace brg::engine {

// An internal oscillator's own error, as the datasheets give it for the factory calibration
// over the usual temperatures: counted against the budget of every rate it clocks.
inline constexpr double kInternalTolerancePercent = 2;

std::vector<Clock> ClocksToTry(const PartProfile& part);

}  // namespace brg::engine
