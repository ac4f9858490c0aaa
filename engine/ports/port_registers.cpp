#include "engine/ports/port_registers.h"

#include <algorithm>
#include <stdexcept>

namespace brg::engine::port {

bool BitSet(std::int64_t value, int position) {
  return ((value >> position) & 1) != 0;
}

std::int64_t ValueOf(const RegisterValues& values, std::size_t reg) {
  return values[reg].value_or(0);
}

RegisterWrite Rate(const std::vector<PortRegister>& registers, std::size_t reg,
                   std::uint32_t value) {
  return RegisterWrite{reg, registers[reg].name, registers[reg].width, value, true, {}};
}

int PositionOf(const PortRegister& reg, const std::string& bit) {
  std::optional<int> position = reg.BitPosition(bit);
  if (!position) {
    throw std::logic_error(bit + " is no bit of " + reg.name);
  }
  return *position;
}

RegisterWrite Control(const std::vector<PortRegister>& registers, std::size_t reg,
                      const std::vector<std::string>& bits) {
  RegisterWrite write{reg, registers[reg].name, registers[reg].width, 0, false, {}};
  for (const std::string& bit : bits) {
    write.bits.push_back(PortBit{bit, PositionOf(registers[reg], bit)});
  }
  std::sort(write.bits.begin(), write.bits.end(),
            [](const PortBit& a, const PortBit& b) { return a.position > b.position; });
  for (const PortBit& bit : write.bits) {
    write.value |= 1U << bit.position;
  }
  return write;
}

RegisterWrite AddBits(const std::vector<PortRegister>& registers, std::size_t reg,
                      const std::vector<std::string>& bits) {
  RegisterWrite write = Control(registers, reg, bits);
  write.addsBits = true;
  return write;
}

PortFinding SwitchedOff(std::size_t reg, const std::vector<PortRegister>& registers,
                        const std::string& bit) {
  return PortFinding{reg, FindingKind::Fault,
                     bit + " is off in " + registers[reg].name + ": the port stays switched off"};
}

}  // namespace brg::engine::port
