// The exact best register value of every generator mode, against values worked out by hand, and
// the minimum checked as a property over many clocks and rates.
#include "core/brg_modes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace brg {
namespace {

struct ModeCase {
  std::string name;
  double oscMHz;
  double wantedBaud;
  BrgMode mode;
  std::int32_t n;
  double errorPercent;
  Reach reach;
};

void PrintTo(const ModeCase& c, std::ostream* out) {
  *out << c.name;
}

class BestInModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(BestInModeTest, FindsTheWorkedOutValue) {
  const ModeCase& c = GetParam();
  ModeSetting best = BestInMode(c.oscMHz, c.wantedBaud, c.mode);
  EXPECT_EQ(best.n, c.n);
  EXPECT_NEAR(best.errorRatio * 100, c.errorPercent, 0.005);
  EXPECT_EQ(best.reach, c.reach);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, BestInModeTest,
    testing::Values(
        // Exact rates.
        ModeCase{"Osc20M_31250_8div16_Exact", 20, 31250, BrgMode::Async8Div16, 39, 0, Reach::Within},
        ModeCase{"Osc18_432M_2400_8div64_Exact", 18.432, 2400, BrgMode::Async8Div64, 119, 0,
                 Reach::Within},
        // What BRG16 gains.
        ModeCase{"Osc16M_115200_8div16", 16, 115200, BrgMode::Async8Div16, 8, -3.549, Reach::Within},
        ModeCase{"Osc16M_115200_16div4", 16, 115200, BrgMode::Async16Div4, 34, -0.794,
                 Reach::Within},
        ModeCase{"Osc48M_300_16div16", 48, 300, BrgMode::Async16Div16, 9999, 0, Reach::Within},
        // The register pair: 1666 = 0x0682.
        ModeCase{"Osc64M_9600_16div4", 64, 9600, BrgMode::Async16Div4, 1666, -0.02, Reach::Within},
        // Clamps at the register's ends.
        ModeCase{"Osc48M_300_8div64_Clamped", 48, 300, BrgMode::Async8Div64, 255, 876.5625,
                 Reach::TooSlow},
        ModeCase{"Osc64M_1_16div16_Clamped", 64, 1, BrgMode::Async16Div16, 65535, 6003.516,
                 Reach::TooSlow},
        // Unreachable: faster than n = 0 gives.
        ModeCase{"Osc1M_250000_8div16_TooFast", 1, 250000, BrgMode::Async8Div16, 0, -75,
                 Reach::TooFast},
        // Rounding the estimate is not the minimum: n = 0 gives +35.6 %, n = 1 gives -32.2 %.
        ModeCase{"Osc10M_460800_8div16_Neighbour", 10, 460800, BrgMode::Async8Div16, 1, -32.183,
                 Reach::Within},
        // The synchronous master clock.
        ModeCase{"Osc20M_1MHzClock_Sync8", 20, 1000000, BrgMode::Sync8, 4, 0, Reach::Within},
        ModeCase{"Osc0_031M_1_Sync16", 0.031, 1, BrgMode::Sync16, 7749, 0, Reach::Within}),
    [](const testing::TestParamInfo<ModeCase>& info) { return info.param.name; });

TEST(BrgModes, RegisterSplitAndTroubleSpot) {
  ModeSetting setting = EvaluateMode(64, 9600, BrgMode::Async16Div4, 1666);
  EXPECT_EQ(setting.spbrgh(), 0x06);
  EXPECT_EQ(setting.spbrg(), 0x82);
  EXPECT_TRUE(EvaluateMode(4, 1000000, BrgMode::Async16Div4, 0).troubleSpot());
  EXPECT_FALSE(EvaluateMode(4, 1000000, BrgMode::Async16Div16, 0).troubleSpot());
}

TEST(BrgModes, NamesReadBack) {
  for (BrgMode mode : kAllModes) {
    EXPECT_EQ(ModeByName(InfoOf(mode).name), mode);
  }
  EXPECT_FALSE(ModeByName("8/32").has_value());
}

TEST(BrgModes, TiesGoToEightBitThenBrghSet) {
  // 20 MHz, 9600: 8/16 n=129 and 16/16 n=129 give the same rate; 8/64 n=32 and 16/4 n=131
  // give the same rate as each other.
  ModeSetting eight = BestInMode(20, 9600, BrgMode::Async8Div16);
  ModeSetting sixteen = BestInMode(20, 9600, BrgMode::Async16Div16);
  ASSERT_EQ(eight.errorRatio, sixteen.errorRatio);
  EXPECT_TRUE(Better(eight, sixteen));
  EXPECT_FALSE(Better(sixteen, eight));
  ModeSetting high = EvaluateMode(20, 9600, BrgMode::Async16Div4, 519);
  ModeSetting low = EvaluateMode(20, 9600, BrgMode::Async16Div16, 129);
  ASSERT_EQ(high.errorRatio, low.errorRatio);
  EXPECT_TRUE(Better(high, low));
  // A setting within reach beats a clamped one, whatever their errors.
  ModeSetting clamped = BestInMode(64, 299, BrgMode::Async8Div64);
  EXPECT_TRUE(Better(BestInMode(1, 300, BrgMode::Async8Div16), clamped));
}

// No n of the register has a smaller error than the one chosen: the error falls steadily as n
// grows, so it is enough that neither neighbour nor either end of the register is better.
TEST(BrgModes, NoValueOfTheRegisterIsBetterThanTheChosen) {
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> logClock(std::log(0.031), std::log(64.0));
  std::uniform_real_distribution<double> logRate(std::log(1.0), std::log(5000000.0));
  for (int i = 0; i < 20000; ++i) {
    double osc = std::exp(logClock(random));
    double rate = std::round(std::exp(logRate(random)));
    BrgMode mode = kAllModes[static_cast<std::size_t>(i) % kAllModes.size()];
    ModeSetting best = BestInMode(osc, rate, mode);
    std::int32_t nMax = InfoOf(mode).nMax;
    for (std::int32_t other : {best.n - 1, best.n + 1, 0, nMax}) {
      if (other < 0 || other > nMax) {
        continue;
      }
      ModeSetting rival = EvaluateMode(osc, rate, mode, other);
      ASSERT_LE(std::fabs(best.errorRatio), std::fabs(rival.errorRatio))
          << osc << " MHz, " << rate << " baud, " << InfoOf(mode).name << ": n=" << best.n
          << " loses to n=" << other;
    }
  }
}

}  // namespace
}  // namespace brg
