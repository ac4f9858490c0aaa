// The registers of a part besides its serial port's that the checker follows: the oscillator's
// (engine/parts/oscillator_data.h) and, for the parts whose serial pins are fixed
// (engine/parts/bring_up_data.h), the TRIS and ANSEL registers of the port's pins and the
// APFCON registers that move them. Their names and bits come from the part's data.
#pragma once

#include <optional>
#include <string>

#include "engine/check/setup_source.h"
#include "engine/parts/bring_up_data.h"
#include "engine/parts/part_profile.h"

namespace brg::engine {

// Nothing followed without a part.
FollowedRegisters RegistersFollowed(const PartProfile* part, const SerialPort& port);

// The port's fixed pins with the names of the registers and bits that set them up; nothing for
// a part without a row, or whose pins a peripheral pin select routes.
struct PinNames {
  Pin pin;
  std::string name;      // RB5
  std::string tris;      // TRISB
  std::string trisBit;   // TRISB5
  std::string ansel;     // ANSELB; "" where the pin has no analog function
  std::string anselBit;  // ANSB5
};
struct SerialPinNames {
  PinNames tx;
  PinNames rx;
};
std::optional<SerialPinNames> SerialPinNamesOf(const PartProfile& part, const SerialPort& port);

// The port's pins on a part with peripheral pin select: the TX output's code, the register
// that selects RX and the pin it selects at reset where known; nothing for other parts.
struct SelectedPins {
  int txCode = 0;
  std::string rxRegister;  // RXPPS, U1RXPPS, RPINR18
  std::optional<Pin> rxAtReset;
  bool txMustBeOutput = false;
  PinSelection selection = PinSelection::PortPins;
  std::string rxField;               // U1RXR on the 16-bit parts
  std::optional<int> rxTiedToVss{};  // its value that selects no pin
};
std::optional<SelectedPins> SelectedPinsOf(const PartProfile& part, const SerialPort& port);

// A pin's registers and bits by the part's data; nothing where the part has no such port.
std::optional<PinNames> PinNamesOf(const PartProfile& part, const Pin& pin);

// The pin an input selection register's value names (port * 8 + bit, PORTA = 0).
Pin PinSelected(std::int64_t value);

}  // namespace brg::engine
