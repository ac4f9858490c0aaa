// A part's register files and the named bits of each register, every name as the part's header
// spells it: what a kind of port needs to find its registers and bits on a part. Where the map
// comes from (a gputils header, the built-in part table) is the parts room's business.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/ports/serial_port.h"

namespace brg::engine {

struct RegisterMap {
  std::map<std::string, unsigned> registers;               // name -> address
  std::map<std::string, std::map<std::string, int>> bits;  // register -> bit -> position

  bool Defines(const std::string& reg) const { return registers.count(reg) != 0; }
  // The first of the names that the map defines, or "".
  std::string FirstDefined(const std::vector<const char*>& candidates) const;
  // A bit of a register, looked up under every name at the register's address.
  std::optional<int> BitOf(const std::string& reg, const std::string& bit) const;
  // Every named bit of a register under any of its names, by position and then name.
  std::vector<PortBit> BitsOf(const std::string& reg) const;
};

}  // namespace brg::engine
