#include "engine/parts/oscillator_data.h"

#include "engine/parts/part_data.h"

namespace brg::engine {
namespace {

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
       .pllFrequencyCode = 0b1110,
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
       .registers = {{"OSCCON",
                      {},
                      8,
                      {{"IRCF2", 6},
                       {"IRCF1", 5},
                       {"IRCF0", 4},
                       {"OSTS", 3},
                       {"HTS", 2},
                       {"LTS", 1},
                       {"SCS", 0}}}},
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
