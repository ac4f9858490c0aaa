// Reads the source of a serial setup into facts, in the language it is written in: C for XC8,
// HI-TECH C, C18 and SDCC (macros, constant expressions, bit fields, bare bit names, init
// functions with parameters), the BASIC compiler's DEFINEs, constants and register writes, and
// MPASM, gpasm or pic-as assembly (the W register followed through straight-line code); also
// NAME=VALUE pairs. Finds the oscillator and the rate the source names. Says nothing about
// whether the setup is right (setup_rules.h does).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ports/finding.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// The last value a source gives a register, where, and under which name.
struct WrittenRegister {
  std::int64_t value = 0;
  int line = 0;
  std::string name;  // as the source wrote it
  // The value the source computed before it masked or narrowed it for the register: 519 for
  // SPBRG = brg & 0xFF with brg = 519.
  std::optional<std::int64_t> intended;
  bool known = true;  // false: the source writes a value that cannot be worked out
  // The bits the source has written, of the registers it follows besides the port's: all for a
  // whole write, the field's for TRISCbits.TRISC7 = 1, the mask's for |= and &=.
  std::int64_t bitsWritten = 0;
  bool Wrote(int bit) const { return ((bitsWritten >> bit) & 1) != 0; }
};

// A clock or a rate that the source names, and where.
struct Named {
  double value = 0;  // MHz for a clock, baud for a rate
  int line = 0;
  std::string from;  // "_XTAL_FREQ", "DEFINE OSC", "the call UART_Init(9600)", "a comment"
};

enum class Dialect { C, Basic, Asm, Assignments };

// A configuration setting as the source gives it: FOSC = INTOSC (#pragma config, CONFIG), or a
// token of a configuration word (_FOSC_INTOSC, _INTRC_OSC_NOCLKOUT) with no name of its own.
struct ConfigSetting {
  std::string name;  // upper case; "" for a token
  std::string value;
  int line = 0;
  std::string word{};  // the word a token is given for (_CONFIG1, 0X8007); "" where unsaid
};

struct SourceFacts;

// Another arm of a branch the source takes at run time, read as if the code took it.
struct OtherArm {
  std::string where;  // "where PORTAbits.RA2 == 0 (line 7)"
  std::shared_ptr<SourceFacts> facts;
};

struct SourceFacts {
  Dialect dialect = Dialect::C;
  std::map<std::size_t, WrittenRegister> registers;  // by the port's register index
  bool anything = false;                             // something in the source sets up the port
  bool usesDefines = false;                          // through the compiler's DEFINEs
  std::optional<Named> clock;                        // the oscillator the source computes with
  std::optional<Named> rate;                         // the rate the source is meant for
  std::optional<int> rateDefineLine;                 // the compiler works n out from a rate DEFINE
  std::optional<double> rateDefine;                  // and that rate
  // PIC32: the peripheral bus divider the source sets (its configuration word, a register),
  // and the one its clock macros assume (SYS_FREQ / PB_FREQ).
  std::optional<Named> sends;  // the first write of a character to send: U1TXB = c
  bool receives = false;       // the source names what the port receives (U1RXREG, U1RXIF, ...)
  std::vector<ConfigSetting> config;  // the configuration settings, in their order
  // The part's registers besides the port's that the checker follows (the oscillator's, the
  // pins'), as the source writes them, by name.
  std::map<std::string, WrittenRegister> followed;
  std::optional<Named> busDivider;
  std::optional<Named> assumedBusDivider;
  // The readings of the other arms of run-time branches (if, switch) that set up the port; the
  // facts above follow the else or default arm of each.
  std::vector<OtherArm> otherArms;
  std::vector<Finding> findings;  // what reading itself finds: unknown names, repeated writes
  std::vector<Finding> workings;  // the expressions worked out, with their values
};

// Reads every line of `text` for the setup of `port`; `assignments` for NAME=VALUE pairs;
// `baud` is the rate an init function's rate parameter takes when no call gives it one.
// `otherArms`: also read the other arms of run-time branches (SourceFacts::otherArms).
// Registers of the part besides the port's whose writes the checker follows, with their
// values at reset.
struct FollowedRegisters {
  std::vector<PortRegister> registers;
  std::vector<std::int64_t> resets;  // 0 where missing
  // The register of an upper-case name; nothing where none is followed.
  const PortRegister* Named(const std::string& name) const;
  void Add(PortRegister reg, std::int64_t reset);

 private:
  std::map<std::string, std::size_t> byName_;
};

// `followed`: the part's registers besides the port's whose writes are kept too.
SourceFacts ReadSetupSource(std::string_view text, const SerialPort& port, bool assignments = false,
                            std::optional<double> baud = std::nullopt, bool otherArms = true,
                            const FollowedRegisters* followed = nullptr);

// The literal of a register value: 25, 0x19, $19, 19h, 0b11001, %11001.
std::optional<long> ReadLiteral(std::string_view text);

}  // namespace brg::engine
