// Building blocks that the kinds of serial port share to describe their registers, make their
// writes and read their values: a register from its bits, a rate or control write, a bit of a
// value. For the files of the port kinds only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ports/serial_port.h"

namespace brg::engine::port {

bool BitSet(std::int64_t value, int position);

// What a register holds: the value written, else 0 as at reset.
std::int64_t ValueOf(const RegisterValues& values, std::size_t reg);

// A register write of n's part `value` to a rate register.
RegisterWrite Rate(const std::vector<PortRegister>& registers, std::size_t reg,
                   std::uint32_t value);

// A register write that sets the named bits of a control register and clears the others.
RegisterWrite Control(const std::vector<PortRegister>& registers, std::size_t reg,
                      const std::vector<std::string>& bits);

// A register write that sets the named bits and leaves the others as they are.
RegisterWrite AddBits(const std::vector<PortRegister>& registers, std::size_t reg,
                      const std::vector<std::string>& bits);

// The register's bit by name; the bit must be one of the register's.
int PositionOf(const PortRegister& reg, const std::string& bit);

// "UARTEN is off in U1MODE: the port stays switched off", and the like.
PortFinding SwitchedOff(std::size_t reg, const std::vector<PortRegister>& registers,
                        const std::string& bit);

}  // namespace brg::engine::port
