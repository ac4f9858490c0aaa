// The UART of the newer PIC18 parts (K42, K83, Q40/41, Q43, Q83/84, Q71, Q24/Q20): a 16-bit
// generator in UxBRGH:UxBRGL (XC8 also names the pair UxBRG), BRGS in UxCON0 bit 7 selecting
// Fosc/(4(n+1)) over Fosc/(16(n+1)), TXEN and RXEN in UxCON0, the port switched on by ON in
// UxCON1; UxBRG may only be written while ON is clear (DS40002147, UART sections: UxCON0,
// UxCON1, UxBRG; Baud Rate Generator, Table "Baud Rate Formulas").
#include "engine/ports/port_kinds.h"
#include "engine/ports/port_registers.h"

namespace brg::engine {
namespace {

enum Register : std::size_t { kBrgh, kBrgl, kBrg, kCon0, kCon1 };

class Pic18UartPort : public SerialPort {
 public:
  explicit Pic18UartPort(int number) : number_(number) {
    std::string u = "U" + std::to_string(number);
    registers_ = {
        {u + "BRGH", {}, 8, {}},
        {u + "BRGL", {}, 8, {}},
        {u + "BRG", {}, 16, {}},  // the pair as XC8 names it
        {u + "CON0",
         {},
         8,
         {{"BRGS", 7},
          {"ABDEN", 6},
          {"TXEN", 5},
          {"RXEN", 4},
          {"MODE3", 3},
          {"MODE2", 2},
          {"MODE1", 1},
          {"MODE0", 0}}},
        {u + "CON1", {}, 8, {{"ON", 7}, {"WUE", 4}, {"RXBIMD", 3}, {"BRKOVR", 1}, {"SENDB", 0}}},
    };
  }

  std::string KindName() const override { return "UART"; }
  int Number() const override { return number_; }
  const std::vector<PortRegister>& Registers() const override { return registers_; }
  const std::vector<BrgMode>& Modes() const override { return kModes; }
  std::string WhyNot(BrgMode) const override {
    return "has the PIC18 UART, whose generator has the modes 16/16 and 16/4 (BRGS)";
  }
  std::string ModeBits(BrgMode mode) const override {
    return std::string("BRGS ") + (InfoOf(mode).brgh ? "1" : "0");
  }
  PortClock Clock() const override { return PortClock{}; }
  std::vector<RateColumn> RateColumns() const override {
    return {{registers_[kBrgh].name, 8, 8, false}, {registers_[kBrgl].name, 0, 8, false}};
  }
  std::string Toolchain() const override { return "XC8"; }
  bool BasicCompiler() const override { return true; }
  const PortDefines* Defines() const override { return nullptr; }
  std::vector<std::string> TransmitRegisters() const override {
    return {"U" + std::to_string(number_) + "TXB"};
  }

  std::vector<RegisterWrite> Writes(const ModeSetting& setting) const override {
    std::vector<std::string> control{"TXEN", "RXEN"};
    if (InfoOf(setting.mode).brgh) {
      control.push_back("BRGS");
    }
    return {port::Rate(registers_, kBrgh, setting.spbrgh()),
            port::Rate(registers_, kBrgl, setting.spbrg()),
            port::Control(registers_, kCon0, control), port::Control(registers_, kCon1, {"ON"})};
  }

  PortReading Read(const RegisterValues& values) const override {
    std::int64_t con0 = port::ValueOf(values, kCon0);
    PortReading reading;
    reading.rateRegister = values[kBrg] ? kBrg : kBrgl;
    reading.mode = port::BitSet(con0, 7) ? BrgMode::Async16Div4 : BrgMode::Async16Div16;
    std::int64_t n = values[kBrg]
                         ? port::ValueOf(values, kBrg)
                         : (port::ValueOf(values, kBrgh) << 8) | port::ValueOf(values, kBrgl);
    reading.n = static_cast<std::int32_t>(n & 0xFFFF);
    if (!port::BitSet(port::ValueOf(values, kCon1), 7)) {
      reading.findings.push_back(port::SwitchedOff(kCon1, registers_, "ON"));
    }
    bool on = port::BitSet(port::ValueOf(values, kCon1), 7);
    reading.receiverOn = on && port::BitSet(con0, 4);
    reading.transmitterOn = on && port::BitSet(con0, 5);
    if (!port::BitSet(con0, 5) && port::BitSet(port::ValueOf(values, kCon1), 7)) {
      reading.transmitterOff = "TXEN is off in " + registers_[kCon0].name;
    }
    if (!port::BitSet(con0, 5) && !port::BitSet(con0, 4)) {
      reading.findings.push_back({kCon0, FindingKind::Fault,
                                  "neither TXEN nor RXEN is on in " + registers_[kCon0].name +
                                      ": the port neither sends nor receives"});
    }
    if ((con0 & 0x0F) != 0) {
      reading.findings.push_back({kCon0, FindingKind::Note,
                                  "MODE in " + registers_[kCon0].name + " is " +
                                      std::to_string(con0 & 0x0F) +
                                      ", not 0 (asynchronous 8-bit): a protocol or parity mode"});
    }
    return reading;
  }

 private:
  static inline const std::vector<BrgMode> kModes{BrgMode::Async16Div16, BrgMode::Async16Div4};
  int number_;
  std::vector<PortRegister> registers_;
};

}  // namespace

std::shared_ptr<const SerialPort> Pic18Uart(int number) {
  return std::make_shared<Pic18UartPort>(number);
}

}  // namespace brg::engine
