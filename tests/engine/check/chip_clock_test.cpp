// The clock the chip runs, worked out from the configuration settings and the oscillator
// registers a source writes: one table a family of oscillators, each row's clock from the
// datasheet's registers and reset values (oscillator_data.cpp), then the checker's findings
// where the code's clock name or --osc says otherwise.
#include <gtest/gtest.h>

#include <string>

#include "core/text.h"
#include "engine/check/chip_clock.h"
#include "engine/check/part_registers.h"
#include "engine/check/setup_check.h"
#include "engine/check/setup_source.h"
#include "engine/parts/part_profile.h"
#include "tests/engine/check/report_line.h"

namespace brg::engine {
namespace {

struct ClockCase {
  std::string name;
  std::string part;
  std::string source;
  double mhz;  // the clock the chip runs; 0: an external one; -1: the source does not say
};

void PrintTo(const ClockCase& c, std::ostream* out) {
  *out << c.name;
}

class ChipClockTest : public testing::TestWithParam<ClockCase> {};

TEST_P(ChipClockTest, WorkedOutFromTheConfigurationAndTheRegisters) {
  const ClockCase& c = GetParam();
  PartProfile part = ReadPartProfile(c.part);
  const OscillatorFamily* family = OscillatorFamilyOf(c.part);
  ASSERT_NE(family, nullptr);
  FollowedRegisters followed = RegistersFollowed(&part, part.Port(1));
  SourceFacts facts =
      ReadSetupSource(c.source, part.Port(1), false, std::nullopt, false, &followed);
  std::optional<ChipClock> clock = WorkOutChipClock(*family, facts);
  if (c.mhz < 0) {
    EXPECT_FALSE(clock.has_value()) << clock->how;
    return;
  }
  ASSERT_TRUE(clock.has_value());
  EXPECT_DOUBLE_EQ(clock->mhz, c.mhz) << clock->how;
}

INSTANTIATE_TEST_SUITE_P(
    EnhancedMidrange, ChipClockTest,
    testing::Values(
        // IRCF resets to 0111: 500 kHz (MF).
        ClockCase{"InternalLeftAtItsReset", "16F1829", "#pragma config FOSC = INTOSC\n", 0.5},
        // IRCF 1110 is 8 MHz; PLLEN erased is ON: 32 MHz.
        ClockCase{"EightMegahertzWithTheErasedPll", "16F1829",
                  "#pragma config FOSC = INTOSC\nOSCCON = 0x70;\n", 32},
        ClockCase{"EightMegahertzWithThePllOff", "16F1829",
                  "#pragma config FOSC = INTOSC, PLLEN = OFF\nOSCCON = 0x70;\n", 8},
        ClockCase{"SpllenSwitchesThePllOn", "16F1829",
                  "#pragma config FOSC = INTOSC\n#pragma config PLLEN = OFF\nOSCCON = 0xF0;\n", 32},
        // The PLL multiplies 8 MHz only: IRCF 1101 is 4 MHz with PLLEN on.
        ClockCase{"ThePllLeavesOtherFrequencies", "16F1829",
                  "#pragma config FOSC = INTOSC\nOSCCONbits.IRCF = 0b1101;\n", 4},
        // SCS 1x selects the internal block whatever FOSC says, without the PLL.
        ClockCase{"ScsSwitchesToTheInternalOscillator", "16F1829", "OSCCON = 0x7A;\n", 16},
        ClockCase{"ScsSwitchesWithoutThePll", "16F1829",
                  "#pragma config FOSC = INTOSC\nOSCCON = 0x72;\n", 8},
        // From 0x38 at reset, IRCF3 set: 1111, 16 MHz.
        ClockCase{"ABitOverTheResetValue", "16F1829",
                  "#pragma config FOSC = INTOSC, PLLEN = OFF\nIRCF3 = 1;\n", 16},
        ClockCase{"AnExternalCrystal", "16F1829", "#pragma config FOSC = HS\nOSCCON = 0x70;\n", 0},
        // Settings without FOSC: its erased ECH, an external clock.
        ClockCase{"OtherSettingsLeaveFoscErased", "16F1829", "#pragma config WDTE = OFF\n", 0},
        ClockCase{"NoConfigurationSaysNothing", "16F1829", "OSCCON = 0x70;\n", -1},
        ClockCase{"AssemblyConfigurationWord", "16F1829",
                  "\t__CONFIG _CONFIG1, _FOSC_INTOSC & _WDTE_OFF\n"
                  "\t__CONFIG _CONFIG2, _PLLEN_OFF & _LVP_OFF\n"
                  "\tbanksel\tOSCCON\n\tmovlw\t0x70\n\tmovwf\tOSCCON\n",
                  8},
        ClockCase{"PicAsConfig", "16F1829",
                  "\tCONFIG FOSC = INTOSC\n\tCONFIG PLLEN = ON\n\tbsf\tOSCCON, 7\n", 0.5}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Pic16f88x, ChipClockTest,
    testing::Values(
        // IRCF resets to 110: 4 MHz.
        ClockCase{"InternalAtItsReset", "16F887", "#pragma config FOSC = INTRC_NOCLKOUT\n", 4},
        ClockCase{"TheAssemblersOldName", "16F887",
                  "\t__CONFIG _CONFIG1, _INTRC_OSC_NOCLKOUT & _WDT_OFF\n", 4},
        ClockCase{"EightMegahertz", "16F887",
                  "#pragma config FOSC = INTRC_CLKOUT\nOSCCONbits.IRCF = 7;\n", 8},
        ClockCase{"ScsOnTheErasedRcOscillator", "16F887", "OSCCON = 0x51;\n", 2},
        ClockCase{"ErasedIsTheRcOscillator", "16F887", "#pragma config WDTE = OFF\n", 0}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Pic18Rstosc, ChipClockTest,
    testing::Values(
        ClockCase{"HfintoscAt64", "18F47Q43", "#pragma config RSTOSC = HFINTOSC_64MHZ\n", 64},
        // HFFRQ 4 MHz divided by 4 at reset.
        ClockCase{"HfintoscAt1", "18F47Q43", "#pragma config RSTOSC = HFINTOSC_1MHZ\n", 1},
        // OSCFRQ alone: the reset divider of 4 stays: 16 / 4.
        ClockCase{"FrequencyWithTheResetDivider", "18F47K42",
                  "#pragma config RSTOSC = HFINTOSC_1MHZ\nOSCFRQ = 0x05;\n", 4},
        ClockCase{"TheConfiguratorsWrites", "18F47Q43",
                  "#pragma config RSTOSC = HFINTOSC_1MHZ\nOSCCON1 = 0x60;\nOSCFRQ = 0x08;\n", 64},
        ClockCase{"DividedAtRunTime", "18F45K40",
                  "#pragma config RSTOSC = HFINTOSC_64MHZ\nOSCCON1 = 0x62;\n", 16},
        ClockCase{"WritesWithoutConfiguration", "18F47Q43",
                  "OSCCON1 = 0x60;\nOSCFRQbits.HFFRQ = 0b0110;\n", 32},
        ClockCase{"ErasedIsTheExternalOscillator", "18F47Q43", "#pragma config WDTE = OFF\n", 0},
        ClockCase{"Lfintosc", "18F47Q43", "#pragma config RSTOSC = LFINTOSC\n", 0.031}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

struct ClockFindingCase {
  std::string name;
  std::string part;
  std::string source;
  double osc;  // --osc; 0: none
  std::string report;
};

void PrintTo(const ClockFindingCase& c, std::ostream* out) {
  *out << c.name;
}

class ChipClockFindings : public testing::TestWithParam<ClockFindingCase> {};

TEST_P(ChipClockFindings, TheClockTheChipRunsIsTheTruth) {
  const ClockFindingCase& c = GetParam();
  PartProfile part = ReadPartProfile(c.part);
  CheckOptions options;
  options.part = &part;
  if (c.osc > 0) {
    options.oscMHz = c.osc;
  }
  SetupReport report = CheckSetup(c.source, options, part.Port(1));
  EXPECT_EQ(DecimalText(report.oscMHz) + " MHz: " + Rendered(report), c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Snippets, ChipClockFindings,
    testing::Values(
        // The code computes for 8 MHz, the erased PLLEN makes 32: 32e6/(16*52) = 38462.
        ClockFindingCase{
            "AClockNameThatIsNotTheChips", "16F1829",
            "#pragma config FOSC = INTOSC\n"
            "#define _XTAL_FREQ 8000000\n"
            "OSCCON = 0x70;\n"
            "SPBRG = 51; // 9600 baud\n"
            "TXSTA = 0x24;\n"
            "RCSTA = 0x90;",
            0,
            "32 MHz: 8/16 n=51 for 9600@4 | 2 fault: _XTAL_FREQ says 8 MHz, but the chip runs 32 "
            "MHz (FOSC = INTOSC (line 1); IRCF 1110 (line 3): 8 MHz; PLLEN not set: its erased "
            "value ON; the 4x PLL: 32 MHz): the rate is 38,462 baud, not the 9,615 baud of 8 MHz; "
            "make it run 8 MHz (IRCF 1110, without the PLL) or give _XTAL_FREQ 32 MHz | 4 "
            "tolerance: the error 300.641% is above 2% | 4 tolerance: a better setting in the "
            "same mode: mode 8/16 with n = 207 gives 0.16%"},
        // The same code with the PLL off is right.
        ClockFindingCase{"TheClockNameAgrees", "16F1829",
                         "#pragma config FOSC = INTOSC, PLLEN = OFF\n"
                         "#define _XTAL_FREQ 8000000\n"
                         "OSCCON = 0x70;\n"
                         "SPBRG = 51; // 9600 baud\n"
                         "TXSTA = 0x24;\n"
                         "RCSTA = 0x90;",
                         0, "8 MHz: 8/16 n=51 for 9600@4"},
        // --osc against the internal oscillator: the chip's clock counts.
        ClockFindingCase{"OscThatIsNotTheChips", "16F887",
                         "#pragma config FOSC = INTRC_NOCLKOUT\n"
                         "SPBRG = 25; // 9600 baud\n"
                         "TXSTA = 0x24;\n"
                         "RCSTA = 0x90;",
                         20,
                         "4 MHz: 8/16 n=25 for 9600@2 | 0 fault: --osc 20 differs from the clock "
                         "the chip runs, 4 MHz, by its internal oscillator: the rate is judged at "
                         "4 MHz"},
        // An external crystal: the clock is the code's, as without configuration.
        ClockFindingCase{"AnExternalCrystalLeavesTheClockName", "16F1829",
                         "#pragma config FOSC = HS\n"
                         "#define _XTAL_FREQ 20000000\n"
                         "SPBRG = 129; // 9600 baud\n"
                         "TXSTA = 0x24;\n"
                         "RCSTA = 0x90;",
                         0, "20 MHz: 8/16 n=129 for 9600@3"},
        // RSTOSC 1 MHz with OSCFRQ alone: 16 MHz / 4 = 4 MHz, while the code says 16:
        // 4e6/(4*35) = 28571.
        ClockFindingCase{"TheResetDividerForgotten", "18F47Q43",
                         "#pragma config RSTOSC = HFINTOSC_1MHZ\n"
                         "#define _XTAL_FREQ 16000000\n"
                         "OSCFRQ = 0x05;\n"
                         "U1CON0 = 0xB0;\n"
                         "U1BRG = 34; // 115200 baud\n"
                         "U1CON1 = 0x80;",
                         0,
                         "4 MHz: 16/4 n=34 for 115200@5 | 2 fault: _XTAL_FREQ says 16 MHz, but the "
                         "chip runs 4 MHz (RSTOSC = HFINTOSC_1MHZ (line 1); divided by 4 at reset; "
                         "FRQ 0101 (line 3): 16 MHz; the chip runs 4 MHz): the rate is 28,571 "
                         "baud, not the 114,286 baud of 16 MHz; make it run 16 MHz (FRQ 0101) or "
                         "give _XTAL_FREQ 4 MHz | 5 tolerance: the error -75.198% is above 2% | 5 "
                         "tolerance: a better setting in the same mode: mode 16/4 with n = 8 gives "
                         "-3.549%"}),
    [](const testing::TestParamInfo<ClockFindingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brg::engine
