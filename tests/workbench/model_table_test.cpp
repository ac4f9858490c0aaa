// The workbench model's table: a part, a clock and rates in; for each cell n, the error text in
// the locale's separators, the margin and the best mark out. Then what the entry boxes take and
// what they say when they take nothing.
#include <gtest/gtest.h>

#include "core/text.h"
#include "tests/workbench/workbench_fakes.h"

namespace brg::workbench::test {
namespace {

using engine::Margin;

struct CellCase {
  const char* name;
  Separators separators;
  std::string part;
  std::string osc;
  std::string budget;
  std::string tolerance;
  double baud;
  BrgMode mode;
  const char* n;
  const char* error;
  Margin margin;
  bool best;
};

void PrintTo(const CellCase& row, std::ostream* out) {
  *out << row.name;
}

class TableCellTest : public testing::TestWithParam<CellCase> {};

TEST_P(TableCellTest, CellOfARateInAMode) {
  const CellCase& row = GetParam();
  Bench bench(row.separators);
  Workbench& workbench = bench.Open(Question(row.part, row.osc, {DecimalText(row.baud)}));
  workbench.Perform(action::EditBudget{row.budget});
  workbench.Perform(action::EditTolerance{row.tolerance});
  const TableCell* cell = CellAt(workbench.view(), row.baud, row.mode);
  ASSERT_NE(cell, nullptr) << workbench.view().tableMessage;
  EXPECT_EQ(cell->nText, row.n);
  EXPECT_EQ(cell->errorText, row.error);
  EXPECT_EQ(cell->margin, row.margin);
  EXPECT_EQ(cell->best, row.best);
  // The mark says in text what the colour says, and the best is starred.
  EXPECT_NE(cell->text.find(MarginMark(row.margin)), std::string::npos) << cell->text;
  EXPECT_EQ(cell->text.rfind("* ", 0) == 0, row.best) << cell->text;
}

constexpr BrgMode k8_64 = BrgMode::Async8Div64;
constexpr BrgMode k8_16 = BrgMode::Async8Div16;
constexpr BrgMode k16_16 = BrgMode::Async16Div16;
constexpr BrgMode k16_4 = BrgMode::Async16Div4;

INSTANTIATE_TEST_SUITE_P(
    Cells, TableCellTest,
    testing::Values(CellCase{"EnhancedModeOfAPart", kC, "16F1829", "16", "2", "0", 115200, k16_4,
                             "34", "-0.794%", Margin::Comfortable, true},
                    CellCase{"EightBitModeFails", kC, "16F1829", "16", "2", "0", 115200, k8_16, "8",
                             "-3.549%", Margin::Fails, false},
                    CellCase{"SixteenBySixteenTiesButIsNotBest", kC, "16F1829", "16", "2", "0",
                             115200, k16_16, "8", "-3.549%", Margin::Fails, false},
                    CellCase{"CommaDecimalLocale", kGerman, "16F1829", "16", "2", "0", 115200,
                             k16_4, "34", "-0,794%", Margin::Comfortable, true},
                    CellCase{"NoPartEightBit", kC, "", "4", "2", "0", 9600, k8_16, "25", "0.16%",
                             Margin::Comfortable, true},
                    // Within the budget, but not within half of it.
                    CellCase{"PassesJust", kC, "16F1829", "16", "1", "0", 115200, k16_4, "34",
                             "-0.794%", Margin::Passes, true},
                    // The oscillator's own tolerance counts against the budget.
                    CellCase{"ToleranceTipsItOver", kC, "16F1829", "16", "1", "0.5", 115200, k16_4,
                             "34", "-0.794%", Margin::Fails, false},
                    CellCase{"BudgetWithPercentSign", kC, "16F1829", "16", "1%", "0,5", 115200,
                             k16_4, "34", "-0.794%", Margin::Passes, true},
                    // The generator of a PIC24 runs from Fcy = Fosc / 2.
                    CellCase{"DividedClock", kC, "PIC24FJ64GA002", "32", "2", "0", 115200, k16_4,
                             "34", "-0.794%", Margin::Comfortable, true},
                    CellCase{"TooFastEvenAtZero", kC, "", "4", "2", "0", 1000000, k8_16, "0",
                             "-75.0%", Margin::Fails, false},
                    CellCase{"ExactTieGoesToAnEightBitMode", kGerman, "16F1829", "32", "2", "0",
                             31250, k16_4, "255", "0,0%", Margin::Comfortable, false}),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

TEST(Table, AColumnForEachAsynchronousModeOfThePortAndARowForEachRate) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"115200", "9600", "31250"}));
  const RateTable& table = workbench.view().table;
  EXPECT_EQ(table.modeNames, (std::vector<std::string>{"8/64", "8/16", "16/16", "16/4"}));
  ASSERT_EQ(table.rows.size(), 3U);
  EXPECT_EQ(table.rows[0].rateText, "9,600");
  EXPECT_EQ(table.rows[1].rateText, "31,250");
  EXPECT_EQ(table.rows[2].rateText, "115,200");
  for (const TableRow& row : table.rows) {
    EXPECT_EQ(row.cells.size(), 4U);
  }

  workbench.Perform(action::EditPart{""});
  EXPECT_EQ(workbench.view().table.modeNames, (std::vector<std::string>{"8/64", "8/16"}));
  EXPECT_EQ(workbench.view().tableMessage, "name a part for its 16-bit modes");
}

TEST(Table, TicksAndTypedRatesMakeTheRows) {
  Bench bench(kGerman);
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"9600"}));
  workbench.Perform(action::TickRate{115200, true});
  workbench.Perform(action::TickRate{9600, false});
  workbench.Perform(action::EditExtraRates{"31250; 9600,5  115200"});
  std::vector<double> rates;
  for (const TableRow& row : workbench.view().table.rows) {
    rates.push_back(row.answer.wanted.baud);
  }
  EXPECT_EQ(rates, (std::vector<double>{9600.5, 31250, 115200}));
  EXPECT_EQ(workbench.view().table.rows[0].rateText, "9.600,5");
  EXPECT_EQ(workbench.view().ratesMessage, "");

  workbench.Perform(action::TickRate{115200, false});
  workbench.Perform(action::EditExtraRates{""});
  EXPECT_TRUE(workbench.view().table.rows.empty());
  EXPECT_EQ(workbench.view().tableMessage, "tick a rate or type one");
}

struct EntryCase {
  const char* name;
  Separators separators;
  std::string part;
  std::string osc;
  std::optional<double> read;  // what the box takes
  const char* message;         // part of what it says otherwise
};

void PrintTo(const EntryCase& row, std::ostream* out) {
  *out << row.name;
}

class OscillatorEntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(OscillatorEntryTest, ANumberOrAMessageNeverAShorterNumber) {
  const EntryCase& row = GetParam();
  Bench bench(row.separators);
  Workbench& workbench = bench.Open(Question(row.part, row.osc, {"9600"}));
  const WorkbenchView& view = workbench.view();
  EXPECT_EQ(view.oscillator.value, row.read);
  std::string said = view.oscillator.message + view.clock.refusal;
  EXPECT_NE(said.find(row.message), std::string::npos) << said;
  EXPECT_EQ(view.table.rows.empty(), said.size() > 0) << view.tableMessage;
  if (!said.empty()) {
    EXPECT_NE(view.tableMessage.find(row.message), std::string::npos) << view.tableMessage;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Oscillators, OscillatorEntryTest,
    testing::Values(
        EntryCase{"Period", kC, "", "3.6864", 3.6864, ""},
        EntryCase{"CommaUnderGerman", kGerman, "", "3,6864", 3.6864, ""},
        EntryCase{"PeriodUnderGerman", kGerman, "", "3.6864", 3.6864, ""},
        EntryCase{"CommaUnderC", kC, "", "3,6864", std::nullopt, "\"3,6864\" is not a number"},
        EntryCase{"Unit", kC, "", "16 MHz", std::nullopt, "\"16 MHz\" is not a number"},
        EntryCase{"TwoCommas", kGerman, "", "1,6,0", std::nullopt, "\"1,6,0\" is not a number"},
        EntryCase{"Hexadecimal", kC, "", "0x10", std::nullopt, "\"0x10\" is not a number"},
        EntryCase{"Empty", kC, "", "", std::nullopt, "type a number of MHz"},
        EntryCase{"AboveTheEngine", kGerman, "", "400,5", std::nullopt,
                  "400,5 MHz is outside 0,031 to 300 MHz"},
        EntryCase{"AboveThePartsMaximum", kC, "16F1829", "64", 64,
                  "64 MHz is above the 32 MHz maximum of the 16F1829"},
        EntryCase{"AtThePartsMaximum", kC, "16F1829", "32", 32, ""},
        EntryCase{"AboveThePartsMaximumUnderGerman", kGerman, "16F1829", "40,5", 40.5,
                  "40,5 MHz is above the 32 MHz maximum of the 16F1829"}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST(Rates, TypedRatesThatAreNoNumberAreSaidAndLeftOut) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("", "4", {"9600"}));
  workbench.Perform(action::EditExtraRates{"9,600 2400"});
  EXPECT_NE(workbench.view().ratesMessage.find("\"9,600\" is grouped by thousands"),
            std::string::npos)
      << workbench.view().ratesMessage;
  ASSERT_EQ(workbench.view().table.rows.size(), 2U);
  EXPECT_EQ(workbench.view().table.rows[0].answer.wanted.baud, 2400);
  workbench.Perform(action::EditExtraRates{"6000000"});
  EXPECT_NE(workbench.view().ratesMessage.find("outside 1 to 5000000 baud"), std::string::npos);
}

std::vector<double> TableRates(const WorkbenchView& view) {
  std::vector<double> rates;
  for (const TableRow& row : view.table.rows) {
    rates.push_back(row.answer.wanted.baud);
  }
  return rates;
}

struct SpacedRatesCase {
  const char* name;
  Separators separators;
  const char* typed;
  std::vector<double> rates;
  const char* message;  // part of it; "" for none
};

void PrintTo(const SpacedRatesCase& row, std::ostream* out) {
  *out << row.name;
}

class SpacedRatesTest : public testing::TestWithParam<SpacedRatesCase> {};

// Where a blank groups thousands, "115 200" is never read as the rates 115 and 200.
TEST_P(SpacedRatesTest, DigitsThatMayBeGroupedAreRefused) {
  const SpacedRatesCase& row = GetParam();
  Bench bench(row.separators);
  Workbench& workbench = bench.Open(Question("", "16", {"2400"}));
  workbench.Perform(action::TickRate{2400, false});
  workbench.Perform(action::EditExtraRates{row.typed});
  EXPECT_EQ(TableRates(workbench.view()), row.rates);
  const std::string& said = workbench.view().ratesMessage;
  if (*row.message == '\0') {
    EXPECT_EQ(said, "");
  } else {
    EXPECT_NE(said.find(row.message), std::string::npos) << said;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rates, SpacedRatesTest,
    testing::Values(
        SpacedRatesCase{
            "GroupedUnderFrench", kFrench, "115 200", {}, "\"115 200\" may be one rate"},
        SpacedRatesCase{"MillionUnderFrench", kFrench, "1 000 000 9600", {9600}, "\"1 000 000\""},
        SpacedRatesCase{"NoBreakSpaceUnderFrench", kFrench, "115\u202F200", {}, "\"115\u202F200\""},
        SpacedRatesCase{"TwoBlanksUnderFrench", kFrench, "300  600", {300, 600}, ""},
        SpacedRatesCase{"SemicolonUnderFrench", kFrench, "300;600", {300, 600}, ""},
        SpacedRatesCase{
            "WideRatesUnderFrench", kFrench, "9600 19200 115200", {9600, 19200, 115200}, ""},
        SpacedRatesCase{"ListUnderC", kC, "300 600 115 200", {115, 200, 300, 600}, ""},
        SpacedRatesCase{"ListUnderGerman", kGerman, "300 600", {300, 600}, ""}),
    [](const testing::TestParamInfo<SpacedRatesCase>& info) {
      return std::string(info.param.name);
    });

struct PartCase {
  const char* name;
  std::string part;
  int uartAsked;
  int uartShown;
  int ports;
  const char* firstRegister;  // of the chosen setting's writes
  const char* message;
};

void PrintTo(const PartCase& row, std::ostream* out) {
  *out << row.name;
}

class PartChoiceTest : public testing::TestWithParam<PartCase> {};

TEST_P(PartChoiceTest, ThePortOfThePart) {
  const PartCase& row = GetParam();
  Bench bench;
  Workbench& workbench = bench.Open(Question(row.part, "16", {"9600"}));
  workbench.Perform(action::ChooseUart{row.uartAsked});
  const WorkbenchView& view = workbench.view();
  EXPECT_EQ(view.part.uart, row.uartShown);
  EXPECT_EQ(view.part.ports, row.ports);
  EXPECT_NE(view.part.message.find(row.message), std::string::npos) << view.part.message;
  if (*row.firstRegister == '\0') {
    EXPECT_FALSE(view.setting.shown);
  } else {
    ASSERT_FALSE(view.setting.registers.empty());
    EXPECT_EQ(view.setting.registers.front().name, row.firstRegister);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, PartChoiceTest,
    testing::Values(PartCase{"NoPartHasOnePort", "", 2, 1, 1, "SPBRG", ""},
                    PartCase{"FirstOfTwo", "18F45K22", 1, 1, 2, "SPBRGH", ""},
                    PartCase{"SecondOfTwo", "18F45K22", 2, 2, 2, "SPBRGH2", ""},
                    PartCase{"BeyondThePorts", "16F1829", 3, 1, 1, "SPBRGH", ""},
                    PartCase{"AnyCase", "pic16f1829", 1, 1, 1, "SPBRGH", ""},
                    PartCase{"UnknownPart", "16F18", 1, 1, 1, "", "no part 16F18"},
                    PartCase{"FamilyWithoutData", "PIC24FJ128GA705", 1, 1, 1, "",
                             "no part data for PIC24FJ128GA705"}),
    [](const testing::TestParamInfo<PartCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brg::workbench::test
