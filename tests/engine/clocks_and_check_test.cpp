// The clock search against answers worked out by hand, and the setup checker with one input for
// each fault it names, the window's own export among the clean ones.
#include <gtest/gtest.h>

#include <string>

#include "core/define_export.h"
#include "engine/clock_search.h"
#include "engine/errors.h"
#include "engine/part_profile.h"
#include "engine/setup_check.h"
#include "engine/setup_source.h"

namespace brg::engine {
namespace {

const std::vector<BrgMode> kEightBit{BrgMode::Async8Div64, BrgMode::Async8Div16};
const std::vector<BrgMode> kEnhanced(kAsyncModes.begin(), kAsyncModes.end());

RateOnClock OnClock(double mhz, ClockKind kind, double baud, const std::vector<BrgMode>& modes,
                    double tolerance = 2) {
  std::vector<ClockResult> results = SearchClocks(
      {Clock{mhz, kind, "x"}}, {WantedRate{std::to_string(baud), baud}}, modes, 2, tolerance);
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
  std::vector<ClockResult> ranking = SearchClocks(
      ShippedClocks(), {WantedRate{"9600", 9600}, WantedRate{"115200", 115200}}, kEightBit, 2, 2);
  ASSERT_TRUE(ranking.front().passes);
  EXPECT_EQ(ranking.front().worst, 0);
  for (std::size_t i = 1; i < ranking.size(); ++i) {
    bool ordered =
        ranking[i - 1].passes > ranking[i].passes ||
        (ranking[i - 1].passes == ranking[i].passes && ranking[i - 1].worst <= ranking[i].worst);
    EXPECT_TRUE(ordered) << ranking[i].clock.name;
  }
}

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
  EXPECT_THROW(CheckSetup(DefineBlock(true, "25", "9600"), CheckOptions{}, usart), NotASetup);
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
