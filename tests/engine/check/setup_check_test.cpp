// The setup checker with one input for each fault it names, the window's own export among the
// clean ones.
#include <gtest/gtest.h>

#include <string>

#include "core/define_export.h"
#include "engine/check/setup_check.h"
#include "engine/check/setup_source.h"
#include "engine/errors.h"
#include "engine/parts/part_profile.h"
#include "tests/engine/check/report_line.h"

namespace brg::engine {
namespace {

struct CheckCase {
  std::string name;
  std::string source;
  double osc;
  std::string finding;  // a text the report must hold; empty: no fault at all
};

void PrintTo(const CheckCase& c, std::ostream* out) {
  *out << c.name;
}

class SetupCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(SetupCheckTest, FindsWhatIsWrong) {
  const CheckCase& c = GetParam();
  CheckOptions options;
  if (c.osc > 0) {
    options.oscMHz = c.osc;
  }
  SetupReport report = CheckSetup(c.source, options, *ClassicProfile().ports.front());
  std::string all;
  for (const Finding& finding : report.findings) {
    all += std::to_string(finding.line) + ": " + finding.message + "\n";
  }
  if (c.finding.empty()) {
    EXPECT_FALSE(report.HasFault()) << all;
  } else {
    EXPECT_TRUE(report.HasFault()) << all;
    EXPECT_NE(all.find(c.finding), std::string::npos) << all;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, SetupCheckTest,
    testing::Values(
        CheckCase{"WindowExport", DefineBlock(true, "25", "9600") + OverrunClearLine(), 4, ""},
        CheckCase{"BasicAssignments", "SPBRG = 25 : TXSTA = $24 : RCSTA = $90 ' 9600 baud", 4, ""},
        CheckCase{"CAssignmentsHexAndBinary",
                  "SPBRG = 0x19; /* 9600 baud */\nTXSTA = 0b00100100;\nRCSTA = 90h;", 4, ""},
        CheckCase{"SixteenBitPair",
                  "SPBRGH = 6\nSPBRG = 130\nBAUDCONbits.BRG16 = 1\nTXSTA = $24\nRCSTA = $90", 64,
                  ""},
        CheckCase{"ValueTooLargeForItsRegister", "DEFINE HSER_SPBRG 1666 ' 9600 baud", 64,
                  "1: HSER_SPBRG = 1666 does not fit the 8-bit register"},
        CheckCase{"SixteenBitValueWithoutHighByte",
                  "SPBRG = 1666\nBAUDCON = $08\nTXSTA = $24\nRCSTA = $90", 64,
                  "1: n = 1666 is above 255 with BRG16 on, but no SPBRGH is written"},
        CheckCase{"HighByteWithoutBrg16", "SPBRGH = 1\nSPBRG = 25\nTXSTA = $24\nRCSTA = $90", 4,
                  "1: SPBRGH is 1 while BRG16 is off"},
        CheckCase{"PortSwitchedOff", "SPBRG = 25\nTXSTA = $24\nRCSTA = $10", 4,
                  "3: SPEN is off in RCSTA"},
        CheckCase{"NeitherSendingNorReceiving", "SPBRG = 25\nTXSTA = $04\nRCSTA = $80", 4,
                  "2: neither TXEN (TXSTA) nor CREN (RCSTA) is on"},
        CheckCase{"ReceiveOnlyIsFine", "SPBRG = 25\nTXSTA = $04\nRCSTA = $90", 4, ""},
        CheckCase{"OverrunNameTheCompilerIgnores",
                  DefineBlock(true, "25", "9600") + "DEFINE HSER_CLOERR 1", 4,
                  "4: DEFINE HSER_CLOERR is no name the compiler knows: HSER_CLROERR is meant"},
        CheckCase{"ErrorAboveTolerance", "SPBRG = 6\nTXSTA = $20\nRCSTA = $90 ' 9600 baud", 4,
                  "1: the error -6.994% is above 2%"},
        CheckCase{"BetterValueInTheSameMode", "SPBRG = 26 ' 9600 baud\nTXSTA = $24\nRCSTA = $90", 4,
                  "a better setting in the same mode: mode 8/16 with n = 25 gives 0.16%"},
        CheckCase{"RateAndSpbrgDefinesConflict", "DEFINE HSER_BAUD 9600\nDEFINE HSER_SPBRG 25", 4,
                  "1: a rate DEFINE and an SPBRG DEFINE both set the rate: they conflict"},
        CheckCase{"OscillatorDefineDiffers", "DEFINE OSC 20\n" + DefineBlock(true, "25", "9600"), 4,
                  "1: DEFINE OSC 20 differs from --osc 4"},
        CheckCase{"OscillatorFromTheSource", "DEFINE OSC 20\n" + DefineBlock(true, "129", "9600"),
                  0, ""}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST(SetupCheck, TheLastOfTwoAssignmentsCountsWithANote) {
  CheckOptions options;
  options.oscMHz = 4;
  SetupReport report = CheckSetup("SPBRG = 6\nSPBRG = 25 ' 9600 baud\nTXSTA = $24\nRCSTA = $90",
                                  options, *ClassicProfile().ports.front());
  ASSERT_TRUE(report.setting.has_value());
  EXPECT_EQ(report.setting->n, 25);
  EXPECT_FALSE(report.HasFault());
  ASSERT_EQ(report.findings.size(), 1U);
  EXPECT_EQ(report.findings.front().kind, FindingKind::Note);
}

TEST(SetupCheck, RefusesWhatIsNoSetup) {
  CheckOptions options;
  options.oscMHz = 4;
  PartProfile classic = ClassicProfile();
  const SerialPort& usart = *classic.ports.front();
  EXPECT_THROW(CheckSetup(std::string("\x7f"
                                      "ELF\0\1",
                                      6),
                          options, usart),
               NotASetup);
  EXPECT_THROW(CheckSetup("int main(void) { return 0; }", options, usart), NotASetup);
  EXPECT_THROW(CheckSetup(std::string((16 << 20) + 1, ' '), options, usart), NotASetup);
  // DEFINEs without DEFINE OSC compile for the compiler's own 4 MHz.
  EXPECT_EQ(CheckSetup(DefineBlock(true, "25", "9600"), CheckOptions{}, usart).oscMHz, 4);
  EXPECT_THROW(CheckSetup("SPBRG = 25", CheckOptions{}, usart), NotASetup);
}

struct ReportCase {
  std::string name;
  std::string source;
  double osc;  // 0: none given
  double maxError;
  std::string part;  // "" the classic names, else a header of the tests
  std::string report;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
  *out << c.name;
}

class SetupReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(SetupReportTest, SaysWhatTheSourceSetsUpAndWhatIsWrong) {
  const ReportCase& c = GetParam();
  CheckOptions options;
  if (c.osc > 0) {
    options.oscMHz = c.osc;
  }
  options.maxErrorPercent = c.maxError;
  PartProfile part =
      c.part.empty() ? ClassicProfile() : ReadPartProfile(c.part, SPBRG_TEST_HEADERS);
  EXPECT_EQ(Rendered(CheckSetup(c.source, options, part.Port(1))), c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, SetupReportTest,
    testing::Values(
        ReportCase{"CommentsOfEveryKindHideCode",
                   "/* SPBRG = 99 */ SPBRG = 25; // 9600 baud\nTXSTA = 0x24; ' RCSTA = 0\n"
                   "/*\nRCSTA = 0\n*/ RCSTA = 0x90;",
                   4, 2, "", "8/16 n=25 for 9600@1"},
        ReportCase{"BitWritesOfXc8",
                   "SPBRG = 25; TXSTAbits.TXEN = 1; TXSTAbits.BRGH = 1;\n"
                   "RCSTAbits.SPEN = 1; RCSTAbits.CREN = 1; // 9600 baud",
                   4, 2, "", "8/16 n=25 for 9600@2"},
        ReportCase{"BitWritesByNumberAndClearedAgain",
                   "SPBRG = 25 : TXSTA.5 = 1 : TXSTA.2 = 1 : RCSTA.7 = 1\nTXSTA.2 = 0 ' 2400 baud",
                   4, 2, "", "8/64 n=25 for 2400@2"},
        ReportCase{"ABitSetToTwoAndAnUnknownBit",
                   "SPBRG = 25\nTXSTA = $24\nRCSTA = $90\nTXSTAbits.BRGH = 2\nRCSTAbits.FOO = 1", 4,
                   2, "",
                   "8/16 n=25 | 4 fault: TXSTAbits.BRGH = 2: 2 does not fit BRGH, a single bit "
                   "| 5 fault: RCSTAbits.FOO = 1: FOO is no bit or field of RCSTA"},
        ReportCase{"AValueThatIsNoNumber", "SPBRG = baud\nTXSTA = $24\nRCSTA = $90", 4, 2, "",
                   "no setting | 1 fault: SPBRG = baud: the value is no number"},
        ReportCase{"ComparisonsAreNoAssignments",
                   "SPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;\nif (SPBRG == 26) SPBRG = 1;\n"
                   "while (SPBRG <= 3) {}\nx = SPBRG != 4;\ny = SPBRG >= 5;",
                   4, 2, "", "8/16 n=25"},
        ReportCase{"TheFirstRateNamedCounts",
                   "SPBRG = 25 ' 9600 Bauds\nTXSTA = $24 ' 19200 baud\nRCSTA = $90", 4, 2, "",
                   "8/16 n=25 for 9600@1"},
        ReportCase{"AnErrorAtTheBudgetPasses", "SPBRG = 11 ' 9600 baud\nTXSTA = $24\nRCSTA = $90",
                   1.8432, 0, "", "8/16 n=11 for 9600@1"},
        ReportCase{"AnErrorAboveTheBudget", "SPBRG = 25 ' 9600 baud\nTXSTA = $24\nRCSTA = $90", 4,
                   0.16, "", "8/16 n=25 for 9600@1 | 1 tolerance: the error 0.16% is above 0.16%"},
        ReportCase{"AnErrorJustWithinTheBudget", "SPBRG = 25 ' 9600 baud\nTXSTA = $24\nRCSTA = $90",
                   4, 0.1603, "", "8/16 n=25 for 9600@1"},
        ReportCase{"AnotherModeDoesBetter", "SPBRG = 255 ' 1200 baud\nTXSTA = $20\nRCSTA = $90", 20,
                   2, "",
                   "8/64 n=255 for 1200@1 | 1 note: another mode does better: mode 16/16 with "
                   "n = 1041 gives -0.032%"},
        ReportCase{"NoOtherModeOnAPartWithoutBrg16",
                   "SPBRG = 255 ' 1200 baud\nTXSTA = $20\nRCSTA = $90", 20, 2, "16FNOBIT",
                   "8/64 n=255 for 1200@1"},
        ReportCase{"AnotherModeOnlyWhenItHalvesTheError",
                   "SPBRG = 6 ' 9600 baud\nTXSTA = $20\nRCSTA = $90", 4, 10, "16FNOBIT",
                   "8/64 n=6 for 9600@1 | 1 note: another mode does better: mode 8/16 with n = 25 "
                   "gives 0.16%"},
        ReportCase{"AnotherModeThatDoesNotHalveTheErrorIsNoNote",
                   "SPBRG = 10 ' 115200 baud\nTXSTA = $24\nRCSTA = $90", 20, 2, "",
                   "8/16 n=10 for 115200@1"},
        ReportCase{"NoOtherModeBelowHalfAPercent",
                   "SPBRG = 129 ' 9600 baud\nTXSTA = $24\nRCSTA = $90", 20, 2, "",
                   "8/16 n=129 for 9600@1"},
        ReportCase{"ASynchronousSetupHasNoOtherMode",
                   "SPBRG = 255 ' 1200 baud\nTXSTA = $B0\nRCSTA = $80", 20, 2000, "",
                   "sync8 n=255 for 1200@1"},
        ReportCase{"AValueThatFitsItsRegister", "SPBRG = 255\nTXSTA = $24\nRCSTA = $90", 4, 2, "",
                   "8/16 n=255"},
        ReportCase{"AValueOneTooLarge", "SPBRG = 256\nTXSTA = $24\nRCSTA = $90", 4, 2, "",
                   "8/16 n=0 | 1 fault: SPBRG = 256 does not fit the 8-bit register"},
        ReportCase{"DefineNameTwoEditsFromAKnownOne",
                   "DEFINE HSER_RCSTA 90h\nDEFINE HSER_TXSTA 24h\nDEFINE HSER_SPBXX 25", 4, 2, "",
                   "8/16 n=103 | 3 fault: DEFINE HSER_SPBXX is no name the compiler knows: "
                   "HSER_SPBRG is meant, and the line does nothing"},
        ReportCase{"DefineNameThreeEditsAwayIsNotGuessed",
                   "DEFINE HSER_RCSTA 90h\nDEFINE HSER_TXSTA 24h\nDEFINE HSER_SXBXX 25", 4, 2, "",
                   "8/16 n=103"},
        ReportCase{
            "ANearNameWithoutThePrefix", "DEFINE HSR_BAUD 9600\nDEFINE OSC 4", 0, 2, "",
            "8/64 n=25 for 9600@1 | 1 fault: DEFINE HSR_BAUD is no name the compiler knows: "
            "HSER_BAUD is meant, and the line does nothing | 1 tolerance: the error -74.96% is "
            "above 2% | 1 tolerance: a better setting in the same mode: mode 8/64 with n = 6 "
            "gives -6.994% | 1 note: another mode does better: mode 8/16 with n = 25 gives "
            "0.16%"},
        ReportCase{"TheRateDefineAlone", "DEFINE OSC 4\nDEFINE HSER_BAUD 9600", 0, 2, "",
                   "8/64 n=6 for 9600@2 | 2 tolerance: the error -6.994% is above 2% | 2 note: "
                   "another mode does better: mode 8/16 with n = 25 gives 0.16%"},
        ReportCase{"TheCompilersDefaultsOnlyWithDefines", "SPBRG = 25", 4, 2, "",
                   "8/64 n=25 | 0 fault: SPEN is off in RCSTA: the port stays switched off | 0 "
                   "fault: neither TXEN (TXSTA) nor CREN (RCSTA) is on: the port neither sends nor "
                   "receives"},
        ReportCase{"DefaultsUnderTheDefines", "DEFINE HSER_SPBRG 25\nDEFINE HSER_TXSTA 24h", 4, 2,
                   "", "8/16 n=25"},
        ReportCase{"AnAliasOfAnotherPart", "SP1BRGL = 25\nTX1STA = $24\nRC1STA = $90", 4, 2, "",
                   "8/16 n=25"}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

TEST(SetupCheck, WhatIsNoSetupSaysWhy) {
  CheckOptions options;
  options.oscMHz = 4;
  auto refusal = [&](const std::string& text, const SerialPort& port) {
    try {
      CheckSetup(text, options, port);
    } catch (const NotASetup& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  PartProfile classic = ClassicProfile();
  EXPECT_EQ(refusal(std::string(16 << 20, ' '), classic.Port(1)),
            "nothing in the input sets up USART 1: no HSER DEFINE and no assignment to its "
            "registers");
  EXPECT_EQ(refusal(std::string((16 << 20) + 1, ' '), classic.Port(1)),
            "the input is larger than 16 MiB, more than any source of a serial setup");
  PartProfile two = ReadPartProfile("18FTEST", SPBRG_TEST_HEADERS);
  EXPECT_EQ(refusal("SPBRG = 25\nTXSTA = $24\nRCSTA = $90", two.Port(2)),
            "nothing in the input sets up USART 2: no HSER DEFINE and no assignment to its "
            "registers");
  EXPECT_EQ(refusal("DEFINE HSER_SPBRG 25", two.Port(2)),
            "nothing in the input sets up USART 2: no HSER DEFINE and no assignment to its "
            "registers");
  EXPECT_EQ(Rendered(CheckSetup("SPBRG2 = 25\nTXSTA2 = $24\nRCSTA2 = $90", options, two.Port(2))),
            "8/16 n=25");
  CheckOptions none;
  EXPECT_EQ(refusal("SPBRG = 25", ClassicProfile().Port(1)), "");
  try {
    CheckSetup("SPBRG = 25", none, classic.Port(1));
    FAIL() << "no oscillator";
  } catch (const NotASetup& error) {
    EXPECT_STREQ(error.what(),
                 "no oscillator: give --osc MHZ (or name the clock in the source: _XTAL_FREQ, "
                 "FOSC, DEFINE OSC)");
  }
}

TEST(SetupCheck, TheWantedRateFromTheOptionsOverTheSource) {
  CheckOptions options;
  options.oscMHz = 4;
  options.baud = 2400;
  SetupReport report = CheckSetup("SPBRG = 25 ' 9600 baud\nTXSTA = $20\nRCSTA = $90", options,
                                  ClassicProfile().Port(1));
  EXPECT_EQ(Rendered(report), "8/64 n=25 for 2400@0");
}

TEST(SetupCheck, ReadsEveryLiteral) {
  EXPECT_EQ(ReadLiteral("25"), 25);
  EXPECT_EQ(ReadLiteral("0x24"), 0x24);
  EXPECT_EQ(ReadLiteral("$24"), 0x24);
  EXPECT_EQ(ReadLiteral("24h"), 0x24);
  EXPECT_EQ(ReadLiteral("0b100100"), 0x24);
  EXPECT_EQ(ReadLiteral("%100100"), 0x24);
  EXPECT_FALSE(ReadLiteral("h24").has_value());
  EXPECT_FALSE(ReadLiteral("0x").has_value());
  EXPECT_FALSE(ReadLiteral("12a").has_value());
}

}  // namespace
}  // namespace brg::engine
