// The choice among modes and its reasons, the modes a port offers, the budget and the window's
// questions, the window's Calculate as an answer, and the standard rates.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/answers/budget.h"
#include "engine/answers/mode_choice.h"
#include "engine/answers/wanted_rate.h"
#include "engine/answers/window_calculation.h"
#include "engine/errors.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

const std::vector<BrgMode> kEverything(kAllModes.begin(), kAllModes.end());

WantedRate Rate(double baud) {
  return WantedRate{std::to_string(static_cast<long>(baud)), baud};
}

std::string BestName(const RateAnswer& answer) {
  return answer.best ? std::string(InfoOf(answer.Best()->setting.mode).name) : "none";
}

struct ChoiceRow {
  std::string name;
  double osc;
  double baud;
  std::vector<BrgMode> modes;
  std::string best;
  std::string reason;
  double maxError = kDefaultMaxErrorPercent;
};

void PrintTo(const ChoiceRow& row, std::ostream* out) {
  *out << row.name;
}

class ModeChoiceTest : public testing::TestWithParam<ChoiceRow> {};

TEST_P(ModeChoiceTest, TheBestAsynchronousModeAndWhy) {
  const ChoiceRow& row = GetParam();
  RateAnswer answer = CalculateModes(*ClassicUsart(), row.osc, Rate(row.baud), row.modes,
                                     std::nullopt, Budget{row.maxError, 0});
  ASSERT_EQ(answer.settings.size(), row.modes.size());
  EXPECT_EQ(BestName(answer), row.best);
  EXPECT_EQ(answer.reason, row.reason);
  for (const SettingAnswer& setting : answer.settings) {
    EXPECT_EQ(setting.passes, std::fabs(setting.setting.errorRatio) * 100 <= row.maxError);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rates, ModeChoiceTest,
    testing::Values(
        ChoiceRow{"LowestErrorWins", 16, 115200, kEverything, "16/4", "the lowest error"},
        ChoiceRow{"ANearTieIsNoTie", 12, 9600, kEverything, "16/4", "the lowest error"},
        ChoiceRow{"EightBitBeforeSixteenOnATie", 4, 9600, kEverything, "8/16",
                  "the lowest error, shared with 16/16, 16/4 (on a tie 8-bit before 16-bit, then "
                  "BRGH set before clear)"},
        ChoiceRow{"BrghSetBeforeClearOnATie",
                  16,
                  250000,
                  {BrgMode::Async16Div16, BrgMode::Async16Div4},
                  "16/4",
                  "the lowest error, shared with 16/16 (on a tie 8-bit before 16-bit, then "
                  "BRGH set before clear)"},
        ChoiceRow{"SynchronousModesAreNeverTheBest",
                  20,
                  1000000,
                  {BrgMode::Sync8, BrgMode::Async8Div16},
                  "8/16",
                  "the lowest error",
                  25},
        ChoiceRow{"AnErrorAboveTheBudgetIsNeverTheBest",
                  20,
                  1000000,
                  {BrgMode::Sync8, BrgMode::Async8Div16},
                  "none",
                  "none within the budget",
                  24.9},
        ChoiceRow{"OnlySynchronousModes",
                  20,
                  1000000,
                  {BrgMode::Sync8},
                  "none",
                  "no asynchronous mode asked"},
        ChoiceRow{"ClampedFarOffIsNeverTheBest",
                  48,
                  300,
                  {BrgMode::Async8Div16, BrgMode::Async8Div64},
                  "none",
                  "none within the budget"},
        ChoiceRow{"AClampedValueWithinTheBudgetPasses",
                  20,
                  1200,
                  {BrgMode::Async8Div16, BrgMode::Async8Div64},
                  "8/64",
                  "the lowest error"},
        ChoiceRow{"WithinReachBeatsAClampedMode",
                  48,
                  300,
                  {BrgMode::Async8Div64, BrgMode::Async16Div16},
                  "16/16",
                  "the lowest error"},
        ChoiceRow{"TooFastEverywhere",
                  1,
                  250000,
                  {BrgMode::Async8Div16},
                  "none",
                  "none within the budget"}),
    [](const testing::TestParamInfo<ChoiceRow>& info) { return info.param.name; });

TEST(ModeChoice, AGivenRegisterValueIsEvaluatedInEveryMode) {
  RateAnswer answer = CalculateModes(*ClassicUsart(), 4, Rate(9600), kEightBitModes, 25);
  ASSERT_EQ(answer.settings.size(), 2U);
  EXPECT_EQ(answer.settings[0].setting.n, 25);
  EXPECT_EQ(answer.settings[0].setting.mode, BrgMode::Async8Div64);
  EXPECT_DOUBLE_EQ(answer.settings[0].setting.actualBaud, 4e6 / (64 * 26));
  EXPECT_EQ(answer.settings[1].setting.n, 25);
  EXPECT_EQ(BestName(answer), "8/16");
  EXPECT_FALSE(answer.settings[0].window.has_value());
}

TEST(ModeChoice, WithoutAPassingSettingTheNearestAndWhereOnePasses) {
  RateAnswer answer =
      CalculateModes(*ClassicUsart(), 16, Rate(115200), kEightBitModes, std::nullopt, Budget{});
  EXPECT_FALSE(answer.best.has_value());
  ASSERT_TRUE(answer.nearest.has_value());
  EXPECT_EQ(answer.settings[*answer.nearest].setting.mode, BrgMode::Async8Div16);
  EXPECT_EQ(answer.Chosen(), &answer.settings[*answer.nearest]);
  LookElsewhere(answer, *ClassicUsart(), 16, {BrgMode::Async16Div16, BrgMode::Async16Div4},
                Budget{});
  ASSERT_TRUE(answer.passingElsewhere.has_value());
  EXPECT_EQ(answer.passingElsewhere->mode, BrgMode::Async16Div4);
  EXPECT_EQ(answer.passingElsewhere->n, 34);
  RateAnswer nowhere =
      CalculateModes(*ClassicUsart(), 16, Rate(115200), kEightBitModes, std::nullopt, Budget{});
  LookElsewhere(nowhere, *ClassicUsart(), 16, {BrgMode::Async16Div16}, Budget{});
  EXPECT_FALSE(nowhere.passingElsewhere.has_value());
  RateAnswer passing =
      CalculateModes(*ClassicUsart(), 4, Rate(9600), kEightBitModes, std::nullopt, Budget{});
  LookElsewhere(passing, *ClassicUsart(), 4, {BrgMode::Async16Div4}, Budget{});
  EXPECT_FALSE(passing.passingElsewhere.has_value());
  EXPECT_FALSE(passing.nearest.has_value());
  EXPECT_EQ(passing.Chosen(), passing.Best());
}

TEST(ModeChoice, TheOscillatorsToleranceCountsAgainstTheBudget) {
  // 4 MHz, 9600 in 8/16: 0.16 %.
  EXPECT_TRUE(
      CalculateModes(*ClassicUsart(), 4, Rate(9600), {BrgMode::Async8Div16}, {}, Budget{2, 1.83})
          .best);
  EXPECT_FALSE(
      CalculateModes(*ClassicUsart(), 4, Rate(9600), {BrgMode::Async8Div16}, {}, Budget{2, 1.85})
          .best);
}

TEST(ModeChoice, DefaultModesAreThePartsOrThoseEveryUsartHas) {
  PartProfile classic = ClassicProfile();
  EXPECT_EQ(DefaultModes(classic, classic.Port(1)), kEightBitModes);
  PartProfile part = ReadPartProfile("16FTEST", SPBRG_TEST_HEADERS);
  EXPECT_EQ(DefaultModes(part, part.Port(1)),
            std::vector<BrgMode>(kAsyncModes.begin(), kAsyncModes.end()));
  EXPECT_EQ(OtherAsynchronousModes(classic.Port(1), kEightBitModes),
            (std::vector<BrgMode>{BrgMode::Async16Div16, BrgMode::Async16Div4}));
}

TEST(ModeChoice, AnExactTieBetweenTwoValuesGoesToTheLowerOne) {
  // 16 MHz in 8/16: n = 0 gives 1,000,000, n = 1 gives 500,000; 750,000 lies halfway.
  RateAnswer answer =
      CalculateModes(*ClassicUsart(), 16, Rate(750000), {BrgMode::Async8Div16}, std::nullopt);
  EXPECT_EQ(answer.settings[0].setting.n, 0);
  EXPECT_DOUBLE_EQ(answer.settings[0].setting.errorRatio, 1.0 / 3);
}

TEST(ModeChoice, TooFastBeginsWhereEvenNZeroIsMoreThanHalfAStepOff) {
  // 16 MHz in 8/16: n = 0 gives 1,000,000; the exact n is -0.5 at 2,000,000.
  ModeSetting at = CalculateModes(*ClassicUsart(), 16, Rate(2000000), {BrgMode::Async8Div16}, {})
                       .settings[0]
                       .setting;
  EXPECT_EQ(at.reach, Reach::Within);
  EXPECT_EQ(at.n, 0);
  ModeSetting beyond =
      CalculateModes(*ClassicUsart(), 16, Rate(2000001), {BrgMode::Async8Div16}, {})
          .settings[0]
          .setting;
  EXPECT_EQ(beyond.reach, Reach::TooFast);
  EXPECT_EQ(beyond.n, 0);
  // Below the rate of n = 255 by less than half a step stays within, clamped at 255.
  ModeSetting slow =
      CalculateModes(*ClassicUsart(), 16, Rate(16e6 / 16 / 256.4), {BrgMode::Async8Div16}, {})
          .settings[0]
          .setting;
  EXPECT_EQ(slow.reach, Reach::Within);
  EXPECT_EQ(slow.n, 255);
  ModeSetting slower =
      CalculateModes(*ClassicUsart(), 16, Rate(16e6 / 16 / 256.6), {BrgMode::Async8Div16}, {})
          .settings[0]
          .setting;
  EXPECT_EQ(slower.reach, Reach::TooSlow);
}

TEST(ChosenModes, TheModesAskedThenEveryOtherAsynchronousModeOfThePort) {
  PartProfile classic = ClassicProfile();
  const SerialPort& port = classic.Port(1);
  EXPECT_EQ(ChosenModes(classic, port, {BrgMode::Sync8}, false),
            std::vector<BrgMode>{BrgMode::Sync8});
  EXPECT_EQ(ChosenModes(classic, port, {BrgMode::Async16Div4, BrgMode::Sync16}, true),
            (std::vector<BrgMode>{BrgMode::Async16Div4, BrgMode::Sync16, BrgMode::Async8Div64,
                                  BrgMode::Async8Div16, BrgMode::Async16Div16}));
  EXPECT_EQ(ChosenModes(classic, port, {}, true),
            std::vector<BrgMode>(kAsyncModes.begin(), kAsyncModes.end()));
}

TEST(ChosenModes, AModeThePartLacksIsRefusedWithTheReason) {
  PartProfile part = ReadPartProfile("16FNOBIT", SPBRG_TEST_HEADERS);
  EXPECT_EQ(ChosenModes(part, part.Port(1), {}, true), kEightBitModes);
  try {
    ChosenModes(part, part.Port(1), {BrgMode::Async8Div16, BrgMode::Sync16}, false);
    FAIL() << "sync16 on a part without BRG16";
  } catch (const PartError& error) {
    EXPECT_STREQ(error.what(),
                 "the part 16FNOBIT has no BRG16 (no BAUDCON and SPBRGH in its header): mode "
                 "sync16 is not available");
  }
}

TEST(Budget, AnErrorAtTheBudgetPasses) {
  EXPECT_EQ(kDefaultMaxErrorPercent, 2);
  EXPECT_FALSE(AboveBudget(0.02, 2));
  EXPECT_FALSE(AboveBudget(-0.02, 2));
  EXPECT_TRUE(AboveBudget(0.0201, 2));
  EXPECT_TRUE(AboveBudget(-0.0201, 2));
  EXPECT_FALSE(AboveBudget(0, 0));
  EXPECT_TRUE(AboveBudget(1e-9, 0));
}

TEST(Budget, TheWindowQuestionsWhatItsOwnCalculateQuestions) {
  auto window = [](Verdict verdict) {
    SettingAnswer answer;
    answer.window = verdict;
    return WindowQuestion(answer);
  };
  EXPECT_EQ(window(Verdict::Fine), "");
  EXPECT_EQ(window(Verdict::Clamped), "");
  EXPECT_EQ(window(Verdict::InvalidSetting), "invalid setting: error above 10%");
  EXPECT_EQ(window(Verdict::ClampOverflow), "clamped at 255, SPBRG overflow: error above 10%");
  auto exact = [](double errorRatio) {
    SettingAnswer answer;
    answer.setting.errorRatio = errorRatio;
    return WindowQuestion(answer);
  };
  EXPECT_EQ(exact(-0.1), "");  // exactly 10 % passes, as in the window
  EXPECT_EQ(exact(0.1), "");
  EXPECT_EQ(exact(-0.1001), "error above 10%");
  EXPECT_EQ(exact(0.1001), "error above 10%");
}

TEST(WindowRate, TheBetterModeThatHasAValueIsTheBest) {
  RateAnswer both = CalculateWindowRate(4, Rate(9600), {true, false}, {});
  ASSERT_EQ(both.settings.size(), 2U);
  EXPECT_EQ(both.settings[0].setting.mode, BrgMode::Async8Div16);
  EXPECT_EQ(both.settings[0].setting.n, 25);
  EXPECT_EQ(both.settings[0].window, Verdict::Fine);
  EXPECT_EQ(both.settings[1].setting.mode, BrgMode::Async8Div64);
  EXPECT_EQ(both.settings[1].setting.n, 6);
  EXPECT_EQ(both.best, 0U);
  RateAnswer low = CalculateWindowRate(20, Rate(1200), {true, false}, {});
  EXPECT_EQ(low.best, 1U);  // BRGH clear, 1.725 % against 306.9 % at the clamp
  EXPECT_EQ(low.settings[0].window, Verdict::ClampOverflow);
  RateAnswer none = CalculateWindowRate(1, Rate(250000), {true}, {});
  EXPECT_FALSE(none.best.has_value());
  EXPECT_FALSE(none.settings[0].HasValue());
  RateAnswer oneFault = CalculateWindowRate(1, Rate(100000), {false, true}, {});
  EXPECT_FALSE(oneFault.settings[0].HasValue());
  EXPECT_EQ(oneFault.best, 1U);
}

TEST(WindowRate, ATieGoesToTheModeAskedFirst) {
  // 1.8432 MHz, 28800: BRGH set n = 3 and clear n = 0 both give 28,800 exactly.
  RateAnswer tie = CalculateWindowRate(1.8432, Rate(28800), {true, false}, {});
  EXPECT_EQ(tie.settings[0].setting.errorRatio, tie.settings[1].setting.errorRatio);
  EXPECT_EQ(tie.best, 0U);
  RateAnswer reversed = CalculateWindowRate(1.8432, Rate(28800), {false, true}, {});
  EXPECT_EQ(reversed.best, 0U);
}

TEST(StandardRates, EachExtraRateInItsPlaceOnce) {
  std::vector<WantedRate> rates =
      StandardRatesWith({WantedRate{"9601", 9601}, WantedRate{"9600.0", 9600},
                         WantedRate{"100", 100}, WantedRate{"300000", 300000}});
  ASSERT_EQ(rates.size(), kStandardRates.size() + 3);
  EXPECT_EQ(rates.front().text, "100");
  EXPECT_EQ(rates[1].text, "300");
  EXPECT_EQ(rates[6].text, "9600");
  EXPECT_EQ(rates[7].text, "9601");
  EXPECT_EQ(rates[8].text, "14400");
  EXPECT_EQ(rates.back().text, "300000");
  EXPECT_EQ(StandardRatesWith({}).size(), kStandardRates.size());
}

}  // namespace
}  // namespace brg::engine
