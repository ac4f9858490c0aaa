// The multiprotocol UART of dsPIC33CK and dsPIC33CH: a 20-bit generator in UxBRGH:UxBRG (UxBRGH
// holds bits 19:16), BRGH in UxMODE bit 7 selecting clock/(4(n+1)) over clock/(16(n+1)), and
// with BCLKMOD in UxMODEH bit 11 the fractional generator, clock/n; BCLKSEL (UxMODEH bits 10:9)
// picks the clock: 00 Fosc/2 (the reset value), 10 Fosc, 11 AFVCO/3. UARTEN, UTXEN and URXEN
// all sit in UxMODE (dsPIC33CK512MP608 family datasheet DS70005452, UART: UARTx Configuration
// Register and Configuration Register High; Family Reference Manual DS70005288).
#include "engine/ports/port_kinds.h"
#include "engine/ports/port_registers.h"

namespace brg::engine {
namespace {

enum Register : std::size_t { kBrg, kBrgh, kModeh, kMode };

constexpr std::int32_t kLargestN = (1 << 20) - 1;

class Dspic33cUartPort : public SerialPort {
 public:
  explicit Dspic33cUartPort(int number) : number_(number) {
    std::string u = "U" + std::to_string(number);
    registers_ = {
        {u + "BRG", {}, 16, {}},
        {u + "BRGH", {}, 16, {}},
        {u + "MODEH",
         {},
         16,
         {{"SLPEN", 15},
          {"ACTIVE", 14},
          {"BCLKMOD", 11},
          {"BCLKSEL1", 10},
          {"BCLKSEL0", 9},
          {"HALFDPLX", 8},
          {"RUNOVF", 7},
          {"URXINV", 6},
          {"STSEL1", 5},
          {"STSEL0", 4},
          {"C0EN", 3},
          {"UTXINV", 2},
          {"FLO1", 1},
          {"FLO0", 0}}},
        {u + "MODE",
         {},
         16,
         {{"UARTEN", 15},
          {"USIDL", 13},
          {"WAKE", 12},
          {"RXBIMD", 11},
          {"BRKOVR", 9},
          {"UTXBRK", 8},
          {"BRGH", 7},
          {"ABAUD", 6},
          {"UTXEN", 5},
          {"URXEN", 4},
          {"MOD3", 3},
          {"MOD2", 2},
          {"MOD1", 1},
          {"MOD0", 0}}},
    };
  }

  std::string KindName() const override { return "UART"; }
  int Number() const override { return number_; }
  const std::vector<PortRegister>& Registers() const override { return registers_; }
  const std::vector<BrgMode>& Modes() const override { return kModes; }
  std::string WhyNot(BrgMode) const override {
    return "has the dsPIC33C UART, whose generator has the modes 16/16, 16/4 (BRGH) and frac "
           "(BCLKMOD)";
  }
  std::string ModeBits(BrgMode mode) const override {
    if (mode == BrgMode::Fractional) {
      return "BCLKMOD 1";
    }
    return std::string("BCLKMOD 0, BRGH ") + (InfoOf(mode).brgh ? "1" : "0");
  }
  PortClock Clock() const override { return PortClock{"Fp", 2, "BCLKSEL 00, the reset value"}; }
  BrgRange RangeOf(BrgMode mode) const override {
    return BrgRange{mode == BrgMode::Fractional ? InfoOf(mode).nMin : 0, kLargestN};
  }
  std::vector<RateColumn> RateColumns() const override {
    return {{registers_[kBrgh].name, 16, 4, false}, {registers_[kBrg].name, 0, 16, false}};
  }
  std::string Toolchain() const override { return "XC16"; }
  bool BasicCompiler() const override { return false; }
  const PortDefines* Defines() const override { return nullptr; }
  std::vector<std::string> TransmitRegisters() const override {
    return {"U" + std::to_string(number_) + "TXREG"};
  }

  // The rate registers, the clock, then UARTEN before UTXEN and URXEN.
  std::vector<RegisterWrite> Writes(const ModeSetting& setting) const override {
    auto n = static_cast<std::uint32_t>(setting.n);
    std::vector<std::string> mode{"UARTEN"};
    if (InfoOf(setting.mode).brgh) {
      mode.push_back("BRGH");
    }
    return {port::Rate(registers_, kBrg, n & 0xFFFF), port::Rate(registers_, kBrgh, n >> 16),
            port::Control(registers_, kModeh,
                          setting.mode == BrgMode::Fractional ? std::vector<std::string>{"BCLKMOD"}
                                                              : std::vector<std::string>{}),
            port::Control(registers_, kMode, mode),
            port::AddBits(registers_, kMode, {"UTXEN", "URXEN"})};
  }

  PortReading Read(const RegisterValues& values) const override {
    std::int64_t mode = port::ValueOf(values, kMode);
    std::int64_t modeh = port::ValueOf(values, kModeh);
    PortReading reading;
    reading.rateRegister = kBrg;
    reading.mode = port::BitSet(modeh, 11) ? BrgMode::Fractional
                   : port::BitSet(mode, 7) ? BrgMode::Async16Div4
                                           : BrgMode::Async16Div16;
    reading.n = static_cast<std::int32_t>(((port::ValueOf(values, kBrgh) & 0x0F) << 16) |
                                          (port::ValueOf(values, kBrg) & 0xFFFF));
    ReadClock(modeh, reading);
    if (std::int64_t low = port::ValueOf(values, kBrg); low > 0xFFFF && !values[kBrgh]) {
      reading.findings.push_back({kBrg, FindingKind::Fault,
                                  "n = " + std::to_string(low) + " is above 65535, but no " +
                                      registers_[kBrgh].name + " is written"});
    }
    if (!port::BitSet(mode, 15)) {
      reading.findings.push_back(port::SwitchedOff(kMode, registers_, "UARTEN"));
    }
    reading.receiverOn = port::BitSet(mode, 15) && port::BitSet(mode, 4);
    reading.transmitterOn = port::BitSet(mode, 15) && port::BitSet(mode, 5);
    if (!port::BitSet(mode, 5) && port::BitSet(mode, 15)) {
      reading.transmitterOff = "UTXEN is off in " + registers_[kMode].name;
    }
    if (!port::BitSet(mode, 5) && !port::BitSet(mode, 4)) {
      reading.findings.push_back({kMode, FindingKind::Fault,
                                  "neither UTXEN nor URXEN is on in " + registers_[kMode].name +
                                      ": the port neither sends nor receives"});
    }
    if (reading.mode == BrgMode::Fractional && reading.n < InfoOf(BrgMode::Fractional).nMin) {
      reading.findings.push_back({kBrg, FindingKind::Fault,
                                  "n = " + std::to_string(reading.n) +
                                      " is below 16, the least the fractional generator takes"});
    }
    return reading;
  }

 private:
  void ReadClock(std::int64_t modeh, PortReading& reading) const {
    switch ((modeh >> 9) & 3) {
      case 0:
        reading.clockDivisor = 2;
        break;
      case 2:
        reading.clockDivisor = 1;
        break;
      default:
        reading.findings.push_back(
            {kModeh, FindingKind::Note,
             "BCLKSEL in " + registers_[kModeh].name +
                 " selects AFVCO/3 or a reserved clock: the rate is worked out from Fosc/2"});
        reading.clockDivisor = 2;
    }
  }

  static inline const std::vector<BrgMode> kModes{BrgMode::Async16Div16, BrgMode::Async16Div4,
                                                  BrgMode::Fractional};
  int number_;
  std::vector<PortRegister> registers_;
};

}  // namespace

std::shared_ptr<const SerialPort> Dspic33cUart(int number) {
  return std::make_shared<Dspic33cUartPort>(number);
}

}  // namespace brg::engine
