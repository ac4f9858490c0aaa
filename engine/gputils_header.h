// A part header of gputils (p16f1829.inc, ...) as data: the addresses of its register files and
// the bits of each register, every name as the header spells it. Knows no kind of port.
#pragma once

#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/serial_port.h"

namespace brg::engine {

struct GputilsHeader {
  std::map<std::string, unsigned> registers;               // name -> address
  std::map<std::string, std::map<std::string, int>> bits;  // register -> bit -> position

  bool Defines(const std::string& reg) const { return registers.count(reg) != 0; }
  // The first of the names that the header defines, or "".
  std::string FirstDefined(const std::vector<const char*>& candidates) const;
  // A bit of a register, looked up under every name at the register's address.
  std::optional<int> BitOf(const std::string& reg, const std::string& bit) const;
  // Every named bit of a register under any of its names, by position and then name.
  std::vector<PortBit> BitsOf(const std::string& reg) const;
};

// Reads the "Register Files" section and the "NAME Bits" sections of a header.
GputilsHeader ReadGputilsHeader(std::istream& in);

}  // namespace brg::engine
