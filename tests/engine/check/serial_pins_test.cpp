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
        PinCase{"AssemblyClearsTheWholeRegister", "16F887",
                "\tbanksel\tTRISC\n\tclrf\tTRISC\n\tmovlw\t.25\n\tmovwf\tSPBRG\n\tmovlw\t0x24\n"
                "\tmovwf\tTXSTA\n\tbanksel\tRCSTA\n\tmovlw\t0x90\n\tmovwf\tRCSTA\n",
                "8/16 n=25 | 2 fault: the RX pin RC7 is an output: TRISC7 is 0 (TRISC); the "
                "receiver needs an input"},
        PinCase{"NoAnalogFunction", "16F887",
                "TRISC = 0xBF;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;", "8/16 n=25"},
        PinCase{"AssemblyBits", "16F1829",
                "\tbanksel\tANSELB\n\tbcf\tANSELB, 5\n\tbanksel\tTRISB\n\tbcf\tTRISB, 5\n"
                "\tbanksel\tSPBRG\n\tmovlw\t.25\n\tmovwf\tSPBRG\n\tmovlw\t0x24\n\tmovwf\tTXSTA\n"
                "\tmovlw\t0x90\n\tmovwf\tRCSTA\n",
                "8/16 n=25 | 4 fault: the RX pin RB5 is an output: TRISB5 is 0 (TRISB); the "
                "receiver needs an input"}),
    [](const testing::TestParamInfo<PinCase>& info) { return info.param.name; });

// Parts with peripheral pin select: TX goes out only where an RxyPPS register holds the port's
// code (16F1705/1709: 0x14; 18F26K42: 0x13; 18F47Q43: 0x20); RX is the pin its input selection
// names (port * 8 + bit) or its reset pin (16F1709: RB5, AN11). The PIC18 UART drives TX only
// from an output. At 16 MHz: 8/16 n=25, and 16/4 n=34 for the UART.
INSTANTIATE_TEST_SUITE_P(
    SelectedPins, SerialPinsTest,
    testing::Values(
        PinCase{"TxRoutedNowhere", "16F1705",
                "ANSELC = 0;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25 | 0 fault: TX is routed to no pin: no output selection (RxyPPS) holds "
                "the port's TX code 0x14, so nothing goes out; route it, as RC6PPS = 0x14 does "
                "to RC6"},
        PinCase{"TxRouted", "16F1705",
                "ANSELC = 0;\nRC4PPS = 0x14;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25"},
        // TXEN off: the routing of TX is not judged.
        PinCase{"ReceiverOnly", "16F1705", "ANSELC = 0;\nSPBRG = 25;\nTXSTA = 0x04;\nRCSTA = 0x90;",
                "8/16 n=25"},
        PinCase{"TheResetRxPinLeftAnalog", "16F1709",
                "TRISB = 0xFF;\nRB7PPS = 0x14;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25 | 0 fault: the RX pin RB5 is left analog: ANSB5 in ANSELB is 1 (its "
                "reset value), so the receiver reads only 0s; clear it (ANSELBbits.ANSB5 = 0)"},
        PinCase{"TheSelectedRxPinAnOutput", "16F1705",
                "ANSELC = 0;\nTRISC = 0x00;\nRC4PPS = 0x14;\nRXPPS = 0x13;\nSPBRG = 25;\nTXSTA = "
                "0x24;\nRCSTA = 0x90;",
                "8/16 n=25 | 2 fault: the RX pin RC3 (selected by RXPPS) is an output: TRISC3 is "
                "0 (TRISC); the receiver needs an input"},
        PinCase{"Q43AllSetUp", "18F47Q43",
                "U1RXPPS = 0x17;\nRC6PPS = 0x20;\nTRISC = 0xBF;\nANSELC = 0x3F;\nU1CON0 = "
                "0xB0;\nU1BRG = 34;\nU1CON1 = 0x80;",
                "16/4 n=34"},
        PinCase{"Q43TxPinLeftAnInput", "18F47Q43",
                "U1RXPPS = 0x17;\nRC6PPS = 0x20;\nANSELC = 0x3F;\nU1CON0 = 0xB0;\nU1BRG = "
                "34;\nU1CON1 = 0x80;",
                "16/4 n=34 | 2 fault: the TX pin RC6 is an input: TRISC6 is 1 (its reset value), "
                "and the UART drives TX only where the pin's TRIS bit is cleared; clear it "
                "(TRISCbits.TRISC6 = 0)"},
        PinCase{"Q43RxLeftAnalog", "18F47Q43",
                "U1RXPPSbits.U1RXPPS = 0x17;\nRC6PPS = 0x20;\nTRISCbits.TRISC6 = 0;\nU1CON0 = "
                "0xB0;\nU1BRG = 34;\nU1CON1 = 0x80;",
                "16/4 n=34 | 0 fault: the RX pin RC7 (selected by U1RXPPS) is left analog: "
                "ANSELC7 in ANSELC is 1 (its reset value), so the receiver reads only 0s; clear "
                "it (ANSELCbits.ANSELC7 = 0)"},
        PinCase{"Q43RxSelectsNoPin", "18F47Q43",
                "U1RXPPS = 0x3F;\nRC6PPS = 0x20;\nTRISCbits.TRISC6 = 0;\nU1CON0 = 0xB0;\nU1BRG = "
                "34;\nU1CON1 = 0x80;",
                "16/4 n=34 | 1 fault: U1RXPPS = 0x3F selects no pin of the part: the receiver "
                "hears nothing"},
        // The Q43's code on a K42, whose UART1 TX is 0x13.
        PinCase{"K42WithTheQ43sCode", "18F26K42",
                "U1RXPPS = 0x17;\nRC6PPS = 0x20;\nTRISC = 0xBF;\nANSELC = 0x3F;\nU1CON0 = "
                "0xB0;\nU1BRG = 34;\nU1CON1 = 0x80;",
                "16/4 n=34 | 0 fault: TX is routed to no pin: no output selection (RxyPPS) holds "
                "the port's TX code 0x13, so nothing goes out; route it, as RC6PPS = 0x13 does to "
                "RC6"},
        // Nothing of the pins in the source: a file of a larger project.
        PinCase{"NoPinsSetUp", "18F47Q43", "U1CON0 = 0xB0;\nU1BRG = 34;\nU1CON1 = 0x80;",
                "16/4 n=34"},
        PinCase{"F152xxResetRxPin", "16F15244",
                "RB7PPS = 0x05;\nTRISB = 0x7F;\nSPBRG = 25;\nTXSTA = 0x24;\nRCSTA = 0x90;",
                "8/16 n=25 | 0 fault: the RX pin RB5 is left analog: ANSELB5 in ANSELB is 1 (its "
                "reset value), so the receiver reads only 0s; clear it (ANSELBbits.ANSELB5 = 0)"}),
    [](const testing::TestParamInfo<PinCase>& info) { return info.param.name; });

// The 16- and 32-bit parts route TX by a function number in an RPnR field (PIC24FJ GA002: U1TX
// 3; dsPIC33CK: 1) or an RPxnR register (PIC32MX1xx/2xx: 1), and take RX from RPINR18's U1RXR,
// whose reset value (GA002: 31; dsPIC33CK: 0) ties it to Vss. PIC32's U1RXR always names a pin.
INSTANTIATE_TEST_SUITE_P(
    RemappablePins, SerialPinsTest,
    testing::Values(
        PinCase{"Pic24NeitherRouted", "24FJ64GA002",
                "AD1PCFG = 0xFFFF;\nU1BRG = 25;\nU1MODE = 0x8000;\nU1STA = 0x0400;\nchar c = "
                "U1RXREG;",
                "16/16 n=25 | 0 fault: TX is routed to no pin: no RPnR field of the RPORx "
                "registers holds the port's TX output function 3, so nothing goes out; route it, "
                "as RPOR5bits.RP11R = 3 does to RP11 | 0 fault: U1RXR in RPINR18 is 31 (its reset "
                "value): the receiver's input is tied to Vss, so it hears nothing; give it the RP "
                "pin RX is on (RPINR18bits.U1RXR = n for RPn)"},
        PinCase{"Pic24RoutedByFields", "24FJ64GA002",
                "AD1PCFG = 0xFFFF;\nRPINR18bits.U1RXR = 10;\nRPOR5bits.RP11R = 3;\nU1BRG = "
                "25;\nU1MODE = 0x8000;\nU1STA = 0x0400;",
                "16/16 n=25"},
        // RPOR5's high field is RP11's.
        PinCase{"Pic24RoutedByWholeRegisters", "24FJ64GA002",
                "TRISB = 0xFBFF;\nRPINR18 = 0x1F0A;\nRPOR5 = 0x0300;\nU1BRG = 25;\nU1MODE = "
                "0x8000;\nU1STA = 0x0400;",
                "16/16 n=25"},
        PinCase{"Pic24AnotherFunctionRouted", "24FJ64GA002",
                "TRISB = 0xFBFF;\nRPINR18 = 0x1F0A;\nRPOR5 = 0x0500;\nU1BRG = 25;\nU1MODE = "
                "0x8000;\nU1STA = 0x0400;",
                "16/16 n=25 | 0 fault: TX is routed to no pin: no RPnR field of the RPORx "
                "registers holds the port's TX output function 3, so nothing goes out; route it, "
                "as RPOR5bits.RP11R = 3 does to RP11"},
        // A PIC24 receiver is on with the port; it counts where the code reads it.
        PinCase{"Pic24SendsOnly", "24FJ64GA002",
                "AD1PCFG = 0xFFFF;\nRPOR5bits.RP11R = 3;\nU1BRG = 25;\nU1MODE = 0x8000;\nU1STA "
                "= 0x0400;",
                "16/16 n=25"},
        PinCase{"Pic24RxWrittenToVss", "24FJ64GA002",
                "TRISB = 0xFBFF;\nRPINR18bits.U1RXR = 0x1F;\nRPOR5bits.RP11R = 3;\nU1BRG = "
                "25;\nU1MODE = 0x8000;\nU1STA = 0x0400;\nwhile (!U1STAbits.URXDA);",
                "16/16 n=25 | 2 fault: U1RXR in RPINR18 is 31: the receiver's input is tied to "
                "Vss, so it hears nothing; give it the RP pin RX is on (RPINR18bits.U1RXR = n for "
                "RPn)"},
        PinCase{"Pic24TransmitterOff", "24FJ64GA002",
                "AD1PCFG = 0xFFFF;\nRPINR18bits.U1RXR = 10;\nU1BRG = 25;\nU1MODE = 0x8000;",
                "16/16 n=25"},
        PinCase{"Dspic33CkCodes", "33CK256MP508",
                "TRISB = 0;\nRPINR18bits.U1RXR = 0;\nRPOR0bits.RP32R = 1;\nU1BRG = 25;\nU1MODE = "
                "0x8030;",
                "16/16 n=25 | 2 fault: U1RXR in RPINR18 is 0: the receiver's input is tied to "
                "Vss, so it hears nothing; give it the RP pin RX is on (RPINR18bits.U1RXR = n for "
                "RPn)"},
        PinCase{"Pic32Routed", "32MX170F256B",
                "ANSELB = 0;\nU1RXR = 2;\nRPB4R = 1;\nU1BRG = 25;\nU1STA = 0x1400;\nU1MODE = "
                "0x8000;",
                "16/16 n=25"},
        PinCase{"Pic32NotRouted", "32MX170F256B",
                "ANSELB = 0;\nU1RXR = 2;\nRPB4R = 2;\nU1BRG = 25;\nU1STA = 0x1400;\nU1MODE = "
                "0x8000;",
                "16/16 n=25 | 0 fault: TX is routed to no pin: no RPxnR register holds the port's "
                "TX output code 1, so nothing goes out; route it, as RPB4R = 1 does to RPB4"}),
    [](const testing::TestParamInfo<PinCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brg::engine
