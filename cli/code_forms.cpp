#include "cli/code_forms.h"

#include "cli/columns.h"
#include "core/define_export.h"

namespace brg::cli {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string Hex(std::uint8_t value, const char* prefix) {
  std::string hex = HexByte(value).substr(2);
  return prefix + hex;
}

}  // namespace

std::string DefinesForm(const CodeSetting& code, const UsartProfile& usart, bool cloerr) {
  const ModeInfo& mode = InfoOf(code.setting.mode);
  std::string prefix = usart.number == 1 ? "HSER" : "HSER2";
  std::string block;
  if (mode.brg16) {
    block += "' " + SummaryLine(code) + kCrLf;
  }
  block += DefineBlock(mode.brgh, std::to_string(code.setting.spbrg()), code.wanted.text, prefix);
  if (mode.brg16) {
    block += "DEFINE " + prefix + "_SPBRGH " + std::to_string(code.setting.spbrgh()) + kCrLf;
    block += usart.baudcon + "." + std::to_string(usart.brg16) + " = 1" + kCrLf;
  }
  if (cloerr) {
    block += OverrunClearLine(prefix);
  }
  return block;
}

std::string BasicRegistersForm(const CodeSetting& code, const UsartProfile& usart) {
  std::string line;
  for (const RegisterWrite& write : RegisterWrites(code.setting, usart)) {
    line += (line.empty() ? "" : " : ") + write.name + " = " +
            (write.bits.empty() ? std::to_string(write.value) : Hex(write.value, "$"));
  }
  return "' " + SummaryLine(code) + "\n" + line + "\n";
}

std::string CForm(const CodeSetting& code, const UsartProfile& usart) {
  std::string text = "// " + SummaryLine(code) + "\n";
  for (const RegisterWrite& write : RegisterWrites(code.setting, usart)) {
    text += write.name + " = ";
    if (write.bits.empty()) {
      text += std::to_string(write.value) + ";\n";
      continue;
    }
    text += Hex(write.value, "0x") + "; //";
    for (const std::string& bit : write.bits) {
      text += " " + bit;
    }
    text += "\n";
  }
  return text;
}

std::string AsmForm(const CodeSetting& code, const UsartProfile& usart) {
  std::string text = "; " + SummaryLine(code) + "\n";
  for (const RegisterWrite& write : RegisterWrites(code.setting, usart)) {
    std::string literal = write.bits.empty() ? "D'" + std::to_string(write.value) + "'"
                                             : "H'" + HexByte(write.value).substr(2) + "'";
    text += "    banksel " + write.name + "\n";
    text += "    movlw   " + literal + "\n";
    text += "    movwf   " + write.name + "\n";
  }
  return text;
}

}  // namespace brg::cli
