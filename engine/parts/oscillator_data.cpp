#include "engine/parts/oscillator_data.h"

#include "engine/parts/part_data.h"

namespace brg::engine {
namespace {

// The clock sources of the 16-bit parts, by the configuration's FNOSC and by OSCCON's NOSC.
const std::vector<OscillatorSetting> kSixteenBitSources{
    {"FRC", ClockSource::Internal},        {"FRCPLL", ClockSource::FrcPll},
    {"PRI", ClockSource::External},        {"PRIPLL", ClockSource::ExternalPll4},
    {"SOSC", ClockSource::Sosc},           {"LPRC", ClockSource::Lfintosc},
    {"FRCDIV16", ClockSource::FrcDiv16},   {"FRCDIVN", ClockSource::FrcDivided},
    {"LPRCDIVN", ClockSource::FrcDivided}, {"FRCDIV", ClockSource::FrcDivided}};
const std::vector<std::pair<int, ClockSource>> kSixteenBitSourceCodes{
    {0, ClockSource::Internal},     {1, ClockSource::FrcPll},    {2, ClockSource::External},
    {3, ClockSource::ExternalPll4}, {4, ClockSource::Sosc},      {5, ClockSource::Lfintosc},
    {6, ClockSource::FrcDiv16},     {7, ClockSource::FrcDivided}};

// OSCCON of the 16-bit parts, and its high byte as __builtin_write_OSCCONH writes it.
const PortRegister kOscconHigh{
    "OSCCONH",
    {},
    8,
    {{"COSC2", 6}, {"COSC1", 5}, {"COSC0", 4}, {"NOSC2", 2}, {"NOSC1", 1}, {"NOSC0", 0}}};
const PortRegister kOscconSixteenBit{"OSCCON",
                                     {},
                                     16,
                                     {{"COSC2", 14},
                                      {"COSC1", 13},
                                      {"COSC0", 12},
                                      {"NOSC2", 10},
                                      {"NOSC1", 9},
                                      {"NOSC0", 8},
                                      {"CLKLOCK", 7},
                                      {"LOCK", 5},
                                      {"CF", 3},
                                      {"OSWEN", 0}}};
const PortRegister kClkdivDspic33F{"CLKDIV",
                                   {},
                                   16,
                                   {{"ROI", 15},
                                    {"DOZE2", 14},
                                    {"DOZE1", 13},
                                    {"DOZE0", 12},
                                    {"DOZEN", 11},
                                    {"FRCDIV2", 10},
                                    {"FRCDIV1", 9},
                                    {"FRCDIV0", 8},
                                    {"PLLPOST1", 7},
                                    {"PLLPOST0", 6},
                                    {"PLLPRE4", 4},
                                    {"PLLPRE3", 3},
                                    {"PLLPRE2", 2},
                                    {"PLLPRE1", 1},
                                    {"PLLPRE0", 0}}};

// OSCCON of the older mid-range parts with an internal oscillator block (PIC16F88x, 687-690).
const PortRegister kOscconMidrange{
    "OSCCON",
    {},
    8,
    {{"IRCF2", 6}, {"IRCF1", 5}, {"IRCF0", 4}, {"OSTS", 3}, {"HTS", 2}, {"LTS", 1}, {"SCS", 0}}};

// OSCCON of the older PIC18 (bit 2 is HFIOFS on the K22, IOFS before it) and their OSCTUNE.
PortRegister OscconPic18(const char* stableBit) {
  return PortRegister{"OSCCON",
                      {},
                      8,
                      {{"IDLEN", 7},
                       {"IRCF2", 6},
                       {"IRCF1", 5},
                       {"IRCF0", 4},
                       {"OSTS", 3},
                       {stableBit, 2},
                       {"SCS1", 1},
                       {"SCS0", 0}}};
}
const PortRegister kOsctunePic18{"OSCTUNE", {}, 8, {{"INTSRC", 7}, {"PLLEN", 6}}};

// PLLFBD of the dsPIC33F and E: PLLDIV<8:0>, M - 2.
const PortRegister kPllfbdDspic33F{"PLLFBD",
                                   {},
                                   16,
                                   {{"PLLDIV8", 8},
                                    {"PLLDIV7", 7},
                                    {"PLLDIV6", 6},
                                    {"PLLDIV5", 5},
                                    {"PLLDIV4", 4},
                                    {"PLLDIV3", 3},
                                    {"PLLDIV2", 2},
                                    {"PLLDIV1", 1},
                                    {"PLLDIV0", 0}}};

const std::vector<OscillatorFamily>& OscillatorFamilies() {
  static const std::vector<OscillatorFamily> kFamilies{
      {.patterns = {"12F18[2-4]?", "16F182?", "16F184?", "16F19[34]?"},
       .name = "PIC12F/16F1xxx enhanced mid-range",
       .setting = "FOSC",
       .values = {{"INTOSC", ClockSource::Internal}},
       .erased = "ECH",
       .registers = {{"OSCCON",
                      {},
                      8,
                      {{"SPLLEN", 7},
                       {"IRCF3", 6},
                       {"IRCF2", 5},
                       {"IRCF1", 4},
                       {"IRCF0", 3},
                       {"SCS1", 1},
                       {"SCS0", 0}}}},
       .resets = {0x38},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.031, 0.03125, 0.03125, 0.0625, 0.125, 0.25, 0.5, 0.125, 0.25, 0.5,
                       1, 2, 4, 8, 16},
       .frequencyReset = 0b0111,
       .selectField = "SCS",
       .selectInternal = {2, 3},
       .pllSetting = "PLLEN",
       .pllErasedOn = true,
       .pllBit = "SPLLEN",
       .pllFrequencyCodes = {0b1110},
       .source = "DS41391 (PIC16(L)F1826/27) and DS40001574 (PIC16(L)F1938/39): Register 5-1 "
                 "OSCCON (SPLLEN, IRCF<3:0> with 0111 = 500 kHz MF the default upon reset, "
                 "SCS<1:0>: 1x the internal oscillator block), 5.2.1.4 (the 4x PLL by PLLEN in "
                 "Configuration Word 2 or by SPLLEN), 5.2.2.6 (32 MHz: IRCF 1110 with the PLL); "
                 "Register 4-1 Configuration Word 1 (FOSC<2:0> 100 = INTOSC, erased 111 = ECH), "
                 "Register 4-2 Configuration Word 2 (PLLEN, erased 1)"},
      {.patterns = {"16F88[2-7]"},
       .name = "PIC16F882-887",
       .setting = "FOSC",
       .values = {{"INTRC_NOCLKOUT", ClockSource::Internal},
                  {"INTRC_CLKOUT", ClockSource::Internal},
                  {"INTRC_OSC_NOCLKOUT", ClockSource::Internal},
                  {"INTRC_OSC_CLKOUT", ClockSource::Internal}},
       .erased = "EXTRC_CLKOUT",
       .registers = {kOscconMidrange},
       .resets = {0x60},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.125, 0.25, 0.5, 1, 2, 4, 8},
       .frequencyReset = 0b110,
       .selectField = "SCS",
       .selectInternal = {1},
       .source = "DS41291 (PIC16F882/883/884/886/887): Register 4-1 OSCCON (IRCF<2:0>: 111 = "
                 "8 MHz, 110 = 4 MHz the default, ..., 000 = 31 kHz LFINTOSC; SCS: 1 the "
                 "internal oscillator), Register 14-1 Configuration Word 1 (FOSC<2:0> 100 = "
                 "INTRC_NOCLKOUT, 101 = INTRC_CLKOUT, erased 111 = EXTRC_CLKOUT)"},
      {.patterns = {"16F8[78]"},
       .name = "PIC16F87/88",
       .setting = "FOSC",
       .values = {{"INTOSCIO", ClockSource::Internal},
                  {"INTOSCCLK", ClockSource::Internal},
                  {"INTRC_IO", ClockSource::Internal},
                  {"INTRC_CLKOUT", ClockSource::Internal}},
       .erased = "EXTRCCLK",
       .registers = {{"OSCCON",
                      {},
                      8,
                      {{"IRCF2", 6},
                       {"IRCF1", 5},
                       {"IRCF0", 4},
                       {"OSTS", 3},
                       {"IOFS", 2},
                       {"SCS1", 1},
                       {"SCS0", 0}}}},
       .resets = {0x00},
       .frequencyField = "IRCF",
       .frequencies = {0.03125, 0.125, 0.25, 0.5, 1, 2, 4, 8},
       .frequencyReset = 0b000,
       .selectField = "SCS",
       .selectInternal = {2},
       .source = "DS30487 (PIC16F87/88): Figure 4-6 and 4.6.3 (IRCF<2:0>: 000 = 31.25 kHz "
                 "INTRC, 001 = 125 kHz ... 111 = 8 MHz), Table 4-4 (SCS<1:0>: 10 the internal "
                 "RC), Register 4-2 OSCCON (reset 0x00: 31.25 kHz, as the simulator's model "
                 "shows; the register's reset row itself unconfirmed), Register 15-1 "
                 "Configuration Word 1 (FOSC 100 = INTOSCIO, 101 = INTOSCCLK, erased EXTRCCLK)"},
      {.patterns = {"16F68[79]", "16F690"},
       .name = "PIC16F687/689/690",
       .setting = "FOSC",
       .values = {{"INTRCIO", ClockSource::Internal},
                  {"INTRCCLK", ClockSource::Internal},
                  {"INTRC_OSC_NOCLKOUT", ClockSource::Internal},
                  {"INTRC_OSC_CLKOUT", ClockSource::Internal}},
       .erased = "EXTRCCLK",
       .registers = {kOscconMidrange},
       .resets = {0x60},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.125, 0.25, 0.5, 1, 2, 4, 8},
       .frequencyReset = 0b110,
       .selectField = "SCS",
       .selectInternal = {1},
       .source = "DS41262 (PIC16F631/677/685/687/689/690): 3.5.4 and Register 3-1 OSCCON "
                 "(IRCF<2:0>: 111 = 8 MHz, 110 = 4 MHz the default after reset, ..., 000 = "
                 "31 kHz LFINTOSC; SCS: 1 the internal oscillator), Register 14-1 "
                 "Configuration Word (FOSC 100 = INTRCIO, 101 = INTRCCLK, erased EXTRCCLK)"},
      {.patterns = {"16F688"},
       .name = "PIC16F688",
       .setting = "FOSC",
       .values = {{"INTOSCIO", ClockSource::Internal},
                  {"INTOSCCLK", ClockSource::Internal},
                  {"INTOSC", ClockSource::Internal},
                  {"INTRC_OSC_NOCLKOUT", ClockSource::Internal},
                  {"INTRC_OSC_CLKOUT", ClockSource::Internal}},
       .erased = "EXTRCCLK",
       .registers = {kOscconMidrange},
       .resets = {0x60},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.125, 0.25, 0.5, 1, 2, 4, 8},
       .frequencyReset = 0b110,
       .selectField = "SCS",
       .selectInternal = {1},
       .source = "DS41203 (PIC16F688): Register 3-1 OSCCON, the internal oscillator block of "
                 "DS41262 (IRCF 110 = 4 MHz at reset, as the simulator's model of the sibling "
                 "16F684 shows), Register 12-1 Configuration Word (FOSC 100 = INTOSCIO, 101 = "
                 "INTOSCCLK, erased EXTRCCLK)"},
      {.patterns = {"16F62[78]A", "16F648A"},
       .name = "PIC16F627A/628A/648A",
       .setting = "FOSC",
       .values = {{"INTOSCIO", ClockSource::Internal},
                  {"INTOSCCLK", ClockSource::Internal},
                  {"INTOSC_OSC_NOCLKOUT", ClockSource::Internal},
                  {"INTOSC_OSC_CLKOUT", ClockSource::Internal},
                  {"INTRC_OSC_NOCLKOUT", ClockSource::Internal},
                  {"INTRC_OSC_CLKOUT", ClockSource::Internal}},
       .erased = "EXTRCCLK",
       .frequencies = {4},
       .source = "DS40044 (PIC16F627A/628A/648A): 14.2.6 the internal oscillator, 4 MHz "
                 "nominal with PCON's OSCF at its reset value; Register 14-1 Configuration "
                 "Word (FOSC<2:0> 100 = INTOSCIO, 101 = INTOSCCLK, erased 111 = EXTRCCLK)"},
      {.patterns = {"18F[24][3-6]K22"},
       .name = "PIC18F2X/4XK22",
       .setting = "FOSC",
       .values = {{"INTIO67", ClockSource::Internal}, {"INTIO7", ClockSource::Internal}},
       .erased = "ECHPIO6",
       .registers = {OscconPic18("HFIOFS"), kOsctunePic18},
       .resets = {0x30, 0x00},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.25, 0.5, 1, 2, 4, 8, 16},
       .frequencyReset = 0b011,
       .selectField = "SCS",
       .selectInternal = {2, 3},
       .pllSetting = "PLLCFG",
       .pllBit = "PLLEN",
       .pllFrequencyCodes = {0b110, 0b111},
       .source = "DS41412 (PIC18(L)F2X/4XK22): 2.7.2 (HFINTOSC 16, 8, 4, 2, 1 MHz the default "
                 "after reset, 500, 250, 31 kHz by IRCF<2:0> 111 to 000), 2.11.1 (SCS<1:0> "
                 "cleared at reset; 1x the internal block), 2.5 the 4x PLL by PLLCFG or "
                 "OSCTUNE's PLLEN, for HFINTOSC at 8 and 16 MHz as the primary clock (this "
                 "rule unconfirmed beyond the sibling DS39631's Register 2-1), Register 24-2 "
                 "CONFIG1H (FOSC 1000 = INTIO67, 1001 = INTIO7; unprogrammed 0010 0101: "
                 "ECHPIO6, PLLCFG off)"},
      {.patterns = {"18F[24][3-6]K20"},
       .name = "PIC18F2XK20/4XK20",
       .setting = "FOSC",
       .values = {{"INTIO67", ClockSource::Internal},
                  {"INTIO7", ClockSource::Internal},
                  {"HSPLL", ClockSource::ExternalPll4}},
       .erased = "RCIO6",
       .registers = {OscconPic18("IOFS"), kOsctunePic18},
       .resets = {0x30, 0x00},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.25, 0.5, 1, 2, 4, 8, 16},
       .frequencyReset = 0b011,
       .selectField = "SCS",
       .selectInternal = {2, 3},
       .pllBit = "PLLEN",
       .pllFrequencyCodes = {0b110, 0b111},
       .source = "DS40001303 (PIC18F2XK20/4XK20): 2.5.4 (HFINTOSC 16, 8, 4, 2, 1 MHz the "
                 "default after reset, 500, 250 kHz, 31 kHz by IRCF<2:0> 111 to 000), 2.6.2 "
                 "the 4x PLL by OSCTUNE's PLLEN for HFINTOSC at 8 and 16 MHz (unconfirmed "
                 "beyond the sibling DS39631), Register 23-2 CONFIG1H (FOSC 1000 = INTIO67, "
                 "1001 = INTIO7, 0110 = HSPLL; unprogrammed 0000 0111: RCIO6)"},
      {.patterns = {"18F[24][45]20", "18F[24]525", "18F[24]620"},
       .name = "PIC18F2420/2520/4420/4520, PIC18F2525/2620/4525/4620",
       .setting = "OSC",
       .values = {{"INTIO67", ClockSource::Internal},
                  {"INTIO7", ClockSource::Internal},
                  {"HSPLL", ClockSource::ExternalPll4}},
       .erased = "RCIO6",
       .registers = {OscconPic18("IOFS"), kOsctunePic18},
       .resets = {0x40, 0x00},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.125, 0.25, 0.5, 1, 2, 4, 8},
       .frequencyReset = 0b100,
       .selectField = "SCS",
       .selectInternal = {2, 3},
       .pllBit = "PLLEN",
       .pllFrequencyCodes = {0b110, 0b111},
       .source = "DS39631 (PIC18F2420/2520/4420/4520) and DS39626 (PIC18F2525/2620/4525/4620): "
                 "Register 2-1 OSCTUNE (PLLEN: the PLL for INTOSC at 4 MHz and 8 MHz only, "
                 "2.6.4 with the internal block as the primary clock, SCS<1:0> = 00), Register "
                 "2-2 OSCCON (IRCF<2:0>: 111 = 8 MHz, 100 = 1 MHz at reset, 000 = 31 kHz; "
                 "SCS<1:0> 1x the internal block), Register 23-1 CONFIG1H (OSC 1000 = "
                 "INTIO67, 1001 = INTIO7, 0110 = HSPLL; unprogrammed 0000 0111: RCIO6)"},
      {.patterns = {"18F2455", "18F2550", "18F4455", "18F4550"},
       .name = "PIC18F2455/2550/4455/4550",
       .setting = "FOSC",
       .values = {{"INTOSCIO_EC", ClockSource::Internal},
                  {"INTOSC_EC", ClockSource::Internal},
                  {"INTOSC_XT", ClockSource::Internal},
                  {"INTOSC_HS", ClockSource::Internal},
                  {"XTPLL_XT", ClockSource::FixedPll},
                  {"HSPLL_HS", ClockSource::FixedPll},
                  {"ECPLLIO_EC", ClockSource::FixedPll},
                  {"ECPLL_EC", ClockSource::FixedPll}},
       .erased = "EC_EC",
       .registers = {OscconPic18("IOFS")},
       .resets = {0x40},
       .frequencyField = "IRCF",
       .frequencies = {0.031, 0.125, 0.25, 0.5, 1, 2, 4, 8},
       .frequencyReset = 0b100,
       .selectField = "SCS",
       .selectInternal = {2, 3},
       .fixedPllMHz = 96,
       .postDividerSetting = "CPUDIV",
       .postDividers = {{"OSC1_PLL2", 2}, {"OSC2_PLL3", 3}, {"OSC3_PLL4", 4}, {"OSC4_PLL6", 6}},
       .postDividerErased = "OSC1_PLL2",
       .source = "DS39632 (PIC18F2455/2550/4455/4550): 2.2.3 and Figure 2-1 (the 96 MHz PLL, "
                 "its input brought to 4 MHz by PLLDIV, divided for the CPU by 2, 3, 4 or 6 "
                 "by CPUDIV), Register 2-2 OSCCON (IRCF<2:0>: 111 = 8 MHz, 100 = 1 MHz the "
                 "default on reset, 000 = 31 kHz; SCS<1:0> 1x the internal oscillator), "
                 "Register 25-1 CONFIG1L (unprogrammed 0000 0000: CPUDIV OSC1_PLL2), Register "
                 "25-2 CONFIG1H (unprogrammed 0000 0101: EC_EC)"},
      {.patterns = {"16F188[4-9]?", "16F184[2-6]?", "16F153[2-8]?"},
       .name = "PIC16F188xx, 184xx and 153xx",
       .setting = "RSTOSC",
       .values = {{"HFINT32", ClockSource::Internal, 0b110, 1},
                  {"HFINTPLL", ClockSource::Internal, 0b110, 1},
                  {"HFINT1", ClockSource::Internal, 0b010, 4},
                  {"EXT1X", ClockSource::External},
                  {"EXT4X", ClockSource::ExternalPll4},
                  {"LFINT", ClockSource::Lfintosc},
                  {"SOSC", ClockSource::Sosc}},
       .erased = "EXT1X",
       .registers =
           {{"OSCCON1",
             {},
             8,
             {{"NOSC2", 6},
              {"NOSC1", 5},
              {"NOSC0", 4},
              {"NDIV3", 3},
              {"NDIV2", 2},
              {"NDIV1", 1},
              {"NDIV0", 0}}},
            {"OSCFRQ",
             {},
             8,
             {{"HFFRQ2", 2}, {"HFFRQ1", 1}, {"HFFRQ0", 0}, {"FRQ2", 2}, {"FRQ1", 1}, {"FRQ0", 0}}}},
       .resets = {0, 0},  // set by RSTOSC: code writes them whole
       .frequencyField = "HFFRQ",
       .frequencies = {1, 2, 4, 8, 12, 16, 32},
       .frequencyReset = 0b010,
       .sourceField = "NOSC",
       .sourceCodes = {{0b111, ClockSource::External},
                       {0b110, ClockSource::Internal},
                       {0b101, ClockSource::Lfintosc},
                       {0b100, ClockSource::Sosc},
                       {0b010, ClockSource::ExternalPll4}},
       .dividerField = "NDIV",
       .source = "DS40001802 (PIC16(L)F18855/75), the same registers in the datasheets of "
                 "the PIC16(L)F18424/44 and 15354/55: CONFIG1 (RSTOSC: HFINT32 the HFINTOSC at 32 "
                 "MHz, directly or by the 2x PLL from 16 MHz; HFINT1 the HFINTOSC at 4 MHz "
                 "divided by 4; EXT1X, erased, the external oscillator by FEXTOSC; EXT4X with "
                 "the 4x PLL), OSCCON1 (NOSC<2:0>, NDIV<3:0>: divide by 2^NDIV), OSCFRQ "
                 "(HFFRQ<2:0>: 010 = 4 MHz, 101 = 16 MHz; 000 = 1, 001 = 2, 011 = 8, 100 = 12 "
                 "and 110 = 32 MHz unconfirmed beyond the vendor's configurator)"},
      {.patterns = {"18F*K40", "18F*Q10", "18F*K42", "18F*K83", "18F*Q4[013]", "18F*Q8[34]"},
       .name = "PIC18 K40, Q10, K42, K83, Q40/41, Q43, Q83/84",
       .setting = "RSTOSC",
       .values = {{"HFINTOSC_64MHZ", ClockSource::Internal, 0b1000, 1},
                  {"HFINTOSC_1MHZ", ClockSource::Internal, 0b0010, 4},
                  {"EXTOSC", ClockSource::External},
                  {"EXTOSC_4PLL", ClockSource::ExternalPll4},
                  {"LFINTOSC", ClockSource::Lfintosc},
                  {"SOSC", ClockSource::Sosc}},
       .erased = "EXTOSC",
       .registers = {{"OSCCON1",
                      {},
                      8,
                      {{"NOSC2", 6},
                       {"NOSC1", 5},
                       {"NOSC0", 4},
                       {"NDIV3", 3},
                       {"NDIV2", 2},
                       {"NDIV1", 1},
                       {"NDIV0", 0}}},
                     {"OSCFRQ",
                      {},
                      8,
                      {{"FRQ3", 3},
                       {"FRQ2", 2},
                       {"FRQ1", 1},
                       {"FRQ0", 0},
                       {"HFFRQ3", 3},
                       {"HFFRQ2", 2},
                       {"HFFRQ1", 1},
                       {"HFFRQ0", 0}}}},
       .resets = {0, 0},  // set by RSTOSC: code writes them whole
       .frequencyField = "FRQ",
       .frequencies = {1, 2, 4, 8, 12, 16, 32, 48, 64},
       .frequencyReset = 0b0010,
       .sourceField = "NOSC",
       .sourceCodes = {{0b111, ClockSource::External},
                       {0b110, ClockSource::Internal},
                       {0b101, ClockSource::Lfintosc},
                       {0b100, ClockSource::Sosc},
                       {0b010, ClockSource::ExternalPll4}},
       .dividerField = "NDIV",
       .source = "DS40001844, DS40001816 (PIC18(L)F2x/4xK40): CONFIG1 (RSTOSC<2:0>: 000 = "
                 "HFINTOSC with HFFRQ 64 MHz and CDIV 1:1, 110 = HFINTOSC with HFFRQ 4 MHz and "
                 "CDIV 4:1, 111 = EXTOSC per FEXTOSC, the erased value), OSCCON1 (NOSC<2:0>, "
                 "NDIV<3:0>: divide by 2^NDIV), Table 4-2 Default Oscillator Settings, OSCFRQ "
                 "(HFFRQ<3:0>: 1, 2, 4, 8, 12, 16, 32, 48, 64 MHz); the same registers in "
                 "DS40001919 (K42) and DS40002147 (Q43), the field named FRQ"},
      {.patterns = {"24FJ*GA00?"},
       .name = "PIC24FJ GA002/GA004",
       .setting = "FNOSC",
       .values = kSixteenBitSources,
       .erased = "FRCDIV",
       .registers = {kOscconHigh, kOscconSixteenBit,
                     PortRegister{"CLKDIV",
                                  {},
                                  16,
                                  {{"ROI", 15},
                                   {"DOZE2", 14},
                                   {"DOZE1", 13},
                                   {"DOZE0", 12},
                                   {"DOZEN", 11},
                                   {"RCDIV2", 10},
                                   {"RCDIV1", 9},
                                   {"RCDIV0", 8}}}},
       .resets = {0, 0, 0x0100},
       .frequencies = {8},
       .sourceField = "NOSC",
       .sourceCodes = kSixteenBitSourceCodes,
       .frcDividerField = "RCDIV",
       .frcPll = PllKind::FourTimes,
       .switchSetting = "FCKSM",
       .switchAllowed = {"CSECMD", "CSECME"},
       .source = "DS39881 (PIC24FJ64GA004 family): 8.1 and Figure 8-1 (the 8 MHz FRC through "
                 "the RCDIV postscaler, and the 4x PLL after it for FRCPLL), Register 8-1 OSCCON "
                 "(NOSC<2:0> at 10:8), Register 8-2 CLKDIV (RCDIV<2:0> at 10:8: 1, 2, 4, 8, 16, "
                 "32, 64, 256; 001 at reset, as in the sibling DS39927's Register 9-2), "
                 "Configuration Word 2 (FNOSC 000 FRC, 001 FRCPLL, 010 PRI, 011 PRIPLL, 100 "
                 "SOSC, 101 LPRC, 111 FRCDIV the unprogrammed default; FCKSM unprogrammed: no "
                 "clock switching)"},
      {.patterns = {"24HJ*", "33FJ*"},
       .name = "dsPIC33F, PIC24H",
       .setting = "FNOSC",
       .values = kSixteenBitSources,
       .erased = "FRCDIVN",
       .registers = {kOscconHigh, kOscconSixteenBit, kClkdivDspic33F, kPllfbdDspic33F},
       .resets = {0, 0, 0x3040, 0x0030},
       .frequencies = {7.37},
       .sourceField = "NOSC",
       .sourceCodes = kSixteenBitSourceCodes,
       .frcDividerField = "FRCDIV",
       .frcPll = PllKind::Dspic33F,
       .switchSetting = "FCKSM",
       .switchAllowed = {"CSECMD", "CSECME"},
       .source = "DS70293 (PIC24HJ32GP302/304 family) 9.1.1 (FRC 7.37 MHz), DS70292 "
                 "(dsPIC33FJ128GP802 family): Register 9-1 OSCCON, Register 9-2 CLKDIV "
                 "(PLLPOST<1:0> 01 and PLLPRE<4:0> 0 at reset, FRCDIV<2:0> at 10:8 0 at reset "
                 "as the family's examples rely on), Register 9-3 PLLFBD (PLLDIV 0x30 at "
                 "reset: M = 50), 9.1.3 Fosc = Fin M / (N1 N2); Register 22-1 FOSCSEL (FNOSC "
                 "000 FRC, 001 FRCPLL, 010 PRI, 011 PRIPLL, 100 SOSC, 101 LPRC, 110 FRCDIV16, "
                 "111 FRCDIVN the unprogrammed value), FOSC (FCKSM unprogrammed: no clock "
                 "switching)"},
      {.patterns = {"24EP*", "33EP*", "33EV*"},
       .name = "dsPIC33E, PIC24E",
       .setting = "FNOSC",
       .values = kSixteenBitSources,
       .erased = "FRCDIVN",
       .registers = {kOscconHigh, kOscconSixteenBit, kClkdivDspic33F, kPllfbdDspic33F},
       .resets = {0, 0, 0x3040, 0x0030},
       .frequencies = {7.37},
       .sourceField = "NOSC",
       .sourceCodes = kSixteenBitSourceCodes,
       .frcDividerField = "FRCDIV",
       .frcPll = PllKind::Dspic33F,
       .switchSetting = "FCKSM",
       .switchAllowed = {"CSECMD", "CSECME"},
       .source = "DS70000657 (dsPIC33EPXXXGP50X family): Oscillator Configuration (FRC 7.37 "
                 "MHz, Fosc = Fin M / (N1 N2) with N1 = PLLPRE + 2, N2 = 2 (PLLPOST + 1), M = "
                 "PLLDIV + 2, at reset N1 = 2, N2 = 4, M = 50), Registers OSCCON, CLKDIV, PLLFBD; "
                 "FOSCSEL (FNOSC as on dsPIC33F, FRCDIVN unprogrammed), FOSC (FCKSM); the FRC "
                 "frequency unconfirmed beyond the dsPIC33F's DS70293"},
      {.patterns = {"33CK*"},
       .name = "dsPIC33CK",
       .setting = "FNOSC",
       .values = kSixteenBitSources,
       .erased = "FRCDIVN",
       .registers = {kOscconHigh, kOscconSixteenBit,
                     PortRegister{"CLKDIV",
                                  {},
                                  16,
                                  {{"ROI", 15},
                                   {"DOZE2", 14},
                                   {"DOZE1", 13},
                                   {"DOZE0", 12},
                                   {"DOZEN", 11},
                                   {"FRCDIV2", 10},
                                   {"FRCDIV1", 9},
                                   {"FRCDIV0", 8},
                                   {"PLLPRE3", 3},
                                   {"PLLPRE2", 2},
                                   {"PLLPRE1", 1},
                                   {"PLLPRE0", 0}}},
                     PortRegister{"PLLFBD",
                                  {},
                                  16,
                                  {{"PLLFBDIV7", 7},
                                   {"PLLFBDIV6", 6},
                                   {"PLLFBDIV5", 5},
                                   {"PLLFBDIV4", 4},
                                   {"PLLFBDIV3", 3},
                                   {"PLLFBDIV2", 2},
                                   {"PLLFBDIV1", 1},
                                   {"PLLFBDIV0", 0}}},
                     PortRegister{"PLLDIV",
                                  {},
                                  16,
                                  {{"VCODIV1", 9},
                                   {"VCODIV0", 8},
                                   {"POST1DIV2", 6},
                                   {"POST1DIV1", 5},
                                   {"POST1DIV0", 4},
                                   {"POST2DIV2", 2},
                                   {"POST2DIV1", 1},
                                   {"POST2DIV0", 0}}}},
       .resets = {0, 0, 0x3001, 150, 0x0041},
       .frequencies = {8},
       .sourceField = "NOSC",
       .sourceCodes = {{0, ClockSource::Internal},
                       {1, ClockSource::FrcPll},
                       {2, ClockSource::External},
                       {3, ClockSource::ExternalPll4},
                       {5, ClockSource::Lfintosc},
                       {7, ClockSource::FrcDivided}},
       .frcDividerField = "FRCDIV",
       .frcPll = PllKind::Dspic33C,
       .switchSetting = "FCKSM",
       .switchAllowed = {"CSECMD", "CSECME"},
       .source = "DS70005349 (dsPIC33CK256MP508 family): 9.3 (FCY = Fosc / 2), 9.5 (FRC 8 "
                 "MHz), Table 9-1 (FRCDIVN the unprogrammed mode), Register 9-2 CLKDIV "
                 "(FRCDIV 000 and PLLPRE 0001 at reset), Register 9-3 PLLFBD (150 at reset), "
                 "Register 9-5 PLLDIV (POST1DIV 4 and POST2DIV 1 at reset, \"a 150 MHz system "
                 "source clock\": Fosc is the PLL's output halved), FOSCSEL (FNOSC 000 FRC, 001 "
                 "FRCPLL, 010 PRI, 011 PRIPLL, 101 LPRC, 111 FRCDIVN)"},
      {.patterns = {"32MX*"},
       .name = "PIC32MX",
       .setting = "FNOSC",
       .values = {{"FRC", ClockSource::Internal},
                  {"FRCPLL", ClockSource::FrcPll},
                  {"PRI", ClockSource::External},
                  {"PRIPLL", ClockSource::ExternalPll4},
                  {"SOSC", ClockSource::Sosc},
                  {"LPRC", ClockSource::Lfintosc},
                  {"FRCDIV16", ClockSource::FrcDiv16},
                  {"FRCDIV", ClockSource::FrcDivided}},
       .erased = "FRCDIV",
       .frequencies = {8},
       .frcPll = PllKind::Configured,
       .pllSettings = {{"FPLLIDIV", "DIV_12"}, {"FPLLMUL", "MUL_24"}, {"FPLLODIV", "DIV_256"}},
       .source = "DS60001168 (PIC32MX1XX/2XX) and DS61143 (PIC32MX3XX/4XX): Oscillator "
                 "Configuration (FRC 8 MHz; SYSCLK = Fin / FPLLIDIV x FPLLMUL / FPLLODIV); "
                 "DEVCFG1 (FNOSC 000 FRC, 001 FRCPLL, 010 PRI, 011 PRIPLL, 100 SOSC, 101 LPRC, "
                 "110 FRCDIV16, 111 FRCDIV, unprogrammed all ones), DEVCFG2 (FPLLIDIV, FPLLMUL, "
                 "FPLLODIV; unprogrammed DIV_12, MUL_24, DIV_256); FRCDIV's own divider left "
                 "unread: its reset value is unconfirmed"},
      {.patterns = {"32MZ*"},
       .name = "PIC32MZ",
       .setting = "FNOSC",
       .values = {{"FRC", ClockSource::Internal},
                  {"SPLL", ClockSource::FrcPll},
                  {"POSC", ClockSource::External},
                  {"SOSC", ClockSource::Sosc},
                  {"LPRC", ClockSource::Lfintosc},
                  {"FRCDIV", ClockSource::FrcDivided}},
       .erased = "FRCDIV",
       .frequencies = {8},
       .frcPll = PllKind::Configured,
       .pllSettings = {{"FPLLIDIV", "DIV_8"}, {"FPLLMULT", "MUL_128"}, {"FPLLODIV", "DIV_32"}},
       .pllInput = {"FPLLICLK", "PLL_FRC"},
       .pllInputFrc = "PLL_FRC",
       .source = "DS60001320 (PIC32MZ EF): Oscillator Configuration (FRC 8 MHz; SYSCLK = Fin / "
                 "FPLLIDIV x FPLLMULT / FPLLODIV, Fin the FRC or the primary oscillator by "
                 "FPLLICLK); DEVCFG1 (FNOSC 000 FRC, 001 SPLL, 010 POSC, 100 SOSC, 101 LPRC, "
                 "111 FRCDIV, unprogrammed all ones), DEVCFG2 (FPLLIDIV DIV_1 to DIV_8, "
                 "FPLLICLK, FPLLMULT MUL_1 to MUL_128, FPLLODIV DIV_2 to DIV_32; unprogrammed "
                 "DIV_8, PLL_FRC, MUL_128, DIV_32); FRCDIV's own divider left unread: its reset "
                 "value is unconfirmed"},
  };
  return kFamilies;
}

}  // namespace

const OscillatorFamily* OscillatorFamilyOf(std::string_view part) {
  std::string name = CanonicalPartName(part);
  for (const OscillatorFamily& family : OscillatorFamilies()) {
    for (const std::string& pattern : family.patterns) {
      if (MatchesPartPattern(name, pattern)) {
        return &family;
      }
    }
  }
  return nullptr;
}

}  // namespace brg::engine
