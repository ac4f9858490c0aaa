// The UARTs of the newer parts as kinds of serial port: the datasheets' own rows and worked
// rows from their formulas, the UART clock worked out from the oscillator, the register writes
// in the order the datasheets ask for, and register values read back with their faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "core/text.h"
#include "engine/answers/mode_choice.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/port_kinds.h"
#include "engine/ports/uart_clock.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

struct RateRow {
  std::string name;
  std::string part;
  double oscMHz;
  double baud;
  BrgMode mode;
  std::int32_t n;
  double errorPercent;
};

void PrintTo(const RateRow& row, std::ostream* out) {
  *out << row.name;
}

class UartRateTest : public testing::TestWithParam<RateRow> {};

TEST_P(UartRateTest, GivesTheDatasheetsValue) {
  const RateRow& row = GetParam();
  PartProfile part = ReadPartProfile(row.part);
  const SerialPort& port = part.Port(1);
  UartClock clock = UartClockOf(port, row.oscMHz);
  ModeSetting setting = port.Best(clock.mhz, row.baud, row.mode);
  EXPECT_EQ(setting.n, row.n);
  EXPECT_NEAR(setting.errorRatio * 100, row.errorPercent, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UartRateTest,
    testing::Values(
        // The PIC24 reference manual's table for Fcy = 16 MHz, BRGH = 0.
        RateRow{"Pic24Fcy16M_9600", "PIC24FJ64GA002", 32, 9600, BrgMode::Async16Div16, 103, 0.160},
        RateRow{"Pic24Fcy16M_19200", "PIC24FJ64GA002", 32, 19200, BrgMode::Async16Div16, 51, 0.160},
        RateRow{"Pic24Fcy16M_38400", "PIC24FJ64GA002", 32, 38400, BrgMode::Async16Div16, 25, 0.160},
        // DS39881's example: Fcy = 4 MHz, 9600 baud, UxBRG = 25.
        RateRow{"Pic24Fcy4M_9600", "pic24fj64ga002", 8, 9600, BrgMode::Async16Div16, 25, 0.160},
        RateRow{"Pic24Fcy16M_115200_Brgh", "PIC24FJ64GA002", 32, 115200, BrgMode::Async16Div4, 34,
                -0.794},
        RateRow{"Dspic33eFcy70M_115200", "dsPIC33EP512MU810", 140, 115200, BrgMode::Async16Div4,
                151, -0.059},
        RateRow{"Q43At64M_115200_Brgs", "PIC18F47Q43", 64, 115200, BrgMode::Async16Div4, 138,
                -0.080},
        RateRow{"Q43At64M_9600", "18f47q43", 64, 9600, BrgMode::Async16Div16, 416, -0.080},
        RateRow{"K42At16M_1200", "PIC18F26K42", 16, 1200, BrgMode::Async16Div16, 832, 0.040},
        // dsPIC33C from Fp = Fosc/2: 20-bit legacy and fractional.
        RateRow{"Ck100M_300_20Bit", "dsPIC33CK256MP508", 200, 300, BrgMode::Async16Div4, 83332,
                0.0004},
        RateRow{"Ck100M_921600_Frac", "dsPIC33CK256MP508", 200, 921600, BrgMode::Fractional, 109,
                -0.452},
        RateRow{"Ck100M_10M_FracAtItsLeast", "dsPIC33CK256MP508", 200, 10000000,
                BrgMode::Fractional, 16, -37.5},
        // PIC32MX from PBCLK = Fosc / 1: DS61143's example, FPB = 4 MHz, 9600 baud, 25.
        RateRow{"Pic32Fpb4M_9600", "PIC32MX250F128B", 4, 9600, BrgMode::Async16Div16, 25, 0.160},
        RateRow{"Pic32Mz_Pbclk2_115200", "PIC32MZ2048EFH144", 200, 115200, BrgMode::Async16Div4,
                216, 0.006}),
    [](const testing::TestParamInfo<RateRow>& info) { return info.param.name; });

TEST(UartClock, WorkedOutFromTheOscillatorAndNamed) {
  PartProfile pic24 = ReadPartProfile("PIC24FJ64GA002");
  UartClock fcy = UartClockOf(pic24.Port(1), 32);
  EXPECT_EQ(fcy.mhz, 16);
  EXPECT_EQ(fcy.text, "UART clock Fcy 16 MHz = Fosc 32 MHz / 2");
  EXPECT_EQ(UartClockOf(pic24.Port(1), 32, 10).mhz, 10);
  PartProfile mx = ReadPartProfile("PIC32MX250F128B", "", {8});
  UartClock pbclk = UartClockOf(mx.Port(1), 40);
  EXPECT_EQ(pbclk.mhz, 5);
  EXPECT_NE(pbclk.text.find("FPBDIV = DIV_8"), std::string::npos) << pbclk.text;
  PartProfile mz = ReadPartProfile("PIC32MZ2048EFH144");
  EXPECT_EQ(UartClockOf(mz.Port(1), 200).mhz, 100);
  PartProfile q43 = ReadPartProfile("PIC18F47Q43");
  EXPECT_EQ(UartClockOf(q43.Port(1), 64).text, "");
}

TEST(UartParts, PortsAndLimitsFromTheTable) {
  struct Row {
    const char* part;
    std::size_t ports;
    const char* name;  // as the user reads it
    double maxMHz;
  };
  for (Row row : {Row{"PIC18F47Q43", 5, "18F47Q43", 64}, Row{"18F26K42", 2, "18F26K42", 64},
                  Row{"pic24fj64ga002", 2, "PIC24FJ64GA002", 32},
                  Row{"DSPIC33CK256MP508", 3, "dsPIC33CK256MP508", 200},
                  Row{"PIC32MX250F128B", 2, "PIC32MX250F128B", 50},
                  Row{"PIC32MZ2048EFH144", 6, "PIC32MZ2048EFH144", 252},
                  Row{"18F47K40", 2, "18F47K40", 64}}) {
    PartProfile part = ReadPartProfile(row.part);
    EXPECT_EQ(part.ports.size(), row.ports) << row.part;
    EXPECT_EQ(part.part, row.name);
    ASSERT_NE(part.family, nullptr) << row.part;
    EXPECT_EQ(part.family->clock.maxOscMHz, row.maxMHz) << row.part;
    EXPECT_FALSE(part.assemblable) << row.part;
  }
  try {
    ReadPartProfile("dsPIC33EV256GM106X");
  } catch (const std::exception& error) {
    FAIL() << error.what();
  }
  EXPECT_THROW(ReadPartProfile("PIC24FJ128GA705"), std::runtime_error);
  EXPECT_THROW(ReadPartProfile("PIC18F47Q43").Port(6), std::runtime_error);
}

std::string Written(const SerialPort& port, BrgMode mode, std::int32_t n) {
  ModeSetting setting;
  setting.mode = mode;
  setting.n = n;
  std::string text;
  for (const RegisterWrite& write : port.Writes(setting)) {
    text += (text.empty() ? "" : " ") + write.name + (write.addsBits ? "|=" : "=") +
            HexValue(write.value, write.width);
  }
  return text;
}

TEST(UartWrites, RateRegistersFirstAndTheSwitchesInTheDatasheetsOrder) {
  EXPECT_EQ(Written(*Pic18Uart(1), BrgMode::Async16Div4, 0x1234),
            "U1BRGH=0x12 U1BRGL=0x34 U1CON0=0xB0 U1CON1=0x80");
  EXPECT_EQ(Written(*Pic18Uart(5), BrgMode::Async16Div16, 416),
            "U5BRGH=0x01 U5BRGL=0xA0 U5CON0=0x30 U5CON1=0x80");
  // UARTEN before UTXEN.
  EXPECT_EQ(Written(*Pic24Uart(2), BrgMode::Async16Div4, 34),
            "U2BRG=0x0022 U2MODE=0x8008 U2STA=0x0400");
  EXPECT_EQ(Written(*Pic24Uart(1), BrgMode::Async16Div16, 103),
            "U1BRG=0x0067 U1MODE=0x8000 U1STA=0x0400");
  EXPECT_EQ(Written(*Dspic33cUart(3), BrgMode::Async16Div4, 0x54321),
            "U3BRG=0x4321 U3BRGH=0x0005 U3MODEH=0x0000 U3MODE=0x8080 U3MODE|=0x0030");
  EXPECT_EQ(Written(*Dspic33cUart(1), BrgMode::Fractional, 109),
            "U1BRG=0x006D U1BRGH=0x0000 U1MODEH=0x0800 U1MODE=0x8000 U1MODE|=0x0030");
  EXPECT_EQ(Written(*Pic32Uart(1, 1, "PBCLK", ""), BrgMode::Async16Div4, 86),
            "U1BRG=0x00000056 U1MODE=0x00008008 U1STA=0x00001400");
}

// The register columns of spbrg's table show what the code writes to each rate register.
TEST(UartColumns, ShowWhatTheCodeWrites) {
  const std::shared_ptr<const SerialPort> ports[] = {ClassicUsart(1), Pic18Uart(2), Pic24Uart(1),
                                                     Dspic33cUart(1), Pic32Uart(1, 1, "PBCLK", "")};
  for (const auto& port : ports) {
    for (BrgMode mode : port->Modes()) {
      ModeSetting setting;
      setting.mode = mode;
      setting.n = std::min<std::int32_t>(0x54321, port->RangeOf(mode).high);
      std::map<std::string, std::uint32_t> written;
      for (const RegisterWrite& write : port->Writes(setting)) {
        if (write.rate) {
          written[write.name] = write.value;
        }
      }
      std::map<std::string, std::uint32_t> shown;
      for (const RateColumn& column : port->RateColumns()) {
        if (std::optional<std::uint32_t> value = column.ValueOf(setting)) {
          shown[column.name] = *value;
        }
      }
      EXPECT_EQ(shown, written) << port->KindName() << " in " << InfoOf(mode).name;
    }
  }
}

// Register values by name, read back by the port.
PortReading ReadBack(const SerialPort& port,
                     const std::vector<std::pair<std::string, std::int64_t>>& written) {
  RegisterValues values(port.Registers().size());
  for (const auto& [name, value] : written) {
    values[*port.RegisterNamed(name)] = value;
  }
  return port.Read(values);
}

std::string Findings(const SerialPort& port, const PortReading& reading) {
  std::string text;
  for (const PortFinding& finding : reading.findings) {
    text +=
        (text.empty() ? "" : " | ") + port.Registers()[finding.reg].name + ": " + finding.message;
  }
  return text;
}

TEST(UartReads, ValuesSelectTheModeAndN) {
  auto pic18 = Pic18Uart(1);
  PortReading q43 =
      ReadBack(*pic18, {{"U1BRGH", 0}, {"U1BRGL", 138}, {"U1CON0", 0xB0}, {"U1CON1", 0x80}});
  EXPECT_EQ(q43.mode, BrgMode::Async16Div4);
  EXPECT_EQ(q43.n, 138);
  EXPECT_EQ(Findings(*pic18, q43), "");
  PortReading pair = ReadBack(*pic18, {{"U1BRG", 1666}, {"U1CON0", 0x20}, {"U1CON1", 0x80}});
  EXPECT_EQ(pair.mode, BrgMode::Async16Div16);
  EXPECT_EQ(pair.n, 1666);
  PortReading off = ReadBack(*pic18, {{"U1BRGL", 25}, {"U1CON0", 0x0A}});
  EXPECT_EQ(Findings(*pic18, off),
            "U1CON1: ON is off in U1CON1: the port stays switched off | U1CON0: neither TXEN nor "
            "RXEN is on in U1CON0: the port neither sends nor receives | U1CON0: MODE in U1CON0 "
            "is 10, not 0 (asynchronous 8-bit): a protocol or parity mode");

  auto pic24 = Pic24Uart(1);
  PortReading brgh = ReadBack(*pic24, {{"U1BRG", 34}, {"U1MODE", 0x8008}, {"U1STA", 0x0400}});
  EXPECT_EQ(brgh.mode, BrgMode::Async16Div4);
  EXPECT_EQ(brgh.n, 34);
  EXPECT_EQ(Findings(*pic24, brgh), "");
  PortReading receiveOnly = ReadBack(*pic24, {{"U1BRG", 103}, {"U1MODE", 0x8000}});
  EXPECT_EQ(receiveOnly.mode, BrgMode::Async16Div16);
  EXPECT_EQ(Findings(*pic24, receiveOnly), "");
  EXPECT_EQ(Findings(*pic24, ReadBack(*pic24, {{"U1BRG", 103}, {"U1STA", 0x0400}})),
            "U1MODE: UARTEN is off in U1MODE: the port stays switched off");

  auto ck = Dspic33cUart(1);
  PortReading wide = ReadBack(*ck, {{"U1BRG", 0x4321}, {"U1BRGH", 5}, {"U1MODE", 0x80B0}});
  EXPECT_EQ(wide.mode, BrgMode::Async16Div4);
  EXPECT_EQ(wide.n, 0x54321);
  EXPECT_EQ(wide.clockDivisor, 2);
  PortReading frac = ReadBack(*ck, {{"U1BRG", 12}, {"U1MODEH", 0x0C00}, {"U1MODE", 0x8010}});
  EXPECT_EQ(frac.mode, BrgMode::Fractional);
  EXPECT_EQ(frac.clockDivisor, 1);  // BCLKSEL 10: Fosc
  EXPECT_EQ(Findings(*ck, frac),
            "U1BRG: n = 12 is below 16, the least the fractional generator takes");
  EXPECT_EQ(Findings(*ck, ReadBack(*ck, {{"U1BRG", 100}, {"U1MODE", 0x8000}})),
            "U1MODE: neither UTXEN nor URXEN is on in U1MODE: the port neither sends nor receives");

  auto pic32 = Pic32Uart(2, 1, "PBCLK", "");
  PortReading mx = ReadBack(*pic32, {{"U2BRG", 86}, {"U2MODE", 0x8008}, {"U2STA", 0x1000}});
  EXPECT_EQ(mx.mode, BrgMode::Async16Div4);
  EXPECT_EQ(mx.n, 86);
  EXPECT_EQ(Findings(*pic32, mx), "");
  EXPECT_EQ(Findings(*pic32, ReadBack(*pic32, {{"U2BRG", 86}, {"U2MODE", 0x0008}})),
            "U2MODE: ON is off in U2MODE: the port stays switched off | U2STA: neither UTXEN nor "
            "URXEN is on in U2STA: the port neither sends nor receives");
}

TEST(UartModes, EachKindOffersItsModesAndTheTieGoesToTheLegacyOne) {
  auto ck = Dspic33cUart(1);
  EXPECT_EQ(ck->Modes(), (std::vector<BrgMode>{BrgMode::Async16Div16, BrgMode::Async16Div4,
                                               BrgMode::Fractional}));
  EXPECT_EQ(ck->RangeOf(BrgMode::Fractional).low, 16);
  EXPECT_EQ(ck->RangeOf(BrgMode::Async16Div4).high, 1048575);
  EXPECT_FALSE(Pic24Uart(1)->Offers(BrgMode::Async8Div16));
  EXPECT_FALSE(Pic18Uart(1)->Offers(BrgMode::Sync8));
  // 100 MHz, 115200: 16/4 n = 216 and frac n = 868 give the same rate.
  RateAnswer answer = CalculateModes(*ck, 100, WantedRate{"115200", 115200}, ck->Modes(), {});
  ASSERT_TRUE(answer.best.has_value());
  EXPECT_EQ(answer.Best()->setting.mode, BrgMode::Async16Div4);
  EXPECT_EQ(answer.settings[2].setting.n, 868);
  EXPECT_EQ(answer.settings[2].setting.errorRatio, answer.settings[1].setting.errorRatio);
}

}  // namespace
}  // namespace brg::engine
