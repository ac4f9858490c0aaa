// Facts from the datasheets that a whole bring-up program needs beyond the serial port's
// registers: the pins of each port, the oscillator modes a configuration word offers by
// frequency, and the ADCON1 value that makes every pin digital on parts without ANSEL
// registers. Each row cites its document. Holds data only; it decides nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brg::engine {

// A pin as the datasheets name it: port letter and bit, RC6.
struct Pin {
  char port = 'C';
  int bit = 6;
};

// How a part with peripheral pin select names its output selections: RxyPPS registers (the
// 8-bit parts), RPnR fields of the RPORx registers (PIC24 and dsPIC33), or RPxnR registers
// (PIC32).
enum class PinSelection { PortPins, RemappablePins, Pic32Pins };

struct SerialPins {
  std::vector<std::string> patterns{};  // part names, as the family table matches them
  int port = 1;                         // the serial port, from 1
  Pin tx{};                             // TX/CK
  Pin rx{};                             // RX/DT
  // Parts with peripheral pin select: the output code of TX/CK for the pins' RxyPPS
  // registers; the register that selects the RX pin, whose value is the pin's number (port * 8
  // + bit, PORTA = 0), and the pin it selects at reset where that is known; the ports whose
  // pins have an analog function (ANSELx) on parts the part database lacks; and whether the TX
  // pin must be made an output for the port to drive it (the PIC18 UART).
  std::optional<int> txPpsCode{};
  std::string rxPpsRegister{};
  std::optional<Pin> rxAtReset{};
  std::string analogPorts{};
  bool txMustBeOutput = false;
  // The 16- and 32-bit parts: how outputs are selected, the RX input's field in its register
  // (U1RXR in RPINR18) and the value that ties the input to Vss, selecting no pin.
  PinSelection selection = PinSelection::PortPins;
  std::string rxPpsField{};
  std::optional<int> rxTiedToVss{};
  std::string source{};
};

// The pins of port `port` of the part, or none when the table has no row for it.
std::optional<SerialPins> SerialPinsOf(std::string_view part, int port);

// An oscillator mode of the configuration word: the header's names for it, by generation of
// headers, and the oscillator frequencies it is for.
struct OscillatorMode {
  std::string name{};  // "HS crystal"
  std::vector<std::string> symbols{};
  double aboveMHz = 0;        // the oscillator must be above this ...
  double upToMHz = 0;         // ... and at most this; 0: up to the part's highest crystal
  bool aboveCrystal = false;  // only for oscillators above the part's highest crystal
  std::string source{};
};

// In the order they are tried.
const std::vector<OscillatorMode>& OscillatorModes();

// The ADCON1 value with every A/D pin digital, by a bit that only that layout of ADCON1 has.
struct DigitalAdcon1 {
  std::string bit{};  // "PCFG6"
  unsigned value = 0;
  std::string source{};
};

const std::vector<DigitalAdcon1>& DigitalAdcon1Values();

}  // namespace brg::engine
