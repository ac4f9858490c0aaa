// The clock search against answers worked out by hand: which clock passes, which oscillator's
// own tolerance counts, the budget's boundary and the ranking.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "engine/answers/clock_search.h"
#include "engine/errors.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

const std::vector<BrgMode> kEightBit{BrgMode::Async8Div64, BrgMode::Async8Div16};
const std::vector<BrgMode> kEnhanced(kAsyncModes.begin(), kAsyncModes.end());

RateOnClock OnClock(double mhz, ClockKind kind, double baud, const std::vector<BrgMode>& modes,
                    double tolerance = 2) {
  std::vector<ClockResult> results =
      SearchClocks({Clock{mhz, kind, "x"}}, {WantedRate{std::to_string(baud), baud}},
                   *ClassicUsart(), modes, 2, tolerance);
  return results.front().rates.front();
}

TEST(ClockSearch, EighteenPointFourThreeTwoIsExactWhereItShouldBe) {
  for (double baud : {4800, 9600, 19200, 38400, 57600, 115200, 230400}) {
    RateOnClock rate = OnClock(18.432, ClockKind::Crystal, baud, kEightBit);
    EXPECT_EQ(rate.best.mode, BrgMode::Async8Div16) << baud;
    EXPECT_EQ(rate.best.errorRatio, 0) << baud;
  }
  for (double baud : {1200, 2400}) {
    RateOnClock rate = OnClock(18.432, ClockKind::Crystal, baud, kEightBit);
    EXPECT_EQ(rate.best.mode, BrgMode::Async8Div64) << baud;
    EXPECT_EQ(rate.best.errorRatio, 0) << baud;
  }
  for (double baud : {300, 600}) {
    EXPECT_TRUE(OnClock(18.432, ClockKind::Crystal, baud, kEightBit).fails) << baud;
    RateOnClock rate = OnClock(18.432, ClockKind::Crystal, baud, kEnhanced);
    EXPECT_FALSE(rate.fails) << baud;
    EXPECT_TRUE(InfoOf(rate.best.mode).brg16) << baud;
  }
}

TEST(ClockSearch, SixteenMegahertzNeedsBrg16For115200) {
  RateOnClock eight = OnClock(16, ClockKind::Crystal, 115200, kEightBit);
  EXPECT_TRUE(eight.fails);
  EXPECT_EQ(eight.best.n, 8);
  EXPECT_NEAR(eight.best.errorRatio * 100, -3.549, 0.001);
  RateOnClock enhanced = OnClock(16, ClockKind::Crystal, 115200, kEnhanced);
  EXPECT_FALSE(enhanced.fails);
  EXPECT_EQ(enhanced.best.mode, BrgMode::Async16Div4);
  EXPECT_EQ(enhanced.best.n, 34);
  EXPECT_NEAR(enhanced.best.errorRatio * 100, -0.794, 0.001);
}

TEST(ClockSearch, AnInternalOscillatorsOwnToleranceCounts) {
  EXPECT_TRUE(OnClock(16, ClockKind::Internal, 9600, kEightBit).fails);  // 0.16 % + 2 %
  EXPECT_FALSE(OnClock(16, ClockKind::Internal, 9600, kEightBit, 1).fails);
  EXPECT_FALSE(OnClock(16, ClockKind::Crystal, 9600, kEightBit).fails);
}

TEST(ClockSearch, RanksPassingClocksFirstByTheirWorstError) {
  std::vector<ClockResult> ranking =
      SearchClocks(ShippedClocks(), {WantedRate{"9600", 9600}, WantedRate{"115200", 115200}},
                   *ClassicUsart(), kEightBit, 2, 2);
  ASSERT_TRUE(ranking.front().passes);
  EXPECT_EQ(ranking.front().worst, 0);
  for (std::size_t i = 1; i < ranking.size(); ++i) {
    bool ordered =
        ranking[i - 1].passes > ranking[i].passes ||
        (ranking[i - 1].passes == ranking[i].passes && ranking[i - 1].worst <= ranking[i].worst);
    EXPECT_TRUE(ordered) << ranking[i].clock.name;
  }
}

TEST(ClockSearch, OnlyInternalOscillatorsGetTheirOwnTolerance) {
  std::vector<Clock> clocks = ShippedClocks();
  int pll = 0;
  int internal = 0;
  for (const Clock& clock : clocks) {
    std::vector<ClockResult> result =
        SearchClocks({clock}, {WantedRate{"9600", 9600}}, *ClassicUsart(), kEightBit, 2, 1.5);
    const RateOnClock& rate = result.front().rates.front();
    double error = std::fabs(rate.best.errorRatio) * 100;
    if (clock.kind == ClockKind::Internal) {
      ++internal;
      EXPECT_DOUBLE_EQ(rate.budget, error + 1.5) << clock.name;
    } else {
      pll += clock.kind == ClockKind::CrystalPll ? 1 : 0;
      EXPECT_DOUBLE_EQ(rate.budget, error) << clock.name;
    }
    EXPECT_LE(clock.mhz, 64) << clock.name;
  }
  EXPECT_GT(pll, 0);
  EXPECT_GT(internal, 0);
}

TEST(ClockSearch, ARateExactlyAtTheBudgetPasses) {
  // Internal 8 MHz in 8/16: n = 0 gives 500,000 exactly; 0 % plus the oscillator's 2 %.
  EXPECT_FALSE(OnClock(8, ClockKind::Internal, 500000, kEightBit, 2).fails);
  EXPECT_TRUE(OnClock(8, ClockKind::Internal, 500000, kEightBit, 2.001).fails);
  std::vector<ClockResult> exact =
      SearchClocks({Clock{18.432, ClockKind::Crystal, "18.432"}}, {WantedRate{"9600", 9600}},
                   *ClassicUsart(), kEightBit, 0, 2);
  EXPECT_TRUE(exact.front().passes);
  EXPECT_EQ(exact.front().worst, 0);
}

TEST(ClockSearch, ARateNoModeReachesFails) {
  RateOnClock rate = OnClock(1, ClockKind::Crystal, 3000000, kEightBit);
  EXPECT_TRUE(rate.fails);
  EXPECT_EQ(rate.best.reach, Reach::TooFast);
  EXPECT_DOUBLE_EQ(rate.budget, std::fabs(rate.best.errorRatio) * 100);
}

TEST(ClockSearch, AClampedValueWithinTheBudgetPasses) {
  RateOnClock rate = OnClock(20, ClockKind::Crystal, 1200, kEightBit);
  EXPECT_FALSE(rate.fails);
  EXPECT_EQ(rate.best.reach, Reach::TooSlow);
  EXPECT_EQ(rate.best.n, 255);
}

TEST(ClockSearch, TheWorstRateDecidesAndTiesKeepTheListOrder) {
  std::vector<Clock> clocks{Clock{4, ClockKind::Crystal, "a"}, Clock{20, ClockKind::Crystal, "b"},
                            Clock{4, ClockKind::Crystal, "c"}, Clock{1, ClockKind::Crystal, "d"}};
  std::vector<ClockResult> ranking =
      SearchClocks(clocks, {WantedRate{"9600", 9600}, WantedRate{"2400", 2400}}, *ClassicUsart(),
                   kEightBit, 2, 2);
  // 4 and 20 MHz: 0.16 % for both rates, the same rational rate; 1 MHz: 9600 fails.
  ASSERT_EQ(ranking.size(), 4U);
  EXPECT_EQ(ranking.back().clock.name, "d");
  EXPECT_FALSE(ranking.back().passes);
  EXPECT_DOUBLE_EQ(ranking.back().worst, std::fabs(ranking.back().rates[0].best.errorRatio) * 100);
  std::string order;
  for (const ClockResult& result : ranking) {
    order += result.clock.name;
  }
  EXPECT_EQ(order, "abcd");
}

TEST(ClockList, OneClockALineWithComments) {
  std::istringstream list("# crystals\n 4 \n\n18.432 # the UART crystal\r\n");
  std::vector<Clock> clocks = ReadClockList(list, "list");
  ASSERT_EQ(clocks.size(), 2U);
  EXPECT_EQ(clocks[0].mhz, 4);
  EXPECT_EQ(clocks[1].name, "18.432");
  EXPECT_EQ(clocks[1].kind, ClockKind::Crystal);
  auto refused = [](const std::string& text) {
    std::istringstream in(text);
    try {
      ReadClockList(in, "list");
    } catch (const InputError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  EXPECT_EQ(refused("4\n4,5\n"), "list:2: \"4,5\" is not a clock in MHz from 0.031 to 300");
  EXPECT_EQ(refused("301\n"), "list:1: \"301\" is not a clock in MHz from 0.031 to 300");
  EXPECT_EQ(refused("# nothing\n"), "list names no clock");
}

TEST(ShippedClocks, CrystalsWithTheirPllAndTheInternalOscillators) {
  std::vector<Clock> clocks = ShippedClocks();
  auto named = [&](const std::string& name) {
    for (const Clock& clock : clocks) {
      if (clock.name == name) {
        return clock;
      }
    }
    return Clock{0, ClockKind::Crystal, ""};
  };
  EXPECT_EQ(named("16 x4 PLL").mhz, 64);
  EXPECT_EQ(named("16 x4 PLL").kind, ClockKind::CrystalPll);
  EXPECT_EQ(named("20 x4 PLL").mhz, 0);  // 80 MHz is beyond every part
  EXPECT_EQ(named("18.432").kind, ClockKind::Crystal);
  EXPECT_EQ(named("internal 8").kind, ClockKind::Internal);
  EXPECT_EQ(named("internal 16 x4 PLL").mhz, 64);
  EXPECT_EQ(named("internal 16 x4 PLL").kind, ClockKind::Internal);
}

// The internal oscillator's steps that users pick from: LFINTOSC, the postscaler's outputs of
// MFINTOSC and HFINTOSC, and the 48 MHz of the USB parts.
TEST(ShippedClocks, EveryInternalOscillatorStep) {
  std::vector<double> internal;
  for (const Clock& clock : ShippedClocks()) {
    if (clock.kind == ClockKind::Internal && clock.name.find("PLL") == std::string::npos) {
      internal.push_back(clock.mhz);
    }
  }
  EXPECT_EQ(internal, (std::vector<double>{0.031, 0.25, 0.5, 1, 2, 4, 8, 16, 48}));
}

}  // namespace
}  // namespace brg::engine
