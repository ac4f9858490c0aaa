#include "engine/ports/uart_clock.h"

#include "core/text.h"

namespace brg::engine {

UartClock UartClockOf(const SerialPort& port, double oscMHz, std::optional<double> givenMHz) {
  PortClock clock = port.Clock();
  if (givenMHz) {
    return UartClock{*givenMHz,
                     "UART clock " + clock.name + " " + DecimalText(*givenMHz) + " MHz, as given"};
  }
  if (clock.divisor == 1 && clock.note.empty()) {
    return UartClock{oscMHz, ""};
  }
  double mhz = oscMHz / clock.divisor;
  std::string text = "UART clock " + clock.name + " " + DecimalText(mhz) + " MHz = Fosc " +
                     DecimalText(oscMHz) + " MHz / " + DecimalText(clock.divisor);
  if (!clock.note.empty()) {
    text += " (" + clock.note + ")";
  }
  return UartClock{mhz, text};
}

}  // namespace brg::engine
