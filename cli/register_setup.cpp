#include "cli/register_setup.h"

#include <algorithm>

#include "cli/columns.h"
#include "core/display_formats.h"

namespace brg::cli {
namespace {

struct Bit {
  const char* name;
  int position;
};

RegisterWrite Control(const std::string& name, std::vector<Bit> set) {
  RegisterWrite write{name, 0, {}};
  std::sort(set.begin(), set.end(), [](Bit a, Bit b) { return a.position > b.position; });
  for (const Bit& bit : set) {
    write.value = static_cast<std::uint8_t>(write.value | (1U << bit.position));
    write.bits.emplace_back(bit.name);
  }
  return write;
}

}  // namespace

std::vector<RegisterWrite> RegisterWrites(const ModeSetting& setting, const UsartProfile& usart) {
  const ModeInfo& mode = InfoOf(setting.mode);
  std::vector<RegisterWrite> writes;
  if (mode.brg16) {
    writes.push_back(RegisterWrite{usart.spbrgh, setting.spbrgh(), {}});
  }
  writes.push_back(RegisterWrite{usart.spbrg, setting.spbrg(), {}});
  if (mode.brg16) {
    writes.push_back(Control(usart.baudcon, {{"BRG16", usart.brg16}}));
  }
  if (mode.sync) {
    writes.push_back(
        Control(usart.txsta, {{"CSRC", usart.csrc}, {"SYNC", usart.sync}, {"TXEN", usart.txen}}));
    writes.push_back(Control(usart.rcsta, {{"SPEN", usart.spen}}));
  } else {
    std::vector<Bit> transmit{{"TXEN", usart.txen}};
    if (mode.brgh) {
      transmit.push_back({"BRGH", usart.brgh});
    }
    writes.push_back(Control(usart.txsta, transmit));
    writes.push_back(Control(usart.rcsta, {{"SPEN", usart.spen}, {"CREN", usart.cren}}));
  }
  return writes;
}

nlohmann::ordered_json JsonRegisters(const std::vector<RegisterWrite>& writes) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (const RegisterWrite& write : writes) {
    json[write.name] = write.value;
  }
  return json;
}

std::string RegistersText(const std::vector<RegisterWrite>& writes) {
  std::string text;
  for (const RegisterWrite& write : writes) {
    text += (text.empty() ? "" : " ") + write.name + "=" +
            (write.bits.empty() ? std::to_string(write.value) : HexByte(write.value));
  }
  return text;
}

ModeSetting WindowModeSetting(bool brgh, std::int32_t spbrg, double actualBaud, double errorRatio) {
  ModeSetting setting;
  setting.mode = brgh ? BrgMode::Async8Div16 : BrgMode::Async8Div64;
  setting.n = spbrg;
  setting.actualBaud = actualBaud;
  setting.errorRatio = errorRatio;
  return setting;
}

std::string SummaryLine(const CodeSetting& code) {
  Separators plain;
  return code.oscText + " MHz, " + code.wanted.text +
         " baud wanted: " + FormatBaudRate(code.setting.actualBaud, plain) + " baud real, error " +
         FormatErrorPercent(code.setting.errorRatio, plain) + ", mode " +
         std::string(InfoOf(code.setting.mode).name);
}

}  // namespace brg::cli
