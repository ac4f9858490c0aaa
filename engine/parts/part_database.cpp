#include "engine/parts/part_database.h"

#include <algorithm>

#include "engine/parts/part_database_tables.h"

namespace brg::engine {
namespace {

using part_database::kTables;
using part_database::StringId;

std::string_view String(StringId id) {
  return kTables.strings + kTables.stringOffsets[id];
}

const part_database::Part* PartOf(std::string_view stem) {
  const part_database::Part* end = kTables.parts + kTables.partCount;
  const part_database::Part* found = std::lower_bound(
      kTables.parts, end, stem, [](const part_database::Part& part, std::string_view key) {
        return String(part.stem) < key;
      });
  return found != end && String(found->stem) == stem ? found : nullptr;
}

std::vector<ConfigOption> OptionsOf(std::uint16_t list) {
  const part_database::Range& range = kTables.optionLists[list];
  std::vector<ConfigOption> options;
  for (std::uint32_t i = range.first; i < range.first + range.count; ++i) {
    const part_database::Option& option = kTables.options[i];
    options.push_back(ConfigOption{std::string(String(option.name)), option.value,
                                   std::string(String(option.comment))});
  }
  return options;
}

}  // namespace

std::vector<std::string> BuiltInPartStems() {
  std::vector<std::string> stems;
  for (std::size_t i = 0; i < kTables.partCount; ++i) {
    if (kTables.parts[i].usart != 0) {
      stems.emplace_back(String(kTables.parts[i].stem));
    }
  }
  return stems;
}

bool BuiltInPartWithoutSerialPort(std::string_view stem) {
  const StringId* end = kTables.partsWithoutSerialPort + kTables.withoutSerialPortCount;
  return std::any_of(kTables.partsWithoutSerialPort, end,
                     [stem](StringId id) { return String(id) == stem; });
}

std::optional<GputilsHeader> BuiltInHeader(std::string_view stem) {
  const part_database::Part* part = PartOf(stem);
  if (part == nullptr) {
    return std::nullopt;
  }
  GputilsHeader header;
  for (std::uint32_t i = part->firstRegister; i < part->firstRegister + part->registers; ++i) {
    header.registers.emplace(String(kTables.registers[i].name), kTables.registers[i].address);
  }
  for (std::uint32_t i = part->firstSection; i < part->firstSection + part->sections; ++i) {
    const part_database::Range& set = kTables.bitSets[kTables.sections[i].bitSet];
    std::map<std::string, int>& named = header.bits[std::string(String(kTables.sections[i].reg))];
    for (std::uint32_t bit = set.first; bit < set.first + set.count; ++bit) {
      named.emplace(String(kTables.bits[bit].name), kTables.bits[bit].position);
    }
  }
  for (std::uint32_t i = part->firstWord; i < part->firstWord + part->words; ++i) {
    header.configWords.push_back(ConfigWord{std::string(String(kTables.words[i].name)),
                                            OptionsOf(kTables.words[i].optionList)});
  }
  for (std::uint32_t i = part->firstAddress; i < part->firstAddress + part->addresses; ++i) {
    header.configAddresses.emplace(String(kTables.addresses[i].name), kTables.addresses[i].address);
  }
  return header;
}

}  // namespace brg::engine
