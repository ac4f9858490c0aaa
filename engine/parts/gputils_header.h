// A part header of gputils (p16f1829.inc, ...) as data: the addresses of its register files and
// the bits of each register, every name as the header spells it. Knows no kind of port.
#pragma once

#include <istream>
#include <map>
#include <string>
#include <vector>

#include "engine/ports/register_map.h"

namespace brg::engine {

// An option of a configuration word: a mask with every other bit set, to be ANDed with the
// word's other options.
struct ConfigOption {
  std::string name;     // "_FOSC_HS", "_WDT_OFF_2H"
  unsigned value = 0;   // H'3FFE'
  std::string comment;  // "HS oscillator"
};

// The options of one configuration word: "CONFIG" for a part with one word, "CONFIG1", ...,
// "CONFIG1H", "CONFIG2L", ... on PIC18.
struct ConfigWord {
  std::string name;
  std::vector<ConfigOption> options;
};

// The register map of the header and its configuration words.
struct GputilsHeader : RegisterMap {
  std::vector<ConfigWord> configWords;              // in the header's order
  std::map<std::string, unsigned> configAddresses;  // _CONFIG1H -> H'300001'
};

// Reads the "Register Files" section, the "NAME Bits" sections, the addresses of the
// configuration words and the "CONFIGn Options" sections of a header.
GputilsHeader ReadGputilsHeader(std::istream& in);

}  // namespace brg::engine
