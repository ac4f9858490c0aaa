// Parts' serial ports as their headers name them: headers written for the tests, with names and
// bit positions a reader must take from the header, and the installed gputils headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "engine/errors.h"
#include "engine/parts/gputils_header.h"
#include "engine/parts/part_profile.h"

namespace brg::engine {
namespace {

const std::string kOwnHeaders = SPBRG_TEST_HEADERS;

std::string Names(const SerialPort& port) {
  std::string names;
  for (const PortRegister& reg : port.Registers()) {
    names += (names.empty() ? "" : " ") + (reg.present ? reg.name : "-");
  }
  return names;
}

std::string WritesOf(const SerialPort& port, BrgMode mode, std::int32_t n) {
  ModeSetting setting;
  setting.mode = mode;
  setting.n = n;
  std::string text;
  for (const RegisterWrite& write : port.Writes(setting)) {
    text += (text.empty() ? "" : " ") + write.name + "=" + std::to_string(write.value);
  }
  return text;
}

std::string PartError(const std::string& part, const std::string& dir) {
  try {
    ReadPartProfile(part, dir);
  } catch (const engine::PartError& error) {
    return error.what();
  }
  return "";
}

TEST(OwnHeaders, TakeNamesAndBitPositionsFromTheHeader) {
  PartProfile part = ReadPartProfile("PIC16FTEST", kOwnHeaders);
  EXPECT_EQ(part.part, "16FTEST");
  ASSERT_EQ(part.ports.size(), 1U);
  const SerialPort& port = part.Port(1);
  EXPECT_EQ(Names(port), "TXSTA RCSTA SPBRG SPBRGH BAUDCTL");
  EXPECT_TRUE(port.Offers(BrgMode::Async16Div4));
  // TXEN 4, BRGH 1 (bits listed under TX1STA), SPEN 6, CREN 3, BRG16 2; PORTB's TXEN is
  // another register's bit.
  EXPECT_EQ(WritesOf(port, BrgMode::Async16Div4, 0x0102),
            "SPBRGH=1 SPBRG=2 BAUDCTL=4 TXSTA=18 RCSTA=72");
  EXPECT_EQ(WritesOf(port, BrgMode::Sync8, 9), "SPBRG=9 TXSTA=88 RCSTA=64");
  RegisterValues values(port.Registers().size());
  values[*port.RegisterNamed("TXSTA")] = 0x12;
  values[*port.RegisterNamed("RCSTA")] = 0x48;
  values[*port.RegisterNamed("SPBRG")] = 2;
  values[*port.RegisterNamed("SPBRGH")] = 1;
  values[*port.RegisterNamed("BAUDCON")] = 0x04;  // the usual name still means BAUDCTL
  PortReading reading = port.Read(values);
  EXPECT_EQ(reading.mode, BrgMode::Async16Div4);
  EXPECT_EQ(reading.n, 0x0102);
  EXPECT_TRUE(reading.findings.empty());
  EXPECT_EQ(port.Registers()[*port.RegisterNamed("TXSTA")].BitPosition("txen"), 4);
}

TEST(OwnHeaders, ReadBothPortsUnderTheNewerNames) {
  PartProfile part = ReadPartProfile("p18ftest", kOwnHeaders);
  ASSERT_EQ(part.ports.size(), 2U);
  EXPECT_EQ(Names(part.Port(1)), "TX1STA RC1STA SP1BRGL SP1BRGH BAUD1CON");
  EXPECT_EQ(Names(part.Port(2)), "TX2STA RC2STA SP2BRGL - -");
  EXPECT_EQ(part.Port(2).Number(), 2);
  EXPECT_EQ(part.Port(2).Defines()->prefix, "HSER2_");
  EXPECT_TRUE(part.Port(1).Offers(BrgMode::Sync16));
  EXPECT_FALSE(part.Port(2).Offers(BrgMode::Async16Div16));
  EXPECT_FALSE(part.Port(2).Offers(BrgMode::Sync16));
  EXPECT_TRUE(part.Port(2).Offers(BrgMode::Sync8));
  EXPECT_EQ(WritesOf(part.Port(2), BrgMode::Async8Div16, 25), "SP2BRGL=25 TX2STA=36 RC2STA=144");
  EXPECT_TRUE(part.Port(2).RegisterNamed("SPBRG2").has_value());
  EXPECT_FALSE(part.Port(1).RegisterNamed("SPBRG2").has_value());
}

TEST(OwnHeaders, AControlRegisterWithoutBrg16GivesNoSixteenBitModes) {
  PartProfile part = ReadPartProfile("16FNOBIT", kOwnHeaders);
  EXPECT_EQ(Names(part.Port(1)), "TXSTA RCSTA SPBRG - -");
  EXPECT_EQ(part.Port(1).Modes(),
            (std::vector<BrgMode>{BrgMode::Async8Div64, BrgMode::Async8Div16, BrgMode::Sync8}));
  EXPECT_EQ(part.Port(1).WhyNot(BrgMode::Async16Div4),
            "has no BRG16 (no BAUDCON and SPBRGH in its header)");
}

TEST(OwnHeaders, WhatCannotBeUsedIsOneLine) {
  EXPECT_EQ(PartError("16FNOPORT", kOwnHeaders), "the part 16FNOPORT has no USART");
  EXPECT_EQ(PartError("16FTES", kOwnHeaders),
            "no part 16FTES among the parts the engine knows and the gputils headers in " +
                kOwnHeaders + "; near names: 16FTEST, 18FTEST");
  EXPECT_EQ(PartError("16F../p16ftest", kOwnHeaders),
            "no part 16F../p16ftest among the parts the engine knows and the gputils headers in " +
                kOwnHeaders);
  EXPECT_EQ(PartError("16FTESXYZ", kOwnHeaders),  // three edits from 16FTEST
            "no part 16FTESXYZ among the parts the engine knows and the gputils headers in " +
                kOwnHeaders);
  EXPECT_EQ(PartError("12F675XYZQ", kOwnHeaders),
            "no part 12F675XYZQ among the parts the engine knows and the gputils headers in " +
                kOwnHeaders);
  EXPECT_EQ(PartError("16FTEST", "/nonexistent"),
            "no gputils part headers in /nonexistent (--gputils-headers)");
  PartProfile part = ReadPartProfile("16ftest", kOwnHeaders);
  try {
    part.Port(2);
    FAIL() << "a second port";
  } catch (const engine::PartError& error) {
    EXPECT_STREQ(error.what(), "the part 16FTEST has one USART: --usart 2 is not available");
  }
  EXPECT_THROW(part.Port(0), engine::PartError);
}

TEST(GputilsHeaderReader, ReadsSectionsAndBitsUnderEveryNameOfARegister) {
  std::istringstream text(
      ";----- Register Files ----\n"
      "TXSTA  EQU  H'0098'\nTX1STA EQU H'0098'\nOTHER EQU H'0099'\nJUNK EQU 0x12\n"
      ";----- TX1STA Bits ----\nTXEN EQU H'0005'\nBRGH EQU H'0002'\n"
      ";----- OTHER Bits ----\nTXEN EQU H'0001'\n"
      ";----- CONFIG1 Options ----\n_FOSC_XT EQU H'3FFD'\n");
  GputilsHeader header = ReadGputilsHeader(text);
  EXPECT_EQ(header.registers.size(), 3U);
  EXPECT_EQ(header.registers.at("TX1STA"), 0x98U);
  EXPECT_FALSE(header.Defines("JUNK"));
  EXPECT_FALSE(header.Defines("_FOSC_XT"));
  EXPECT_EQ(header.BitOf("TXSTA", "TXEN"), 5);
  EXPECT_EQ(header.BitOf("OTHER", "TXEN"), 1);
  EXPECT_EQ(header.BitOf("TXSTA", "SYNC"), std::nullopt);
  EXPECT_EQ(header.BitOf("NONE", "TXEN"), std::nullopt);
  EXPECT_EQ(header.FirstDefined({"TXSTA1", "TX1STA", "TXSTA"}), "TX1STA");
  std::vector<PortBit> bits = header.BitsOf("TXSTA");
  ASSERT_EQ(bits.size(), 2U);
  EXPECT_EQ(bits[0].name, "TXEN");
  EXPECT_EQ(bits[1].name, "BRGH");
}

TEST(BuiltInParts, AtMostFiveNearNamesNearestFirst) {
  EXPECT_EQ(PartError("16F1820", ""),
            "no part 16F1820 among the parts the engine knows; near names: 16F1823, 16F1824, "
            "16F1825, 16F1826, 16F1827");
  EXPECT_EQ(PartError("12F675", ""), "the part 12F675 has no USART");
}

// The built-in parts, as the gputils headers name their ports.
struct InstalledRow {
  std::string part;
  std::string port1;
  std::string port2;  // "" without a second port
};

void PrintTo(const InstalledRow& row, std::ostream* out) {
  *out << row.part;
}

class InstalledHeadersTest : public testing::TestWithParam<InstalledRow> {};

TEST_P(InstalledHeadersTest, NameThePortsAsTheDatasheetsDo) {
  const InstalledRow& row = GetParam();
  PartProfile part = ReadPartProfile(row.part);
  ASSERT_EQ(part.ports.size(), row.port2.empty() ? 1U : 2U);
  EXPECT_EQ(Names(part.Port(1)), row.port1);
  if (!row.port2.empty()) {
    EXPECT_EQ(Names(part.Port(2)), row.port2);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, InstalledHeadersTest,
    testing::Values(InstalledRow{"16F877A", "TXSTA RCSTA SPBRG - -", ""},
                    InstalledRow{"16F690", "TXSTA RCSTA SPBRG SPBRGH BAUDCTL", ""},
                    InstalledRow{"16F1829", "TXSTA RCSTA SPBRG SPBRGH BAUDCON", ""},
                    InstalledRow{"18F4550", "TXSTA RCSTA SPBRG SPBRGH BAUDCON", ""},
                    InstalledRow{"18F1220", "TXSTA RCSTA SPBRG SPBRGH BAUDCTL", ""},
                    InstalledRow{"18F45K22", "TXSTA RCSTA SPBRG SPBRGH BAUDCON",
                                 "TXSTA2 RCSTA2 SPBRG2 SPBRGH2 BAUDCON2"}),
    [](const testing::TestParamInfo<InstalledRow>& info) { return info.param.part; });

}  // namespace
}  // namespace brg::engine
