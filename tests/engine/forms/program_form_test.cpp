// The bring-up program against the installed gputils headers: the oscillator mode the
// configuration picks at the edges of its ranges, the pins of each part's port, what makes
// the pins digital, the transmit flag and register of the port, and the parts it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/forms/program_form.h"
#include "engine/parts/part_profile.h"

namespace brg::engine {
namespace {

struct ProgramRow {
  std::string name;
  std::string part;
  int port;
  double oscMHz;
  std::vector<std::string> holds;    // lines the program has, as they are written
  std::vector<std::string> lacks{};  // texts it must not have
};

void PrintTo(const ProgramRow& row, std::ostream* out) {
  *out << row.name;
}

std::string Program(const std::string& part, int port, double oscMHz) {
  PartProfile profile = ReadPartProfile(part);
  CodeSetting code{std::to_string(oscMHz), WantedRate{"9600", 9600},
                   BestInMode(oscMHz, 9600, BrgMode::Async8Div16), ""};
  return ProgramForm(code, profile, profile.Port(port), oscMHz);
}

class ProgramFormTest : public testing::TestWithParam<ProgramRow> {};

TEST_P(ProgramFormTest, HoldsWhatThePartNeeds) {
  const ProgramRow& row = GetParam();
  std::string program = Program(row.part, row.port, row.oscMHz);
  for (const std::string& line : row.holds) {
    EXPECT_NE(program.find("    " + line + "\n"), std::string::npos) << line << "\n" << program;
  }
  for (const std::string& text : row.lacks) {
    EXPECT_EQ(program.find(text), std::string::npos) << text << "\n" << program;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, ProgramFormTest,
    testing::Values(
        ProgramRow{
            "XtCrystalUpToFourMegahertz",
            "16F877A",
            1,
            4,
            {"list    p=16f877a", "#include <p16f877a.inc>",
             "__CONFIG _FOSC_XT & _WDTE_OFF & _LVP_OFF", "movlw   H'06'", "movwf   ADCON1",
             "bcf     TRISC, 6", "bsf     TRISC, 7", "btfss   PIR1, TXIF", "movwf   TXREG", "end"},
            {"_FOSC_HS", "errorlevel -212"}},
        ProgramRow{"HsCrystalAboveFour",
                   "16F877A",
                   1,
                   4.000001,
                   {"__CONFIG _FOSC_HS & _WDTE_OFF & _LVP_OFF"}},
        ProgramRow{"RxAndTxOnPortB",
                   "16F628A",
                   1,
                   20,
                   {"bcf     TRISB, 2", "bsf     TRISB, 1"},
                   {"TRISC", "ADCON1"}},
        ProgramRow{"TwoConfigWordsAndAnselRegisters",
                   "16F887",
                   1,
                   20,
                   {"__CONFIG _CONFIG1, _FOSC_HS & _WDTE_OFF & _LVP_OFF", "clrf    ANSEL",
                    "clrf    ANSELH"},
                   {"ADCON1"}},
        ProgramRow{
            "ExternalClockAboveTheCrystals",
            "16F1825",
            1,
            32,
            {"__CONFIG _CONFIG1, _FOSC_ECH & _WDTE_OFF", "__CONFIG _CONFIG2, _PLLEN_OFF & _LVP_OFF",
             "bcf     TRISC, 4", "bsf     TRISC, 5"}},
        ProgramRow{"TheSmallestPartOnPortA",
                   "12F1822",
                   1,
                   20,
                   {"bcf     TRISA, 0", "bsf     TRISA, 1", "clrf    ANSELA"}},
        ProgramRow{"PinSelectOfTxAndRx",
                   "16F1705",
                   1,
                   8,
                   {"movlw   H'14'", "movwf   RC4PPS", "movlw   H'15'", "movwf   RXPPS"}},
        ProgramRow{
            "MediumPowerCrystalUpToSixteen",
            "18F26K22",
            1,
            16,
            {"__CONFIG _CONFIG1H, _FOSC_HSMP_1H & _PLLCFG_OFF_1H",
             "errorlevel -212  ; __CONFIG with the header's names, which gpasm calls deprecated",
             "__CONFIG _CONFIG4L, _LVP_OFF_4L & _XINST_OFF_4L",
             "__CONFIG _CONFIG3H, _PBADEN_OFF_3H"}},
        ProgramRow{"HighPowerCrystalAboveSixteen",
                   "18F26K22",
                   1,
                   16.5,
                   {"__CONFIG _CONFIG1H, _FOSC_HSHP_1H & _PLLCFG_OFF_1H"}},
        ProgramRow{
            "TheSecondPortsFlagAndPins",
            "18F26K22",
            2,
            20,
            {"btfss   PIR3, TX2IF", "movwf   TXREG2", "bcf     TRISB, 6", "bsf     TRISB, 7"},
            {"PIR1"}},
        ProgramRow{"ThePortGOfTheSecondUsart",
                   "18F6520",
                   2,
                   20,
                   {"bcf     TRISG, 1", "bsf     TRISG, 2", "movwf   TXREG2", "movlw   H'0F'"}},
        ProgramRow{"SevenAnalogBits",
                   "18F1220",
                   1,
                   20,
                   {"movlw   H'7F'", "bcf     TRISB, 1", "bsf     TRISB, 4"}},
        ProgramRow{"AConfigWordByItsAddress",
                   "18C452",
                   1,
                   20,
                   {"__CONFIG 0x300001, _HS_OSC_1", "__CONFIG 0x300003, _WDT_OFF_3"}},
        ProgramRow{
            "UsbPartRunsItsCpuFromTheOscillator",
            "18F4550",
            1,
            20,
            {"__CONFIG _CONFIG1L, _CPUDIV_OSC1_PLL2_1L", "__CONFIG _CONFIG1H, _FOSC_HS_1H"}}),
    [](const testing::TestParamInfo<ProgramRow>& info) { return info.param.name; });

TEST(ProgramForm, RefusesWhatItCannotWriteForWithTheReason) {
  auto refusal = [](const std::string& part, int port) {
    try {
      Program(part, port, 20);
    } catch (const PartError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  EXPECT_EQ(refusal("18F8722", 1),
            "the engine's pin table has no row for USART 1 of 18F8722: --program cannot tell "
            "its TX and RX pins");
  EXPECT_NE(refusal("PIC18F47Q43", 1).find("--program writes gpasm programs"), std::string::npos);
  PartProfile classic = ClassicProfile();
  CodeSetting code{"4", WantedRate{"9600", 9600}, BestInMode(4, 9600, BrgMode::Async8Div16), ""};
  EXPECT_THROW(ProgramForm(code, classic, classic.Port(1), 4), PartError);
}

}  // namespace
}  // namespace brg::engine
