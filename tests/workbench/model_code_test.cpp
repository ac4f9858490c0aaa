// The chosen setting and its code: a part, a clock, rates and a chosen cell in; the registers,
// the texts and the code out, the code byte for byte what spbrg prints for the same question.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/workbench/workbench_fakes.h"

namespace brg::workbench::test {
namespace {

using Kind = engine::CodeFormKind;

std::string Golden(const std::string& file) {
  std::ifstream in(std::string(SPBRG_CLI_GOLDEN) + "/" + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct CodeCase {
  const char* name;
  std::string part;
  int uart;
  std::string osc;
  std::string rate;
  std::optional<std::size_t> column;  // the cell clicked; none for the row's best
  bool overrunClear;
  Kind form;
  std::string expected;
};

void PrintTo(const CodeCase& row, std::ostream* out) {
  *out << row.name;
}

class ChosenCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(ChosenCodeTest, TheCodeSpbrgPrints) {
  const CodeCase& row = GetParam();
  Bench bench;
  Workbench& workbench = bench.Open(Question(row.part, row.osc, {row.rate}));
  workbench.Perform(action::ChooseUart{row.uart});
  workbench.Perform(action::SetOverrunClear{row.overrunClear});
  workbench.Perform(action::ChooseCell{0, row.column});
  const CodeFormView* form = FormOf(workbench.view(), row.form);
  ASSERT_NE(form, nullptr);
  ASSERT_FALSE(row.expected.empty());
  EXPECT_EQ(form->text, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ChosenCodeTest,
    testing::Values(
        CodeCase{"CWithoutAPart", "", 1, "4", "9600", std::nullopt, false, Kind::C,
                 Golden("c_4_9600.txt")},
        CodeCase{"DefinesWithoutAPart", "", 1, "4", "9600", std::nullopt, false, Kind::Defines,
                 Golden("defines_4_9600.txt")},
        CodeCase{"BasicRegistersOfAPart", "16F1829", 1, "32", "9600", std::nullopt, false,
                 Kind::BasicRegisters, Golden("basic_32_9600_enhanced_16f1829.txt")},
        CodeCase{"DefinesOfTheSecondPortInTheCellClicked", "18F45K22", 2, "64", "9600", 3, true,
                 Kind::Defines, Golden("defines_16_4_64_9600_18f45k22_usart2.txt")},
        CodeCase{"CInTheUsersLayout", "16F1829", 1, "32", "9600", std::nullopt, false, Kind::C,
                 "// 32 MHz, 9600 baud wanted: 9,604 baud real, error 0.04%, mode 16/4\n"
                 "SPBRGH = 3;\nSPBRG = 64;\nBAUDCON = 0x08; // BRG16\n"
                 "TXSTA = 0x24; // TXEN BRGH\nRCSTA = 0x90; // SPEN CREN\n"},
        CodeCase{"CForAUartWithoutHeader", "PIC18F47Q43", 1, "64", "115200", std::nullopt, false,
                 Kind::C,
                 "// 64 MHz, 115200 baud wanted: 115,108 baud real, error -0.08%, mode 16/4\n"
                 "U1BRGH = 0;\nU1BRGL = 138;\nU1CON0 = 0xB0; // BRGS TXEN RXEN\n"
                 "U1CON1 = 0x80; // ON\n"},
        CodeCase{"CommentNamesTheDividedClock", "PIC24FJ64GA002", 1, "32", "115200", std::nullopt,
                 false, Kind::C,
                 "// 32 MHz, 115200 baud wanted: 114,286 baud real, error -0.794%, mode 16/4; "
                 "UART clock Fcy 16 MHz = Fosc 32 MHz / 2\n"
                 "U1BRG = 34;\nU1MODE = 0x8008; // UARTEN BRGH\nU1STA = 0x0400; // UTXEN\n"}),
    [](const testing::TestParamInfo<CodeCase>& info) { return std::string(info.param.name); });

struct DetailsCase {
  const char* name;
  Separators separators;
  std::string osc;
  const char* heading;
  const char* realRate;
  const char* bitTime;
};

void PrintTo(const DetailsCase& row, std::ostream* out) {
  *out << row.name;
}

class SettingDetailsTest : public testing::TestWithParam<DetailsCase> {};

TEST_P(SettingDetailsTest, RegistersAndTextsOfTheBest) {
  const DetailsCase& row = GetParam();
  Bench bench(row.separators);
  Workbench& workbench = bench.Open(Question("16F1829", row.osc, {"115200"}));
  const SettingView& setting = workbench.view().setting;
  ASSERT_TRUE(setting.shown);
  EXPECT_EQ(setting.heading, row.heading);
  EXPECT_EQ(setting.realRate, row.realRate);
  EXPECT_EQ(setting.bitTime, row.bitTime);
  std::vector<std::pair<std::string, std::string>> registers;
  for (const RegisterLine& line : setting.registers) {
    registers.emplace_back(line.name, line.value);
  }
  EXPECT_EQ(registers,
            (std::vector<std::pair<std::string, std::string>>{{"SPBRGH", "0"},
                                                              {"SPBRG", "34"},
                                                              {"BAUDCON", "0x08: BRG16"},
                                                              {"TXSTA", "0x24: TXEN BRGH"},
                                                              {"RCSTA", "0x90: SPEN CREN"}}));
  EXPECT_EQ(setting.verdict, "passes comfortably, the best of the row");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, SettingDetailsTest,
    testing::Values(DetailsCase{"C", kC, "16",
                                "115,200 baud in 16/4 (SYNC 0, BRG16 1, BRGH 1), n = 34",
                                "114,286 baud", "8.750 \u00B5s"},
                    DetailsCase{"German", kGerman, "16,0",
                                "115.200 baud in 16/4 (SYNC 0, BRG16 1, BRGH 1), n = 34",
                                "114.286 baud", "8,750 \u00B5s"}),
    [](const testing::TestParamInfo<DetailsCase>& info) { return std::string(info.param.name); });

std::vector<std::string> FormNames(const WorkbenchView& view) {
  std::vector<std::string> names;
  for (const CodeFormView& form : view.setting.forms) {
    names.push_back(form.name);
  }
  return names;
}

TEST(ChosenSetting, OnlyTheFormsThePartHas) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"115200"}));
  EXPECT_EQ(FormNames(workbench.view()),
            (std::vector<std::string>{"C", "asm", "DEFINEs", "BASIC", "JSON"}));
  workbench.Perform(action::EditPart{"PIC24FJ64GA002"});
  EXPECT_EQ(FormNames(workbench.view()), (std::vector<std::string>{"C", "JSON"}));
}

TEST(ChosenSetting, ACellClickedStaysChosenUntilItsRateGoes) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"9600", "115200"}));
  workbench.Perform(action::ChooseCell{1, 1});  // 115200 in 8/16
  EXPECT_EQ(workbench.view().setting.heading.rfind("115,200 baud in 8/16", 0), 0U)
      << workbench.view().setting.heading;
  EXPECT_NE(FormOf(workbench.view(), Kind::C)->text.find("SPBRG = 8;"), std::string::npos);
  EXPECT_EQ(workbench.view().setting.verdict, "fails");

  workbench.Perform(action::EditOscillator{"20"});  // the same cell, at the new clock
  EXPECT_EQ(workbench.view().setting.row, 1U);
  EXPECT_EQ(workbench.view().setting.column, 1U);
  EXPECT_NE(FormOf(workbench.view(), Kind::C)->text.find("SPBRG = 10;"), std::string::npos);

  workbench.Perform(action::ChooseCell{1, std::nullopt});  // the row's best, whichever it is
  EXPECT_EQ(workbench.view().setting.column, 3U);

  workbench.Perform(action::TickRate{115200, false});  // its rate gone: the first row's best
  EXPECT_EQ(workbench.view().setting.row, 0U);
  EXPECT_TRUE(workbench.view().table.rows[0].cells[workbench.view().setting.column].best);

  workbench.Perform(action::ChooseCell{5, 0});  // no such row: nothing changes
  EXPECT_EQ(workbench.view().setting.row, 0U);
}

TEST(ChosenSetting, AModeThePartNoLongerHasFallsBackToTheBestOfItsRate) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"2400", "9600"}));
  workbench.Perform(action::ChooseCell{1, 3});  // 9600 in 16/4
  ASSERT_EQ(workbench.view().table.modes[3], BrgMode::Async16Div4);
  workbench.Perform(action::EditPart{""});  // the classic USART: no 16/4
  EXPECT_EQ(workbench.view().setting.row, 1U);
  EXPECT_TRUE(workbench.view().table.rows[1].cells[workbench.view().setting.column].best);
  workbench.Perform(action::EditPart{"16F1829"});  // the mode again: the cell chosen again
  EXPECT_EQ(workbench.view().setting.row, 1U);
  EXPECT_EQ(workbench.view().setting.column, 3U);
}

TEST(ChosenSetting, TheCopyMessageGoesWhenTheCodeChanges) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"115200"}));
  workbench.Perform(action::CopyForm{Kind::C});
  EXPECT_EQ(workbench.state().copyMessage, "the C code is on the clipboard");
  workbench.Perform(action::EditSetup{"SPBRG = 25"});  // the code stays: so does the message
  EXPECT_EQ(workbench.state().copyMessage, "the C code is on the clipboard");
  workbench.Perform(action::EditOscillator{"20"});
  EXPECT_EQ(workbench.state().copyMessage, "");
}

TEST(ChosenSetting, TheNearestWhenNothingPasses) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("", "16", {"115200"}));
  const SettingView& setting = workbench.view().setting;
  ASSERT_TRUE(setting.shown);
  EXPECT_EQ(setting.error, "-3.549%");
  EXPECT_EQ(setting.verdict, "fails");
}

TEST(ChosenSetting, TheAsmFormAsAWholeProgramWhereThePartHasOne) {
  Bench bench;
  Workbench& workbench = bench.Open(Question("16F1829", "16", {"115200"}));
  std::string plain = FormOf(workbench.view(), Kind::Asm)->text;
  EXPECT_TRUE(workbench.view().setting.wholeProgramOffered);
  workbench.Perform(action::SetWholeProgram{true});
  std::string program = FormOf(workbench.view(), Kind::Asm)->text;
  EXPECT_EQ(program.rfind("; Bring-up program for the 16F1829", 0), 0U) << program;
  EXPECT_NE(program.find(plain.substr(plain.find('\n') + 1)), std::string::npos);
  workbench.Perform(action::CopyForm{Kind::Asm});
  EXPECT_EQ(bench.hosts.clipboard, program);

  workbench.Perform(action::EditPart{""});  // no header: the plain form, whatever is asked
  EXPECT_FALSE(workbench.view().setting.wholeProgramOffered);
  EXPECT_EQ(FormOf(workbench.view(), Kind::Asm)->text.rfind("; 16 MHz", 0), 0U);
}

struct CopyCase {
  const char* name;
  std::string part;
  Kind form;
  bool clipboardWorks;
  bool copied;
  const char* message;
};

void PrintTo(const CopyCase& row, std::ostream* out) {
  *out << row.name;
}

class CopyTest : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyTest, TheFormOnTheClipboardOrWhyNot) {
  const CopyCase& row = GetParam();
  Bench bench;
  Workbench& workbench = bench.Open(Question(row.part, "32", {"115200"}));
  bench.hosts.clipboardWorks = row.clipboardWorks;
  bench.hosts.clipboard = "before";
  workbench.Perform(action::CopyForm{row.form});
  const CodeFormView* form = FormOf(workbench.view(), row.form);
  EXPECT_EQ(bench.hosts.clipboard, row.copied ? form->text : "before");
  EXPECT_EQ(workbench.state().copyMessage, row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, CopyTest,
    testing::Values(CopyCase{"C", "16F1829", Kind::C, true, true, "the C code is on the clipboard"},
                    CopyCase{"Json", "16F1829", Kind::Json, true, true,
                             "the JSON code is on the clipboard"},
                    CopyCase{"ClipboardRefuses", "16F1829", Kind::Asm, false, false,
                             "the clipboard could not be written: the asm code is not on it"},
                    CopyCase{"FormThePartLacks", "PIC24FJ64GA002", Kind::Asm, true, false,
                             "no asm code to copy"}),
    [](const testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brg::workbench::test
