// What the workbench keeps between runs and how the command line opens it: the last part,
// clock and rates restored in the user's separators, the command line's values over them, and
// the one line for a value it cannot take.
#include <gtest/gtest.h>

#include "tests/workbench/workbench_fakes.h"

namespace brg::workbench::test {
namespace {

TEST(Kept, TheLastPartClockAndRatesAreRestored) {
  Bench first(kGerman);
  Workbench& before = first.Open(StartRequest{});
  before.Perform(action::EditPart{"18F45K22"});
  before.Perform(action::ChooseUart{2});
  before.Perform(action::EditOscillator{"3,6864"});
  before.Perform(action::TickRate{300, true});
  before.Perform(action::EditExtraRates{"31250 9600,5 x"});
  before.Perform(action::EditBudget{"1"});  // not kept
  ASSERT_TRUE(first.hosts.kept);
  EXPECT_EQ(
      *first.hosts.kept,
      (KeptValues{
          "18F45K22", 2, "3.6864", {300, 9600, 19200, 38400, 57600, 115200}, "31250 9600.5 x"}));

  for (const Separators& separators : {kGerman, kC}) {
    Bench next(separators);
    next.hosts.kept = first.hosts.kept;
    const WorkbenchState& state = next.Open(StartRequest{}).state();
    EXPECT_EQ(state.partText, "18F45K22");
    EXPECT_EQ(state.uart, 2);
    EXPECT_EQ(state.oscText, separators.decimal == "," ? "3,6864" : "3.6864");
    EXPECT_EQ(state.tickedRates.front(), 300);
    EXPECT_EQ(state.extraRatesText,
              separators.decimal == "," ? "31250 9600,5 x" : "31250 9600.5 x");
    EXPECT_EQ(state.budgetText, "2");
    EXPECT_EQ(next.workbench->view().oscillator.value, 3.6864);
  }
}

TEST(Kept, SavedOnlyWhenAKeptValueChanges) {
  Bench bench;
  Workbench& workbench = bench.Open(StartRequest{});
  int saves = bench.hosts.saves;
  workbench.Perform(action::EditBudget{"1"});
  workbench.Perform(action::EditSetup{"SPBRG = 25"});
  workbench.Perform(action::ChooseCell{0, 0});
  EXPECT_EQ(bench.hosts.saves, saves);
  workbench.Perform(action::EditOscillator{"20"});
  EXPECT_EQ(bench.hosts.saves, saves + 1);
  workbench.Perform(action::EditOscillator{"20"});
  EXPECT_EQ(bench.hosts.saves, saves + 1);
}

TEST(Kept, TickedRatesOutOfOrderOrTwiceCanBeUnticked) {
  Bench bench;
  bench.hosts.kept = KeptValues{"", 1, "4", {115200, 9600, 2400, 9600}, ""};
  Workbench& workbench = bench.Open(StartRequest{});
  EXPECT_EQ(workbench.state().tickedRates, (std::vector<double>{2400, 9600, 115200}));
  workbench.Perform(action::TickRate{9600, false});
  workbench.Perform(action::TickRate{2400, true});  // already ticked: still once
  EXPECT_EQ(workbench.state().tickedRates, (std::vector<double>{2400, 115200}));
  EXPECT_EQ(workbench.view().table.rows.size(), 2U);
}

TEST(Kept, TickedRatesThatAreNoStandardRateAreDropped) {
  Bench bench;
  bench.hosts.kept = KeptValues{"", 1, "4", {9600, 9601}, ""};
  EXPECT_EQ(bench.Open(StartRequest{}).state().tickedRates, std::vector<double>{9600});
}

TEST(Start, TheCommandLineOverTheKeptValues) {
  Bench bench(kGerman);
  bench.hosts.kept = KeptValues{"16F877A", 1, "20", {300, 1200}, "31250"};
  Workbench& workbench = bench.Open(Question("16F1829", "3.6864", {"115200", "9600.5", "9600"}));
  const WorkbenchState& state = workbench.state();
  EXPECT_EQ(state.partText, "16F1829");
  EXPECT_EQ(state.oscText, "3,6864");
  EXPECT_EQ(state.tickedRates, (std::vector<double>{9600, 115200}));
  EXPECT_EQ(state.extraRatesText, "9600,5");
  EXPECT_EQ(workbench.view().table.rows.size(), 3U);
  EXPECT_EQ(bench.hosts.kept->oscMHz, "3.6864");
}

// A link's values that are no numbers are put in as typed, and their boxes refuse them.
TEST(Start, ValuesThatAreNoNumbersAreRefusedByTheirBoxes) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16FXYZ", "abc", {"9,600", "115200"}));
  EXPECT_EQ(workbench.state().oscText, "abc");
  EXPECT_FALSE(workbench.view().oscillator.value);
  EXPECT_FALSE(workbench.view().oscillator.message.empty());
  EXPECT_EQ(workbench.state().extraRatesText, "9,600");
  EXPECT_NE(workbench.view().ratesMessage.find("9,600"), std::string::npos);
  EXPECT_FALSE(workbench.view().part.message.empty());
  EXPECT_EQ(workbench.state().tickedRates, std::vector<double>{115200});
}

TEST(Start, OnlyTheValuesGivenReplaceTheKeptOnes) {
  Bench bench;
  bench.hosts.kept = KeptValues{"16F877A", 1, "20", {300, 1200}, "31250"};
  StartRequest request;
  request.oscMHz = "4";
  const WorkbenchState& state = bench.Open(request).state();
  EXPECT_EQ(state.partText, "16F877A");
  EXPECT_EQ(state.oscText, "4");
  EXPECT_EQ(state.tickedRates, (std::vector<double>{300, 1200}));
  EXPECT_EQ(state.extraRatesText, "31250");
}

struct ProblemCase {
  const char* name;
  StartRequest request;
  const char* problem;  // its start, or "" for a request that is taken
};

void PrintTo(const ProblemCase& row, std::ostream* out) {
  *out << row.name;
}

class StartProblemTest : public testing::TestWithParam<ProblemCase> {};

TEST_P(StartProblemTest, OneLineNamingTheOption) {
  std::string problem = StartProblem(GetParam().request, "");
  EXPECT_EQ(problem.rfind(GetParam().problem, 0), 0U) << problem;
  EXPECT_EQ(problem.empty(), *GetParam().problem == '\0') << problem;
  EXPECT_EQ(problem.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, StartProblemTest,
    testing::Values(
        ProblemCase{"AllGood", Question("16F1829", "16", {"115200", "9600.5"}), ""},
        ProblemCase{"NoPartIsTheClassicUsart", Question("", "4", {"9600"}), ""},
        ProblemCase{"UnknownPart", Question("16F9999", "16", {}), "--device \"16F9999\": no part"},
        ProblemCase{
            "OscillatorWithAUnit", Question("", "16MHz", {}),
            "--osc \"16MHz\" is not accepted: give a plain number of MHz from 0.031 to 300"},
        ProblemCase{"OscillatorWithAComma", Question("", "3,6864", {}), "--osc \"3,6864\""},
        ProblemCase{"OscillatorTooLow", Question("", "0.01", {}), "--osc \"0.01\""},
        ProblemCase{"RateGrouped", Question("", "16", {"9600", "9,600"}), "--baud \"9,600\""},
        ProblemCase{"RateTooHigh", Question("", "16", {"5000001"}), "--baud \"5000001\""},
        ProblemCase{"RateWithAControlCharacter", Question("", "16", {"96\n00"}),
                    "--baud \"96\\x0A00\""}),
    [](const testing::TestParamInfo<ProblemCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brg::workbench::test
