#include "engine/check/part_registers.h"

#include "engine/parts/oscillator_data.h"

namespace brg::engine {
namespace {

// A pin's registers by the part's header; without one, an analog function on the ports the pin
// row names (`analogPorts`), its bit named as the newer parts' headers name it (ANSELC7).
PinNames NamesOf(const Pin& pin, const GputilsHeader* header, const std::string& analogPorts = "") {
  std::string letter(1, pin.port);
  std::string bit = std::to_string(pin.bit);
  PinNames names{pin, "R" + letter + bit, "TRIS" + letter, "TRIS" + letter + bit, "", ""};
  std::string ansel = "ANSEL" + letter;
  if (header != nullptr && header->Defines(ansel) &&
      header->BitOf(ansel, "ANS" + letter + bit).has_value()) {
    names.ansel = ansel;
    names.anselBit = "ANS" + letter + bit;
  } else if (header == nullptr && analogPorts.find(pin.port) != std::string::npos) {
    names.ansel = ansel;
    names.anselBit = ansel + bit;
  }
  return names;
}

// The port letters of the part: those its header has TRIS registers for, else A to F.
std::string PortLetters(const GputilsHeader* header) {
  std::string letters;
  for (char letter = 'A'; letter <= 'H'; ++letter) {
    if (header == nullptr ? letter <= 'F' : header->Defines("TRIS" + std::string(1, letter))) {
      letters += letter;
    }
  }
  return letters;
}

// A register of the pins: its bits by the part's data where it has them, else named by pin.
PortRegister PinRegister(const std::string& name, const std::vector<std::string>& bitStems,
                         const GputilsHeader* header, int width = 8) {
  PortRegister reg{name, {}, width, {}};
  if (header != nullptr) {
    reg.bits = header->BitsOf(name);
  }
  for (const std::string& stem : bitStems) {
    for (int bit = 0; bit < width; ++bit) {
      reg.bits.push_back({stem + std::to_string(bit), bit});
    }
  }
  return reg;
}

// A selection register of peripheral pin select, its value a field of its own name
// (U1RXPPSbits.U1RXPPS = 0x17).
PortRegister SelectionRegister(const std::string& name, int width) {
  PortRegister reg{name, {}, 8, {}};
  for (int bit = 0; bit < width; ++bit) {
    reg.bits.push_back({name + std::to_string(bit), bit});
  }
  return reg;
}

void Follow(FollowedRegisters& followed, PortRegister reg, std::int64_t reset) {
  followed.Add(std::move(reg), reset);
}

}  // namespace

Pin PinSelected(std::int64_t value) {
  return Pin{static_cast<char>('A' + ((value >> 3) & 7)), static_cast<int>(value & 7)};
}

std::optional<PinNames> PinNamesOf(const PartProfile& part, const Pin& pin) {
  const GputilsHeader* header = part.header.get();
  if (PortLetters(header).find(pin.port) == std::string::npos) {
    return std::nullopt;
  }
  std::optional<SerialPins> row = SerialPinsOf(part.part, 1);
  return NamesOf(pin, header, row ? row->analogPorts : "");
}

std::optional<SelectedPins> SelectedPinsOf(const PartProfile& part, const SerialPort& port) {
  std::optional<SerialPins> pins = SerialPinsOf(part.part, port.Number());
  if (!pins || !pins->txPpsCode || pins->rxPpsRegister.empty()) {
    return std::nullopt;
  }
  return SelectedPins{*pins->txPpsCode, pins->rxPpsRegister, pins->rxAtReset,  pins->txMustBeOutput,
                      pins->selection,  pins->rxPpsField,    pins->rxTiedToVss};
}

// The 16- and 32-bit parts' selections: every output selection, as RPORx registers and as the
// RPnR fields the compilers name (RPOR5bits.RP11R writes the register RP11R here), or as
// PIC32's RPxnR registers; the RX input's register; the pins' directions.
void FollowRemappablePins(FollowedRegisters& followed, const SelectedPins& selected) {
  constexpr int kMostRemappablePins = 182;  // RP181 of the dsPIC33E
  if (selected.selection == PinSelection::RemappablePins) {
    for (int k = 0; k < kMostRemappablePins / 2; ++k) {
      Follow(followed, PortRegister{"RPOR" + std::to_string(k), {}, 16, {}}, 0);
    }
    for (int n = 0; n < kMostRemappablePins; ++n) {
      Follow(followed, PortRegister{"RP" + std::to_string(n) + "R", {}, 8, {}}, 0);
    }
    PortRegister input{selected.rxRegister, {}, 16, {}};
    std::string cts = selected.rxField.substr(0, 2) + "CTSR";
    for (int bit = 0; bit < 8; ++bit) {
      input.bits.push_back({selected.rxField + std::to_string(bit), bit});
      input.bits.push_back({cts + std::to_string(bit), bit + 8});
    }
    std::int64_t vss = selected.rxTiedToVss.value_or(0);
    Follow(followed, std::move(input), vss | (vss << 8));
  } else {
    for (char letter = 'A'; letter <= 'G'; ++letter) {
      for (int bit = 0; bit < 16; ++bit) {
        Follow(followed,
               PortRegister{"RP" + std::string(1, letter) + std::to_string(bit) + "R", {}, 8, {}},
               0);
      }
    }
    Follow(followed, PortRegister{selected.rxRegister, {}, 8, {}}, 0);
  }
  // the pins' directions and analog selections, whose writes tell that the source sets up pins
  for (char letter = 'A'; letter <= 'G'; ++letter) {
    std::string port(1, letter);
    Follow(followed, PinRegister("TRIS" + port, {"TRIS" + port}, nullptr, 16), 0xFFFF);
    Follow(followed, PinRegister("ANS" + port, {"ANS" + port}, nullptr, 16), 0xFFFF);
    Follow(followed, PinRegister("ANSEL" + port, {"ANSEL" + port}, nullptr, 16), 0xFFFF);
  }
  for (const char* adc : {"AD1PCFG", "AD1PCFGL"}) {
    Follow(followed, PinRegister(adc, {"PCFG"}, nullptr, 16), 0);
  }
}

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
    for (std::size_t k = 0; k < family->registers.size(); ++k) {
      Follow(followed, family->registers[k], k < family->resets.size() ? family->resets[k] : 0);
    }
  }
  const GputilsHeader* header = part->header.get();
  // every pin an input, and every analog one analog, at reset
  auto followPin = [&](const PinNames& pin) {
    Follow(followed, PinRegister(pin.tris, {pin.tris}, header), 0xFF);
    if (!pin.ansel.empty()) {
      Follow(followed,
             PinRegister(pin.ansel, {"ANS" + std::string(1, pin.pin.port), pin.ansel}, header),
             0xFF);
    }
  };
  std::optional<SelectedPins> selected = SelectedPinsOf(*part, port);
  if (selected && selected->selection != PinSelection::PortPins) {
    FollowRemappablePins(followed, *selected);
    return followed;
  }
  if (selected) {
    // any pin may be the port's: every port's direction and analog registers, every output
    // selection (nothing routed at reset) and the RX input selection
    std::optional<SerialPins> row = SerialPinsOf(part->part, port.Number());
    for (char letter : PortLetters(header)) {
      std::string named(1, letter);
      for (int bit = 0; bit < 8; ++bit) {
        std::string name = "R" + named + std::to_string(bit) + "PPS";
        if (header == nullptr || header->Defines(name)) {
          Follow(followed, SelectionRegister(name, 7), 0);
        }
      }
      Follow(followed, PinRegister("TRIS" + named, {"TRIS" + named}, header), 0xFF);
      if (header != nullptr ? header->Defines("ANSEL" + named)
                            : row->analogPorts.find(letter) != std::string::npos) {
        Follow(followed, PinRegister("ANSEL" + named, {"ANS" + named, "ANSEL" + named}, header),
               0xFF);
      }
    }
    Follow(followed, SelectionRegister(selected->rxRegister, 6), 0);
    return followed;
  }
  std::optional<SerialPinNames> pins = SerialPinNamesOf(*part, port);
  if (!pins) {
    return followed;
  }
  for (const PinNames* pin : {&pins->rx, &pins->tx}) {
    followPin(*pin);
  }
  for (const char* apfcon : {"APFCON", "APFCON0", "APFCON1"}) {
    if (header != nullptr && header->Defines(apfcon)) {
      Follow(followed, PortRegister{apfcon, {}, 8, header->BitsOf(apfcon)}, 0);
    }
  }
  return followed;
}

}  // namespace brg::engine
