#include "core/brg_modes.h"

#include <cmath>

namespace brg {
namespace {

constexpr std::array<ModeInfo, 6> kModes{{
    {"8/64", false, false, false, 64, 255},
    {"8/16", false, false, true, 16, 255},
    {"16/16", false, true, false, 16, 65535},
    {"16/4", false, true, true, 4, 65535},
    {"sync8", true, false, false, 4, 255},
    {"sync16", true, true, false, 4, 65535},
}};

// The order of preference between settings with the same error.
int TieRank(BrgMode mode) {
  const ModeInfo& info = InfoOf(mode);
  return (info.brg16 ? 2 : 0) + (info.brgh ? 0 : 1);
}

}  // namespace

const ModeInfo& InfoOf(BrgMode mode) {
  return kModes[static_cast<std::size_t>(mode)];
}

std::optional<BrgMode> ModeByName(std::string_view name) {
  for (BrgMode mode : kAllModes) {
    if (InfoOf(mode).name == name) {
      return mode;
    }
  }
  return std::nullopt;
}

ModeSetting EvaluateMode(double oscMHz, double wantedBaud, BrgMode mode, std::int32_t n) {
  ModeSetting setting;
  setting.mode = mode;
  setting.n = n;
  setting.actualBaud = oscMHz * 1000000.0 /
                       (static_cast<double>(InfoOf(mode).divisor) * (static_cast<double>(n) + 1));
  setting.errorRatio = (setting.actualBaud - wantedBaud) / wantedBaud;
  return setting;
}

ModeSetting BestInMode(double oscMHz, double wantedBaud, BrgMode mode) {
  const ModeInfo& info = InfoOf(mode);
  // The real n that gives the wanted rate exactly; the error falls as n grows, so the best
  // whole n is its floor or its ceiling, held within the register.
  double exact = oscMHz * 1000000.0 / (info.divisor * wantedBaud) - 1;
  auto within = [&](double n) {
    return static_cast<std::int32_t>(std::fmin(std::fmax(n, 0.0), info.nMax));
  };
  ModeSetting low = EvaluateMode(oscMHz, wantedBaud, mode, within(std::floor(exact)));
  ModeSetting high = EvaluateMode(oscMHz, wantedBaud, mode, within(std::ceil(exact)));
  ModeSetting best = std::fabs(high.errorRatio) < std::fabs(low.errorRatio) ? high : low;
  if (exact < -0.5) {
    best.reach = Reach::TooFast;
  } else if (exact > info.nMax + 0.5) {
    best.reach = Reach::TooSlow;
  }
  return best;
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
