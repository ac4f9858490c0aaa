#include "engine/check/part_registers.h"

#include "engine/parts/oscillator_data.h"

namespace brg::engine {
namespace {

PinNames NamesOf(const Pin& pin, const GputilsHeader* header) {
  std::string letter(1, pin.port);
  std::string bit = std::to_string(pin.bit);
  PinNames names{pin, "R" + letter + bit, "TRIS" + letter, "TRIS" + letter + bit, "", ""};
  std::string ansel = "ANSEL" + letter;
  if (header != nullptr && header->Defines(ansel) &&
      header->BitOf(ansel, "ANS" + letter + bit).has_value()) {
    names.ansel = ansel;
    names.anselBit = "ANS" + letter + bit;
  }
  return names;
}

// A register of the pins: its bits by the part's data where it has them, else named by pin.
PortRegister PinRegister(const std::string& name, const std::string& bitStem,
                         const GputilsHeader* header) {
  PortRegister reg{name, {}, 8, {}};
  if (header != nullptr) {
    reg.bits = header->BitsOf(name);
  }
  for (int bit = 0; bit < 8; ++bit) {
    reg.bits.push_back({bitStem + std::to_string(bit), bit});
  }
  return reg;
}

void Follow(FollowedRegisters& followed, PortRegister reg, std::int64_t reset) {
  for (const PortRegister& known : followed.registers) {
    if (known.name == reg.name) {
      return;
    }
  }
  followed.resets.resize(followed.registers.size());
  followed.registers.push_back(std::move(reg));
  followed.resets.push_back(reset);
}

}  // namespace

std::optional<SerialPinNames> SerialPinNamesOf(const PartProfile& part, const SerialPort& port) {
  std::optional<SerialPins> pins = SerialPinsOf(part.part, port.Number());
  if (!pins || pins->txPpsCode) {
    return std::nullopt;
  }
  const GputilsHeader* header = part.header.get();
  return SerialPinNames{NamesOf(pins->tx, header), NamesOf(pins->rx, header)};
}

FollowedRegisters RegistersFollowed(const PartProfile* part, const SerialPort& port) {
  FollowedRegisters followed;
  if (part == nullptr) {
    return followed;
  }
  if (const OscillatorFamily* family = OscillatorFamilyOf(part->part)) {
    followed.registers = family->registers;
    followed.resets = family->resets;
  }
  std::optional<SerialPinNames> pins = SerialPinNamesOf(*part, port);
  if (!pins) {
    return followed;
  }
  const GputilsHeader* header = part->header.get();
  for (const PinNames* pin : {&pins->rx, &pins->tx}) {
    // every pin an input, and every analog one analog, at reset
    Follow(followed, PinRegister(pin->tris, pin->tris, header), 0xFF);
    if (!pin->ansel.empty()) {
      Follow(followed, PinRegister(pin->ansel, "ANS" + std::string(1, pin->pin.port), header),
             0xFF);
    }
  }
  for (const char* apfcon : {"APFCON", "APFCON0", "APFCON1"}) {
    if (header != nullptr && header->Defines(apfcon)) {
      Follow(followed, PortRegister{apfcon, {}, 8, header->BitsOf(apfcon)}, 0);
    }
  }
  return followed;
}

}  // namespace brg::engine
