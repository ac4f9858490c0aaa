#include "engine/parts/bring_up_data.h"

#include <initializer_list>

#include "engine/parts/part_data.h"

namespace brg::engine {
namespace {

constexpr Pin kRC6{'C', 6};
constexpr Pin kRC7{'C', 7};

// A row of the pin table as written below: constant data, made into SerialPins for the part
// asked for (as initialised objects, the rows were one large function every program ran first).
struct PinRow {
  std::initializer_list<const char*> patterns{};
  int port = 1;
  Pin tx{};
  Pin rx{};
  std::optional<int> txPpsCode{};
  const char* rxPpsRegister = "";
  std::optional<Pin> rxAtReset{};
  const char* analogPorts = "";
  bool txMustBeOutput = false;
  PinSelection selection = PinSelection::PortPins;
  const char* rxPpsField = "";
  std::optional<int> rxTiedToVss{};
  const char* source = "";
};

// The first row whose pattern matches counts: narrower rows come first.
constexpr PinRow kPinRows[] = {
    {.patterns = {"16F62?A", "16F648A", "16F62?"},
     .tx = {'B', 2},
     .rx = {'B', 1},
     .source = "DS40044 (PIC16F627A/628A/648A) and DS40300 (PIC16F627/628), Pinout "
               "Description: RB2/TX/CK, RB1/RX/DT"},
    {.patterns = {"16F8[78]"},
     .tx = {'B', 5},
     .rx = {'B', 2},
     .source = "DS30487 (PIC16F87/88), Pinout Description: RB5/SS/TX/CK, RB2/SDO/RX/DT"},
    {.patterns = {"16F68[79]", "16F690"},
     .tx = {'B', 7},
     .rx = {'B', 5},
     .source = "DS41262 (PIC16F631/677/685/687/689/690), Pinout Description: RB7/TX/CK, "
               "RB5/AN11/RX/DT"},
    {.patterns = {"12F18[24]?"},
     .tx = {'A', 0},
     .rx = {'A', 1},
     .source = "DS41413 (PIC12F1822/16F1823) and DS41441 (PIC12F1840), Pinout Description: "
               "TX/CK on RA0 and RX/DT on RA1 with APFCON at its reset value"},
    {.patterns = {"16F182[345]"},
     .tx = {'C', 4},
     .rx = {'C', 5},
     .source = "DS41413 (PIC16F1823), DS41419 (PIC16F1824) and DS41440 (PIC16F1825), Pinout "
               "Description: RC4/TX/CK, RC5/RX/DT with APFCON0 at its reset value"},
    {.patterns = {"16F1828", "16F1829"},
     .tx = {'B', 7},
     .rx = {'B', 5},
     .source = "DS41419 (PIC16F1828) and DS41440 (PIC16F1829), Pinout Description: RB7/TX/CK, "
               "RB5/RX/DT with APFCON0 at its reset value"},
    {.patterns = {"16F182[67]", "16F184[7]"},
     .tx = {'B', 2},
     .rx = {'B', 1},
     .source = "DS41391 (PIC16F1826/1827) and DS41453 (PIC16F1847), Pinout Description: "
               "RB2/TX/CK, RB1/RX/DT with APFCON0 at its reset value"},
    {.patterns = {"16F170[45]"},
     .tx = {'C', 4},
     .rx = {'C', 5},
     .txPpsCode = 0x14,
     .rxPpsRegister = "RXPPS",
     .rxAtReset = Pin{'C', 5},
     .source = "DS40001729 (PIC16F1704/1705), Peripheral Pin Select: TX/CK output code 10100, "
               "RXPPS input selection, RC5 at reset (as the simulator's model shows); RC4 and "
               "RC5 as on the parts without PPS"},
    {.patterns = {"16F170[89]"},
     .tx = {'B', 7},
     .rx = {'B', 5},
     .txPpsCode = 0x14,
     .rxPpsRegister = "RXPPS",
     .rxAtReset = Pin{'B', 5},
     .source = "DS40001729 (PIC16F1708/1709), Peripheral Pin Select: TX/CK output code 10100, "
               "RXPPS input selection, RB5 at reset (as the simulator's model shows); RB7 and "
               "RB5 as on the parts without PPS"},
    {.patterns = {"16F1521?"},
     .txPpsCode = 0x05,
     .rxPpsRegister = "RX1PPS",
     .rxAtReset = Pin{'A', 1},
     .analogPorts = "ABCD",
     .source = "DS40002305 and DS40002324 (PIC16F152xx), 18.2 PPS Inputs (RX1PPS: RA1 on the "
               "8-pin parts at reset) and "
               "18.3 PPS Outputs (TX1/CK1 = 0x05); ANSELA to ANSELD"},
    {.patterns = {"16F1522?"},
     .txPpsCode = 0x05,
     .rxPpsRegister = "RX1PPS",
     .rxAtReset = Pin{'C', 5},
     .analogPorts = "ABCD",
     .source = "DS40002305 and DS40002324 (PIC16F152xx), 18.2 PPS Inputs (RX1PPS: RC5 on the 14- "
               "and 16-pin parts at reset) and "
               "18.3 PPS Outputs (TX1/CK1 = 0x05); ANSELA to ANSELD"},
    {.patterns = {"16F1524?"},
     .txPpsCode = 0x05,
     .rxPpsRegister = "RX1PPS",
     .rxAtReset = Pin{'B', 5},
     .analogPorts = "ABCD",
     .source = "DS40002305 and DS40002324 (PIC16F152xx), 18.2 PPS Inputs (RX1PPS: RB5 on the "
               "20-pin parts at reset) and "
               "18.3 PPS Outputs (TX1/CK1 = 0x05); ANSELA to ANSELD"},
    {.patterns = {"16F152[5-7]?"},
     .txPpsCode = 0x05,
     .rxPpsRegister = "RX1PPS",
     .rxAtReset = Pin{'C', 7},
     .analogPorts = "ABCD",
     .source = "DS40002305 and DS40002324 (PIC16F152xx), 18.2 PPS Inputs (RX1PPS: RC7 on the 28- "
               "and 40-pin parts at reset) and "
               "18.3 PPS Outputs (TX1/CK1 = 0x05); ANSELA to ANSELD"},
    {.patterns = {"18F[24][4-7]K40"},
     .txPpsCode = 0x09,
     .rxPpsRegister = "RX1PPS",
     .rxAtReset = Pin{'C', 7},
     .analogPorts = "ABCD",
     .source = "DS40001816 and DS40001844 (PIC18(L)F2x/4xK40), 17.2 PPS Outputs (EUSART1 "
               "TX/CK = 0x09) and 17.1 PPS Inputs (RX1PPS: RC7 at reset); ANSELA to ANSELD"},
    {.patterns = {"18F6[5-7]K40"},
     .txPpsCode = 0x0C,
     .rxPpsRegister = "RX1PPS",
     .analogPorts = "ABDEFG",
     .source = "DS40001842 (PIC18(L)F65/66K40) with its addendum, Table 18-3 PPS Outputs "
               "(EUSART1 TX/CK = 0x0C)"},
    {.patterns = {"18F*K42", "18F*K83"},
     .txPpsCode = 0x13,
     .rxPpsRegister = "U1RXPPS",
     .analogPorts = "ABCD",
     .txMustBeOutput = true,
     .source = "DS40001919 (PIC18(L)F26/27/45/46/47/55/56/57K42) and DS40001943 (K83), Table "
               "17-2 PPS Outputs (UART1 TX = 0x13, as the vendor's configurator writes it), "
               "U1RXPPS; 31.1 the UART drives TX where the pin's TRIS bit is cleared"},
    {.patterns = {"18F*K42", "18F*K83"},
     .port = 2,
     .txPpsCode = 0x16,
     .rxPpsRegister = "U2RXPPS",
     .analogPorts = "ABCD",
     .txMustBeOutput = true,
     .source = "DS40001919 (PIC18(L)F26/27/45/46/47/55/56/57K42), Table 17-2 PPS Outputs "
               "(UART2 TX = 0x16, as the vendor's configurator writes it), U2RXPPS"},
    {.patterns = {"18F*Q43", "18F*Q8[34]"},
     .txPpsCode = 0x20,
     .rxPpsRegister = "U1RXPPS",
     .analogPorts = "ABCDF",
     .txMustBeOutput = true,
     .source = "DS40002147 (PIC18F27/47/57Q43), 21.3 PPS Outputs (UART1 TX = 0x20, as the "
               "vendor's configurator writes it; the same in DS40002213 for the Q84), U1RXPPS; "
               "34.1 I/O pin configuration: \"When the TRIS control for the pin corresponding "
               "to the TX output is cleared, the UART will control the logic level on the TX "
               "pin\", and 34.2.2.1: the RX pin's TRIS bit set and its ANSEL bit cleared"},
    {.patterns = {"18F1[23]20"},
     .tx = {'B', 1},
     .rx = {'B', 4},
     .source = "DS39605 (PIC18F1220/1320), Pinout I/O Descriptions: RB1/AN5/TX/CK, "
               "RB4/AN6/RX/DT"},
    {.patterns = {"18F1[34]K22"},
     .tx = {'B', 7},
     .rx = {'B', 5},
     .source = "DS41365 (PIC18F1XK22), Pin Diagrams: RB7/TX/CK, RB5/AN11/RX/DT"},
    {.patterns = {"18F2[3-6]K22"},
     .port = 2,
     .tx = {'B', 6},
     .rx = {'B', 7},
     .source = "DS41412 (PIC18(L)F2X/4XK22), 28-pin Pin Summary: RB6/TX2/CK2, RB7/RX2/DT2"},
    {.patterns = {"18F4[3-6]K22"},
     .port = 2,
     .tx = {'D', 6},
     .rx = {'D', 7},
     .source = "DS41412 (PIC18(L)F2X/4XK22), 40/44-pin Pin Summary: RD6/TX2/CK2, RD7/RX2/DT2"},
    {.patterns = {"18F[68][5-7]20"},
     .port = 2,
     .tx = {'G', 1},
     .rx = {'G', 2},
     .source = "DS39609 (PIC18F6520/6620/6720/8520/8620/8720), Pinout I/O Descriptions: "
               "RG1/TX2/CK2, RG2/RX2/DT2"},
    {.patterns = {"24FJ*GA00?", "24FJ*GB00?"},
     .txPpsCode = 3,
     .rxPpsRegister = "RPINR18",
     .selection = PinSelection::RemappablePins,
     .rxPpsField = "U1RXR",
     .rxTiedToVss = 31,
     .source = "DS39881 (PIC24FJ64GA004 family) and DS39940 (PIC24FJ64GB004 family), 10.4 "
               "Peripheral Pin Select: Table 10-2 (U1RX from RPINR18's U1RXR<4:0>, all ones "
               "at reset: the input tied to Vss) and Table 10-3 (U1TX output function 3)"},
    {.patterns = {"24FJ*GA00?", "24FJ*GB00?"},
     .port = 2,
     .txPpsCode = 5,
     .rxPpsRegister = "RPINR19",
     .selection = PinSelection::RemappablePins,
     .rxPpsField = "U2RXR",
     .rxTiedToVss = 31,
     .source = "DS39881 (PIC24FJ64GA004 family) and DS39940 (PIC24FJ64GB004 family), 10.4: "
               "Table 10-2 (U2RX from RPINR19's U2RXR<4:0>) and Table 10-3 (U2TX output "
               "function 5)"},
    {.patterns = {"33FJ*[GM][PC][2-8]0[24]", "24HJ*GP[2-5]0[24]"},
     .txPpsCode = 3,
     .rxPpsRegister = "RPINR18",
     .selection = PinSelection::RemappablePins,
     .rxPpsField = "U1RXR",
     .rxTiedToVss = 31,
     .source = "DS70292 (dsPIC33FJ32GP302/304, 64GPX02/X04, 128GPX02/X04), DS70283 "
               "(dsPIC33FJ32MC202/204) and DS70293 (PIC24HJ32GP302/304 family), Peripheral "
               "Pin Select: Table 11-1 (U1RX from RPINR18's U1RXR<4:0>, 11111 at reset: Vss) "
               "and Table 11-2 (U1TX output function 00011)"},
    {.patterns = {"33FJ*[GM][PC][2-8]0[24]", "24HJ*GP[2-5]0[24]"},
     .port = 2,
     .txPpsCode = 5,
     .rxPpsRegister = "RPINR19",
     .selection = PinSelection::RemappablePins,
     .rxPpsField = "U2RXR",
     .rxTiedToVss = 31,
     .source = "DS70292, DS70283 and DS70293, Peripheral Pin Select: Table 11-1 (U2RX from "
               "RPINR19's U2RXR<4:0>) and Table 11-2 (U2TX output function 00101)"},
    {.patterns = {"24EP*", "33EP*", "33EV*", "33CK*"},
     .txPpsCode = 1,
     .rxPpsRegister = "RPINR18",
     .selection = PinSelection::RemappablePins,
     .rxPpsField = "U1RXR",
     .rxTiedToVss = 0,
     .source = "DS70000657 (dsPIC33EPXXXGP50X family), 11.4 Peripheral Pin Select: Table "
               "11-2 (U1RX from RPINR18's U1RXR<6:0>, 0 at reset: Vss) and Table 11-3 (U1TX "
               "output function 000001); DS70005349 (dsPIC33CK256MP508 family), 8.5: "
               "RPINR18's U1RXR<7:0>, 0 at reset: Vss, and U1TX output function 1 (the "
               "output function numbers unconfirmed beyond the vendor's configurator)"},
    {.patterns = {"24EP*", "33EP*", "33EV*", "33CK*"},
     .port = 2,
     .txPpsCode = 3,
     .rxPpsRegister = "RPINR19",
     .selection = PinSelection::RemappablePins,
     .rxPpsField = "U2RXR",
     .rxTiedToVss = 0,
     .source = "DS70000657 and DS70005349, Peripheral Pin Select: U2RX from RPINR19's U2RXR, "
               "U2TX output function 000011"},
    {.patterns = {"32MX[12]??F*"},
     .txPpsCode = 1,
     .rxPpsRegister = "U1RXR",
     .selection = PinSelection::Pic32Pins,
     .source = "DS60001168 (PIC32MX1XX/2XX 28/36/44-pin), 11.3 Peripheral Pin Select: Table "
               "11-1 (U1RXR selects one of its group's pins, each value a pin) and Table 11-2 "
               "(U1TX output code 0001 in RPnR)"},
    {.patterns = {"32MX[12]??F*"},
     .port = 2,
     .txPpsCode = 2,
     .rxPpsRegister = "U2RXR",
     .selection = PinSelection::Pic32Pins,
     .source = "DS60001168 (PIC32MX1XX/2XX 28/36/44-pin), 11.3: Table 11-1 (U2RXR) and Table "
               "11-2 (U2TX output code 0010 in RPnR)"},
    {.patterns = {"16F87?A", "16F87?", "16F7[3467]", "16F88[2-7]", "16F91[3-7]", "16F946",
                  "16F19[34]?", "16F178?", "16C6[3-7]*", "16C7[3-7]*"},
     .tx = kRC6,
     .rx = kRC7,
     .source = "DS39582 (PIC16F87XA), DS30292 (PIC16F87X), DS30325 (PIC16F7X), DS41291 "
               "(PIC16F882-887), DS41250 (PIC16F91X/946), DS41575 (PIC16F193X), DS41414 "
               "(PIC16F1946/47), DS40001579, DS40001637 and DS40001675 (PIC16F178X), DS30234 "
               "(PIC16C6X), DS30390 (PIC16C7X), Pinout Descriptions: "
               "RC6/TX/CK, RC7/RX/DT"},
    {.patterns = {"18F[24][45][28]", "18F[24][2-6][25][015]", "18F[24][2-6]K2[02]", "18C[24][45]2",
                  "18F[68][5-7]20"},
     .tx = kRC6,
     .rx = kRC7,
     .source = "DS39564 (PIC18FXX2), DS41159 (PIC18FXX8), DS39026 (PIC18CXX2), DS39631 "
               "(PIC18F2420/2520/4420/4520), DS39626 (PIC18F2525/2620/4525/4620), DS39689 "
               "(PIC18F2221/2321/4221/4321), DS39632 (PIC18F2455/2550/4455/4550), DS41412 "
               "(PIC18(L)F2X/4XK22), DS41303 (PIC18F2XK20/4XK20), DS39609 (PIC18F6520 family), "
               "Pinout I/O Descriptions: "
               "RC6/TX/CK, RC7/RX/DT"},
};

SerialPins SerialPinsFrom(const PinRow& row) {
  return {.patterns = {row.patterns.begin(), row.patterns.end()},
          .port = row.port,
          .tx = row.tx,
          .rx = row.rx,
          .txPpsCode = row.txPpsCode,
          .rxPpsRegister = row.rxPpsRegister,
          .rxAtReset = row.rxAtReset,
          .analogPorts = row.analogPorts,
          .txMustBeOutput = row.txMustBeOutput,
          .selection = row.selection,
          .rxPpsField = row.rxPpsField,
          .rxTiedToVss = row.rxTiedToVss,
          .source = row.source};
}

}  // namespace

std::optional<SerialPins> SerialPinsOf(std::string_view part, int port) {
  std::string name = CanonicalPartName(part);
  for (const PinRow& row : kPinRows) {
    if (row.port != port) {
      continue;
    }
    for (const char* pattern : row.patterns) {
      if (MatchesPartPattern(name, pattern)) {
        return SerialPinsFrom(row);
      }
    }
  }
  return std::nullopt;
}

const std::vector<OscillatorMode>& OscillatorModes() {
  static const std::vector<OscillatorMode> kModes{
      {.name = "XT crystal",
       .symbols = {"_FOSC_XT_1H", "_OSC_XT_1H", "_XT_OSC_1H", "_XT_OSC_1", "_FOSC_XT_XT_1H",
                   "_FOSC_XT", "_XT_OSC"},
       .upToMHz = 4,
       .source = "DS39582 (PIC16F87XA), Oscillator Types: XT up to 4 MHz; the same in every "
                 "family's oscillator section"},
      {.name = "HS crystal, medium power",
       .symbols = {"_FOSC_HSMP_1H"},
       .aboveMHz = 4,
       .upToMHz = 16,
       .source = "DS41412 (PIC18(L)F2X/4XK22), Oscillator Module: HSMP 4-16 MHz"},
      {.name = "HS crystal, high power",
       .symbols = {"_FOSC_HSHP_1H"},
       .aboveMHz = 16,
       .source = "DS41412 (PIC18(L)F2X/4XK22), Oscillator Module: HSHP above 16 MHz"},
      {.name = "HS crystal",
       .symbols = {"_FOSC_HS_1H", "_OSC_HS_1H", "_HS_OSC_1H", "_HS_OSC_1", "_FOSC_HS", "_HS_OSC"},
       .aboveMHz = 4,
       .source = "DS39582 (PIC16F87XA), Oscillator Types: HS from 4 MHz to the part's highest "
                 "crystal"},
      {.name = "external clock on OSC1/CLKIN",
       .symbols = {"_FOSC_ECHP_1H", "_FOSC_ECH_1H", "_FOSC_EC_EC_1H", "_OSC_EC_1H", "_EC_OSC_1H",
                   "_EC_OSC_1", "_FOSC_ECH", "_FOSC_EC", "_EC_OSC"},
       .aboveCrystal = true,
       .source = "DS41440 (PIC16F1825/1829), External Clock Modes: ECH up to 32 MHz; DS41412, "
                 "ECHP above 16 MHz"},
  };
  return kModes;
}

const std::vector<DigitalAdcon1>& DigitalAdcon1Values() {
  static const std::vector<DigitalAdcon1> kValues{
      {.bit = "PCFG6",
       .value = 0x7F,
       .source = "DS39605 (PIC18F1220/1320), ADCON1: PCFG6:PCFG0, 1 = digital I/O"},
      {.bit = "VCFG0",
       .value = 0x0F,
       .source = "DS39626 (PIC18F2525/2620/4525/4620), ADCON1: PCFG3:PCFG0 = 1111, all "
                 "digital; the same layout in DS39631, DS39632, DS39689 and DS39609"},
      {.bit = "PCFG2",
       .value = 0x06,
       .source = "DS39582 (PIC16F87XA), ADCON1: PCFG3:PCFG0 = 011x, all digital; the same in "
                 "DS30292, DS30325, DS39564 and DS41159"},
  };
  return kValues;
}

}  // namespace brg::engine
