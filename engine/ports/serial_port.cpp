#include "engine/ports/serial_port.h"

#include <algorithm>

#include "core/text.h"

namespace brg::engine {

std::optional<int> PortRegister::BitPosition(std::string_view bit) const {
  std::string wanted = Upper(bit);
  for (const PortBit& named : bits) {
    if (Upper(named.name) == wanted) {
      return named.position;
    }
  }
  return std::nullopt;
}

std::optional<PortField> PortRegister::FieldNamed(std::string_view field) const {
  if (std::optional<int> position = BitPosition(field)) {
    return PortField{*position, 1};
  }
  std::string stem = Upper(field);
  std::optional<int> lowest = BitPosition(stem + "0");
  if (!lowest) {
    return std::nullopt;
  }
  int width = 1;
  while (BitPosition(stem + std::to_string(width)) == *lowest + width) {
    ++width;
  }
  if (width < 2) {
    return std::nullopt;
  }
  return PortField{*lowest, width};
}

std::optional<std::uint32_t> RateColumn::ValueOf(const ModeSetting& setting) const {
  if (wideModesOnly && !InfoOf(setting.mode).brg16) {
    return std::nullopt;
  }
  std::uint32_t mask = bits >= 32 ? 0xFFFFFFFFU : (1U << bits) - 1;
  return (static_cast<std::uint32_t>(setting.n) >> shift) & mask;
}

ModeSetting SerialPort::Best(double clockMHz, double wantedBaud, BrgMode mode) const {
  return BestInMode(clockMHz, wantedBaud, mode, RangeOf(mode));
}

bool SerialPort::Offers(BrgMode mode) const {
  const std::vector<BrgMode>& modes = Modes();
  return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

std::optional<std::size_t> SerialPort::RegisterNamed(std::string_view name) const {
  const std::vector<PortRegister>& registers = Registers();
  for (std::size_t i = 0; i < registers.size(); ++i) {
    if (SameIgnoringCase(registers[i].name, name)) {
      return i;
    }
  }
  for (std::size_t i = 0; i < registers.size(); ++i) {
    for (const std::string& alias : registers[i].aliases) {
      if (SameIgnoringCase(alias, name)) {
        return i;
      }
    }
  }
  return std::nullopt;
}

}  // namespace brg::engine
