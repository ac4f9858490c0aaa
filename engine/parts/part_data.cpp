#include "engine/parts/part_data.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>

#include "core/text.h"
#include "engine/parts/part_database.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

// The rows below are constant data, made into PartFamily values once, at first use: as
// initialised objects they were one function of tens of kilobytes that every program (and every
// page, which compiles it first) ran before its first answer.
using Numbers = std::initializer_list<double>;
using Names = std::initializer_list<const char*>;

struct ClockRow {
  double maxOscMHz = 0;
  double maxCrystalMHz = 0;
  Numbers internal{};
  Numbers pllFactors{};
  double pllMinInMHz = 0;
  double pllMaxInMHz = 0;
  Numbers internalPll{};
  Numbers pllOutputs{};
  const char* pllOutputsFrom = "";
  bool pllOutputsInternal = false;
};

struct FamilyRow {
  Names patterns{};
  const char* name = "";
  ClockRow clock{};
  const char* source = "";
  PortKind kind = PortKind::FromHeader;
  int ports = 0;
  const char* bus = "";
  double pbdiv = 1;
  const char* busNote = "";
  Names members{};
};

// The internal oscillator blocks, as the datasheets list their postscaler steps.
constexpr Numbers kIntosc8{8, 4, 2, 1, 0.5, 0.25, 0.125, 0.031};
constexpr Numbers kHfintosc16{16, 8, 4, 2, 1, 0.5, 0.25, 0.125, 0.0625, 0.031};
constexpr Numbers kHfintosc64{64, 48, 32, 16, 12, 8, 4, 2, 1, 0.031};
// The clock of the PIC18 K40, Q10, K42 and Q generations: 64 MHz, HFINTOSC to 64 MHz, a 4x PLL
// for 4 to 16 MHz crystals.
constexpr ClockRow kK40Clock{.maxOscMHz = 64,
                             .maxCrystalMHz = 20,
                             .internal = kHfintosc64,
                             .pllFactors = {4},
                             .pllMinInMHz = 4,
                             .pllMaxInMHz = 16};

// The clocks of the PIC16F1xxxx generations: 32 MHz, HFINTOSC to 32 MHz.
constexpr Numbers kHfintosc32{32, 16, 12, 8, 4, 2, 1, 0.031};
// HS crystals to 20 MHz and a 2x PLL (PIC16F153xx, 183xx, 188xx).
constexpr ClockRow kPic16Pll2Clock{.maxOscMHz = 32,
                                   .maxCrystalMHz = 20,
                                   .internal = kHfintosc32,
                                   .pllFactors = {2},
                                   .pllMinInMHz = 4,
                                   .pllMaxInMHz = 16};
// HS crystals to 20 MHz and a 4x PLL for 4 to 8 MHz external sources (PIC16F171xx, 181xx).
constexpr ClockRow kPic16Pll4Clock{.maxOscMHz = 32,
                                   .maxCrystalMHz = 20,
                                   .internal = kHfintosc32,
                                   .pllFactors = {4},
                                   .pllMinInMHz = 4,
                                   .pllMaxInMHz = 8};
// No crystal oscillator: HFINTOSC or an external clock (EC) to 32 MHz (PIC16F152xx, 180xx).
constexpr ClockRow kPic16EcClock{.maxOscMHz = 32, .maxCrystalMHz = 0, .internal = kHfintosc32};

constexpr FamilyRow kFamilyRows[] = {
    // The USART and EUSART parts that gputils has headers for: their clocks.
    {.patterns = {"16F87?A"},
     .name = "PIC16F87XA",
     .clock = {.maxOscMHz = 20, .maxCrystalMHz = 20, .internal = {}},
     .source =
         "DS39582, Electrical Characteristics: External Clock Timing Requirements (Table 17-3)"},
    {.patterns = {"16F87?"},
     .name = "PIC16F87X",
     .clock = {.maxOscMHz = 20, .maxCrystalMHz = 20, .internal = {}},
     .source = "DS30292, Electrical Characteristics: External Clock Timing Requirements"},
    {.patterns = {"16F62?A", "16F648A"},
     .name = "PIC16F627A/628A/648A",
     .clock = {.maxOscMHz = 20, .maxCrystalMHz = 20, .internal = {4, 0.048}},
     .source = "DS40044, Timing Diagrams and Specifications (Table 17-4); Oscillator: INTOSC"},
    {.patterns = {"16F8[78]"},
     .name = "PIC16F87/88",
     .clock = {.maxOscMHz = 20,
               .maxCrystalMHz = 20,
               .internal = {8, 4, 2, 1, 0.5, 0.25, 0.125, 0.03125}},
     .source = "DS30487, External Clock Timing Requirements (Table 18-3); Internal Oscillator "
               "Block (section 4.5)"},
    {.patterns = {"16F88[2-7]"},
     .name = "PIC16F882-887",
     .clock = {.maxOscMHz = 20, .maxCrystalMHz = 20, .internal = kIntosc8},
     .source = "DS41291, Clock Source Modes (section 4.3); DC Characteristics (D001)"},
    {.patterns = {"16F6[3-9]?"},
     .name = "PIC16F631-690",
     .clock = {.maxOscMHz = 20, .maxCrystalMHz = 20, .internal = kIntosc8},
     .source = "DS41262, Internal Clock Modes: LFINTOSC and IRCF (sections 3.5.3, 3.5.4)"},
    {.patterns = {"12F18[2-4]?", "16F182?", "16F184?", "16F19[34]?"},
     .name = "PIC12F/16F1xxx enhanced mid-range",
     .clock = {.maxOscMHz = 32,
               .maxCrystalMHz = 20,
               .internal = kHfintosc16,
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 8,
               .internalPll = {8}},
     .source = "DS41440 (PIC16F1825/1829), DS41413 (PIC12F1822/16F1823), DS41441 (PIC12F1840), "
               "DS40001574 (PIC16F1938/1939), DS41414 (PIC16F1946/1947): Oscillator Module (4x "
               "PLL, HFINTOSC); Electrical Specifications: Clock Oscillator Timing Requirements"},
    {.patterns = {"16F145?"},
     .name = "PIC16F1454/1455/1459",
     .clock = {.maxOscMHz = 48,
               .maxCrystalMHz = 20,
               .internal = kHfintosc16,
               .pllFactors = {3, 4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 16,
               .internalPll = {16}},
     .source =
         "DS40001639, Oscillator Module (PLL 3x/4x, HFINTOSC 16 MHz); Electrical Specifications"},
    {.patterns = {"18F[24][45]5[05]"},
     .name = "PIC18F2455/2550/4455/4550",
     .clock = {.maxOscMHz = 48,
               .maxCrystalMHz = 25,
               .internal = kIntosc8,
               .pllOutputs = {48, 32, 24, 16},
               .pllOutputsFrom = "4-24 MHz crystal"},
     .source = "DS39632, External Clock Timing Requirements (Table 28-8); Oscillator "
               "Configuration (sections 2.2.2, 2.2.3: 96 MHz PLL, CPUDIV)"},
    {.patterns = {"18F[24][4-6]2[05]"},
     .name = "PIC18F2420-4620",
     .clock = {.maxOscMHz = 40,
               .maxCrystalMHz = 25,
               .internal = kIntosc8,
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 10,
               .internalPll = {4, 8}},
     .source = "DS39626 (PIC18F2525/2620/4525/4620), DS39631 (PIC18F2420/2520/4420/4520): "
               "Oscillator Configurations (HSPLL, PLL with INTOSC, OSCTUNE)"},
    {.patterns = {"18F[12][23]20"},
     .name = "PIC18F1220/1320/2220/2320",
     .clock = {.maxOscMHz = 40,
               .maxCrystalMHz = 25,
               .internal = kIntosc8,
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 10},
     .source = "DS39605 (PIC18F1220/1320), DS39599 (PIC18F2220/2320): Oscillator Configurations "
               "(HSPLL)"},
    {.patterns = {"18F*K22"},
     .name = "PIC18F K22",
     .clock = {.maxOscMHz = 64,
               .maxCrystalMHz = 25,
               .internal = {16, 8, 4, 2, 1, 0.5, 0.25, 0.031},
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 16,
               .internalPll = {16, 8}},
     .source = "DS41412, Oscillator Module (PLL Frequency Multiplier, HFINTOSC); Electrical "
               "Specifications: External Clock Timing Requirements"},
    {.patterns = {"18F*K20"},
     .name = "PIC18F K20",
     .clock = {.maxOscMHz = 64,
               .maxCrystalMHz = 25,
               .internal = {16, 8, 4, 2, 1, 0.5, 0.25, 0.031},
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 16,
               .internalPll = {16, 8}},
     .source = "DS41303, Oscillator Module (PLL Frequency Multiplier); Electrical Specifications"},
    {.patterns = {"18F*K50"},
     .name = "PIC18F K50",
     .clock = {.maxOscMHz = 48,
               .maxCrystalMHz = 25,
               .internal = {16, 8, 4, 2, 1, 0.5, 0.25, 0.031},
               .pllFactors = {3, 4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 16,
               .internalPll = {16}},
     .source = "DS30000684 (PIC18F2x/45K50), DS41350 (PIC18F13K50/14K50): Oscillator Module (PLL "
               "3x/4x)"},
    {.patterns = {"18F*J5[03]", "18F*J1[13]"},
     .name = "PIC18F J11/J13/J50/J53",
     .clock = {.maxOscMHz = 48,
               .maxCrystalMHz = 25,
               .internal = kIntosc8,
               .pllOutputs = {48},
               .pllOutputsFrom = "4-24 MHz crystal"},
     .source = "DS39964 (PIC18F47J53 family), DS39974 (PIC18F47J13 family): Oscillator "
               "Configurations (96 MHz PLL)"},
    {.patterns = {"18F*K80"},
     .name = "PIC18F K80",
     .clock = {.maxOscMHz = 64,
               .maxCrystalMHz = 25,
               .internal = {16, 8, 4, 2, 1, 0.5, 0.25, 0.031},
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 16,
               .internalPll = {16, 8}},
     .source = "DS39977, Oscillator Configurations (PLL Frequency Multiplier); Electrical "
               "Specifications"},
    // The EUSART parts gputils has no headers for: their ports too.
    {.patterns = {"18F2[45]K40"},
     .name = "PIC18F24/25K40",
     .clock = kK40Clock,
     .source = "DS40001843 (PIC18F24/25K40): Family Types; Standard Operating Conditions; "
               "Oscillator Module (HFINTOSC, 4x PLL)",
     .kind = PortKind::Eusart,
     .ports = 1,
     .members = {"18F24K40", "18F25K40"}},
    {.patterns = {"18F2[67]K40", "18F4[567]K40"},
     .name = "PIC18F26/27/45/46/47K40",
     .clock = kK40Clock,
     .source = "DS40001816 (PIC18F26/45/46K40), DS40001844 (PIC18F27/47K40): Family Types; "
               "Standard Operating Conditions; EUSART Register Summary",
     .kind = PortKind::Eusart,
     .ports = 2,
     .members = {"18F26K40", "18F27K40", "18F45K40", "18F46K40", "18F47K40"}},
    {.patterns = {"18F6[56]K40"},
     .name = "PIC18F65/66K40",
     .clock = kK40Clock,
     .source = "DS40001842 (PIC18F65/66K40): Family Types; EUSART Register Summary (five EUSARTs)",
     .kind = PortKind::Eusart,
     .ports = 5,
     .members = {"18F65K40", "18F66K40"}},
    {.patterns = {"18F2[45]Q10"},
     .name = "PIC18F24/25Q10",
     .clock = kK40Clock,
     .source = "DS40002043 (PIC18F24/25Q10): Multiple Oscillator Options and Features (section "
               "2.1.2); Family Types",
     .kind = PortKind::Eusart,
     .ports = 1,
     .members = {"18F24Q10", "18F25Q10"}},
    {.patterns = {"18F2[67]Q10", "18F4[567]Q10"},
     .name = "PIC18F26/27/45/46/47Q10",
     .clock = kK40Clock,
     .source = "DS40001996 (PIC18F26/45/46Q10), DS40002043 (PIC18F27/47Q10): Family Types; "
               "EUSART registers (BAUD1CON, BAUD2CON)",
     .kind = PortKind::Eusart,
     .ports = 2,
     .members = {"18F26Q10", "18F27Q10", "18F45Q10", "18F46Q10", "18F47Q10"}},
    {.patterns = {"16F188[4-9]?", "16F184[24]?"},
     .name = "PIC16F18xxx with one EUSART",
     .clock = kPic16Pll2Clock,
     .source = "DS40001802 (PIC16F18855/75), DS40001825 (PIC16F18857/77): Oscillator Module "
               "(HFINTOSC up to 32 MHz, 2x PLL); Standard Operating Conditions",
     .kind = PortKind::Eusart,
     .ports = 1,
     .members = {"16F18854", "16F18855", "16F18856", "16F18857", "16F18875", "16F18876", "16F18877",
                 "16F18424", "16F18425", "16F18444", "16F18445"}},
    {.patterns = {"16F184[56]?"},
     .name = "PIC16F18455/56 family",
     .clock = kPic16Pll2Clock,
     .source = "PIC16(L)F18455/56 datasheet: EUSART Register Summary (two EUSARTs); Standard "
               "Operating Conditions",
     .kind = PortKind::Eusart,
     .ports = 2,
     .members = {"16F18455", "16F18456", "16F18465", "16F18466"}},
    {.patterns = {"16F152[1-7]?"},
     .name = "PIC16F152xx",
     .clock = kPic16EcClock,
     .source = "DS40002305 (PIC16F15256/74/75/76) and DS40002324 (PIC16F15254/55), the numbers "
               "of their datasheet files; PIC16F15213/14/23/24/43/44 and PIC16F15225/45 "
               "datasheets. One EUSART rests on chapter 24 (EUSART) of these datasheets naming no "
               "EUSART2 and on the first entry of this row: the PIC16F152 Family Types table was "
               "not read. Clocking Structure (HFINTOSC up to 32 MHz, EC, no crystal) as first "
               "entered, not rechecked",
     .kind = PortKind::Eusart,
     .ports = 1,
     .members = {"16F15213", "16F15214", "16F15223", "16F15224", "16F15225", "16F15243", "16F15244",
                 "16F15245", "16F15254", "16F15255", "16F15256", "16F15274", "16F15275",
                 "16F15276"}},
    {.patterns = {"16F1531?", "16F1532[0-3]"},
     .name = "PIC16F15313/23",
     .clock = kPic16Pll2Clock,
     .source = "DS40001897 (PIC16(L)F15313/23). One EUSART: the device data of the MPLAB X "
               "pack for the PIC16F15313 has TX1IF/RC1IF in PIR3 and no TX2IF/RC2IF. Oscillator "
               "Module (HFINTOSC up to 32 MHz, 2x PLL) as first entered, not rechecked",
     .kind = PortKind::Eusart,
     .ports = 1,
     .members = {"16F15313", "16F15323"}},
    {.patterns = {"16F1532[4-9]", "16F1534?", "16F1535?", "16F1537?", "16F1538?"},
     .name = "PIC16F15324-15386",
     .clock = kPic16Pll2Clock,
     .source = "DS40001853 (PIC16(L)F15354/55); PIC16(L)F15324/44, PIC16(L)F15325/45 and "
               "PIC16(L)F15356/75/76/85/86 datasheets, whose DS numbers were not confirmed. Two "
               "EUSARTs: the device data of the MPLAB X pack for the PIC16F15324 and the "
               "PIC16F15325 has TX2IF/RC2IF in PIR3 and UART2MD in PMD4; the 15344, 15345 and "
               "the 28/40/48-pin parts on the first entry of this row. Oscillator Module "
               "(HFINTOSC up to 32 MHz, 2x PLL) as first entered, not rechecked",
     .kind = PortKind::Eusart,
     .ports = 2,
     .members = {"16F15324", "16F15344", "16F15325", "16F15345", "16F15354", "16F15355", "16F15356",
                 "16F15375", "16F15376", "16F15385", "16F15386"}},
    {.patterns = {"16F171??"},
     .name = "PIC16F171xx",
     .clock = kPic16Pll4Clock,
     .source = "DS40002490 (PIC16F17154/55/74/75), PIC16F17114/15/24/25/44/45 and "
               "PIC16F17156/76 datasheets: EUSART (the chapter's device table gives EUSART1 and "
               "EUSART2 to the 17114/15/24/25/44/45 and the 17154/55/74/75; the 17126/46/56/76 "
               "on the first entry of this row). The 4x PLL for 4-8 MHz external sources and the "
               "20 MHz crystal as first entered, not rechecked",
     .kind = PortKind::Eusart,
     .ports = 2,
     .members = {"16F17114", "16F17115", "16F17124", "16F17125", "16F17126", "16F17144", "16F17145",
                 "16F17146", "16F17154", "16F17155", "16F17156", "16F17174", "16F17175",
                 "16F17176"}},
    {.patterns = {"16F1801[34]", "16F1802[34]"},
     .name = "PIC16F18013/14/23/24",
     .clock = kPic16EcClock,
     .source = "PIC16F18013/14/23/24 datasheet (DS number not confirmed): PIC16F180 Family "
               "Summary (EUSART: 1 for the 18013; the 18014, 18023 and 18024 share the "
               "datasheet, their rows not read). No crystal: as first entered, not rechecked",
     .kind = PortKind::Eusart,
     .ports = 1,
     .members = {"16F18013", "16F18014", "16F18023", "16F18024"}},
    {.patterns = {"16F1801[5-9]", "16F1802[5-9]", "16F1804?", "16F1805?", "16F1807?"},
     .name = "PIC16F18015-18076",
     .clock = kPic16EcClock,
     .source = "PIC16F18015/25/44/45, PIC16F18026/46, PIC16F18054/55/74/75 and PIC16F18056/76 "
               "datasheets (DS numbers not confirmed): PIC16F180 Family Summary / Family Types "
               "(EUSART: 2 on every one of these parts). No crystal on the 28/40-pin parts: as "
               "first entered, not rechecked",
     .kind = PortKind::Eusart,
     .ports = 2,
     .members = {"16F18015", "16F18025", "16F18026", "16F18044", "16F18045", "16F18046", "16F18054",
                 "16F18055", "16F18056", "16F18074", "16F18075", "16F18076"}},
    {.patterns = {"16F181??"},
     .name = "PIC16F181xx",
     .clock = kPic16Pll4Clock,
     .source = "DS40002491 (PIC16F18154/55/74/75), PIC16F18114/15/24/25/44/45 and "
               "PIC16F18156/76 datasheets: PIC16F181XX Family Types (EUSART: 2); Clocking "
               "Structure (HFINTOSC up to 32 "
               "MHz, three crystal modes, 4x PLL for external sources)",
     .kind = PortKind::Eusart,
     .ports = 2,
     .members = {"16F18114", "16F18115", "16F18124", "16F18125", "16F18126", "16F18144", "16F18145",
                 "16F18146", "16F18154", "16F18155", "16F18156", "16F18174", "16F18175",
                 "16F18176"}},
    // The PIC18 UART with BRGS.
    {.patterns = {"18F*K42"},
     .name = "PIC18F K42",
     .clock = kK40Clock,
     .source = "DS40001919 (PIC18F26/27/45/46/47/55/56/57K42): UART (UxCON0, UxCON1, UxBRG); "
               "Electrical Specifications: System Clock Frequency",
     .kind = PortKind::Pic18Uart,
     .ports = 2,
     .members = {"18F26K42", "18F27K42", "18F45K42", "18F46K42", "18F47K42", "18F55K42", "18F56K42",
                 "18F57K42"}},
    {.patterns = {"18F*K83"},
     .name = "PIC18F K83",
     .clock = kK40Clock,
     .source = "PIC18F25/26K83 datasheet: UART (UxCON0, UxCON1, UxBRG). DS40001943 and the two "
               "UARTs as first entered, not confirmed here",
     .kind = PortKind::Pic18Uart,
     .ports = 2,
     .members = {"18F25K83", "18F26K83"}},
    {.patterns = {"18F*Q4[01]"},
     .name = "PIC18F Q40/Q41",
     .clock = kK40Clock,
     .source = "PIC18F04/05/14/15Q40 and PIC18F06/16Q40 datasheets: PIC18-Q40 Family Types "
               "(column UART/UART with Protocol Support: 2/1 on every part, two UARTs of which "
               "UART1 has the protocols, as the PIC18F27/47/57Q43 datasheet words its five: "
               "one module, UART1, supports LIN, DMX and DALI). DS40002214 (PIC18F06/16Q41) and "
               "the DS number of the Q40 datasheets not confirmed",
     .kind = PortKind::Pic18Uart,
     .ports = 2,
     .members = {"18F04Q40", "18F05Q40", "18F06Q40", "18F14Q40", "18F15Q40", "18F16Q40", "18F04Q41",
                 "18F05Q41", "18F06Q41", "18F14Q41", "18F15Q41", "18F16Q41"}},
    {.patterns = {"18F*Q43"},
     .name = "PIC18F Q43",
     .clock = kK40Clock,
     .source = "DS40002147 (PIC18F27/47/57Q43): UART (five modules: UxCON0, UxCON1, UxBRG; Baud "
               "Rate Formulas); External Clock/Oscillator Timing Requirements (OS20: 64 MHz)",
     .kind = PortKind::Pic18Uart,
     .ports = 5,
     .members = {"18F25Q43", "18F26Q43", "18F27Q43", "18F45Q43", "18F46Q43", "18F47Q43", "18F55Q43",
                 "18F56Q43", "18F57Q43"}},
    {.patterns = {"18F*Q8[34]"},
     .name = "PIC18F Q83/Q84",
     .clock = kK40Clock,
     .source = "DS40002213 (PIC18F27/47/57Q84), PIC18F26/46/56Q83 datasheet: UART (UxBRG at "
               "five addresses); External Clock/Oscillator Timing Requirements",
     .kind = PortKind::Pic18Uart,
     .ports = 5,
     .members = {"18F26Q83", "18F27Q83", "18F46Q83", "18F47Q83", "18F56Q83", "18F57Q83", "18F26Q84",
                 "18F27Q84", "18F46Q84", "18F47Q84", "18F56Q84", "18F57Q84"}},
    {.patterns = {"18F*Q71", "18F*Q24", "18F*Q35"},
     .name = "PIC18F Q71/Q24/Q35",
     .clock = kK40Clock,
     .source = "PIC18F26/46/56Q71, PIC18F24/25Q71, PIC18-Q24 and PIC18-Q35 datasheets: UART "
               "(UxBRG). The two UARTs of each and DS40002329 as first entered, not confirmed "
               "here; the DS numbers of the Q24 and Q35 datasheets not confirmed",
     .kind = PortKind::Pic18Uart,
     .ports = 2,
     .members = {"18F24Q71", "18F25Q71", "18F26Q71", "18F46Q71", "18F56Q71", "18F24Q24",
                 "18F25Q24", "18F26Q24", "18F45Q24", "18F46Q24", "18F55Q24", "18F56Q24",
                 "18F24Q35", "18F25Q35", "18F26Q35", "18F44Q35", "18F45Q35", "18F46Q35",
                 "18F54Q35", "18F55Q35", "18F56Q35"}},
    {.patterns = {"18F*Q20"},
     .name = "PIC18F Q20",
     .clock = kK40Clock,
     .source = "DS40002387 (PIC18F06/16Q20), PIC18F04/05/14/15Q20 datasheet: Digital "
               "Peripherals (two UART modules); UART with Protocol Support",
     .kind = PortKind::Pic18Uart,
     .ports = 2,
     .members = {"18F04Q20", "18F05Q20", "18F06Q20", "18F14Q20", "18F15Q20", "18F16Q20"}},
    // PIC24 and dsPIC33F/E.
    {.patterns = {"24FJ*GA00?", "24FJ*GB00?"},
     .name = "PIC24FJ GA00x/GB00x",
     .clock = {.maxOscMHz = 32,
               .maxCrystalMHz = 32,
               .internal = {8, 4, 2, 1, 0.5, 0.25, 0.125, 0.031},
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 8,
               .internalPll = {8}},
     .source = "DS39881 (PIC24FJ64GA004 family), DS39940 (PIC24FJ64GB004 family): UART (two "
               "modules; Equations 17-1 and 17-2: Fcy/(16(UxBRG+1)), Fcy/(4(UxBRG+1)), Fcy = "
               "Fosc/2); Oscillator Configuration (32 MHz, 16 MIPS)",
     .kind = PortKind::Pic24Uart,
     .ports = 2,
     .members = {"24FJ16GA002", "24FJ32GA002", "24FJ48GA002", "24FJ64GA002", "24FJ16GA004",
                 "24FJ32GA004", "24FJ48GA004", "24FJ64GA004", "24FJ32GB002", "24FJ64GB002",
                 "24FJ32GB004", "24FJ64GB004"}},
    {.patterns = {"24FJ*GA1??", "24FJ*GB1??", "24FJ*GB2??"},
     .name = "PIC24FJ GA1xx/GB1xx/GB2xx",
     .clock = {.maxOscMHz = 32,
               .maxCrystalMHz = 32,
               .internal = {8, 4, 2, 1, 0.5, 0.25, 0.125, 0.031},
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 8,
               .internalPll = {8}},
     .source = "DS39905 (PIC24FJ256GA110 family), DS39897 (PIC24FJ256GB110 family): UART (four "
               "modules); Oscillator Configuration",
     .kind = PortKind::Pic24Uart,
     .ports = 4,
     .members = {"24FJ64GA106", "24FJ128GA106", "24FJ192GA106", "24FJ256GA106", "24FJ128GA110",
                 "24FJ256GA110", "24FJ64GB106", "24FJ128GB110", "24FJ256GB110", "24FJ128GB206",
                 "24FJ256GB210"}},
    {.patterns = {"24F*KA*", "24F*KL*", "24F*KM*"},
     .name = "PIC24F KA/KL/KM",
     .clock = {.maxOscMHz = 32,
               .maxCrystalMHz = 32,
               .internal = {8, 4, 2, 1, 0.5, 0.25, 0.125, 0.031},
               .pllFactors = {4},
               .pllMinInMHz = 4,
               .pllMaxInMHz = 8,
               .internalPll = {8}},
     .source = "DS39927 (PIC24F16KA102 family), DS30001037 (PIC24F16KL402 family): UART (two "
               "modules, section 18.1)",
     .kind = PortKind::Pic24Uart,
     .ports = 2,
     .members = {"24F08KA101", "24F16KA101", "24F08KA102", "24F16KA102", "24F16KL402", "24F32KA302",
                 "24F32KA304", "24FV16KM202", "24F16KM204"}},
    {.patterns = {"24HJ*", "33FJ*"},
     .name = "PIC24H / dsPIC33F",
     .clock = {.maxOscMHz = 80,
               .maxCrystalMHz = 40,
               .internal = {7.37, 0.032},
               .pllOutputs = {80, 40},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "DS70165 (dsPIC33FJXXXGPX06/X08/X10): UART (section 19.1); Oscillator "
               "Configuration (80 MHz, 40 MIPS); DS70175 (PIC24HJ32GP202/204): UART",
     .kind = PortKind::Pic24Uart,
     .ports = 2,
     .members = {"24HJ32GP202", "24HJ64GP502", "24HJ128GP502", "33FJ32MC202", "33FJ64GP802",
                 "33FJ128GP802", "33FJ128MC802", "33FJ256GP710A"}},
    {.patterns = {"24EP*GU*", "33EP*MU*"},
     .name = "PIC24EP GU / dsPIC33EP MU",
     .clock = {.maxOscMHz = 140,
               .maxCrystalMHz = 40,
               .internal = {7.37, 0.032},
               .pllOutputs = {140, 120, 80},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "DS70616 (dsPIC33EPXXX(GP/MC/MU)806/810/814, PIC24EPXXX(GP/GU)810/814): UART "
               "(four modules); Oscillator Configuration (140 MHz, 70 MIPS)",
     .kind = PortKind::Pic24Uart,
     .ports = 4,
     .members = {"24EP512GU810", "24EP512GU814", "33EP512MU810", "33EP512MU814"}},
    {.patterns = {"24EP*", "33EP*", "33EV*"},
     .name = "PIC24EP / dsPIC33EP",
     .clock = {.maxOscMHz = 140,
               .maxCrystalMHz = 40,
               .internal = {7.37, 0.032},
               .pllOutputs = {140, 120, 80},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "DS70000657 (dsPIC33EPXXXGP50X, dsPIC33EPXXXMC20X/50X, PIC24EPXXXGP/MC20X): UART "
               "(two modules); Oscillator Configuration (140 MHz, 70 MIPS)",
     .kind = PortKind::Pic24Uart,
     .ports = 2,
     .members = {"24EP32GP202", "24EP64GP202", "24EP128GP202", "24EP256GP202", "24EP512GP202",
                 "33EP32MC202", "33EP64MC202", "33EP128MC202", "33EP256MC502", "33EP512MC502",
                 "33EP128GP502", "33EP256GP502", "33EP512GP502", "33EV256GM106"}},
    // dsPIC33C.
    {.patterns = {"33CK*MP[2-7]0?", "33CK*MP71?", "33CK*MPT[56]0?"},
     .name = "dsPIC33CK MP",
     .clock = {.maxOscMHz = 200,
               .maxCrystalMHz = 50,
               .internal = {8, 0.032},
               .pllOutputs = {200, 180, 160, 120, 100},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "dsPIC33CK1024MP710 datasheet: Product Families table (UART: 3 on every "
               "MP70x/MP71x part); dsPIC33CK512MPT608 datasheet: dsPIC33CK512MPT608 Product "
               "Families (UART: 3). DS70005349 (dsPIC33CK256MP508 family: MP20x, MP50x) and "
               "DS70005452 (dsPIC33CK512MP608 family) with their three UARTs as first entered, "
               "not confirmed here; 100 MIPS at Fosc 200 MHz as first entered",
     .kind = PortKind::Dspic33cUart,
     .ports = 3,
     .members =
         {"33CK32MP202",  "33CK32MP203",   "33CK32MP205",   "33CK32MP206",   "33CK32MP208",
          "33CK32MP502",  "33CK32MP503",   "33CK32MP505",   "33CK32MP506",   "33CK32MP508",
          "33CK64MP202",  "33CK64MP203",   "33CK64MP205",   "33CK64MP206",   "33CK64MP208",
          "33CK64MP502",  "33CK64MP503",   "33CK64MP505",   "33CK64MP506",   "33CK64MP508",
          "33CK128MP202", "33CK128MP203",  "33CK128MP205",  "33CK128MP206",  "33CK128MP208",
          "33CK128MP502", "33CK128MP503",  "33CK128MP505",  "33CK128MP506",  "33CK128MP508",
          "33CK256MP202", "33CK256MP203",  "33CK256MP205",  "33CK256MP206",  "33CK256MP208",
          "33CK256MP502", "33CK256MP503",  "33CK256MP505",  "33CK256MP506",  "33CK256MP508",
          "33CK256MP605", "33CK256MP606",  "33CK256MP608",  "33CK512MP605",  "33CK512MP606",
          "33CK512MP608", "33CK256MPT608", "33CK512MPT608", "33CK256MP705",  "33CK256MP706",
          "33CK256MP708", "33CK256MP710",  "33CK512MP705",  "33CK512MP706",  "33CK512MP708",
          "33CK512MP710", "33CK1024MP705", "33CK1024MP706", "33CK1024MP708", "33CK1024MP710"}},
    {.patterns = {"33CK*MP10?", "33CK*MC10?"},
     .name = "dsPIC33CK MP10x/MC10x",
     .clock = {.maxOscMHz = 200,
               .maxCrystalMHz = 50,
               .internal = {8, 0.032},
               .pllOutputs = {200, 180, 160, 120, 100},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "dsPIC33CK64MC105 and dsPIC33CK64MP105 family datasheets. DS70005399 and the two "
               "UARTs as first entered, not confirmed here; 100 MIPS at Fosc 200 MHz as first "
               "entered",
     .kind = PortKind::Dspic33cUart,
     .ports = 2,
     .members = {"33CK32MP102", "33CK32MP103", "33CK32MP105", "33CK64MP102", "33CK64MP103",
                 "33CK64MP105", "33CK32MC102", "33CK32MC103", "33CK32MC105", "33CK64MC102",
                 "33CK64MC103", "33CK64MC105"}},
    // dsPIC33CH: two cores in one part, each with its own clock and UARTs. The secondary
    // core's device name ends in S1 (33CH128MP508S1), as the compilers name it.
    {.patterns = {"33CH*S1"},
     .name = "dsPIC33CH secondary core",
     .clock = {.maxOscMHz = 200,
               .maxCrystalMHz = 50,
               .internal = {8, 0.032},
               .pllOutputs = {200, 180, 160, 120, 100},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "dsPIC33CH128MP508 and dsPIC33CH512MP508 family datasheets: each core has its "
               "own peripheral set (MCC dsPIC33CH Dual Core User Guide). DS70005319, DS70005371, "
               "the secondary core's one UART and its 100 MIPS as first entered, not confirmed "
               "here",
     .kind = PortKind::Dspic33cUart,
     .ports = 1,
     .members = {"33CH64MP202S1",  "33CH64MP203S1",  "33CH64MP205S1",  "33CH64MP206S1",
                 "33CH64MP208S1",  "33CH64MP502S1",  "33CH64MP503S1",  "33CH64MP505S1",
                 "33CH64MP506S1",  "33CH64MP508S1",  "33CH128MP202S1", "33CH128MP203S1",
                 "33CH128MP205S1", "33CH128MP206S1", "33CH128MP208S1", "33CH128MP502S1",
                 "33CH128MP503S1", "33CH128MP505S1", "33CH128MP506S1", "33CH128MP508S1",
                 "33CH256MP205S1", "33CH256MP206S1", "33CH256MP208S1", "33CH256MP505S1",
                 "33CH256MP506S1", "33CH256MP508S1", "33CH512MP205S1", "33CH512MP206S1",
                 "33CH512MP208S1", "33CH512MP505S1", "33CH512MP506S1", "33CH512MP508S1"}},
    {.patterns = {"33CH*"},
     .name = "dsPIC33CH main core",
     .clock = {.maxOscMHz = 180,
               .maxCrystalMHz = 50,
               .internal = {8, 0.032},
               .pllOutputs = {180, 160, 120, 100},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "dsPIC33CH128MP508 and dsPIC33CH512MP508 family datasheets. DS70005319, "
               "DS70005371, the main core's two UARTs and its 90 MIPS as first entered, not "
               "confirmed here",
     .kind = PortKind::Dspic33cUart,
     .ports = 2,
     .members = {"33CH64MP202",  "33CH64MP203",  "33CH64MP205",  "33CH64MP206",  "33CH64MP208",
                 "33CH64MP502",  "33CH64MP503",  "33CH64MP505",  "33CH64MP506",  "33CH64MP508",
                 "33CH128MP202", "33CH128MP203", "33CH128MP205", "33CH128MP206", "33CH128MP208",
                 "33CH128MP502", "33CH128MP503", "33CH128MP505", "33CH128MP506", "33CH128MP508",
                 "33CH256MP205", "33CH256MP206", "33CH256MP208", "33CH256MP505", "33CH256MP506",
                 "33CH256MP508", "33CH512MP205", "33CH512MP206", "33CH512MP208", "33CH512MP505",
                 "33CH512MP506", "33CH512MP508"}},
    // PIC32.
    {.patterns = {"32MX1*", "32MX2*"},
     .name = "PIC32MX1xx/2xx",
     .clock = {.maxOscMHz = 50,
               .maxCrystalMHz = 40,
               .internal = {8, 0.032},
               .pllOutputs = {50, 48, 40},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "DS60001168 (PIC32MX1XX/2XX 28/36/44-pin): UART (two modules); Oscillator "
               "Configuration (50 MHz)",
     .kind = PortKind::Pic32Uart,
     .ports = 2,
     .bus = "PBCLK",
     .pbdiv = 1,
     .busNote = "PBCLK = SYSCLK / FPBDIV; the erased configuration is FPBDIV = DIV_8",
     .members = {"32MX110F016B", "32MX120F032B", "32MX150F128B", "32MX170F256B", "32MX210F016B",
                 "32MX220F032B", "32MX250F128B", "32MX270F256B", "32MX270F256D"}},
    {.patterns = {"32MX3*", "32MX4*"},
     .name = "PIC32MX3xx/4xx",
     .clock = {.maxOscMHz = 80,
               .maxCrystalMHz = 40,
               .internal = {8, 0.032},
               .pllOutputs = {80, 72, 40},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "DS61143 (PIC32MX3XX/4XX): UART Baud Rate Generator (section 19.2; two modules); "
               "Oscillator Configuration (80 MHz)",
     .kind = PortKind::Pic32Uart,
     .ports = 2,
     .bus = "PBCLK",
     .pbdiv = 1,
     .busNote = "PBCLK = SYSCLK / FPBDIV; the erased configuration is FPBDIV = DIV_8",
     .members = {"32MX320F128H", "32MX340F512H", "32MX360F512L", "32MX440F256H", "32MX460F512L"}},
    {.patterns = {"32MX5*", "32MX6*", "32MX7*"},
     .name = "PIC32MX5xx/6xx/7xx",
     .clock = {.maxOscMHz = 80,
               .maxCrystalMHz = 40,
               .internal = {8, 0.032},
               .pllOutputs = {80, 72, 40},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source =
         "DS60001156 (PIC32MX5XX/6XX/7XX): UART (six modules); Oscillator Configuration (80 MHz)",
     .kind = PortKind::Pic32Uart,
     .ports = 6,
     .bus = "PBCLK",
     .pbdiv = 1,
     .busNote = "PBCLK = SYSCLK / FPBDIV; the erased configuration is FPBDIV = DIV_8",
     .members = {"32MX534F064H", "32MX575F512L", "32MX664F128H", "32MX695F512L", "32MX764F128H",
                 "32MX795F512L"}},
    {.patterns = {"32MZ*"},
     .name = "PIC32MZ",
     .clock = {.maxOscMHz = 252,
               .maxCrystalMHz = 40,
               .internal = {8, 0.032},
               .pllOutputs = {252, 200, 100},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "DS60001320 (PIC32MZ EF): UART (six modules, clocked from PBCLK2); Oscillator "
               "Configuration (252 MHz)",
     .kind = PortKind::Pic32Uart,
     .ports = 6,
     .bus = "PBCLK2",
     .pbdiv = 2,
     .busNote = "PBCLK2 = SYSCLK / PB2DIV, which divides by 2 after reset",
     .members = {"32MZ1024EFG064", "32MZ2048EFG100", "32MZ2048EFH144", "32MZ2048ECH144"}},
    {.patterns = {"32MM*GPL*"},
     .name = "PIC32MM GPL",
     .clock = {.maxOscMHz = 25, .maxCrystalMHz = 0, .internal = {8, 0.032}},
     .source = "PIC32MM0064GPL036 family datasheet. DS60001324, the two UARTs, the UxMODE "
               "CLKSEL sources (PBCLK = SYSCLK, FRC, REFO) and DC to 25 MHz as first entered, not "
               "confirmed here",
     .kind = PortKind::Pic32Uart,
     .ports = 2,
     .bus = "PBCLK",
     .pbdiv = 1,
     .busNote = "PBCLK = SYSCLK on PIC32MM, which has no peripheral bus divider",
     .members = {"32MM0016GPL020", "32MM0016GPL028", "32MM0016GPL036", "32MM0032GPL020",
                 "32MM0032GPL028", "32MM0032GPL036", "32MM0064GPL020", "32MM0064GPL028",
                 "32MM0064GPL036"}},
    {.patterns = {"32MM*GPM*"},
     .name = "PIC32MM GPM",
     .clock = {.maxOscMHz = 25, .maxCrystalMHz = 0, .internal = {8, 0.032}},
     .source = "PIC32MM0256GPM064 family datasheet. DS60001387, the three UARTs, the UxMODE "
               "CLKSEL sources (PBCLK = SYSCLK, FRC, REFO) and DC to 25 MHz as first entered, not "
               "confirmed here",
     .kind = PortKind::Pic32Uart,
     .ports = 3,
     .bus = "PBCLK",
     .pbdiv = 1,
     .busNote = "PBCLK = SYSCLK on PIC32MM, which has no peripheral bus divider",
     .members = {"32MM0064GPM028", "32MM0064GPM036", "32MM0064GPM048", "32MM0064GPM064",
                 "32MM0128GPM028", "32MM0128GPM036", "32MM0128GPM048", "32MM0128GPM064",
                 "32MM0256GPM028", "32MM0256GPM036", "32MM0256GPM048", "32MM0256GPM064"}},
    {.patterns = {"32MK*GPD*", "32MK*GPE*", "32MK*MCF*"},
     .name = "PIC32MK GPD/GPE/MCF",
     .clock = {.maxOscMHz = 120,
               .maxCrystalMHz = 40,
               .internal = {8, 0.032},
               .pllOutputs = {120, 100},
               .pllOutputsFrom = "FRC with PLL",
               .pllOutputsInternal = true},
     .source = "DS60001402 (PIC32MK GP/MC: GPD, GPE, MCF): UART (six modules, clocked from "
               "PBCLK2); Oscillator Configuration (120 MHz; PB2DIV divides by 2 after reset)",
     .kind = PortKind::Pic32Uart,
     .ports = 6,
     .bus = "PBCLK2",
     .pbdiv = 2,
     .busNote = "PBCLK2 = SYSCLK / PB2DIV, which divides by 2 after reset",
     .members = {"32MK0512GPD064", "32MK0512GPD100", "32MK0512GPE064", "32MK0512GPE100",
                 "32MK0512MCF064", "32MK0512MCF100", "32MK1024GPD064", "32MK1024GPD100",
                 "32MK1024GPE064", "32MK1024GPE100", "32MK1024MCF064", "32MK1024MCF100"}},
};

ClockLimits ClockFrom(const ClockRow& row) {
  return {.maxOscMHz = row.maxOscMHz,
          .maxCrystalMHz = row.maxCrystalMHz,
          .internal = row.internal,
          .pllFactors = row.pllFactors,
          .pllMinInMHz = row.pllMinInMHz,
          .pllMaxInMHz = row.pllMaxInMHz,
          .internalPll = row.internalPll,
          .pllOutputs = row.pllOutputs,
          .pllOutputsFrom = row.pllOutputsFrom,
          .pllOutputsInternal = row.pllOutputsInternal};
}

PartFamily FamilyFrom(const FamilyRow& row) {
  return {.patterns = {row.patterns.begin(), row.patterns.end()},
          .name = row.name,
          .clock = ClockFrom(row.clock),
          .source = row.source,
          .kind = row.kind,
          .ports = row.ports,
          .bus = row.bus,
          .pbdiv = row.pbdiv,
          .busNote = row.busNote,
          .members = {row.members.begin(), row.members.end()}};
}

const std::vector<PartFamily>& Families() {
  static const std::vector<PartFamily> kFamilies = [] {
    std::vector<PartFamily> families;
    families.reserve(std::size(kFamilyRows));
    for (const FamilyRow& row : kFamilyRows) {
      families.push_back(FamilyFrom(row));
    }
    return families;
  }();
  return kFamilies;
}

// A gputils header that declares a USART register: the part has a USART. Read as text, without
// the header reader, for speed over hundreds of headers.
bool HeaderNamesASerialPort(const std::filesystem::path& path) {
  std::ifstream header(path);
  std::string line;
  while (std::getline(header, line)) {
    if (DeclaresUsartStatusRegister(line)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool MatchesPartPattern(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) {
    return name.empty();
  }
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesPartPattern(name.substr(skip), pattern.substr(1))) {
        return true;
      }
    }
    return false;
  }
  if (name.empty()) {
    return false;
  }
  std::size_t used = 1;
  bool fits = false;
  if (pattern[0] == '[') {
    std::size_t close = pattern.find(']');
    std::string_view set = pattern.substr(1, close - 1);
    for (std::size_t i = 0; i < set.size(); ++i) {
      if (i + 2 < set.size() && set[i + 1] == '-') {
        fits = fits || (name[0] >= set[i] && name[0] <= set[i + 2]);
        i += 2;
      } else {
        fits = fits || name[0] == set[i];
      }
    }
    used = close + 1;
  } else {
    fits = pattern[0] == '?' || pattern[0] == name[0];
  }
  return fits && MatchesPartPattern(name.substr(1), pattern.substr(used));
}

std::string CanonicalPartName(std::string_view part) {
  std::string name = Upper(part);
  if (name.rfind("DSPIC", 0) == 0) {
    name.erase(0, 5);
  } else if (name.rfind("PIC", 0) == 0) {
    name.erase(0, 3);
  } else if (name.rfind('P', 0) == 0 && name.size() > 1 && name[1] >= '0' && name[1] <= '9') {
    name.erase(0, 1);
  }
  std::size_t lf = name.find("LF");
  if (lf != std::string::npos && lf > 0 && name[lf - 1] >= '0' && name[lf - 1] <= '9') {
    name.erase(lf, 1);
  }
  return name;
}

std::string DisplayPartName(std::string_view part) {
  std::string name = CanonicalPartName(part);
  if (name.rfind("33", 0) == 0) {
    return "dsPIC" + name;
  }
  if (name.rfind("24", 0) == 0 || name.rfind("32", 0) == 0) {
    return "PIC" + name;
  }
  return name;
}

std::vector<std::string> KnownParts(const std::string& headerDir) {
  std::vector<std::string> parts;
  for (const std::string& stem : BuiltInPartStems()) {
    parts.push_back(Upper(stem));
  }
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(headerDir, error)) {
    std::string file = entry.path().filename().string();
    if (file.size() > 5 && file[0] == 'p' && entry.path().extension() == ".inc" &&
        HeaderNamesASerialPort(entry.path())) {
      parts.push_back(Upper(file.substr(1, file.size() - 5)));
    }
  }
  std::sort(parts.begin(), parts.end());
  parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
  for (const PartFamily& family : Families()) {
    for (const std::string& member : family.members) {
      parts.push_back(DisplayPartName(member));
    }
  }
  return parts;
}

std::string FamilyLineOf(std::string_view part) {
  static const std::pair<const char*, const char*> kLines[] = {
      {"24F", "PIC24F"},   {"24H", "PIC24H"},   {"24E", "PIC24E"},   {"33F", "dsPIC33F"},
      {"33E", "dsPIC33E"}, {"33C", "dsPIC33C"}, {"33A", "dsPIC33A"}, {"30F", "dsPIC30F"},
      {"32MX", "PIC32MX"}, {"32MZ", "PIC32MZ"}, {"32MK", "PIC32MK"}, {"32MM", "PIC32MM"},
      {"32CM", "PIC32CM"},
  };
  std::string name = CanonicalPartName(part);
  for (const auto& [prefix, line] : kLines) {
    if (name.rfind(prefix, 0) == 0) {
      return line;
    }
  }
  return "";
}

const PartFamily* FamilyOf(std::string_view part) {
  std::string name = CanonicalPartName(part);
  for (const PartFamily& family : Families()) {
    for (const std::string& pattern : family.patterns) {
      if (MatchesPartPattern(name, pattern)) {
        return &family;
      }
    }
  }
  return nullptr;
}

}  // namespace brg::engine
