// The ports room (engine/ports/): the serial-port seam below and every kind of port behind it
// (the USART and EUSART, the PIC18 UART, the PIC24 and dsPIC33 UARTs, the dsPIC33C UART, the PIC32
// UART), the UART's clock, and the register map a port is found in. Depends on core/ only; knows
// no part, no budget, no code form and no source text.
//
// One kind of serial port of a PIC part, as the code forms, the setup checker, the clock search
// and the reports see it: the modes it offers, the clock its generator runs from, its registers
// with their names, widths and bits, how a setting becomes register writes, how register values
// read back as a setting, and its names in the BASIC compiler's DEFINEs.
//
// Each kind of port implements this in a file of its own; nothing outside that file knows its
// register or bit names. Does no arithmetic of rates (core/brg_modes.h does) and reads no part
// data (part_profile.h finds the ports of a part).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/brg_modes.h"
#include "engine/ports/finding.h"

namespace brg::engine {

struct PortBit {
  std::string name;
  int position = 0;
};

// Several bits under one name, as the bit-field structs of XC8 and XC16 name them: MODE for
// MODE3..MODE0, PDSEL for PDSEL1..PDSEL0.
struct PortField {
  int position = 0;  // of its lowest bit
  int width = 1;
};

struct PortRegister {
  std::string name;                  // the part's own name for it
  std::vector<std::string> aliases;  // the names other parts' headers and code give it
  int width = 8;                     // in bits
  std::vector<PortBit> bits;         // its named bits
  bool present = true;  // false: the part lacks it, but code that writes it is still recognised

  // The position of a bit by its name, any case.
  std::optional<int> BitPosition(std::string_view bit) const;
  // A field by its name, any case: a single bit, or the bits NAME0, NAME1, ... side by side.
  std::optional<PortField> FieldNamed(std::string_view field) const;
  std::uint32_t Largest() const { return width >= 32 ? 0xFFFFFFFFU : (1U << width) - 1; }
};

// One register write of a set-up, in the order code must make them.
struct RegisterWrite {
  std::size_t reg = 0;  // the register's index in the port's list
  std::string name;
  int width = 8;
  std::uint32_t value = 0;
  bool rate = false;          // a rate register: its value is a part of n
  std::vector<PortBit> bits;  // the bits set in a control register, most significant first
  bool addsBits = false;      // sets `bits` and leaves the register's others as they are
};

// Register values as a setup leaves them, by register index; nothing for one left alone.
using RegisterValues = std::vector<std::optional<std::int64_t>>;

// What a finding of the port is about: the register whose write it concerns.
struct PortFinding {
  std::size_t reg = 0;
  FindingKind kind = FindingKind::Fault;
  std::string message;
};

// The setting that register values select, and what is wrong with the registers themselves.
struct PortReading {
  BrgMode mode = BrgMode::Async8Div64;
  std::int32_t n = 0;
  std::size_t rateRegister = 0;  // the register a finding about the rate belongs to
  // The generator's clock as a part of the oscillator, where the registers select it.
  std::optional<double> clockDivisor;
  std::vector<PortFinding> findings;
  // The port is on but its transmitter is not: "UTXEN is off in U1STA"; empty otherwise.
  std::string transmitterOff;
  bool receiverOn = false;  // the port is on and receives
  // The receiver has no enable of its own (the PIC24 and dsPIC33F/E UART): it is on whenever
  // the port is, used or not.
  bool receiverWithThePort = false;
  bool transmitterOn = false;  // the port is on and sends
};

// The BASIC compiler's DEFINEs for a port: HSER_SPBRG and the like.
struct PortDefines {
  struct Name {
    std::string define;  // without the prefix: SPBRG
    std::size_t reg = 0;
  };
  std::string prefix;                 // HSER_ or HSER2_
  std::vector<std::string> prefixes;  // the compiler's prefixes of every port, for near names
  std::vector<Name> registers;        // the DEFINEs that set a register
  std::vector<std::size_t> block;     // the registers of the three-line DEFINE block, in its order
  std::vector<std::string> others;    // known names that set no register: the rate, overruns
  std::string rate;                   // the one of `others` that names the rate
  std::vector<std::pair<std::size_t, std::int64_t>> defaults;  // what the compiler writes itself
};

// A part of n as reports show it: the register, where n's bits sit in it.
struct RateColumn {
  std::string name;
  int shift = 0;  // n's lowest bit in the register
  int bits = 8;
  bool wideModesOnly = false;  // used only in the modes with the wide register (BRG16)

  // The register's value for n, or nothing when the mode does not use it.
  std::optional<std::uint32_t> ValueOf(const ModeSetting& setting) const;
};

// The clock the port's generator runs from, as a part of the oscillator.
struct PortClock {
  std::string name = "Fosc";  // Fosc, Fcy, Fp, PBCLK
  double divisor = 1;         // of the oscillator Fosc
  std::string note;           // what the reset or erased setting of a divider is, where it matters
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // "USART": what messages call the port; its number on the part, from 1.
  virtual std::string KindName() const = 0;
  virtual int Number() const = 0;

  virtual const std::vector<PortRegister>& Registers() const = 0;
  // Every mode the port has, asynchronous ones first.
  virtual const std::vector<BrgMode>& Modes() const = 0;
  bool Offers(BrgMode mode) const;
  // Why the port lacks a mode, for the message that refuses it: "has no BRG16 (...)".
  virtual std::string WhyNot(BrgMode mode) const = 0;
  // The bits that select a mode, with their values: "SYNC 0, BRG16 0, BRGH 1".
  virtual std::string ModeBits(BrgMode mode) const = 0;

  virtual PortClock Clock() const = 0;
  // The ends of the rate register in a mode.
  virtual BrgRange RangeOf(BrgMode mode) const { return DefaultRange(mode); }
  // The mode's exact best n within the port's register, from the generator's own clock.
  ModeSetting Best(double clockMHz, double wantedBaud, BrgMode mode) const;
  // The rate registers as reports show n in them, most significant first.
  virtual std::vector<RateColumn> RateColumns() const = 0;

  // The C compiler of the part's family (XC8, XC16, XC32), and whether the BASIC compiler,
  // which knows the 8-bit parts only, writes code for it.
  virtual std::string Toolchain() const = 0;
  virtual bool BasicCompiler() const = 0;

  // The writes that set the port up for a setting of one of its modes: the rate registers
  // first, the register that switches the port on last.
  virtual std::vector<RegisterWrite> Writes(const ModeSetting& setting) const = 0;
  // The mode and n that register values select, with the faults of the registers themselves
  // (a port left off, a register the mode does not use).
  virtual PortReading Read(const RegisterValues& values) const = 0;

  // The names code writes a character to for the port to send: TXREG, U1TXB, U1TXREG.
  virtual std::vector<std::string> TransmitRegisters() const = 0;

  // The port's DEFINEs, or nothing when the BASIC compiler has none for it.
  virtual const PortDefines* Defines() const = 0;

  // The index of the register a name means: its own name or an alias, any case.
  std::optional<std::size_t> RegisterNamed(std::string_view name) const;
};

}  // namespace brg::engine
