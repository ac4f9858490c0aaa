// The RX pin of the parts whose serial pins are fixed: left analog (its ANSEL bit set at reset
// and never cleared) or made an output is a fault while the receiver is on, judged where the
// source sets up pins at all and does not move them (APFCON).
#include <gtest/gtest.h>

#include <string>

#include "engine/check/setup_check.h"
#include "engine/parts/part_profile.h"
#include "tests/engine/check/report_line.h"

namespace brg::engine {
namespace {

struct PinCase {
  std::string name;
  std::string part;
  std::string source;
  std::string report;
};

void PrintTo(const PinCase& c, std::ostream* out) {
  *out << c.name;
}

class SerialPinsTest : public testing::TestWithParam<PinCase> {};

TEST_P(SerialPinsTest, TheReceivePinIsJudgedWhileTheReceiverIsOn) {
  const PinCase& c = GetParam();
  PartProfile part = ReadPartProfile(c.part);
  CheckOptions options;
  options.part = &part;
  options.oscMHz = 16;
  EXPECT_EQ(Rendered(CheckSetup(c.source, options, PortSetUpIn(c.source, options, part))),
            c.report);
}

// 16F1829: RX on RB5 (AN11, ANSB5), TX on RB7; 18F45K22: RX1 on RC7 (ANSC7); 16F887: RX on RC7
// with no analog function. At 16 MHz n = 25 in 8/16 is 38462 baud.
INSTANTIATE_TEST_SUITE_P(
    Parts, SerialPinsTest,
    testing::Values(
        PinCase{"LeftAnalog", "16F1829",
                "TRISBbits.TRISB5 = 1;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25 | 0 fault: the RX pin RB5 is left analog: ANSB5 in ANSELB is 1 (its "
                "reset value), so the receiver reads only 0s; clear it (ANSELBbits.ANSB5 = 0)"},
        PinCase{"MadeDigitalWhole", "16F1829",
                "ANSELB = 0;\nTRISBbits.TRISB5 = 1;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25"},
        PinCase{"MadeDigitalByItsBit", "16F1829",
                "ANSELBbits.ANSB5 = 0;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;", "8/16 n=25"},
        // ANSB4 is another pin's.
        PinCase{"AnotherPinMadeDigital", "16F1829",
                "ANSELB = 0x20;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25 | 1 fault: the RX pin RB5 is left analog: ANSB5 in ANSELB is 1, so the "
                "receiver reads only 0s; clear it (ANSELBbits.ANSB5 = 0)"},
        PinCase{"AnOutput", "16F1829",
                "ANSELB = 0;\nTRISB = 0x00;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25 | 2 fault: the RX pin RB5 is an output: TRISB5 is 0 (TRISB); the "
                "receiver needs an input"},
        // The transmitter alone: the RX pin is no matter.
        PinCase{"ReceiverOff", "16F1829",
                "TRISB = 0x00;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x80;", "8/16 n=25"},
        // No pin register written: a part of a larger project, not judged.
        PinCase{"NoPinsSetUp", "16F1829", "SPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;", "8/16 n=25"},
        // APFCON moves the pins: not judged by the fixed ones.
        PinCase{"PinsMoved", "16F1829",
                "APFCON0bits.RXDTSEL = 1;\nTRISC = 0xFF;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = "
                "0x90;",
                "8/16 n=25"},
        PinCase{"Pic18WithAnAnalogRx", "18F45K22",
                "TRISC = 0xBF;\nSPBRG1 = 25;\nTXSTA1 = 0x24;\nRCSTA1 = 0x90;",
                "8/16 n=25 | 0 fault: the RX pin RC7 is left analog: ANSC7 in ANSELC is 1 (its "
                "reset value), so the receiver reads only 0s; clear it (ANSELCbits.ANSC7 = 0)"},
        PinCase{"NoAnalogFunction", "16F887",
                "TRISC = 0xBF;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;", "8/16 n=25"},
        PinCase{"AssemblyBits", "16F1829",
                "\tbanksel\tANSELB\n\tbcf\tANSELB, 5\n\tbanksel\tTRISB\n\tbcf\tTRISB, 5\n"
                "\tbanksel\tSPBRG\n\tmovlw\t.25\n\tmovwf\tSPBRG\n\tmovlw\t0x24\n\tmovwf\tTXSTA\n"
                "\tmovlw\t0x90\n\tmovwf\tRCSTA\n",
                "8/16 n=25 | 4 fault: the RX pin RB5 is an output: TRISB5 is 0 (TRISB); the "
                "receiver needs an input"}),
    [](const testing::TestParamInfo<PinCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brg::engine
