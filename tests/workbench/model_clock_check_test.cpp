// Find a clock and Check my code through the model: the ranking limited to the part, a row
// chosen becoming the oscillator; a pasted setup's summary and findings with their lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/workbench/workbench_fakes.h"

namespace brg::workbench::test {
namespace {

struct ClockCase {
  const char* name;
  std::string part;
  double highestMHz;  // no clock above it is offered
};

void PrintTo(const ClockCase& row, std::ostream* out) {
  *out << row.name;
}

class ClockRankingTest : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockRankingTest, RankedWithinWhatThePartRuns) {
  const ClockCase& row = GetParam();
  Bench bench;
  Workbench& workbench = bench.Open(Question(row.part, "4", {"9600", "38400", "115200"}));
  workbench.Perform(action::ShowClocks{true});
  const ClockRanking& ranking = workbench.view().clocks;
  ASSERT_FALSE(ranking.rows.empty());
  EXPECT_EQ(ranking.rateNames, (std::vector<std::string>{"9,600", "38,400", "115,200"}));
  EXPECT_TRUE(ranking.rows.front().passes);
  for (std::size_t i = 0; i < ranking.rows.size(); ++i) {
    const ClockRow& clock = ranking.rows[i];
    EXPECT_LE(clock.mhz, row.highestMHz) << clock.name;
    EXPECT_EQ(clock.rates.size(), 3U);
    // A rate that fails is marked in text; a clock that passes has none.
    bool marked = std::any_of(clock.rates.begin(), clock.rates.end(),
                              [](const std::string& rate) { return rate.rfind("\u2717", 0) == 0; });
    EXPECT_EQ(marked, !clock.passes) << clock.name;
    if (i > 0) {
      EXPECT_TRUE(ranking.rows[i - 1].passes >= clock.passes);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Parts, ClockRankingTest,
                         testing::Values(ClockCase{"NoPart", "", 64},
                                         ClockCase{"Pic16F1829", "16F1829", 32},
                                         ClockCase{"Pic16F877A", "16F877A", 20}),
                         [](const testing::TestParamInfo<ClockCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ClockRanking, ARowChosenBecomesTheOscillator) {
  Bench bench(kGerman);
  Workbench& workbench = bench.Open(Question("16F1829", "4", {"9600", "115200"}));
  workbench.Perform(action::ShowClocks{true});
  const std::vector<ClockRow>& rows = workbench.view().clocks.rows;
  auto baudCrystal =
      std::find_if(rows.begin(), rows.end(), [](const ClockRow& row) { return row.mhz == 18.432; });
  ASSERT_NE(baudCrystal, rows.end());
  EXPECT_EQ(baudCrystal->clockText, "18,432");
  EXPECT_EQ(baudCrystal->name, "18,432");  // its source, in the user's separators too
  workbench.Perform(action::ChooseClock{static_cast<std::size_t>(baudCrystal - rows.begin())});
  EXPECT_EQ(workbench.state().oscText, "18,432");
  EXPECT_EQ(workbench.view().oscillator.value, 18.432);
  EXPECT_EQ(CellAt(workbench.view(), 115200, BrgMode::Async16Div4)->errorText, "0,0%");
  EXPECT_EQ(bench.hosts.kept->oscMHz, "18.432");

  std::string before = workbench.state().oscText;
  workbench.Perform(action::ChooseClock{rows.size()});  // no such row
  EXPECT_EQ(workbench.state().oscText, before);
}

// The ranking is worked out while its view is shown, from the part, rates and budget as they are
// then; hidden, it is empty, and no row of an older ranking can be chosen.
TEST(ClockRanking, WorkedOutWhileShownFromWhatIsThen) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "4", {"9600"}));
  EXPECT_TRUE(workbench.view().clocks.rows.empty());
  workbench.Perform(action::ChooseClock{0});
  EXPECT_EQ(workbench.state().oscText, "4");

  workbench.Perform(action::ShowClocks{true});
  ASSERT_FALSE(workbench.view().clocks.rows.empty());
  workbench.Perform(action::TickRate{115200, true});
  EXPECT_EQ(workbench.view().clocks.rateNames, (std::vector<std::string>{"9,600", "115,200"}));

  workbench.Perform(action::ShowClocks{false});
  EXPECT_TRUE(workbench.view().clocks.rows.empty());
  workbench.Perform(action::TickRate{9600, false});
  workbench.Perform(action::EditPart{"16F877A"});
  workbench.Perform(action::ShowClocks{true});
  const ClockRanking& ranking = workbench.view().clocks;
  EXPECT_EQ(ranking.rateNames, (std::vector<std::string>{"115,200"}));
  ASSERT_FALSE(ranking.rows.empty());
  EXPECT_LE(ranking.rows.front().mhz, 20);  // the 16F877A runs up to 20 MHz

  // Shown again without a change: the same ranking.
  std::vector<double> before;
  for (const ClockRow& row : ranking.rows) {
    before.push_back(row.mhz);
  }
  workbench.Perform(action::ShowClocks{false});
  workbench.Perform(action::ShowClocks{true});
  ASSERT_EQ(workbench.view().clocks.rows.size(), before.size());
  EXPECT_EQ(workbench.view().clocks.rows.front().mhz, before.front());
}

struct CheckCase {
  const char* name;
  std::string part;
  std::string osc;
  std::string setup;
  const char* summary;  // part of the summary
  int findingLine;      // the line of the finding looked for; 0: none looked for
  const char* finding;  // part of its text
  const char* problem;  // part of the reason the text is no setup
};

void PrintTo(const CheckCase& row, std::ostream* out) {
  *out << row.name;
}

class CheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckTest, SummaryAndFindingsWithTheirLines) {
  const CheckCase& row = GetParam();
  Bench bench;
  Workbench& workbench = bench.Open(Question(row.part, row.osc, {"9600"}));
  workbench.Perform(action::EditSetup{row.setup});
  const CheckView& check = workbench.view().check;
  EXPECT_TRUE(check.checked);
  EXPECT_NE(check.problem.find(row.problem), std::string::npos) << check.problem;
  EXPECT_NE(check.summary.find(row.summary), std::string::npos) << check.summary;
  if (row.findingLine == 0) {
    return;
  }
  auto found =
      std::find_if(check.findings.begin(), check.findings.end(), [&](const FindingLine& f) {
        return f.line == row.findingLine && f.text.find(row.finding) != std::string::npos;
      });
  ASSERT_NE(found, check.findings.end()) << check.summary;
  EXPECT_EQ(found->text.rfind("line " + std::to_string(row.findingLine) + ": ", 0), 0U);
  workbench.Perform(
      action::ChooseFinding{static_cast<std::size_t>(found - check.findings.begin())});
  EXPECT_EQ(workbench.view().shownLine, row.findingLine);
}

INSTANTIATE_TEST_SUITE_P(
    Setups, CheckTest,
    testing::Values(
        CheckCase{
            "BetterValueInTheSameMode", "", "4",
            "DEFINE HSER_RCSTA 90h\nDEFINE HSER_TXSTA 24h\nDEFINE HSER_SPBRG 26 ' 9600 Bauds\n",
            "mode 8/16 (SYNC 0, BRG16 0, BRGH 1), n = 26", 3, "a better setting", ""},
        CheckCase{"PortLeftOff", "16F1829", "16",
                  "// 115200 baud\nSPBRGH = 0;\nSPBRG = 34;\nBAUDCON = 0x08;\nTXSTA = 0x24;\n"
                  "RCSTA = 0x10;\n",
                  "n = 34", 6, "SPEN", ""},
        CheckCase{
            "AllWell", "16F1829", "16",
            "// 115200 baud\nSPBRGH = 0;\nSPBRG = 34;\nBAUDCON = 0x08;\nTXSTA = 0x24;\n"
            "RCSTA = 0x90;\n",
            "error -0.794% against 115,200 baud (line 1), bit time 8.750 \u00B5s; nothing wrong", 0,
            "", ""},
        // The UART chosen is the first; the setup is for the second.
        CheckCase{"TheOtherUart", "18F45K22", "16",
                  "SPBRG2 = 103;\nTXSTA2 = 0x24;\nRCSTA2 = 0x90; // 9600 baud\n",
                  "USART 2, oscillator 16 MHz: mode 8/16", 0, "", ""},
        // The internal oscillator left at its reset 500 kHz, where 16 MHz was meant: the
        // clock the chip runs is the summary's, the way to it a note of its line.
        CheckCase{"TheClockTheChipRuns", "16F1829", "16",
                  "#pragma config FOSC = INTOSC\nSPBRG = 103; // 9600 baud\nTXSTA = 0x24;\n"
                  "RCSTA = 0x90;\n",
                  "oscillator 500 kHz (its internal oscillator)", 1,
                  "the chip runs 500 kHz: FOSC = INTOSC (line 1); IRCF 0111 (its reset value)", ""},
        CheckCase{"NoSetup", "", "4", "hello world\n", "", 0, "", "nothing in the input sets up"},
        CheckCase{"Binary", "", "4", std::string("SPBRG = 25;\0\0\0", 14), "", 0, "", "binary"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// The table and the check agree: the oscillator's tolerance counts in both.
TEST(Check, TheOscillatorsToleranceCountsAsInTheTable) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"115200"}));
  workbench.Perform(action::EditSetup{
      "// 115200 baud\nSPBRGH = 0;\nSPBRG = 34;\nBAUDCON = 0x08;\nTXSTA = 0x24;\nRCSTA = 0x90;\n"});
  EXPECT_TRUE(workbench.view().check.findings.empty());
  workbench.Perform(action::EditTolerance{"1.5"});
  EXPECT_EQ(CellAt(workbench.view(), 115200, BrgMode::Async16Div4)->margin, engine::Margin::Fails);
  const CheckView& check = workbench.view().check;
  ASSERT_EQ(check.findings.size(), 1U) << check.summary;
  EXPECT_EQ(check.findings[0].text,
            "line 3: fault: the error -0.794% with the oscillator's 1.5% is above 2%");
  workbench.Perform(action::EditTolerance{"1.2"});
  EXPECT_TRUE(workbench.view().check.findings.empty());
}

TEST(Check, CheckedAgainWhenTheClockChangesNotOtherwise) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("", "4", {"9600"}));
  EXPECT_FALSE(workbench.view().check.checked);
  workbench.Perform(action::EditSetup{"SPBRG = 25\nTXSTA = $24\nRCSTA = $90 ' 9600 baud\n"});
  EXPECT_NE(workbench.view().check.summary.find("error 0.16%"), std::string::npos)
      << workbench.view().check.summary;
  workbench.Perform(action::EditOscillator{"8"});
  EXPECT_NE(workbench.view().check.summary.find("oscillator 8 MHz"), std::string::npos)
      << workbench.view().check.summary;
  workbench.Perform(action::ChooseFinding{99});
  EXPECT_FALSE(workbench.view().shownLine);
  workbench.Perform(action::EditSetup{""});
  EXPECT_FALSE(workbench.view().check.checked);
}

}  // namespace
}  // namespace brg::workbench::test
