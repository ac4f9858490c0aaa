// The clock the chip runs, worked out from the configuration settings and the oscillator
// registers a source writes: one table a family of oscillators, each row's clock from the
// datasheet's registers and reset values (oscillator_data.cpp), then the checker's findings
// where the code's clock name or --osc says otherwise.
#include <gtest/gtest.h>

#include <string>

#include "core/text.h"
#include "engine/check/chip_clock.h"
#include "engine/check/config_words.h"
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
  std::optional<ChipClock> clock =
      WorkOutChipClock(*family, facts, ConfigNumbersNamed(facts.config, part.header.get()));
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
        ClockCase{"Lfintosc", "18F47Q43", "#pragma config RSTOSC = LFINTOSC\n", 0.031},
        // PIC16F188xx: HFINT1 is 4 MHz / 4; the configurator's OSCCON1 = 0x60 and OSCFRQ.
        ClockCase{"Pic16Hfint32", "16F18877", "#pragma config RSTOSC = HFINT32\n", 32},
        ClockCase{"Pic16Hfint1", "16F18877", "#pragma config RSTOSC = HFINT1\n", 1},
        ClockCase{"Pic16TheConfiguratorsWrites", "16F18877",
                  "#pragma config RSTOSC = HFINT1\nOSCCON1 = 0x60;\nOSCFRQ = 0x05;\n", 16},
        ClockCase{"Pic16OscfrqAloneKeepsTheDivider", "16F18855",
                  "#pragma config RSTOSC = HFINT1\nOSCFRQ = 0x06;\n", 8},
        ClockCase{"Pic16ErasedIsExternal", "16F18877", "#pragma config WDTE = OFF\n", 0},
        ClockCase{"UndecodedSource", "18F47Q43",
                  "#pragma config RSTOSC = HFINTOSC_64MHZ\nOSCCON1 = 0x00;\n", -1}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    OlderMidrange, ChipClockTest,
    testing::Values(
        // DS30487: OSCCON resets to 0: IRCF 000, 31.25 kHz.
        ClockCase{"SixteenF88AtItsReset", "16F88", "#pragma config FOSC = INTOSCIO\n", 0.03125},
        ClockCase{"SixteenF88EightMegahertz", "16F88",
                  "#pragma config FOSC = INTOSCIO\nOSCCON = 0x70;\n", 8},
        ClockCase{"SixteenF88TheAssemblersAlias", "16F88",
                  "\t__CONFIG _CONFIG1, _INTRC_IO & _WDT_OFF\n\tbanksel OSCCON\n"
                  "\tmovlw 0x60\n\tmovwf OSCCON\n",
                  4},
        // SCS 10 switches the erased RC oscillator's part to the internal one.
        ClockCase{"SixteenF88ScsOnTheErasedRc", "16F88", "OSCCON = 0x62;\n", 4},
        ClockCase{"SixteenF690AtItsReset", "16F690", "#pragma config FOSC = INTRCIO\n", 4},
        ClockCase{"SixteenF690HiTechTokens", "16F690", "__CONFIG(FOSC_INTRCIO & WDTE_OFF);\n", 4},
        // One configuration word: a number holds FOSC in bits 2:0, 100 = INTRCIO.
        ClockCase{"SixteenF690NumberInC", "16F690", "__CONFIG(0x30D4);\nOSCCON = 0x71;\n", 8},
        ClockCase{"SixteenF690NumberInAssembly", "16F690", "\t__CONFIG 0x30D4\n", 4},
        ClockCase{"SixteenF690NumberOfTheRcOscillator", "16F690", "\t__CONFIG 0x30D7\n", 0},
        ClockCase{"SixteenF628AInternal", "16F628A", "#pragma config FOSC = INTOSCIO\n", 4},
        ClockCase{"SixteenF628AOldToken", "16F628A",
                  "\t__CONFIG _INTOSC_OSC_NOCLKOUT & _WDT_OFF & _LVP_OFF\n", 4},
        ClockCase{"SixteenF628ANumber", "16F628A", "\t__CONFIG 0x3F18\n", 4},
        ClockCase{"SixteenF628AHsNumber", "16F628A", "\t__CONFIG 0x3F0A\n", 0},
        ClockCase{"NumberWithoutItsWord", "16F1829", "\t__CONFIG 0x3FE4\n", -1},
        ClockCase{"NumberByTheWordsName", "16F1829", "\t__CONFIG _CONFIG1, 0x3FE4\n", 0.5},
        ClockCase{"NumberByTheWordsAddress", "16F1829",
                  "\t__CONFIG 0x8007, 0x3FE4\n\tbanksel OSCCON\n\tmovlw 0x70\n\tmovwf OSCCON\n",
                  32},
        ClockCase{"PllOffByNumber", "16F1829",
                  "\t__CONFIG _CONFIG1, 0x3FE4\n\t__CONFIG _CONFIG2, 0x1EFF\n"
                  "\tbanksel OSCCON\n\tmovlw 0x70\n\tmovwf OSCCON\n",
                  8}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    OlderPic18, ChipClockTest,
    testing::Values(
        // DS41412: IRCF 011, 1 MHz after reset; the PLL for HFINTOSC at 8 and 16 MHz.
        ClockCase{"K22AtItsReset", "18F45K22", "#pragma config FOSC = INTIO67\n", 1},
        ClockCase{"K22SixteenMegahertz", "18F45K22",
                  "#pragma config FOSC = INTIO67\nOSCCON = 0x70;\n", 16},
        ClockCase{"K22PllByOsctune", "18F45K22",
                  "#pragma config FOSC = INTIO67\nOSCCON = 0x70;\nOSCTUNEbits.PLLEN = 1;\n", 64},
        ClockCase{"K22PllByPllcfg", "18F45K22",
                  "#pragma config FOSC = INTIO67, PLLCFG = ON\nOSCCON = 0x60;\n", 32},
        ClockCase{"K22ThePllLeavesFourMegahertz", "18F45K22",
                  "#pragma config FOSC = INTIO67, PLLCFG = ON\nOSCCON = 0x50;\n", 4},
        ClockCase{"K22ScsBypassesThePll", "18F45K22",
                  "#pragma config FOSC = INTIO67\nOSCCON = 0x72;\nPLLEN = 1;\n", 16},
        ClockCase{"K22ErasedIsAnExternalClock", "18F45K22", "#pragma config WDTEN = OFF\n", 0},
        ClockCase{"K20AtItsReset", "18F45K20", "#pragma config FOSC = INTIO67\n", 1},
        ClockCase{"K20Pll", "18F26K20",
                  "#pragma config FOSC = INTIO67\nOSCCON = 0x60;\nOSCTUNE = 0x40;\n", 32},
        // DS39631/DS39626: the setting is OSC; 1 MHz at reset; the PLL for 4 and 8 MHz.
        ClockCase{"F4620AtItsReset", "18F4620", "#pragma config OSC = INTIO67\n", 1},
        ClockCase{"F4620Pll", "18F4620",
                  "#pragma config OSC = INTIO67\nOSCCON = 0x70;\nOSCTUNEbits.PLLEN = 1;\n", 32},
        ClockCase{"F4520OldToken", "18F4520",
                  "\t__CONFIG _CONFIG1H, _OSC_INTIO67_1H\n\tmovlw 0x72\n\tmovwf OSCCON\n", 8},
        ClockCase{"F4520Hspll", "18F4520", "\tCONFIG OSC = HSPLL\n", 0},
        // DS39632: the 96 MHz PLL divided by CPUDIV.
        ClockCase{"F4550PllErasedDivider", "18F4550",
                  "#pragma config FOSC = HSPLL_HS, PLLDIV = 5\n", 48},
        ClockCase{"F4550PllByThree", "18F4550",
                  "#pragma config PLLDIV = 5, CPUDIV = OSC2_PLL3, FOSC = HSPLL_HS\n", 32},
        ClockCase{"F4550AssemblyTokens", "18F4550",
                  "\t__CONFIG _CONFIG1L, _PLLDIV_5_1L & _CPUDIV_OSC3_PLL4_1L\n"
                  "\t__CONFIG _CONFIG1H, _FOSC_HSPLL_HS_1H\n",
                  24},
        ClockCase{"F4550Internal", "18F4550", "#pragma config FOSC = INTOSCIO_EC\nOSCCON = 0x72;\n",
                  8},
        ClockCase{"F4550Crystal", "18F4550", "#pragma config FOSC = HS\n", 0}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    SixteenAndThirtyTwoBit, ChipClockTest,
    testing::Values(
        // DS39881: FRCDIV erased, RCDIV 001 at reset: 8 MHz / 2.
        ClockCase{"Ga002Erased", "24FJ64GA002", "#pragma config FWDTEN = OFF\n", 4},
        ClockCase{"Ga002Frc", "24FJ64GA002", "#pragma config FNOSC = FRC\n", 8},
        // The 4x PLL after the postscaler: 16 MHz until RCDIV is cleared.
        ClockCase{"Ga002FrcPllAtTheResetPostscaler", "24FJ64GA002",
                  "#pragma config FNOSC = FRCPLL\n", 16},
        ClockCase{"Ga002FrcPllWithRcdivCleared", "24FJ64GA002",
                  "_CONFIG2(FNOSC_FRCPLL & POSCMOD_NONE & OSCIOFNC_ON)\n"
                  "int main(void) {\n    CLKDIVbits.RCDIV = 0;\n}\n",
                  32},
        ClockCase{"Ga002Crystal", "24FJ64GA002", "#pragma config FNOSC = PRIPLL, POSCMOD = XT\n",
                  0},
        // FCKSM erased allows no switch: the write of NOSC changes nothing.
        ClockCase{"Ga002SwitchNotAllowed", "24FJ64GA002",
                  "#pragma config FNOSC = FRC\n"
                  "int main(void) {\n    CLKDIVbits.RCDIV = 0;\n"
                  "    __builtin_write_OSCCONH(0x01);\n}\n",
                  8},
        ClockCase{"Ga002SwitchToTheFrcPll", "24FJ64GA002",
                  "#pragma config FNOSC = FRC, FCKSM = CSECMD\n"
                  "int main(void) {\n    CLKDIVbits.RCDIV = 0;\n"
                  "    __builtin_write_OSCCONH(0x01);\n"
                  "    __builtin_write_OSCCONL(OSCCON | 0x01);\n}\n",
                  32},
        // DS70292: M = 50, N1 = 2, N2 = 4 at reset: 7.37 x 50 / 8.
        ClockCase{"Dspic33FPllAtItsReset", "33FJ128GP802", "_FOSCSEL(FNOSC_FRCPLL & IESO_OFF);\n",
                  7.37 * 50 / 8},
        // The 40 MIPS set-up of the family's examples: 7.37 x 43 / (2 x 2).
        ClockCase{"Dspic33FFortyMips", "33FJ128GP802",
                  "#pragma config FNOSC = FRC, FCKSM = CSECMD\n"
                  "int main(void) {\n    PLLFBD = 41;\n    CLKDIVbits.PLLPOST = 0;\n"
                  "    CLKDIVbits.PLLPRE = 0;\n    __builtin_write_OSCCONH(0x01);\n"
                  "    __builtin_write_OSCCONL(OSCCON | 0x01);\n}\n",
                  7.37 * 43 / 4},
        ClockCase{"Dspic33FFrcDivN", "33FJ128GP802", "#pragma config FNOSC = FRCDIVN\n", 7.37},
        ClockCase{"Dspic33FOlderHeadersName", "33FJ128GP802",
                  "_FOSCSEL(FNOSC_LPRCDIVN)\n_FOSC(FCKSM_CSDCMD & POSCMD_NONE);\n", 7.37},
        ClockCase{"Dspic33FFrcBy16", "33FJ128GP802", "#pragma config FNOSC = FRCDIV16\n",
                  7.37 / 16},
        ClockCase{"Dspic33FPllPostReserved", "33FJ128GP802",
                  "#pragma config FNOSC = FRCPLL\nint main(void) {\n    CLKDIV = 0x0080;\n}\n", -1},
        ClockCase{"Dspic33EPll", "33EP256GP502",
                  "#pragma config FNOSC = FRCPLL\n"
                  "int main(void) {\n    PLLFBD = 63;\n    CLKDIVbits.PLLPOST = 0;\n"
                  "    CLKDIVbits.PLLPRE = 0;\n}\n",
                  7.37 * 65 / 4},
        // DS70005349: 8 MHz x 150 / (1 x 4 x 1), halved: the "150 MHz system source clock".
        ClockCase{"Dspic33CPllAtItsReset", "33CK256MP508", "#pragma config FNOSC = FRCPLL\n", 150},
        ClockCase{"Dspic33CHundredMips", "33CK256MP508",
                  "#pragma config FNOSC = FRCPLL\n"
                  "int main(void) {\n    PLLFBD = 150;\n    PLLDIVbits.POST1DIV = 3;\n"
                  "    PLLDIVbits.POST2DIV = 1;\n}\n",
                  200},
        ClockCase{"Dspic33CErased", "33CK256MP508", "#pragma config FWDTEN = OFF\n", 8},
        // SYSCLK = 8 MHz / FPLLIDIV x FPLLMUL / FPLLODIV.
        ClockCase{"Pic32mxFrcPll", "32MX170F256B",
                  "#pragma config FNOSC = FRCPLL, FPLLIDIV = DIV_2, FPLLMUL = MUL_20, "
                  "FPLLODIV = DIV_2\n",
                  40},
        ClockCase{"Pic32mxErasedPllSettings", "32MX170F256B", "#pragma config FNOSC = FRCPLL\n",
                  8.0 / 12 * 24 / 256},
        ClockCase{"Pic32mxFrc", "32MX170F256B", "#pragma config FNOSC = FRC\n", 8},
        ClockCase{"Pic32mxPrimaryPll", "32MX170F256B", "#pragma config FNOSC = PRIPLL\n", 0},
        ClockCase{"Pic32mxFrcDivUnknown", "32MX170F256B", "#pragma config FNOSC = FRCDIV\n", -1},
        // The MZ's system PLL from the FRC: 8 / 1 x 50 / 2 = 200 MHz; from the crystal, unknown.
        ClockCase{"Pic32mzSpllFromTheFrc", "32MZ2048EFH144",
                  "#pragma config FNOSC = SPLL, FPLLICLK = PLL_FRC, FPLLIDIV = DIV_1, "
                  "FPLLMULT = MUL_50, FPLLODIV = DIV_2\n",
                  200},
        ClockCase{"Pic32mzSpllErasedInput", "32MZ2048EFH144",
                  "#pragma config FNOSC = SPLL, FPLLIDIV = DIV_1, FPLLMULT = MUL_50, "
                  "FPLLODIV = DIV_4\n",
                  100},
        ClockCase{"Pic32mzSpllFromTheCrystal", "32MZ2048EFH144",
                  "#pragma config FNOSC = SPLL, FPLLICLK = PLL_POSC, FPLLIDIV = DIV_3, "
                  "FPLLMULT = MUL_50, FPLLODIV = DIV_2, POSCMOD = EC\n",
                  0}),
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
                         "-3.549%"},
        // FRCPLL behind the reset postscaler: 16 MHz, an instruction clock of 8, while FCY says
        // 16: 8e6/(16*104) = 4808.
        ClockFindingCase{"AnInstructionClockNotTheChips", "24FJ64GA002",
                         "#define FCY 16000000UL\n"
                         "_CONFIG2(POSCMOD_NONE & FCKSM_CSDCMD & FNOSC_FRCPLL)\n"
                         "int main(void) {\n"
                         "    U1BRG = FCY / 16 / 9600 - 1;\n"
                         "    U1MODE = 0x8000;\n"
                         "    U1STA = 0x0400;\n"
                         "}\n",
                         0,
                         "16 MHz: 16/16 n=103 for 9600@4 | 1 fault: FCY says 16 MHz (an oscillator "
                         "of 32 MHz), but the chip runs 16 MHz (FNOSC = FRCPLL (line 2); the fast "
                         "RC oscillator: 8 MHz; RCDIV 001 (its reset value); the chip runs 16 "
                         "MHz): the rate is 4,808 baud, not the 9,615 baud of 32 MHz; give FCY 8 "
                         "MHz | 4 tolerance: the error -49.92% is above 2% | 4 tolerance: a better "
                         "setting in the same mode: mode 16/16 with n = 51 gives 0.16%"}),
    [](const testing::TestParamInfo<ClockFindingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brg::engine
