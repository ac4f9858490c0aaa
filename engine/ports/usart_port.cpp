#include "engine/ports/usart_port.h"

#include <algorithm>

#include "core/text.h"
#include "engine/ports/port_registers.h"

namespace brg::engine {
namespace {

// The registers of a USART's set-up, by their index in the port's list.
enum Register : std::size_t { kTxsta, kRcsta, kSpbrg, kSpbrgh, kBaudcon, kRegisterCount };

// The names parts' headers give each register of the first and the second USART.
struct UsartNames {
  std::vector<const char*> byRegister[kRegisterCount];
};

const UsartNames kUsartNames[] = {
    {{{"TXSTA", "TX1STA", "TXSTA1"},
      {"RCSTA", "RC1STA", "RCSTA1"},
      {"SPBRG", "SPBRGL", "SP1BRG", "SP1BRGL", "SPBRG1"},
      {"SPBRGH", "SP1BRGH", "SPBRGH1"},
      {"BAUDCON", "BAUDCTL", "BAUD1CON", "BAUDCON1"}}},
    {{{"TXSTA2", "TX2STA"},
      {"RCSTA2", "RC2STA"},
      {"SPBRG2", "SP2BRG", "SP2BRGL"},
      {"SPBRGH2", "SP2BRGH"},
      {"BAUDCON2", "BAUD2CON", "BAUDCTL2"}}},
};

// The bits the set-up uses, at the datasheets' positions unless the header says otherwise.
struct UsartBits {
  int txen = 5, brgh = 2, sync = 4, csrc = 7;
  int spen = 7, cren = 4;
  int brg16 = 3;
};

using port::BitSet;

class UsartPort : public SerialPort {
 public:
  UsartPort(int number, std::vector<PortRegister> registers, UsartBits bits)
      : number_(number), registers_(std::move(registers)), bits_(bits) {
    for (BrgMode mode : kAllModes) {
      if (!InfoOf(mode).brg16 || HasBrg16()) {
        modes_.push_back(mode);
      }
    }
    defines_.prefix = number == 1 ? "HSER_" : "HSER" + std::to_string(number) + "_";
    defines_.prefixes = {"HSER_", "HSER2_"};
    defines_.registers = {
        {"RCSTA", kRcsta}, {"TXSTA", kTxsta}, {"SPBRG", kSpbrg}, {"SPBRGH", kSpbrgh}};
    defines_.block = {kRcsta, kTxsta, kSpbrg};
    defines_.others = {"BAUD", "CLROERR"};
    defines_.rate = "BAUD";
    defines_.defaults = {{kRcsta, 0x90}, {kTxsta, 0x20}};
  }

  std::string KindName() const override { return "USART"; }
  int Number() const override { return number_; }
  const std::vector<PortRegister>& Registers() const override { return registers_; }
  const std::vector<BrgMode>& Modes() const override { return modes_; }

  std::string WhyNot(BrgMode) const override {
    return "has no BRG16 (no BAUDCON and SPBRGH in its header)";
  }

  std::string ModeBits(BrgMode mode) const override {
    const ModeInfo& info = InfoOf(mode);
    return "SYNC " + std::to_string(info.sync) + ", BRG16 " + std::to_string(info.brg16) +
           ", BRGH " + std::to_string(info.brgh);
  }

  PortClock Clock() const override { return PortClock{}; }
  std::vector<RateColumn> RateColumns() const override {
    return {{"SPBRGH", 8, 8, true}, {"SPBRG", 0, 8, false}};
  }
  std::string Toolchain() const override { return "XC8"; }
  bool BasicCompiler() const override { return true; }

  std::vector<RegisterWrite> Writes(const ModeSetting& setting) const override {
    const ModeInfo& mode = InfoOf(setting.mode);
    std::vector<RegisterWrite> writes;
    if (mode.brg16) {
      writes.push_back(port::Rate(registers_, kSpbrgh, setting.spbrgh()));
    }
    writes.push_back(port::Rate(registers_, kSpbrg, setting.spbrg()));
    if (mode.brg16) {
      writes.push_back(port::Control(registers_, kBaudcon, {"BRG16"}));
    }
    if (mode.sync) {
      writes.push_back(port::Control(registers_, kTxsta, {"CSRC", "SYNC", "TXEN"}));
      writes.push_back(port::Control(registers_, kRcsta, {"SPEN"}));
    } else {
      writes.push_back(port::Control(
          registers_, kTxsta,
          mode.brgh ? std::vector<std::string>{"TXEN", "BRGH"} : std::vector<std::string>{"TXEN"}));
      writes.push_back(port::Control(registers_, kRcsta, {"SPEN", "CREN"}));
    }
    return writes;
  }

  PortReading Read(const RegisterValues& values) const override {
    std::int64_t txsta = Value(values, kTxsta);
    std::int64_t rcsta = Value(values, kRcsta);
    bool brg16 = BitSet(Value(values, kBaudcon), bits_.brg16);
    PortReading reading;
    reading.rateRegister = kSpbrg;
    CheckSwitches(txsta, rcsta, reading);
    reading.mode = SelectedMode(txsta, brg16);
    if (values[kSpbrg]) {
      reading.n = RegisterPair(values, brg16, reading);
    }
    return reading;
  }

  // The BASIC compiler has DEFINEs for the first two ports only.
  const PortDefines* Defines() const override { return number_ <= 2 ? &defines_ : nullptr; }

 private:
  std::vector<std::string> TransmitRegisters() const override {
    std::string n = std::to_string(number_);
    std::vector<std::string> names{"TXREG" + n, "TX" + n + "REG"};
    if (number_ == 1) {
      names.push_back("TXREG");
    }
    return names;
  }

  bool HasBrg16() const { return registers_[kSpbrgh].present && registers_[kBaudcon].present; }

  static std::int64_t Value(const RegisterValues& values, Register reg) {
    return port::ValueOf(values, reg);
  }

  // The mode that TXSTA and BAUDCON select.
  BrgMode SelectedMode(std::int64_t txsta, bool brg16) const {
    if (BitSet(txsta, bits_.sync)) {
      return brg16 ? BrgMode::Sync16 : BrgMode::Sync8;
    }
    bool brgh = BitSet(txsta, bits_.brgh);
    if (brg16) {
      return brgh ? BrgMode::Async16Div4 : BrgMode::Async16Div16;
    }
    return brgh ? BrgMode::Async8Div16 : BrgMode::Async8Div64;
  }

  void CheckSwitches(std::int64_t txsta, std::int64_t rcsta, PortReading& reading) const {
    bool sync = BitSet(txsta, bits_.sync);
    if (!BitSet(rcsta, bits_.spen)) {
      reading.findings.push_back(
          {kRcsta, FindingKind::Fault, "SPEN is off in RCSTA: the port stays switched off"});
    }
    reading.receiverOn = BitSet(rcsta, bits_.spen) && BitSet(rcsta, bits_.cren) && !sync;
    reading.transmitterOn = BitSet(rcsta, bits_.spen) && BitSet(txsta, bits_.txen) && !sync;
    if (!BitSet(txsta, bits_.txen) && BitSet(rcsta, bits_.spen)) {
      reading.transmitterOff = "TXEN is off in " + registers_[kTxsta].name;
    }
    if (!BitSet(txsta, bits_.txen) && !BitSet(rcsta, bits_.cren) && !sync) {
      reading.findings.push_back(
          {kTxsta, FindingKind::Fault,
           "neither TXEN (TXSTA) nor CREN (RCSTA) is on: the port neither sends nor receives"});
    }
  }

  // n from SPBRG and, with BRG16 on, SPBRGH.
  std::int32_t RegisterPair(const RegisterValues& values, bool brg16, PortReading& reading) const {
    std::int64_t low = Value(values, kSpbrg);
    std::int64_t high = Value(values, kSpbrgh);
    if (!brg16) {
      if (high != 0) {
        reading.findings.push_back(
            {kSpbrgh, FindingKind::Fault,
             "SPBRGH is " + std::to_string(high) + " while BRG16 is off: it is not used"});
      }
      return static_cast<std::int32_t>(low & 0xFF);  // the register keeps the low byte
    }
    if (low > 0xFF && !values[kSpbrgh]) {
      reading.findings.push_back(
          {kSpbrg, FindingKind::Fault,
           "n = " + std::to_string(low) + " is above 255 with BRG16 on, but no SPBRGH is written"});
    }
    return static_cast<std::int32_t>(((high & 0xFF) << 8) | (low & 0xFF));
  }

  int number_;
  std::vector<PortRegister> registers_;
  UsartBits bits_;
  std::vector<BrgMode> modes_;
  PortDefines defines_;
};

std::vector<std::string> Aliases(int number, Register reg) {
  if (number <= 2) {
    const std::vector<const char*>& names = kUsartNames[number - 1].byRegister[reg];
    return std::vector<std::string>(names.begin(), names.end());
  }
  std::string u = std::to_string(number);
  switch (reg) {
    case kTxsta:
      return {"TX" + u + "STA", "TXSTA" + u};
    case kRcsta:
      return {"RC" + u + "STA", "RCSTA" + u};
    case kSpbrg:
      return {"SP" + u + "BRGL", "SP" + u + "BRG", "SPBRG" + u};
    case kSpbrgh:
      return {"SP" + u + "BRGH", "SPBRGH" + u};
    default:
      return {"BAUD" + u + "CON", "BAUDCON" + u};
  }
}

// The bits of the set-up that the port's writes and reads use, by register.
// Every named bit of a register, at the datasheets' positions, the set-up's own bits at the
// positions of the part's header, and each name also with the port's number after it (TXEN2,
// BRGH1), as the headers of the parts with two ports name them.
std::vector<PortBit> NamedBits(Register reg, const UsartBits& bits, int number) {
  std::vector<PortBit> named;
  switch (reg) {
    case kTxsta:
      named = {{"CSRC", bits.csrc}, {"TX9", 6},   {"TXEN", bits.txen}, {"SYNC", bits.sync},
               {"SENDB", 3},        {"SENB", 3},  {"BRGH", bits.brgh}, {"TRMT", 1},
               {"TX9D", 0},         {"TX8_9", 6}, {"TXD8", 0}};
      break;
    case kRcsta:
      named = {{"SPEN", bits.spen}, {"RX9", 6},   {"SREN", 5}, {"CREN", bits.cren},
               {"ADDEN", 3},        {"ADEN", 3},  {"FERR", 2}, {"OERR", 1},
               {"RX9D", 0},         {"RC8_9", 6}, {"RCD8", 0}};
      break;
    case kBaudcon:
      named = {{"ABDOVF", 7}, {"RCIDL", 6},          {"RCMT", 6},  {"DTRXP", 5},
               {"RXDTP", 5},  {"RXCKP", 5},          {"CKTXP", 4}, {"SCKP", 4},
               {"TXCKP", 4},  {"BRG16", bits.brg16}, {"WUE", 1},   {"ABDEN", 0}};
      break;
    default:
      return {};
  }
  std::size_t plain = named.size();
  for (std::size_t i = 0; i < plain; ++i) {
    named.push_back(PortBit{named[i].name + std::to_string(number), named[i].position});
  }
  return named;
}

std::vector<PortRegister> Registers(int number, const std::string (&names)[kRegisterCount],
                                    const UsartBits& bits) {
  std::vector<PortRegister> registers;
  for (std::size_t reg = 0; reg < kRegisterCount; ++reg) {
    auto role = static_cast<Register>(reg);
    registers.push_back(PortRegister{names[reg], Aliases(number, role), 8,
                                     NamedBits(role, bits, number), !names[reg].empty()});
  }
  return registers;
}

// The header's own bit names first, so that its positions count.
void AddHeaderBits(const RegisterMap& header, std::vector<PortRegister>& registers) {
  for (PortRegister& reg : registers) {
    if (!reg.present) {
      continue;
    }
    std::vector<PortBit> bits = header.BitsOf(reg.name);
    for (const PortBit& bit : reg.bits) {
      bool known = std::any_of(bits.begin(), bits.end(), [&](const PortBit& other) {
        return Upper(other.name) == Upper(bit.name);
      });
      if (!known) {
        bits.push_back(bit);
      }
    }
    reg.bits = std::move(bits);
  }
}

std::shared_ptr<const SerialPort> UsartInHeader(const RegisterMap& header, int number) {
  const UsartNames& candidates = kUsartNames[number - 1];
  std::string names[kRegisterCount];
  for (std::size_t reg = 0; reg < kRegisterCount; ++reg) {
    names[reg] = header.FirstDefined(candidates.byRegister[reg]);
  }
  if (names[kTxsta].empty() || names[kRcsta].empty() || names[kSpbrg].empty()) {
    return nullptr;
  }
  UsartBits bits;
  auto bit = [&](Register reg, const char* name, int& position) {
    if (std::optional<int> found = header.BitOf(names[reg], name)) {
      position = *found;
    }
  };
  bit(kTxsta, "TXEN", bits.txen);
  bit(kTxsta, "BRGH", bits.brgh);
  bit(kTxsta, "SYNC", bits.sync);
  bit(kTxsta, "CSRC", bits.csrc);
  bit(kRcsta, "SPEN", bits.spen);
  bit(kRcsta, "CREN", bits.cren);
  std::optional<int> brg16;
  if (!names[kSpbrgh].empty() && !names[kBaudcon].empty()) {
    brg16 = header.BitOf(names[kBaudcon], "BRG16");
  }
  if (brg16) {
    bits.brg16 = *brg16;
  } else {
    names[kSpbrgh].clear();
    names[kBaudcon].clear();
  }
  std::vector<PortRegister> registers = Registers(number, names, bits);
  AddHeaderBits(header, registers);
  return std::make_shared<UsartPort>(number, std::move(registers), bits);
}

}  // namespace

std::shared_ptr<const SerialPort> ClassicUsart(int number) {
  std::string u = number == 1 ? "" : std::to_string(number);
  const std::string names[kRegisterCount] = {"TXSTA" + u, "RCSTA" + u, "SPBRG" + u, "SPBRGH" + u,
                                             "BAUDCON" + u};
  UsartBits bits;
  return std::make_shared<UsartPort>(number, Registers(number, names, bits), bits);
}

std::shared_ptr<const SerialPort> NumberedEusart(int number) {
  std::string u = std::to_string(number);
  const std::string names[kRegisterCount] = {"TX" + u + "STA", "RC" + u + "STA", "SP" + u + "BRGL",
                                             "SP" + u + "BRGH", "BAUD" + u + "CON"};
  UsartBits bits;
  return std::make_shared<UsartPort>(number, Registers(number, names, bits), bits);
}

std::vector<std::shared_ptr<const SerialPort>> UsartsInHeader(const RegisterMap& header) {
  std::vector<std::shared_ptr<const SerialPort>> ports;
  for (int number : {1, 2}) {
    if (std::shared_ptr<const SerialPort> port = UsartInHeader(header, number)) {
      ports.push_back(port);
    }
  }
  return ports;
}

bool DeclaresUsartStatusRegister(std::string_view headerLine) {
  return headerLine.rfind("TXSTA", 0) == 0 || headerLine.rfind("TX1STA", 0) == 0;
}

}  // namespace brg::engine
