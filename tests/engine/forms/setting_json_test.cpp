// One setting as JSON: it parses, its numbers read back exactly, and each register holds what
// the writes leave in it, a write that adds bits included.
#include "engine/forms/setting_json.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/ports/port_kinds.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

struct JsonCase {
  const char* name;
  std::shared_ptr<const SerialPort> port;
  double oscMHz;
  double clockMHz;
  double baud;
  BrgMode mode;
  std::string clockText;
  std::int32_t n;
  std::map<std::string, std::uint32_t> registers;
};

void PrintTo(const JsonCase& row, std::ostream* out) {
  *out << row.name;
}

class SettingJsonTest : public testing::TestWithParam<JsonCase> {};

TEST_P(SettingJsonTest, ParsesWithTheSettingsValues) {
  const JsonCase& row = GetParam();
  ModeSetting setting = row.port->Best(row.clockMHz, row.baud, row.mode);
  CodeSetting code{"osc", WantedRate{"rate", row.baud}, setting, row.clockText};
  std::string text = SettingJson(code, *row.port, row.oscMHz, row.clockMHz);
  ASSERT_EQ(text.back(), '\n');
  nlohmann::json json = nlohmann::json::parse(text);
  EXPECT_EQ(json["oscillator_mhz"].get<double>(), row.oscMHz);
  EXPECT_EQ(json["uart_clock_mhz"].get<double>(), row.clockMHz);
  if (row.clockText.empty()) {
    EXPECT_TRUE(json["uart_clock"].is_null());
  } else {
    EXPECT_EQ(json["uart_clock"].get<std::string>(), row.clockText);
  }
  EXPECT_EQ(json["wanted_baud"].get<double>(), row.baud);
  EXPECT_EQ(json["mode"].get<std::string>(), InfoOf(row.mode).name);
  EXPECT_EQ(json["n"].get<std::int32_t>(), row.n);
  // Exactly the doubles of the setting, not a rounded text.
  EXPECT_EQ(json["actual_baud"].get<double>(), setting.actualBaud);
  EXPECT_EQ(json["error_ratio"].get<double>(), setting.errorRatio);
  EXPECT_EQ(json["trouble_spot"].get<bool>(), setting.troubleSpot());
  EXPECT_EQ(json["registers"].get<decltype(row.registers)>(), row.registers);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingJsonTest,
    testing::Values(
        JsonCase{"ClassicUsart",
                 ClassicUsart(),
                 4,
                 4,
                 9600,
                 BrgMode::Async8Div16,
                 "",
                 25,
                 {{"SPBRG", 25}, {"TXSTA", 0x24}, {"RCSTA", 0x90}}},
        // UTXEN and URXEN are added to the mode register after UARTEN: the value left is both.
        JsonCase{"AddedBitsKeepTheEarlierWrite",
                 Dspic33cUart(1),
                 16,
                 8,
                 115200,
                 BrgMode::Async16Div4,
                 "UART clock Fp 8 MHz = Fosc 16 MHz / 2",
                 16,
                 {{"U1BRG", 16}, {"U1BRGH", 0}, {"U1MODEH", 0}, {"U1MODE", 0x80B0}}},
        // A quote, a backslash and a control character in a text stay one JSON string.
        JsonCase{"TextsEscaped",
                 Pic24Uart(2),
                 32,
                 16,
                 115200,
                 BrgMode::Async16Div4,
                 "clock \"Fcy\" \\ \t",
                 34,
                 {{"U2BRG", 34}, {"U2MODE", 0x8008}, {"U2STA", 0x0400}}},
        JsonCase{
            "TroubleSpot",
            ClassicUsart(),
            4,
            4,
            1000000,
            BrgMode::Async16Div4,
            "",
            0,
            {{"SPBRGH", 0}, {"SPBRG", 0}, {"BAUDCON", 0x08}, {"TXSTA", 0x24}, {"RCSTA", 0x90}}}),
    [](const testing::TestParamInfo<JsonCase>& info) { return std::string(info.param.name); });

TEST(ValuesLeft, APlainWriteAfterAnAddReplacesIt) {
  std::vector<RegisterWrite> writes(3);
  writes[0] = RegisterWrite{0, "A", 8, 0x01, false, {}, false};
  writes[1] = RegisterWrite{0, "A", 8, 0x10, false, {}, true};
  writes[2] = RegisterWrite{1, "B", 8, 0x02, false, {}, true};
  auto values = ValuesLeft(writes);
  ASSERT_EQ(values.size(), 2U);
  EXPECT_EQ(values[0], std::make_pair(std::string("A"), std::uint32_t{0x11}));
  EXPECT_EQ(values[1], std::make_pair(std::string("B"), std::uint32_t{0x02}));
  writes.push_back(RegisterWrite{0, "A", 8, 0x04, false, {}, false});
  EXPECT_EQ(ValuesLeft(writes)[0].second, 0x04U);
}

}  // namespace
}  // namespace brg::engine
