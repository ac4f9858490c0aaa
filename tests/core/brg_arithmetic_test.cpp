// The arithmetic against the worked examples of the baud-rate generator, the halfway roundings,
// the tie-breaks of the choice and the 32-bit limits.
#include "core/brg_arithmetic.h"
#include "core/spbrg_settlement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace brg {
namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

struct CalculationCase {
  std::string name;
  double oscMHz;
  double wantedBaud;
  bool brgh;
  std::int32_t estimate;
  CandidateValues window;
  std::array<double, 3> rates;
  std::array<double, 3> errors;
  int chosen;
  bool beyondLimit;  // |error of the chosen| > ErrorLimit
};

void PrintTo(const CalculationCase& c, std::ostream* out) {
  *out << c.name;
}

class CalculationTest : public testing::TestWithParam<CalculationCase> {};

TEST_P(CalculationTest, EstimatesEvaluatesAndChoosesAsWorkedOut) {
  const CalculationCase& c = GetParam();
  ASSERT_EQ(EstimateSpbrg(c.oscMHz, c.wantedBaud, c.brgh), c.estimate);
  EXPECT_EQ(CandidateWindow(c.estimate), c.window);
  CandidateResults results = EvaluateWindow(c.estimate, c.oscMHz, c.wantedBaud, c.brgh);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(results[i].spbrg, c.window[i]) << "candidate " << i + 1;
    EXPECT_NEAR(results[i].actualBaud, c.rates[i], 1e-3) << "candidate " << i + 1;
    EXPECT_NEAR(results[i].errorRatio, c.errors[i], 5e-8) << "candidate " << i + 1;
  }
  int chosen = ChooseCandidate(results[0].errorRatio, results[1].errorRatio, results[2].errorRatio);
  EXPECT_EQ(chosen, c.chosen);
  Settlement settled = SettleSpbrg(c.estimate, c.oscMHz, c.wantedBaud, c.brgh, false);
  EXPECT_EQ(settled.taken, results[static_cast<std::size_t>(c.chosen - 1)]);
  EXPECT_EQ(settled.beyondLimit, c.beyondLimit);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CalculationTest,
                         testing::Values(CalculationCase{"Osc4M_9600_High",
                                                         4,
                                                         9600,
                                                         true,
                                                         25,
                                                         {24, 25, 26},
                                                         {10000, 9615.3846, 9259.2593},
                                                         {0.0416667, 0.0016026, -0.0354938},
                                                         2,
                                                         false},
                                         CalculationCase{"Osc4M_9600_Low",
                                                         4,
                                                         9600,
                                                         false,
                                                         6,
                                                         {5, 6, 7},
                                                         {10416.667, 8928.5714, 7812.5},
                                                         {0.0850694, -0.0699405, -0.1861979},
                                                         2,
                                                         false},
                                         CalculationCase{"Osc7M_125000_HalfwayToEven",
                                                         7,
                                                         125000,
                                                         true,
                                                         2,
                                                         {1, 2, 3},
                                                         {218750, 145833.3333, 109375},
                                                         {0.75, 0.1666667, -0.125},
                                                         3,
                                                         true},
                                         CalculationCase{"Osc1M_125000_MinusHalfToZero",
                                                         1,
                                                         125000,
                                                         true,
                                                         0,
                                                         {0, 0, 1},
                                                         {62500, 62500, 31250},
                                                         {-0.5, -0.5, -0.75},
                                                         2,
                                                         true},
                                         CalculationCase{"Osc4M_115200_Low",
                                                         4,
                                                         115200,
                                                         false,
                                                         0,
                                                         {0, 0, 1},
                                                         {62500, 62500, 31250},
                                                         {-0.4574653, -0.4574653, -0.7287326},
                                                         2,
                                                         true},
                                         CalculationCase{"Osc4M_250000_ExactZero",
                                                         4,
                                                         250000,
                                                         true,
                                                         0,
                                                         {0, 0, 1},
                                                         {250000, 250000, 125000},
                                                         {0, 0, -0.5},
                                                         2,
                                                         false},
                                         CalculationCase{"Osc3_6864M_64000_ExactlyMinusTenPercent",
                                                         3.6864,
                                                         64000,
                                                         true,
                                                         3,
                                                         {2, 3, 4},
                                                         {76800, 57600, 46080},
                                                         {0.2, -0.1, -0.28},
                                                         2,
                                                         false},
                                         CalculationCase{"Osc20M_1200_High",
                                                         20,
                                                         1200,
                                                         true,
                                                         1041,
                                                         {1040, 1041, 1042},
                                                         {1200.7685, 1199.6161, 1198.4660},
                                                         {0.00064041, -0.00031990, -0.00127836},
                                                         2,
                                                         false}),
                         [](const testing::TestParamInfo<CalculationCase>& info) {
                           return info.param.name;
                         });

TEST(EstimateSpbrg, RoundsAfterSubtractingOne) {
  // q = 3.5 exactly: rounding x = 2.5 gives 2, rounding q first would give 3 after the minus.
  EXPECT_EQ(EstimateSpbrg(7, 125000, true), 2);
  EXPECT_EQ(EstimateSpbrg(1.8432, 9600, true), 11);
  EXPECT_EQ(EstimateSpbrg(20, 1200, false), 259);
  EXPECT_EQ(EstimateSpbrg(48, 300, false), 2499);
  EXPECT_EQ(EstimateSpbrg(4.5056, 1000, true), 281);
}

TEST(EstimateSpbrg, FaultsOnZeroDivisorAndOutOfRangeResults) {
  EXPECT_THROW(EstimateSpbrg(4, 0, true), ArithmeticFault);  // division by zero
  EXPECT_THROW(EstimateSpbrg(0, 0, true), ArithmeticFault);  // zero by zero
  EXPECT_EQ(EstimateSpbrg(0, 9600, true), -1);               // fails only later, at candidate -1
  EXPECT_THROW(EstimateSpbrg(1e300, 1e-300, true), ArithmeticFault);  // quotient overflows
  EXPECT_THROW(EstimateSpbrg(1e300, 300, true), ArithmeticFault);     // beyond 32 bits
  EXPECT_THROW(EstimateSpbrg(std::nan(""), 300, true), ArithmeticFault);
  // 2147483647.5 rounds to the even 2147483648, one beyond the range.
  EXPECT_THROW(EstimateSpbrg(2147483648.5 * 16 / 1e6, 1, true), ArithmeticFault);
  EXPECT_EQ(EstimateSpbrg(2147483648.0 * 16 / 1e6, 1, true), kInt32Max);
}

struct RoundingCase {
  double x;
  std::int32_t rounded;
};

TEST(RoundHalfEvenToInt32, HalfwayGoesToEven) {
  for (RoundingCase c : {RoundingCase{2.5, 2},
                         {3.5, 4},
                         {1.5, 2},
                         {-0.5, 0},
                         {-1.5, -2},
                         {-2.5, -2},
                         {0.49999999999999994, 0},
                         {2.5000000000000004, 3},
                         {-2147483648.4, std::numeric_limits<std::int32_t>::min()},
                         {2147483647.4, kInt32Max}}) {
    EXPECT_EQ(RoundHalfEvenToInt32(c.x), c.rounded) << c.x;
  }
  EXPECT_THROW(RoundHalfEvenToInt32(-2147483648.6), ArithmeticFault);
  EXPECT_THROW(RoundHalfEvenToInt32(2147483647.5), ArithmeticFault);
  EXPECT_THROW(RoundHalfEvenToInt32(INFINITY), ArithmeticFault);
}

TEST(CandidateWindow, KeepsTheLowerAtTheBottomAndFaultsAtTheTop) {
  EXPECT_EQ(CandidateWindow(0), (CandidateValues{0, 0, 1}));
  EXPECT_EQ(CandidateWindow(-1), (CandidateValues{-1, -1, 0}));
  EXPECT_EQ(CandidateWindow(-2), (CandidateValues{-2, -2, -1}));
  EXPECT_EQ(CandidateWindow(1), (CandidateValues{0, 1, 2}));
  EXPECT_EQ(CandidateWindow(kInt32Max - 1),
            (CandidateValues{kInt32Max - 2, kInt32Max - 1, kInt32Max}));
  EXPECT_THROW(CandidateWindow(kInt32Max), ArithmeticFault);
}

TEST(CandidateBaud, DivisorMultipliesTheIntegerAndOverflowIsDetected) {
  EXPECT_DOUBLE_EQ(CandidateBaud(20, 255, true), 4882.8125);
  EXPECT_DOUBLE_EQ(CandidateBaud(20, 255, false), 1220.703125);
  EXPECT_DOUBLE_EQ(CandidateBaud(4.5056, 255, true), 1100);
  EXPECT_DOUBLE_EQ(CandidateBaud(48, 255, false), 2929.6875);
  EXPECT_DOUBLE_EQ(CandidateBaud(1.8432, 11, true), 9600);
  EXPECT_DOUBLE_EQ(CandidateBaud(48, 2499, false), 300);
  EXPECT_THROW(CandidateBaud(4, -1, true), ArithmeticFault);  // m = 0
  EXPECT_THROW(CandidateBaud(0, -1, true), ArithmeticFault);  // zero by zero
  EXPECT_THROW(CandidateBaud(4, kInt32Max, true), ArithmeticFault);
  EXPECT_THROW(CandidateBaud(4, 134217727, true), ArithmeticFault);
  EXPECT_THROW(CandidateBaud(4, 33554431, false), ArithmeticFault);
  EXPECT_NO_THROW(CandidateBaud(4, 134217726, true));
  EXPECT_NO_THROW(CandidateBaud(4, 33554430, false));
  EXPECT_LT(CandidateBaud(4, -3, true), 0);                      // negative candidates are accepted
  EXPECT_THROW(CandidateBaud(1e303, 0, true), ArithmeticFault);  // Hz overflow
}

TEST(BaudErrorRatio, IsTheDifferenceOverTheWantedRate) {
  EXPECT_DOUBLE_EQ(BaudErrorRatio(4882.8125, 1200), 3.0690104166666665);
  EXPECT_DOUBLE_EQ(BaudErrorRatio(1100, 1000), 0.1);
  EXPECT_EQ(BaudErrorRatio(1100, 1000), ErrorLimit);  // exactly 10 %: the limit is not exceeded
  EXPECT_DOUBLE_EQ(BaudErrorRatio(2929.6875, 300), 8.765625);
  EXPECT_EQ(BaudErrorRatio(57600, 64000), -0.1);
  EXPECT_THROW(BaudErrorRatio(9600, 0), ArithmeticFault);
  EXPECT_THROW(BaudErrorRatio(1e308, -1e308), ArithmeticFault);  // difference overflows
  EXPECT_THROW(BaudErrorRatio(1e300, 1e-300), ArithmeticFault);  // quotient overflows
}

TEST(EvaluateWindow, FailsWholeWhenAnyCandidateFaults) {
  // 1 MHz, 250000 baud: the estimate is -1 and candidate 1 has no divisor.
  ASSERT_EQ(EstimateSpbrg(1, 250000, true), -1);
  EXPECT_THROW(EvaluateWindow(-1, 1, 250000, true), ArithmeticFault);
  EXPECT_THROW(EvaluateWindow(-2, 1, 250000, true), ArithmeticFault);  // candidate 3 is -1
  CandidateResults below = EvaluateWindow(-3, 1, 250000, true);
  for (const CandidateResult& result : below) {
    EXPECT_LT(result.actualBaud, 0);
  }
  EXPECT_THROW(EvaluateWindow(134217726, 4, 9600, true), ArithmeticFault);  // candidate 3
  EXPECT_THROW(EvaluateWindow(25, 4, 0, true), ArithmeticFault);
}

TEST(EvaluateWindow, ManualValueIsEvaluatedWithItsNeighbours) {
  CandidateResults results = EvaluateWindow(26, 4, 9600, true);
  EXPECT_EQ(results[1].spbrg, 26);
  EXPECT_NEAR(results[1].actualBaud, 9259.2593, 1e-4);
  EXPECT_NEAR(results[1].errorRatio, -0.0354938, 1e-7);
}

struct ChoiceCase {
  std::array<double, 3> errors;
  int chosen;
};

TEST(ChooseCandidate, SmallestAbsoluteErrorWithMiddleThenLowerOnTies) {
  for (ChoiceCase c : {ChoiceCase{{0.05, 0.05, 0.2}, 2},
                       {{0.05, 0.2, 0.05}, 1},
                       {{0.2, 0.05, 0.05}, 2},
                       {{0.1, 0.1, 0.1}, 2},
                       {{-0.05, 0.05, -0.05}, 2},
                       {{0.3, 0.2, -0.1}, 3},
                       {{-0.01, 0.2, 0.3}, 1},
                       {{0.2, 0.1, -0.05}, 3},
                       {{0.1, -0.2, 0.05}, 3},
                       {{-0.1, 0.2, 0.1}, 1}}) {
    EXPECT_EQ(ChooseCandidate(c.errors[0], c.errors[1], c.errors[2]), c.chosen)
        << c.errors[0] << ", " << c.errors[1] << ", " << c.errors[2];
  }
}

struct ClampCase {
  std::string name;
  double oscMHz;
  double wantedBaud;
  bool brgh;
  std::int32_t estimate;
  double rateAt255;
  double errorAt255;
  bool overflowQuestion;  // e255 > ErrorLimit, with its sign
};

void PrintTo(const ClampCase& c, std::ostream* out) {
  *out << c.name;
}

class ClampTest : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampTest, ValueAboveTheRegisterIsReEvaluatedAt255) {
  const ClampCase& c = GetParam();
  std::int32_t n = EstimateSpbrg(c.oscMHz, c.wantedBaud, c.brgh);
  ASSERT_EQ(n, c.estimate);
  Settlement settled = SettleSpbrg(n, c.oscMHz, c.wantedBaud, c.brgh, false);
  ASSERT_GT(settled.taken.spbrg, SpbrgMax);
  ASSERT_TRUE(settled.clamped.has_value());
  EXPECT_EQ(settled.clamped->spbrg, SpbrgMax);
  EXPECT_DOUBLE_EQ(settled.clamped->actualBaud, c.rateAt255);
  EXPECT_NEAR(settled.clamped->errorRatio, c.errorAt255, 1e-7);
  EXPECT_EQ(settled.clampBeyondLimit, c.overflowQuestion);
  EXPECT_FALSE(settled.beyondLimit);
}

INSTANTIATE_TEST_SUITE_P(
    RegisterLimit, ClampTest,
    testing::Values(
        ClampCase{"Osc20M_1200_High", 20, 1200, true, 1041, 4882.8125, 3.0690104, true},
        ClampCase{"Osc20M_1200_Low", 20, 1200, false, 259, 1220.703125, 0.0172526, false},
        ClampCase{"Osc4_5056M_1000_ExactlyTenPercent", 4.5056, 1000, true, 281, 1100, 0.1, false},
        ClampCase{"Osc48M_300_Low", 48, 300, false, 2499, 2929.6875, 8.765625, true}),
    [](const testing::TestParamInfo<ClampCase>& info) { return info.param.name; });

TEST(SettleSpbrg, ManualModeKeepsTheValueAndSkipsTheLimit) {
  Settlement settled = SettleSpbrg(0, 4, 9600, true, true);
  EXPECT_EQ(settled.taken.spbrg, 0);
  EXPECT_NEAR(settled.taken.errorRatio, 25.0416667, 1e-7);
  EXPECT_FALSE(settled.beyondLimit);
  EXPECT_FALSE(settled.clamped.has_value());
  // Stepped above the register: clamped, and asked about in manual mode too.
  settled = SettleSpbrg(256, 20, 1200, true, true);
  ASSERT_TRUE(settled.clamped.has_value());
  EXPECT_TRUE(settled.clampBeyondLimit);
  EXPECT_EQ(settled.shown().spbrg, SpbrgMax);
}

TEST(ClampTest, ExactlyTenPercentAt255IsNotAboveTheLimit) {
  EXPECT_EQ(BaudErrorRatio(CandidateBaud(4.5056, 255, true), 1000), ErrorLimit);
}

}  // namespace
}  // namespace brg
