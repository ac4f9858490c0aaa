#include "engine/forms/code_forms.h"

#include <algorithm>

#include "core/define_export.h"
#include "core/display_formats.h"
#include "core/text.h"
#include "engine/errors.h"

namespace brg::engine {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string Hex(const RegisterWrite& write, const char* prefix) {
  return prefix + HexValue(write.value, write.width).substr(2);
}

std::string ValueText(const RegisterWrite& write, const char* hexPrefix) {
  return write.rate ? std::to_string(write.value) : Hex(write, hexPrefix);
}

bool InBlock(const PortDefines& defines, const RegisterWrite& write) {
  return std::find(defines.block.begin(), defines.block.end(), write.reg) != defines.block.end();
}

const PortDefines::Name* DefineOf(const PortDefines& defines, const RegisterWrite& write) {
  for (const PortDefines::Name& name : defines.registers) {
    if (name.reg == write.reg) {
      return &name;
    }
  }
  return nullptr;
}

}  // namespace

std::string DefinesForm(const CodeSetting& code, const SerialPort& port, bool cloerr) {
  const ModeInfo& mode = InfoOf(code.setting.mode);
  const PortDefines* defines = port.Defines();
  if (!port.BasicCompiler()) {
    throw InputError("the BASIC compiler writes code for 8-bit parts only: give --format c (" +
                     port.Toolchain() + ")");
  }
  if (defines == nullptr) {
    throw InputError("the BASIC compiler has no DEFINEs for " + port.KindName() + " " +
                     std::to_string(port.Number()) +
                     " of this part: give --format basic-registers or c (" + port.Toolchain() +
                     ")");
  }
  if (mode.sync) {
    throw InputError(
        "the DEFINEs set up the asynchronous port: give --format basic-registers, c or asm "
        "for a synchronous mode");
  }
  std::string prefix = defines->prefix.substr(0, defines->prefix.size() - 1);
  std::vector<RegisterWrite> writes = port.Writes(code.setting);
  std::string extra;
  for (const RegisterWrite& write : writes) {
    if (InBlock(*defines, write)) {
      continue;
    }
    if (const PortDefines::Name* name = DefineOf(*defines, write)) {
      extra +=
          "DEFINE " + defines->prefix + name->define + " " + std::to_string(write.value) + kCrLf;
      continue;
    }
    for (const PortBit& bit : write.bits) {
      extra += write.name + "." + std::to_string(bit.position) + " = 1" + kCrLf;
    }
  }
  std::string block = extra.empty() ? "" : "' " + SummaryLine(code) + kCrLf;
  block += DefineBlock(mode.brgh, std::to_string(code.setting.spbrg()), code.wanted.text, prefix);
  block += extra;
  if (cloerr) {
    block += OverrunClearLine(prefix);
  }
  return block;
}

std::string BasicRegistersForm(const CodeSetting& code, const SerialPort& port) {
  if (!port.BasicCompiler()) {
    throw InputError("the BASIC compiler writes code for 8-bit parts only: give --format c (" +
                     port.Toolchain() + ")");
  }
  std::string line;
  for (const RegisterWrite& write : port.Writes(code.setting)) {
    line += (line.empty() ? "" : " : ") + write.name + " = " +
            (write.addsBits ? write.name + " | " : "") + ValueText(write, "$");
  }
  return "' " + SummaryLine(code) + "\n" + line + "\n";
}

std::string CForm(const CodeSetting& code, const SerialPort& port) {
  std::string text = "// " + SummaryLine(code) + "\n";
  for (const RegisterWrite& write : port.Writes(code.setting)) {
    text += write.name + (write.addsBits ? " |= " : " = ") + ValueText(write, "0x") + ";";
    if (!write.bits.empty()) {
      text += " //";
      for (const PortBit& bit : write.bits) {
        text += " " + bit.name;
      }
    }
    text += "\n";
  }
  return text;
}

std::string AsmForm(const CodeSetting& code, const SerialPort& port) {
  return "; " + SummaryLine(code) + "\n" + AsmRegisterWrites(code.setting, port);
}

std::string AsmRegisterWrites(const ModeSetting& setting, const SerialPort& port) {
  std::string text;
  for (const RegisterWrite& write : port.Writes(setting)) {
    std::string literal = write.rate ? "D'" + std::to_string(write.value) + "'"
                                     : "H'" + HexValue(write.value, write.width).substr(2) + "'";
    text += "    banksel " + write.name + "\n";
    text += "    movlw   " + literal + "\n";
    text += "    movwf   " + write.name + "\n";
  }
  return text;
}

std::string RegistersText(const std::vector<RegisterWrite>& writes) {
  std::string text;
  for (const RegisterWrite& write : writes) {
    text += (text.empty() ? "" : " ") + write.name + (write.addsBits ? "|=" : "=") +
            (write.rate ? std::to_string(write.value) : HexValue(write.value, write.width));
  }
  return text;
}

std::string SummaryLine(const CodeSetting& code) {
  Separators plain;
  return code.oscText + " MHz, " + code.wanted.text +
         " baud wanted: " + FormatBaudRate(code.setting.actualBaud, plain) + " baud real, error " +
         FormatErrorPercent(code.setting.errorRatio, plain) + ", mode " +
         std::string(InfoOf(code.setting.mode).name) +
         (code.clockText.empty() ? "" : "; " + code.clockText);
}

}  // namespace brg::engine
