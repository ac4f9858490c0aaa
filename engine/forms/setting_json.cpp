#include "engine/forms/setting_json.h"

#include <algorithm>

#include "core/text.h"

namespace brg::engine {
namespace {

// "  \"key\": value" for a member of the object, members separated by commas.
void Member(std::string& json, const char* key, const std::string& value) {
  json += std::string(json.size() > 2 ? ",\n" : "") + "  " + JsonQuoted(key) + ": " + value;
}

std::string Registers(const std::vector<RegisterWrite>& writes) {
  std::string object = "{";
  bool first = true;
  for (const auto& [name, value] : ValuesLeft(writes)) {
    object += std::string(first ? "\n" : ",\n") + "    " + JsonQuoted(name) + ": " +
              std::to_string(value);
    first = false;
  }
  return object + (first ? "}" : "\n  }");
}

}  // namespace

std::vector<std::pair<std::string, std::uint32_t>> ValuesLeft(
    const std::vector<RegisterWrite>& writes) {
  std::vector<std::pair<std::string, std::uint32_t>> values;
  for (const RegisterWrite& write : writes) {
    auto known = std::find_if(values.begin(), values.end(),
                              [&](const auto& value) { return value.first == write.name; });
    if (known == values.end()) {
      values.emplace_back(write.name, write.value);
    } else {
      known->second = write.addsBits ? known->second | write.value : write.value;
    }
  }
  return values;
}

std::string SettingJson(const CodeSetting& code, const SerialPort& port, double oscMHz,
                        double clockMHz) {
  const ModeSetting& setting = code.setting;
  std::string json = "{\n";
  Member(json, "oscillator_mhz", PlainNumber(oscMHz));
  Member(json, "uart_clock_mhz", PlainNumber(clockMHz));
  Member(json, "uart_clock", code.clockText.empty() ? "null" : JsonQuoted(code.clockText));
  Member(json, "wanted_baud", PlainNumber(code.wanted.baud));
  Member(json, "mode", JsonQuoted(std::string(InfoOf(setting.mode).name)));
  Member(json, "n", std::to_string(setting.n));
  Member(json, "actual_baud", PlainNumber(setting.actualBaud));
  Member(json, "error_ratio", PlainNumber(setting.errorRatio));
  Member(json, "trouble_spot", setting.troubleSpot() ? "true" : "false");
  Member(json, "registers", Registers(port.Writes(setting)));
  return json + "\n}\n";
}

}  // namespace brg::engine
