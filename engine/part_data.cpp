#include "engine/part_data.h"

#include "core/text.h"

namespace brg::engine {
namespace {

// The internal oscillator blocks, as the datasheets list their postscaler steps.
const std::vector<double> kIntosc8{8, 4, 2, 1, 0.5, 0.25, 0.125, 0.031};
const std::vector<double> kHfintosc16{16, 8, 4, 2, 1, 0.5, 0.25, 0.125, 0.0625, 0.031};
const std::vector<double> kHfintosc64{64, 48, 32, 16, 12, 8, 4, 2, 1, 0.031};

const std::vector<PartFamily>& Families() {
  static const std::vector<PartFamily> kFamilies{
      {{"16F87?A"},
       "PIC16F87XA",
       {20, 20, {}, {}, 0, 0, {}, {}},
       "DS39582, Electrical Characteristics: External Clock Timing Requirements (Table 17-3)"},
      {{"16F87?"},
       "PIC16F87X",
       {20, 20, {}, {}, 0, 0, {}, {}},
       "DS30292, Electrical Characteristics: External Clock Timing Requirements"},
      {{"16F62?A", "16F648A"},
       "PIC16F627A/628A/648A",
       {20, 20, {4, 0.048}, {}, 0, 0, {}, {}},
       "DS40044, Timing Diagrams and Specifications (Table 17-4); Oscillator: INTOSC"},
      {{"16F8[78]"},
       "PIC16F87/88",
       {20, 20, {8, 4, 2, 1, 0.5, 0.25, 0.125, 0.03125}, {}, 0, 0, {}, {}},
       "DS30487, External Clock Timing Requirements (Table 18-3); Internal Oscillator Block "
       "(section 4.5)"},
      {{"16F88[2-7]"},
       "PIC16F882-887",
       {20, 20, kIntosc8, {}, 0, 0, {}, {}},
       "DS41291, Clock Source Modes (section 4.3); DC Characteristics (D001)"},
      {{"16F6[3-9]?"},
       "PIC16F631-690",
       {20, 20, kIntosc8, {}, 0, 0, {}, {}},
       "DS41262, Internal Clock Modes: LFINTOSC and IRCF (sections 3.5.3, 3.5.4)"},
      {{"12F18[2-4]?", "16F182?", "16F184?", "16F19[34]?"},
       "PIC12F/16F1xxx enhanced mid-range",
       {32, 20, kHfintosc16, {4}, 4, 8, {8}, {}},
       "DS41440 (PIC16F1825/1829), DS41413 (PIC12F1822/16F1823), DS41441 (PIC12F1840), "
       "DS40001574 (PIC16F1938/1939), DS41414 (PIC16F1946/1947): Oscillator Module (4x PLL, "
       "HFINTOSC); Electrical Specifications: Clock Oscillator Timing Requirements"},
      {{"16F145?"},
       "PIC16F1454/1455/1459",
       {48, 20, kHfintosc16, {3, 4}, 4, 16, {16}, {}},
       "DS40001639, Oscillator Module (PLL 3x/4x, HFINTOSC 16 MHz); Electrical Specifications"},
      {{"18F[24][45]5[05]"},
       "PIC18F2455/2550/4455/4550",
       {48, 25, kIntosc8, {}, 0, 0, {}, {48, 32, 24, 16}},
       "DS39632, External Clock Timing Requirements (Table 28-8); Oscillator Configuration "
       "(sections 2.2.2, 2.2.3: 96 MHz PLL, CPUDIV)"},
      {{"18F[24][4-6]2[05]"},
       "PIC18F2420-4620",
       {40, 25, kIntosc8, {4}, 4, 10, {4, 8}, {}},
       "DS39626 (PIC18F2525/2620/4525/4620), DS39631 (PIC18F2420/2520/4420/4520): Oscillator "
       "Configurations (HSPLL, PLL with INTOSC, OSCTUNE)"},
      {{"18F[12][23]20"},
       "PIC18F1220/1320/2220/2320",
       {40, 25, kIntosc8, {4}, 4, 10, {}, {}},
       "DS39605 (PIC18F1220/1320), DS39599 (PIC18F2220/2320): Oscillator Configurations (HSPLL)"},
      {{"18F*K22"},
       "PIC18F K22",
       {64, 25, {16, 8, 4, 2, 1, 0.5, 0.25, 0.031}, {4}, 4, 16, {16, 8}, {}},
       "DS41412, Oscillator Module (PLL Frequency Multiplier, HFINTOSC); Electrical "
       "Specifications: External Clock Timing Requirements"},
      {{"18F*K20"},
       "PIC18F K20",
       {64, 25, {16, 8, 4, 2, 1, 0.5, 0.25, 0.031}, {4}, 4, 16, {16, 8}, {}},
       "DS41303, Oscillator Module (PLL Frequency Multiplier); Electrical Specifications"},
      {{"18F*K50"},
       "PIC18F K50",
       {48, 25, {16, 8, 4, 2, 1, 0.5, 0.25, 0.031}, {3, 4}, 4, 16, {16}, {}},
       "DS30000684 (PIC18F2x/45K50), DS41350 (PIC18F13K50/14K50): Oscillator Module (PLL 3x/4x)"},
      {{"18F*J5[03]", "18F*J1[13]"},
       "PIC18F J11/J13/J50/J53",
       {48, 25, kIntosc8, {}, 0, 0, {}, {48}},
       "DS39964 (PIC18F47J53 family), DS39974 (PIC18F47J13 family): Oscillator Configurations "
       "(96 MHz PLL)"},
      {{"18F*K80"},
       "PIC18F K80",
       {64, 25, {16, 8, 4, 2, 1, 0.5, 0.25, 0.031}, {4}, 4, 16, {16, 8}, {}},
       "DS39977, Oscillator Configurations (PLL Frequency Multiplier); Electrical "
       "Specifications"},
      {{"18F*K40"},
       "PIC18F K40",
       {64, 20, kHfintosc64, {4}, 4, 16, {}, {}},
       "DS40001816 (PIC18F26/45/46K40), DS40001844 (PIC18F27/47K40): Standard Operating "
       "Conditions; Oscillator Module (HFINTOSC, 4x PLL)"},
      {{"18F*Q10"},
       "PIC18F Q10",
       {64, 20, kHfintosc64, {4}, 4, 16, {}, {}},
       "DS40002043 (PIC18F27/47Q10), DS40001996 (PIC18F26/45/46Q10): Multiple Oscillator "
       "Options and Features (section 2.1.2)"},
  };
  return kFamilies;
}

// A part name against a pattern: ? one character, * any run, [2-7] or [45] one of them.
bool Matches(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) {
    return name.empty();
  }
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (Matches(name.substr(skip), pattern.substr(1))) {
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
  return fits && Matches(name.substr(1), pattern.substr(used));
}

}  // namespace

std::string CanonicalPartName(std::string_view part) {
  std::string name = Upper(part);
  if (name.rfind("PIC", 0) == 0) {
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

const PartFamily* FamilyOf(std::string_view part) {
  std::string name = CanonicalPartName(part);
  for (const PartFamily& family : Families()) {
    for (const std::string& pattern : family.patterns) {
      if (Matches(name, pattern)) {
        return &family;
      }
    }
  }
  return nullptr;
}

}  // namespace brg::engine
