// The USART and EUSART as a kind of serial port: the register writes of every mode, register
// values read back as a setting with the faults of the registers, the names code may use, and
// the compiler's DEFINEs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

std::string WritesText(const std::vector<RegisterWrite>& writes) {
  std::string text;
  for (const RegisterWrite& write : writes) {
    text += (text.empty() ? "" : " ") + write.name + "=" +
            (write.rate ? std::to_string(write.value) : HexValue(write.value));
    for (const PortBit& bit : write.bits) {
      text += ":" + bit.name;
    }
  }
  return text;
}

struct WriteRow {
  std::string name;
  BrgMode mode;
  std::int32_t n;
  std::string writes;  // in order, with the bits of each control register
};

void PrintTo(const WriteRow& row, std::ostream* out) {
  *out << row.name;
}

class UsartWritesTest : public testing::TestWithParam<WriteRow> {};

TEST_P(UsartWritesTest, RateRegistersFirstAndTheSwitchLast) {
  const WriteRow& row = GetParam();
  ModeSetting setting;
  setting.mode = row.mode;
  setting.n = row.n;
  EXPECT_EQ(WritesText(ClassicUsart()->Writes(setting)), row.writes);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, UsartWritesTest,
    testing::Values(
        WriteRow{"Async8Div64", BrgMode::Async8Div64, 6,
                 "SPBRG=6 TXSTA=0x20:TXEN RCSTA=0x90:SPEN:CREN"},
        WriteRow{"Async8Div16", BrgMode::Async8Div16, 25,
                 "SPBRG=25 TXSTA=0x24:TXEN:BRGH RCSTA=0x90:SPEN:CREN"},
        WriteRow{"Async16Div16", BrgMode::Async16Div16, 0x1A0B,
                 "SPBRGH=26 SPBRG=11 BAUDCON=0x08:BRG16 TXSTA=0x20:TXEN RCSTA=0x90:SPEN:CREN"},
        WriteRow{"Async16Div4", BrgMode::Async16Div4, 65535,
                 "SPBRGH=255 SPBRG=255 BAUDCON=0x08:BRG16 TXSTA=0x24:TXEN:BRGH "
                 "RCSTA=0x90:SPEN:CREN"},
        WriteRow{"Sync8", BrgMode::Sync8, 4, "SPBRG=4 TXSTA=0xB0:CSRC:TXEN:SYNC RCSTA=0x80:SPEN"},
        WriteRow{"Sync16", BrgMode::Sync16, 300,
                 "SPBRGH=1 SPBRG=44 BAUDCON=0x08:BRG16 TXSTA=0xB0:CSRC:TXEN:SYNC "
                 "RCSTA=0x80:SPEN"}),
    [](const testing::TestParamInfo<WriteRow>& info) { return info.param.name; });

struct ReadRow {
  std::string name;
  // Values of TXSTA, RCSTA, SPBRG, SPBRGH, BAUDCON; -1: not written.
  std::int64_t txsta, rcsta, spbrg, spbrgh, baudcon;
  BrgMode mode;
  std::int32_t n;
  std::string findings;  // "REGISTER: message" each, joined by " | "
};

void PrintTo(const ReadRow& row, std::ostream* out) {
  *out << row.name;
}

class UsartReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(UsartReadTest, ValuesSelectTheModeAndN) {
  const ReadRow& row = GetParam();
  std::shared_ptr<const SerialPort> port = ClassicUsart();
  RegisterValues values(port->Registers().size());
  const std::pair<const char*, std::int64_t> given[] = {{"TXSTA", row.txsta},
                                                        {"RCSTA", row.rcsta},
                                                        {"SPBRG", row.spbrg},
                                                        {"SPBRGH", row.spbrgh},
                                                        {"BAUDCON", row.baudcon}};
  for (const auto& [name, value] : given) {
    if (value >= 0) {
      values[*port->RegisterNamed(name)] = value;
    }
  }
  PortReading reading = port->Read(values);
  EXPECT_EQ(reading.mode, row.mode);
  EXPECT_EQ(reading.n, row.n);
  EXPECT_EQ(port->Registers()[reading.rateRegister].name, "SPBRG");
  std::string findings;
  for (const PortFinding& finding : reading.findings) {
    findings += (findings.empty() ? "" : " | ") + port->Registers()[finding.reg].name + ": " +
                finding.message;
  }
  EXPECT_EQ(findings, row.findings);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UsartReadTest,
    testing::Values(
        ReadRow{"Async8Div16", 0x24, 0x90, 25, -1, -1, BrgMode::Async8Div16, 25, ""},
        ReadRow{"Async8Div64", 0x20, 0x90, 6, -1, -1, BrgMode::Async8Div64, 6, ""},
        ReadRow{"Async16Div4", 0x24, 0x90, 130, 6, 0x08, BrgMode::Async16Div4, 1666, ""},
        ReadRow{"Async16Div16", 0x20, 0x90, 0x82, 0x06, 0x08, BrgMode::Async16Div16, 1666, ""},
        ReadRow{"Sync8IgnoresBrgh", 0xB4, 0x80, 9, -1, -1, BrgMode::Sync8, 9, ""},
        ReadRow{"Sync16", 0xB0, 0x80, 9, 1, 0x08, BrgMode::Sync16, 265, ""},
        ReadRow{"OtherBaudconBitsLeaveBrg16Off", 0x24, 0x90, 25, -1, 0xF7, BrgMode::Async8Div16, 25,
                ""},
        ReadRow{"SpenOff", 0x24, 0x10, 25, -1, -1, BrgMode::Async8Div16, 25,
                "RCSTA: SPEN is off in RCSTA: the port stays switched off"},
        ReadRow{"NothingWritten", -1, -1, 25, -1, -1, BrgMode::Async8Div64, 25,
                "RCSTA: SPEN is off in RCSTA: the port stays switched off | TXSTA: neither TXEN "
                "(TXSTA) nor CREN (RCSTA) is on: the port neither sends nor receives"},
        ReadRow{"ReceiveOnly", 0x04, 0x90, 25, -1, -1, BrgMode::Async8Div16, 25, ""},
        ReadRow{"TransmitOnly", 0x24, 0x80, 25, -1, -1, BrgMode::Async8Div16, 25, ""},
        ReadRow{"SynchronousMasterNeedsNeitherDirection", 0x90, 0x80, 25, -1, -1, BrgMode::Sync8,
                25, ""},
        ReadRow{"HighByteWithoutBrg16", 0x24, 0x90, 25, 1, -1, BrgMode::Async8Div16, 25,
                "SPBRGH: SPBRGH is 1 while BRG16 is off: it is not used"},
        ReadRow{"ZeroHighByteWithoutBrg16IsFine", 0x24, 0x90, 25, 0, -1, BrgMode::Async8Div16, 25,
                ""},
        ReadRow{"EightBitValueAbove255KeepsItsLowByte", 0x24, 0x90, 1666, -1, -1,
                BrgMode::Async8Div16, 130, ""},
        ReadRow{"SixteenBitValueWithoutHighByte", 0x24, 0x90, 1666, -1, 0x08, BrgMode::Async16Div4,
                130, "SPBRG: n = 1666 is above 255 with BRG16 on, but no SPBRGH is written"},
        ReadRow{"SixteenBitLowByteOnlyFits", 0x24, 0x90, 255, -1, 0x08, BrgMode::Async16Div4, 255,
                ""},
        ReadRow{"NoRateRegisterNoPair", 0x24, 0x90, -1, 3, -1, BrgMode::Async8Div16, 0, ""}),
    [](const testing::TestParamInfo<ReadRow>& info) { return info.param.name; });

TEST(UsartPort, WritesReadBackAsTheSameSettingInEveryMode) {
  std::shared_ptr<const SerialPort> port = ClassicUsart();
  for (BrgMode mode : kAllModes) {
    for (std::int32_t n : {0, 1, 129, 255, 256, 4095, 65535}) {
      if (n > InfoOf(mode).nMax) {
        continue;
      }
      ModeSetting setting;
      setting.mode = mode;
      setting.n = n;
      RegisterValues values(port->Registers().size());
      for (const RegisterWrite& write : port->Writes(setting)) {
        values[write.reg] = write.value;
      }
      PortReading reading = port->Read(values);
      EXPECT_EQ(reading.mode, mode) << InfoOf(mode).name << " " << n;
      EXPECT_EQ(reading.n, n) << InfoOf(mode).name;
      EXPECT_TRUE(reading.findings.empty()) << InfoOf(mode).name << " " << n;
    }
  }
}

TEST(UsartPort, ClassicNamesOfferEveryModeAndKnowTheOtherPartsNames) {
  std::shared_ptr<const SerialPort> port = ClassicUsart();
  EXPECT_EQ(port->KindName(), "USART");
  EXPECT_EQ(port->Number(), 1);
  EXPECT_EQ(port->Modes(), std::vector<BrgMode>(kAllModes.begin(), kAllModes.end()));
  const std::pair<const char*, const char*> names[] = {
      {"txsta", "TXSTA"},      {"TX1STA", "TXSTA"},    {"TXSTA1", "TXSTA"},
      {"RC1STA", "RCSTA"},     {"SPBRGL", "SPBRG"},    {"SP1BRGL", "SPBRG"},
      {"SPBRG1", "SPBRG"},     {"SP1BRGH", "SPBRGH"},  {"BAUDCTL", "BAUDCON"},
      {"BAUD1CON", "BAUDCON"}, {"baudcon1", "BAUDCON"}};
  for (const auto& [written, meant] : names) {
    std::optional<std::size_t> reg = port->RegisterNamed(written);
    ASSERT_TRUE(reg.has_value()) << written;
    EXPECT_EQ(port->Registers()[*reg].name, meant) << written;
  }
  for (const char* other : {"TXSTA2", "TX2STA", "SPBRG2", "BAUDCON2", "PORTB", "TXREG", ""}) {
    EXPECT_FALSE(port->RegisterNamed(other).has_value()) << other;
  }
  EXPECT_EQ(port->ModeBits(BrgMode::Async16Div4), "SYNC 0, BRG16 1, BRGH 1");
  EXPECT_EQ(port->ModeBits(BrgMode::Async8Div64), "SYNC 0, BRG16 0, BRGH 0");
  EXPECT_EQ(port->ModeBits(BrgMode::Sync8), "SYNC 1, BRG16 0, BRGH 0");
  EXPECT_EQ(port->Clock().divisor, 1);
}

TEST(UsartPort, TheCompilersDefinesAndTheirDefaults) {
  std::shared_ptr<const SerialPort> port = ClassicUsart();
  const PortDefines* defines = port->Defines();
  ASSERT_NE(defines, nullptr);
  EXPECT_EQ(defines->prefix, "HSER_");
  std::string names;
  for (const PortDefines::Name& name : defines->registers) {
    names += name.define + "=" + port->Registers()[name.reg].name + " ";
  }
  EXPECT_EQ(names, "RCSTA=RCSTA TXSTA=TXSTA SPBRG=SPBRG SPBRGH=SPBRGH ");
  std::string block;
  for (std::size_t reg : defines->block) {
    block += port->Registers()[reg].name + " ";
  }
  EXPECT_EQ(block, "RCSTA TXSTA SPBRG ");
  EXPECT_EQ(defines->rate, "BAUD");
  std::string defaults;
  for (const auto& [reg, value] : defines->defaults) {
    defaults +=
        port->Registers()[reg].name + "=" + HexValue(static_cast<std::uint32_t>(value)) + " ";
  }
  EXPECT_EQ(defaults, "RCSTA=0x90 TXSTA=0x20 ");
}

}  // namespace
}  // namespace brg::engine
