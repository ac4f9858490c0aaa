#include "engine/answers/clock_search.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"
#include "engine/answers/budget.h"
#include "engine/errors.h"

namespace brg::engine {
namespace {

constexpr double kCrystals[] = {1,      1.8432,   2,       2.4576,  3.2768, 3.579545, 3.6864,  4,
                                4.096,  4.194304, 4.9152,  5,       6,      6.144,    7.3728,  8,
                                9.8304, 10,       11.0592, 12,      12.288, 14.31818, 14.7456, 16,
                                18.432, 19.6608,  20,      22.1184, 24,     25,       32,      40};
constexpr double kInternal[] = {0.031, 0.25, 0.5, 1, 2, 4, 8, 16, 48};
constexpr double kPllFactor = 4;
constexpr double kHighestClock = 64;

RateOnClock SettleRate(const Clock& clock, const WantedRate& wanted, const SerialPort& port,
                       const std::vector<BrgMode>& modes, const Budget& budget) {
  RateOnClock rate;
  rate.wanted = wanted;
  bool first = true;
  for (BrgMode mode : modes) {
    ModeSetting setting = port.Best(clock.mhz / port.Clock().divisor, wanted.baud, mode);
    if (first || Better(setting, rate.best)) {
      rate.best = setting;
      first = false;
    }
  }
  rate.budget = std::fabs(rate.best.errorRatio) * 100 + budget.oscTolerancePercent;
  rate.fails = !Passes(rate.best, budget);
  return rate;
}

std::string Factor(double factor) {
  return " x" + DecimalText(factor) + " PLL";
}

// A system clock of a PLL with fixed outputs.
std::string PllOutputName(double output, const std::string& from) {
  return "PLL " + DecimalText(output) + " (" + from + ")";
}

}  // namespace

std::vector<Clock> ClocksOfPart(const ClockLimits& limits) {
  std::vector<Clock> clocks;
  for (double mhz : kCrystals) {
    if (mhz > limits.maxCrystalMHz) {
      continue;
    }
    clocks.push_back(Clock{mhz, ClockKind::Crystal, DecimalText(mhz)});
    bool pllInput = mhz >= limits.pllMinInMHz && mhz <= limits.pllMaxInMHz;
    for (double factor : limits.pllFactors) {
      if (pllInput && mhz * factor <= limits.maxOscMHz) {
        clocks.push_back(
            Clock{mhz * factor, ClockKind::CrystalPll, DecimalText(mhz) + Factor(factor)});
      }
    }
  }
  for (double output : limits.pllOutputs) {
    clocks.push_back(Clock{output,
                           limits.pllOutputsInternal ? ClockKind::Internal : ClockKind::CrystalPll,
                           PllOutputName(output, limits.pllOutputsFrom)});
  }
  for (double mhz : limits.internal) {
    clocks.push_back(Clock{mhz, ClockKind::Internal, "internal " + DecimalText(mhz)});
  }
  for (double mhz : limits.internalPll) {
    for (double factor : limits.pllFactors) {
      if (mhz * factor <= limits.maxOscMHz) {
        clocks.push_back(Clock{mhz * factor, ClockKind::Internal,
                               "internal " + DecimalText(mhz) + Factor(factor)});
      }
    }
  }
  return clocks;
}

std::vector<Clock> ClocksWithin(const std::vector<Clock>& clocks, double lowMHz, double highMHz) {
  std::vector<Clock> within;
  for (const Clock& clock : clocks) {
    if (clock.mhz >= lowMHz && clock.mhz <= highMHz) {
      within.push_back(clock);
    }
  }
  return within;
}

std::vector<Clock> ShippedClocks() {
  std::vector<Clock> clocks;
  for (double mhz : kCrystals) {
    clocks.push_back(Clock{mhz, ClockKind::Crystal, DecimalText(mhz)});
    if (mhz * kPllFactor <= kHighestClock) {
      clocks.push_back(
          Clock{mhz * kPllFactor, ClockKind::CrystalPll, DecimalText(mhz) + " x4 PLL"});
    }
  }
  for (double mhz : kInternal) {
    clocks.push_back(Clock{mhz, ClockKind::Internal, "internal " + DecimalText(mhz)});
  }
  clocks.push_back(Clock{16 * kPllFactor, ClockKind::Internal, "internal 16 x4 PLL"});
  return clocks;
}

std::vector<Clock> ReadClockList(std::istream& in, const std::string& name) {
  std::vector<Clock> clocks;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string text(Trim(std::string_view(line).substr(0, line.find('#'))));
    if (text.empty()) {
      continue;
    }
    std::optional<double> mhz = PlainDecimal(text);
    if (!mhz || !kOscillatorMHz.Contains(*mhz)) {
      throw InputError(name + ":" + std::to_string(number) + ": " + Quoted(text) +
                       " is not a clock in MHz from " + DecimalText(kOscillatorMHz.low) + " to " +
                       DecimalText(kOscillatorMHz.high));
    }
    clocks.push_back(Clock{*mhz, ClockKind::Crystal, text});
  }
  if (clocks.empty()) {
    throw InputError(name + " names no clock");
  }
  return clocks;
}

std::vector<ClockResult> SearchClocks(const std::vector<Clock>& clocks,
                                      const std::vector<WantedRate>& rates, const SerialPort& port,
                                      const std::vector<BrgMode>& modes, double maxErrorPercent,
                                      double internalTolerancePercent) {
  std::vector<ClockResult> results;
  for (const Clock& clock : clocks) {
    ClockResult result;
    result.clock = clock;
    result.passes = true;
    Budget budget{maxErrorPercent,
                  clock.kind == ClockKind::Internal ? internalTolerancePercent : 0};
    for (const WantedRate& wanted : rates) {
      RateOnClock rate = SettleRate(clock, wanted, port, modes, budget);
      result.passes = result.passes && !rate.fails;
      result.worst = std::max(result.worst, rate.budget);
      result.rates.push_back(rate);
    }
    results.push_back(result);
  }
  std::stable_sort(results.begin(), results.end(), [](const ClockResult& a, const ClockResult& b) {
    if (a.passes != b.passes) {
      return a.passes;
    }
    return a.worst < b.worst;
  });
  return results;
}

}  // namespace brg::engine
