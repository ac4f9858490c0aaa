// The layout of the built-in part database that tools/part_database.py generates at build time:
// plain tables of numbers into one pool of strings, so that hundreds of parts take little room.
// Only engine/parts/part_database.cpp reads them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace brg::engine::part_database {

using StringId = std::uint16_t;  // an index into the string offsets

struct Range {
  std::uint32_t first;
  std::uint16_t count;
};
struct Bit {
  StringId name;
  std::int32_t position;  // as the header gives it: a few sections hold masks, not positions
};
struct Option {
  StringId name;
  StringId comment;
  std::uint32_t value;
};
struct Register {
  StringId name;
  std::uint16_t address;
};
struct Section {  // the named bits of a register: an index into the bit sets
  StringId reg;
  std::uint16_t bitSet;
};
struct Word {  // a configuration word: an index into the option lists
  StringId name;
  std::uint16_t optionList;
};
struct Address {  // _CONFIG1H -> H'300001'
  StringId name;
  std::uint32_t address;
};
struct Part {
  StringId stem;  // as the header's file is named: 16f1829
  std::uint32_t firstRegister;
  std::uint16_t registers;
  std::uint32_t firstSection;
  std::uint16_t sections;
  std::uint32_t firstWord;
  std::uint16_t words;
  std::uint32_t firstAddress;
  std::uint16_t addresses;
  std::uint8_t usart;  // 1: the header names a USART or EUSART; 0: the family table has the port
};

struct Tables {
  const char* strings;
  const std::uint32_t* stringOffsets;
  const Bit* bits;
  const Range* bitSets;
  const Option* options;
  const Range* optionLists;
  const Register* registers;
  const Section* sections;
  const Word* words;
  const Address* addresses;
  const Part* parts;  // by stem
  std::size_t partCount;
  const StringId* partsWithoutSerialPort;  // the headers of parts without one: their stems
  std::size_t withoutSerialPortCount;
};

extern const Tables kTables;

}  // namespace brg::engine::part_database
