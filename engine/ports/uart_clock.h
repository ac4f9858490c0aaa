// The clock a port's generator runs from, worked out from the oscillator Fosc the user types:
// Fosc itself on the 8-bit parts, Fcy = Fosc/2 on PIC24 and dsPIC33F/E, Fp = Fosc/2 on dsPIC33C,
// the peripheral bus on PIC32; or the clock the user gives directly.
#pragma once

#include <optional>
#include <string>

#include "engine/ports/serial_port.h"

namespace brg::engine {

struct UartClock {
  double mhz = 0;
  // "UART clock Fcy 16 MHz = Fosc 32 MHz / 2"; "" when the generator runs from Fosc itself.
  std::string text;
};

UartClock UartClockOf(const SerialPort& port, double oscMHz, std::optional<double> givenMHz = {});

}  // namespace brg::engine
