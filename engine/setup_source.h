// Reads the source dialects of a serial setup into facts: the BASIC compiler's DEFINE lines (the
// window's own export among them), BASIC or C register assignments and bit writes, NAME=VALUE
// pairs; the oscillator and the rate the source names. Says nothing about whether the setup is
// right (setup_rules.h does).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/finding.h"
#include "engine/serial_port.h"

namespace brg::engine {

// The last value a source gives a register, where, and under which name.
struct WrittenRegister {
  std::int64_t value = 0;
  int line = 0;
  std::string name;  // as the source wrote it
};

struct SourceFacts {
  std::map<std::size_t, WrittenRegister> registers;  // by the port's register index
  bool anything = false;                             // something in the source sets up the port
  bool usesDefines = false;                          // through the compiler's DEFINEs
  std::optional<std::pair<double, int>> defineOsc;   // DEFINE OSC: MHz and line
  std::optional<int> rateDefineLine;                 // the compiler works n out from a rate
  std::optional<double> namedRate;                   // a rate the source names, and where
  std::optional<int> rateLine;
  std::vector<Finding> findings;  // what reading itself finds: unknown names, repeated writes
};

// Reads every line of `text` for the setup of `port`.
SourceFacts ReadSetupSource(std::string_view text, const SerialPort& port);

// The literal of a register value: 25, 0x19, $19, 19h, 0b11001, %11001.
std::optional<long> ReadLiteral(std::string_view text);

}  // namespace brg::engine
