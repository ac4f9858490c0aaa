#include "core/brg_modes.h"

#include <cmath>

namespace brg {
namespace {

constexpr std::array<ModeInfo, 7> kModes{{
    {"8/64", false, false, false, 64, 0, 255, 1},
    {"8/16", false, false, true, 16, 0, 255, 1},
    {"16/16", false, true, false, 16, 0, 65535, 1},
    {"16/4", false, true, true, 4, 0, 65535, 1},
    {"sync8", true, false, false, 4, 0, 255, 1},
    {"sync16", true, true, false, 4, 0, 65535, 1},
    // The fractional generator divides by n itself, from 16 (one clock per sample) to 20 bits.
    {"frac", false, true, false, 1, 16, 1048575, 0},
}};

// The order of preference between settings with the same error.
int TieRank(BrgMode mode) {
  if (mode == BrgMode::Fractional) {
    return 4;
  }
  const ModeInfo& info = InfoOf(mode);
  return (info.brg16 ? 2 : 0) + (info.brgh ? 0 : 1);
}

}  // namespace

const ModeInfo& InfoOf(BrgMode mode) {
  return kModes[static_cast<std::size_t>(mode)];
}

BrgRange DefaultRange(BrgMode mode) {
  return BrgRange{InfoOf(mode).nMin, InfoOf(mode).nMax};
}

std::optional<BrgMode> ModeByName(std::string_view name) {
  for (BrgMode mode : kEveryMode) {
    if (InfoOf(mode).name == name) {
      return mode;
    }
  }
  return std::nullopt;
}

ModeSetting EvaluateMode(double clockMHz, double wantedBaud, BrgMode mode, std::int32_t n) {
  const ModeInfo& info = InfoOf(mode);
  ModeSetting setting;
  setting.mode = mode;
  setting.n = n;
  setting.actualBaud = clockMHz * 1000000.0 /
                       (static_cast<double>(info.divisor) * (static_cast<double>(n) + info.offset));
  setting.errorRatio = (setting.actualBaud - wantedBaud) / wantedBaud;
  return setting;
}

ModeSetting BestInMode(double clockMHz, double wantedBaud, BrgMode mode, BrgRange range) {
  const ModeInfo& info = InfoOf(mode);
  // The real n that gives the wanted rate exactly; the error falls as n grows, so the best
  // whole n is its floor or its ceiling, held within the register.
  double exact = clockMHz * 1000000.0 / (info.divisor * wantedBaud) - info.offset;
  auto within = [&](double n) {
    return static_cast<std::int32_t>(std::fmin(std::fmax(n, range.low), range.high));
  };
  ModeSetting low = EvaluateMode(clockMHz, wantedBaud, mode, within(std::floor(exact)));
  ModeSetting high = EvaluateMode(clockMHz, wantedBaud, mode, within(std::ceil(exact)));
  ModeSetting best = std::fabs(high.errorRatio) < std::fabs(low.errorRatio) ? high : low;
  if (exact < range.low - 0.5) {
    best.reach = Reach::TooFast;
  } else if (exact > range.high + 0.5) {
    best.reach = Reach::TooSlow;
  }
  return best;
}

ModeSetting BestInMode(double clockMHz, double wantedBaud, BrgMode mode) {
  return BestInMode(clockMHz, wantedBaud, mode, DefaultRange(mode));
}

bool Better(const ModeSetting& candidate, const ModeSetting& incumbent) {
  bool candidateWithin = candidate.reach == Reach::Within;
  if (candidateWithin != (incumbent.reach == Reach::Within)) {
    return candidateWithin;
  }
  double a = std::fabs(candidate.errorRatio);
  double b = std::fabs(incumbent.errorRatio);
  if (a != b) {
    return a < b;
  }
  return TieRank(candidate.mode) < TieRank(incumbent.mode);
}

}  // namespace brg
