// The UART of PIC24F, PIC24H, PIC24E, dsPIC33F and dsPIC33E: a 16-bit UxBRG, BRGH in UxMODE bit
// 3 selecting Fcy/(4(n+1)) over Fcy/(16(n+1)), clocked from Fcy = Fosc/2; UARTEN (UxMODE bit 15)
// switches the port on and must be set before UTXEN (UxSTA bit 10); the receiver runs whenever
// the port is on (DS39881 PIC24FJ64GA004 family, UART section: Register 17-1 UxMODE, Register
// 17-2 UxSTA, Equations 17-1 and 17-2; DS70000582 dsPIC33/PIC24 Family Reference Manual, UART).
#include "engine/ports/port_kinds.h"
#include "engine/ports/port_registers.h"

namespace brg::engine {
namespace {

enum Register : std::size_t { kBrg, kMode, kSta };

class Pic24UartPort : public SerialPort {
 public:
  explicit Pic24UartPort(int number) : number_(number) {
    std::string u = "U" + std::to_string(number);
    registers_ = {
        {u + "BRG", {}, 16, {}},
        {u + "MODE",
         {},
         16,
         {{"UARTEN", 15},
          {"USIDL", 13},
          {"IREN", 12},
          {"RTSMD", 11},
          {"UEN1", 9},
          {"UEN0", 8},
          {"WAKE", 7},
          {"LPBACK", 6},
          {"ABAUD", 5},
          {"URXINV", 4},
          {"RXINV", 4},
          {"BRGH", 3},
          {"PDSEL1", 2},
          {"PDSEL0", 1},
          {"STSEL", 0}}},
        {u + "STA",
         {},
         16,
         {{"UTXISEL1", 15},
          {"UTXINV", 14},
          {"UTXISEL0", 13},
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
    return "has the PIC24 UART, whose generator has the modes 16/16 and 16/4 (BRGH)";
  }
  std::string ModeBits(BrgMode mode) const override {
    return std::string("BRGH ") + (InfoOf(mode).brgh ? "1" : "0");
  }
  PortClock Clock() const override { return PortClock{"Fcy", 2, ""}; }
  std::vector<RateColumn> RateColumns() const override {
    return {{registers_[kBrg].name, 0, 16, false}};
  }
  std::string Toolchain() const override { return "XC16"; }
  bool BasicCompiler() const override { return false; }
  const PortDefines* Defines() const override { return nullptr; }
  std::vector<std::string> TransmitRegisters() const override {
    return {"U" + std::to_string(number_) + "TXREG"};
  }

  std::vector<RegisterWrite> Writes(const ModeSetting& setting) const override {
    std::vector<std::string> mode{"UARTEN"};
    if (InfoOf(setting.mode).brgh) {
      mode.push_back("BRGH");
    }
    return {port::Rate(registers_, kBrg, static_cast<std::uint32_t>(setting.n)),
            port::Control(registers_, kMode, mode), port::Control(registers_, kSta, {"UTXEN"})};
  }

  PortReading Read(const RegisterValues& values) const override {
    std::int64_t mode = port::ValueOf(values, kMode);
    PortReading reading;
    reading.rateRegister = kBrg;
    reading.mode = port::BitSet(mode, 3) ? BrgMode::Async16Div4 : BrgMode::Async16Div16;
    reading.n = static_cast<std::int32_t>(port::ValueOf(values, kBrg) & 0xFFFF);
    reading.receiverOn = port::BitSet(mode, 15);  // no receiver enable of its own
    reading.receiverWithThePort = true;
    reading.transmitterOn = reading.receiverOn && port::BitSet(port::ValueOf(values, kSta), 10);
    if (!port::BitSet(mode, 15)) {
      reading.findings.push_back(port::SwitchedOff(kMode, registers_, "UARTEN"));
    } else if (!port::BitSet(port::ValueOf(values, kSta), 10)) {
      reading.transmitterOff = "UTXEN is off in " + registers_[kSta].name;
    }
    return reading;
  }

 private:
  static inline const std::vector<BrgMode> kModes{BrgMode::Async16Div16, BrgMode::Async16Div4};
  int number_;
  std::vector<PortRegister> registers_;
};

}  // namespace

std::shared_ptr<const SerialPort> Pic24Uart(int number) {
  return std::make_shared<Pic24UartPort>(number);
}

}  // namespace brg::engine
