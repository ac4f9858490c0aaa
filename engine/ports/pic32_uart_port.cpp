// The UART of PIC32MX, PIC32MZ and PIC32MK: a 16-bit UxBRG in a 32-bit register, BRGH in UxMODE
// bit 3 selecting PBCLK/(4(n+1)) over PBCLK/(16(n+1)); ON (UxMODE bit 15) switches the port on,
// then UTXEN and URXEN (UxSTA bits 10 and 12) enable its directions (PIC32 Family Reference
// Manual DS61107, Section 21 UART: Control Registers, UART Baud Rate Generator; PIC32MX3XX/4XX
// DS61143, UART Baud Rate Generator).
#include "engine/ports/port_kinds.h"
#include "engine/ports/port_registers.h"

namespace brg::engine {
namespace {

enum Register : std::size_t { kBrg, kMode, kSta };

class Pic32UartPort : public SerialPort {
 public:
  Pic32UartPort(int number, PortClock clock) : number_(number), clock_(std::move(clock)) {
    std::string u = "U" + std::to_string(number);
    registers_ = {
        {u + "BRG", {}, 32, {}},
        {u + "MODE",
         {},
         32,
         {{"ON", 15},
          {"FRZ", 14},
          {"SIDL", 13},
          {"IREN", 12},
          {"RTSMD", 11},
          {"UEN1", 9},
          {"UEN0", 8},
          {"WAKE", 7},
          {"LPBACK", 6},
          {"ABAUD", 5},
          {"RXINV", 4},
          {"BRGH", 3},
          {"PDSEL1", 2},
          {"PDSEL0", 1},
          {"STSEL", 0}}},
        {u + "STA",
         {},
         32,
         {{"ADM_EN", 24},
          {"UTXISEL1", 15},
          {"UTXISEL0", 14},
          {"UTXINV", 13},
          {"URXEN", 12},
          {"UTXBRK", 11},
          {"UTXEN", 10},
          {"UTXBF", 9},
          {"TRMT", 8},
          {"URXISEL1", 7},
          {"URXISEL0", 6},
          {"ADDEN", 5},
          {"RIDLE", 4},
          {"PERR", 3},
          {"FERR", 2},
          {"OERR", 1},
          {"URXDA", 0}}},
    };
  }

  std::string KindName() const override { return "UART"; }
  int Number() const override { return number_; }
  const std::vector<PortRegister>& Registers() const override { return registers_; }
  const std::vector<BrgMode>& Modes() const override { return kModes; }
  std::string WhyNot(BrgMode) const override {
    return "has the PIC32 UART, whose generator has the modes 16/16 and 16/4 (BRGH)";
  }
  std::string ModeBits(BrgMode mode) const override {
    return std::string("BRGH ") + (InfoOf(mode).brgh ? "1" : "0");
  }
  PortClock Clock() const override { return clock_; }
  std::vector<RateColumn> RateColumns() const override {
    return {{registers_[kBrg].name, 0, 16, false}};
  }
  std::string Toolchain() const override { return "XC32"; }
  bool BasicCompiler() const override { return false; }
  const PortDefines* Defines() const override { return nullptr; }
  std::vector<std::string> TransmitRegisters() const override {
    return {"U" + std::to_string(number_) + "TXREG"};
  }

  std::vector<RegisterWrite> Writes(const ModeSetting& setting) const override {
    std::vector<std::string> mode{"ON"};
    if (InfoOf(setting.mode).brgh) {
      mode.push_back("BRGH");
    }
    return {port::Rate(registers_, kBrg, static_cast<std::uint32_t>(setting.n)),
            port::Control(registers_, kMode, mode),
            port::Control(registers_, kSta, {"UTXEN", "URXEN"})};
  }

  PortReading Read(const RegisterValues& values) const override {
    std::int64_t mode = port::ValueOf(values, kMode);
    std::int64_t sta = port::ValueOf(values, kSta);
    PortReading reading;
    reading.rateRegister = kBrg;
    reading.mode = port::BitSet(mode, 3) ? BrgMode::Async16Div4 : BrgMode::Async16Div16;
    reading.n = static_cast<std::int32_t>(port::ValueOf(values, kBrg) & 0xFFFF);
    if (!port::BitSet(mode, 15)) {
      reading.findings.push_back(port::SwitchedOff(kMode, registers_, "ON"));
    }
    reading.receiverOn = port::BitSet(mode, 15) && port::BitSet(sta, 12);
    reading.transmitterOn = port::BitSet(mode, 15) && port::BitSet(sta, 10);
    if (!port::BitSet(sta, 10) && port::BitSet(mode, 15)) {
      reading.transmitterOff = "UTXEN is off in " + registers_[kSta].name;
    }
    if (!port::BitSet(sta, 10) && !port::BitSet(sta, 12)) {
      reading.findings.push_back({kSta, FindingKind::Fault,
                                  "neither UTXEN nor URXEN is on in " + registers_[kSta].name +
                                      ": the port neither sends nor receives"});
    }
    return reading;
  }

 private:
  static inline const std::vector<BrgMode> kModes{BrgMode::Async16Div16, BrgMode::Async16Div4};
  int number_;
  PortClock clock_;
  std::vector<PortRegister> registers_;
};

}  // namespace

std::shared_ptr<const SerialPort> Pic32Uart(int number, double pbdiv, const std::string& busName,
                                            const std::string& note) {
  return std::make_shared<Pic32UartPort>(number, PortClock{busName, pbdiv, note});
}

}  // namespace brg::engine
