// The table of part families: which row a part name finds, the clock a part refuses, and the
// clocks it can run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/answers/budget.h"
#include "engine/answers/clock_search.h"
#include "engine/parts/part_data.h"
#include "engine/parts/part_database.h"
#include "engine/parts/part_profile.h"

namespace brg::engine {
namespace {

struct FamilyRow {
  std::string part;
  std::string family;  // "" for none
  double maxMHz;
};

void PrintTo(const FamilyRow& row, std::ostream* out) {
  *out << row.part;
}

class PartFamilyTest : public testing::TestWithParam<FamilyRow> {};

TEST_P(PartFamilyTest, ANameFindsItsFamily) {
  const FamilyRow& row = GetParam();
  const PartFamily* family = FamilyOf(row.part);
  if (row.family.empty()) {
    EXPECT_EQ(family, nullptr) << family->name;
    return;
  }
  ASSERT_NE(family, nullptr);
  EXPECT_EQ(family->name, row.family);
  EXPECT_EQ(family->clock.maxOscMHz, row.maxMHz);
  EXPECT_FALSE(family->source.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Parts, PartFamilyTest,
    testing::Values(
        FamilyRow{"16F877A", "PIC16F87XA", 20}, FamilyRow{"PIC16F877", "PIC16F87X", 20},
        FamilyRow{"p16f628a", "PIC16F627A/628A/648A", 20},
        FamilyRow{"16F648A", "PIC16F627A/628A/648A", 20}, FamilyRow{"16F88", "PIC16F87/88", 20},
        FamilyRow{"16LF1829", "PIC12F/16F1xxx enhanced mid-range", 32},
        FamilyRow{"12F1840", "PIC12F/16F1xxx enhanced mid-range", 32},
        FamilyRow{"16F1459", "PIC16F1454/1455/1459", 48},
        FamilyRow{"18F4550", "PIC18F2455/2550/4455/4550", 48},
        FamilyRow{"18F4620", "PIC18F2420-4620", 40}, FamilyRow{"PIC18LF45K22", "PIC18F K22", 64},
        FamilyRow{"18F26K22", "PIC18F K22", 64},
        FamilyRow{"18F47J53", "PIC18F J11/J13/J50/J53", 48}, FamilyRow{"16F1705", "", 0},
        FamilyRow{"16F84A", "", 0}, FamilyRow{"16F8777", "", 0}),
    [](const testing::TestParamInfo<FamilyRow>& info) { return info.param.part; });

// The families without gputils headers: a member and a part the table does not list that
// matches the family's pattern, with the kind and number of ports and the highest oscillator
// from the datasheet the row cites.
struct HeaderlessRow {
  std::string part;
  bool member;
  std::string family;
  std::string kind;  // the ports' KindName
  std::size_t ports;
  double maxMHz;
};

void PrintTo(const HeaderlessRow& row, std::ostream* out) {
  *out << row.part;
}

class HeaderlessFamilyTest : public testing::TestWithParam<HeaderlessRow> {};

TEST_P(HeaderlessFamilyTest, APartHasItsFamilysPortsAndClock) {
  const HeaderlessRow& row = GetParam();
  PartProfile part = ReadPartProfile(row.part);
  ASSERT_NE(part.family, nullptr);
  EXPECT_EQ(part.family->name, row.family);
  ASSERT_EQ(part.ports.size(), row.ports);
  for (std::size_t i = 0; i < part.ports.size(); ++i) {
    EXPECT_EQ(part.ports[i]->KindName(), row.kind);
    EXPECT_EQ(part.ports[i]->Number(), static_cast<int>(i) + 1);
  }
  EXPECT_EQ(part.ClockRefusal(row.maxMHz), "");
  EXPECT_NE(part.ClockRefusal(row.maxMHz + 0.001), "");
  // A part the table does not list is still checked, and its profile says why.
  EXPECT_EQ(part.note.empty(), row.member) << part.note;
  const std::vector<std::string>& members = part.family->members;
  EXPECT_EQ(std::find(members.begin(), members.end(), CanonicalPartName(row.part)) != members.end(),
            row.member);
}

INSTANTIATE_TEST_SUITE_P(
    Families, HeaderlessFamilyTest,
    testing::Values(
        // PIC16F152xx: one EUSART, HFINTOSC or EC to 32 MHz.
        HeaderlessRow{"16F15276", true, "PIC16F152xx", "USART", 1, 32},
        HeaderlessRow{"16F15213", true, "PIC16F152xx", "USART", 1, 32},
        HeaderlessRow{"16F15277", false, "PIC16F152xx", "USART", 1, 32},
        // PIC16F153xx: the 15313/23 one EUSART, the 15324 and up two.
        HeaderlessRow{"16F15323", true, "PIC16F15313/23", "USART", 1, 32},
        HeaderlessRow{"16F15314", false, "PIC16F15313/23", "USART", 1, 32},
        HeaderlessRow{"16F15324", true, "PIC16F15324-15386", "USART", 2, 32},
        HeaderlessRow{"16F15344", true, "PIC16F15324-15386", "USART", 2, 32},
        HeaderlessRow{"PIC16LF15386", true, "PIC16F15324-15386", "USART", 2, 32},
        HeaderlessRow{"16F15357", false, "PIC16F15324-15386", "USART", 2, 32},
        // PIC16F171xx and 181xx: two EUSARTs on every part.
        HeaderlessRow{"16F17114", true, "PIC16F171xx", "USART", 2, 32},
        HeaderlessRow{"16F17177", false, "PIC16F171xx", "USART", 2, 32},
        HeaderlessRow{"16F18176", true, "PIC16F181xx", "USART", 2, 32},
        HeaderlessRow{"16F18116", false, "PIC16F181xx", "USART", 2, 32},
        // PIC16F180xx: 18013/14/23/24 one EUSART, the others two.
        HeaderlessRow{"16F18013", true, "PIC16F18013/14/23/24", "USART", 1, 32},
        HeaderlessRow{"16F18023", true, "PIC16F18013/14/23/24", "USART", 1, 32},
        HeaderlessRow{"16F18015", true, "PIC16F18015-18076", "USART", 2, 32},
        HeaderlessRow{"16F18076", true, "PIC16F18015-18076", "USART", 2, 32},
        HeaderlessRow{"16F18077", false, "PIC16F18015-18076", "USART", 2, 32},
        // PIC18: the K40 and Q10 EUSARTs, the UART with BRGS of the others; 64 MHz.
        HeaderlessRow{"18F25K40", true, "PIC18F24/25K40", "USART", 1, 64},
        HeaderlessRow{"18F66K40", true, "PIC18F65/66K40", "USART", 5, 64},
        HeaderlessRow{"18F47Q10", true, "PIC18F26/27/45/46/47Q10", "USART", 2, 64},
        HeaderlessRow{"18F57K42", true, "PIC18F K42", "UART", 2, 64},
        HeaderlessRow{"18F65K42", false, "PIC18F K42", "UART", 2, 64},
        HeaderlessRow{"18F26K83", true, "PIC18F K83", "UART", 2, 64},
        HeaderlessRow{"18F16Q20", true, "PIC18F Q20", "UART", 2, 64},
        HeaderlessRow{"18F26Q20", false, "PIC18F Q20", "UART", 2, 64},
        HeaderlessRow{"18F16Q40", true, "PIC18F Q40/Q41", "UART", 2, 64},
        HeaderlessRow{"18F26Q41", false, "PIC18F Q40/Q41", "UART", 2, 64},
        HeaderlessRow{"18F47Q43", true, "PIC18F Q43", "UART", 5, 64},
        HeaderlessRow{"18F16Q43", false, "PIC18F Q43", "UART", 5, 64},
        HeaderlessRow{"18F57Q84", true, "PIC18F Q83/Q84", "UART", 5, 64},
        HeaderlessRow{"18F45Q83", false, "PIC18F Q83/Q84", "UART", 5, 64},
        HeaderlessRow{"18F24Q71", true, "PIC18F Q71/Q24/Q35", "UART", 2, 64},
        HeaderlessRow{"18F25Q24", true, "PIC18F Q71/Q24/Q35", "UART", 2, 64},
        HeaderlessRow{"18F54Q35", true, "PIC18F Q71/Q24/Q35", "UART", 2, 64},
        HeaderlessRow{"18F27Q35", false, "PIC18F Q71/Q24/Q35", "UART", 2, 64},
        // dsPIC33CK: Fosc 200 MHz for 100 MIPS.
        HeaderlessRow{"dsPIC33CK32MP202", true, "dsPIC33CK MP", "UART", 3, 200},
        HeaderlessRow{"dsPIC33CK1024MP710", true, "dsPIC33CK MP", "UART", 3, 200},
        HeaderlessRow{"dsPIC33CK512MPT608", true, "dsPIC33CK MP", "UART", 3, 200},
        HeaderlessRow{"dsPIC33CK2048MP710", false, "dsPIC33CK MP", "UART", 3, 200},
        HeaderlessRow{"dsPIC33CK64MC105", true, "dsPIC33CK MP10x/MC10x", "UART", 2, 200},
        HeaderlessRow{"dsPIC33CK128MC105", false, "dsPIC33CK MP10x/MC10x", "UART", 2, 200},
        // dsPIC33CH: the main core at 90 MIPS, the secondary (S1) at 100 MIPS.
        HeaderlessRow{"dsPIC33CH128MP508", true, "dsPIC33CH main core", "UART", 2, 180},
        HeaderlessRow{"dsPIC33CH128MP508S1", true, "dsPIC33CH secondary core", "UART", 1, 200},
        HeaderlessRow{"dsPIC33CH1024MP508", false, "dsPIC33CH main core", "UART", 2, 180},
        HeaderlessRow{"dsPIC33CH1024MP508S1", false, "dsPIC33CH secondary core", "UART", 1, 200},
        // PIC32MM: 25 MHz; PIC32MK GPD/GPE/MCF: 120 MHz.
        HeaderlessRow{"PIC32MM0064GPL036", true, "PIC32MM GPL", "UART", 2, 25},
        HeaderlessRow{"PIC32MM0128GPL036", false, "PIC32MM GPL", "UART", 2, 25},
        HeaderlessRow{"PIC32MM0256GPM064", true, "PIC32MM GPM", "UART", 3, 25},
        HeaderlessRow{"PIC32MM0512GPM064", false, "PIC32MM GPM", "UART", 3, 25},
        HeaderlessRow{"PIC32MK1024MCF100", true, "PIC32MK GPD/GPE/MCF", "UART", 6, 120},
        HeaderlessRow{"PIC32MK2048GPE100", false, "PIC32MK GPD/GPE/MCF", "UART", 6, 120}),
    [](const testing::TestParamInfo<HeaderlessRow>& info) {
      std::string name = info.param.part;
      std::replace_if(
          name.begin(), name.end(),
          [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; }, '_');
      return name;
    });

TEST(PartData, ThePeripheralBusOfPic32) {
  // PIC32MM clocks its UARTs from PBCLK = SYSCLK, without a divider; PIC32MK from PBCLK2,
  // which divides by 2 after reset.
  PartProfile mm = ReadPartProfile("PIC32MM0256GPM064");
  EXPECT_EQ(mm.Port(1).Clock().divisor, 1);
  PartProfile mk = ReadPartProfile("PIC32MK1024GPE100");
  EXPECT_EQ(mk.Port(1).Clock().divisor, 2);
  EXPECT_EQ(mk.Port(6).Clock().name, "PBCLK2");
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

TEST(PartData, EveryMemberBelongsToItsOwnFamily) {
  std::vector<std::string> parts = KnownParts(SPBRG_TEST_HEADERS);
  // The headers given with a serial port beside the built-in parts, each once.
  EXPECT_EQ(std::count(parts.begin(), parts.end(), "16FNOBIT"), 1);
  EXPECT_EQ(std::count(parts.begin(), parts.end(), "16FNOPORT"), 0);
  EXPECT_EQ(std::count(parts.begin(), parts.end(), "16F1829"), 1);
  EXPECT_EQ(std::count(parts.begin(), parts.end(), "12F675"), 0);
  EXPECT_NE(std::find(parts.begin(), parts.end(), "18F47Q43"), parts.end());
  EXPECT_NE(std::find(parts.begin(), parts.end(), "dsPIC33CK256MP508"), parts.end());
  // The members of the families come after the headers' parts.
  std::vector<std::string> stems = BuiltInPartStems();
  for (const std::string& part : parts) {
    bool fromHeader = part.find("TEST") != std::string::npos || part == "16FNOBIT" ||
                      std::find(stems.begin(), stems.end(), LowerCase(part)) != stems.end();
    if (fromHeader) {
      continue;
    }
    const PartFamily* family = FamilyOf(part);
    ASSERT_NE(family, nullptr) << part;
    EXPECT_NE(std::find(family->members.begin(), family->members.end(), CanonicalPartName(part)),
              family->members.end())
        << part << " in " << family->name;
  }
  for (const char* member : {"18F47Q43", "24FJ64GA002", "32MX250F128B"}) {
    const PartFamily* family = FamilyOf(member);
    ASSERT_NE(family, nullptr) << member;
    EXPECT_NE(std::find(family->members.begin(), family->members.end(), member),
              family->members.end())
        << member;
  }
}

TEST(Budget, TheMarginOfASetting) {
  ModeSetting setting;
  setting.errorRatio = 0.01;
  EXPECT_EQ(MarginOf(setting, Budget{2, 0}), Margin::Comfortable);
  EXPECT_EQ(MarginOf(setting, Budget{2, 0.5}), Margin::Passes);
  EXPECT_EQ(MarginOf(setting, Budget{1, 0}), Margin::Passes);
  EXPECT_EQ(MarginOf(setting, Budget{0.99, 0}), Margin::Fails);
}

TEST(PartData, CanonicalNames) {
  EXPECT_EQ(CanonicalPartName("PIC16F1829"), "16F1829");
  EXPECT_EQ(CanonicalPartName("p16f1829"), "16F1829");
  EXPECT_EQ(CanonicalPartName("pic18lf45k22"), "18F45K22");
  EXPECT_EQ(CanonicalPartName("18F47Q43"), "18F47Q43");
  EXPECT_EQ(CanonicalPartName("dsPIC33CK256MP508"), "33CK256MP508");
  EXPECT_EQ(DisplayPartName("dspic33ck256mp508"), "dsPIC33CK256MP508");
  EXPECT_EQ(DisplayPartName("pic24fj64ga002"), "PIC24FJ64GA002");
  EXPECT_EQ(DisplayPartName("PIC32MX250F128B"), "PIC32MX250F128B");
  EXPECT_EQ(DisplayPartName("pic18f47q43"), "18F47Q43");
  EXPECT_EQ(FamilyLineOf("PIC24FJ128GA705"), "PIC24F");
  EXPECT_EQ(FamilyLineOf("dsPIC33EV256GM106"), "dsPIC33E");
  EXPECT_EQ(FamilyLineOf("PIC32MM0064GPL028"), "PIC32MM");
  EXPECT_EQ(FamilyLineOf("18F47Q43"), "");
}

TEST(PartData, AClockAboveThePartsMaximumIsRefused) {
  PartProfile part = ReadPartProfile("16F1829");
  ASSERT_NE(part.family, nullptr);
  EXPECT_EQ(part.ClockRefusal(32), "");
  EXPECT_EQ(part.ClockRefusal(32.001),
            "32.001 MHz is above the 32 MHz maximum of the 16F1829 (PIC12F/16F1xxx enhanced "
            "mid-range)");
  EXPECT_EQ(ClassicProfile().ClockRefusal(300), "");
}

std::string Names(const std::vector<Clock>& clocks, ClockKind kind) {
  std::string names;
  for (const Clock& clock : clocks) {
    if (clock.kind == kind) {
      names += clock.name + "=" + std::to_string(static_cast<int>(clock.mhz * 1000)) + " ";
    }
  }
  return names;
}

TEST(PartData, APartRunsItsOwnCrystalsPllAndInternalOscillators) {
  ClockLimits limits{.maxOscMHz = 16,
                     .maxCrystalMHz = 8,
                     .internal = {8, 0.031},
                     .pllFactors = {4},
                     .pllMinInMHz = 2,
                     .pllMaxInMHz = 4,
                     .internalPll = {2, 8}};
  std::vector<Clock> clocks = ClocksOfPart(limits);
  EXPECT_EQ(Names(clocks, ClockKind::Crystal),
            "1=1000 1.8432=1843 2=2000 2.4576=2457 3.2768=3276 "
            "3.579545=3579 3.6864=3686 4=4000 4.096=4096 "
            "4.194304=4194 4.9152=4915 5=5000 6=6000 6.144=6144 "
            "7.3728=7372 8=8000 ");
  EXPECT_EQ(Names(clocks, ClockKind::CrystalPll),
            "2 x4 PLL=8000 2.4576 x4 PLL=9830 3.2768 x4 PLL=13107 3.579545 x4 PLL=14318 3.6864 x4 "
            "PLL=14745 4 x4 PLL=16000 ");
  EXPECT_EQ(Names(clocks, ClockKind::Internal),
            "internal 8=8000 internal 0.031=31 internal 2 x4 PLL=8000 ");
  ClockLimits usb{.maxOscMHz = 48,
                  .maxCrystalMHz = 0.5,
                  .pllOutputs = {48, 24},
                  .pllOutputsFrom = "4-24 MHz crystal"};
  EXPECT_EQ(Names(ClocksOfPart(usb), ClockKind::CrystalPll),
            "PLL 48 (4-24 MHz crystal)=48000 PLL 24 (4-24 MHz crystal)=24000 ");
  usb.pllOutputsInternal = true;
  EXPECT_EQ(Names(ClocksOfPart(usb), ClockKind::Internal),
            "PLL 48 (4-24 MHz crystal)=48000 PLL 24 (4-24 MHz crystal)=24000 ");
  std::vector<Clock> within = ClocksWithin(clocks, 4, 8);
  EXPECT_TRUE(std::all_of(within.begin(), within.end(),
                          [](const Clock& clock) { return clock.mhz >= 4 && clock.mhz <= 8; }));
  EXPECT_EQ(within.size(), 12U);
}

}  // namespace
}  // namespace brg::engine
