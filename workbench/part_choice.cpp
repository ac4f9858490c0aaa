#include "workbench/part_choice.h"

#include <algorithm>

#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/answers/mode_choice.h"
#include "engine/errors.h"
#include "engine/ports/uart_clock.h"

namespace brg::workbench {
namespace {

std::string Shown(double value, const Separators& separators) {
  return LocaleDecimal(DecimalText(value), separators);
}

}  // namespace

PartChoice ChoosePart(const std::string& text, int uart, const std::string& headerDir) {
  PartChoice choice;
  std::string name(Trim(text));
  try {
    choice.profile =
        name.empty() ? engine::ClassicProfile() : engine::ReadPartProfile(name, headerDir);
  } catch (const engine::PartError& error) {
    choice.message = error.what();
    return choice;
  }
  // Without a part the second port's names are a guess: only the first is offered.
  choice.ports = name.empty() ? 1 : static_cast<int>(choice.profile.ports.size());
  choice.uart = std::clamp(uart, 1, choice.ports);
  choice.port = &choice.profile.Port(choice.uart);
  choice.modes = engine::DefaultModes(choice.profile, *choice.port);
  if (name.empty()) {
    choice.note = "name a part for its 16-bit modes";
  }
  return choice;
}

ClockOfPart ClockFor(const PartChoice& part, double oscMHz, const Separators& separators) {
  ClockOfPart clock;
  if (part.port == nullptr) {
    return clock;
  }
  clock.refusal = part.profile.ClockRefusal(oscMHz, separators);
  if (!clock.refusal.empty()) {
    return clock;
  }
  engine::UartClock uart = engine::UartClockOf(*part.port, oscMHz);
  clock.mhz = uart.mhz;
  clock.plainText = uart.text;
  if (!uart.text.empty()) {
    engine::PortClock port = part.port->Clock();
    clock.text = "UART clock " + port.name + " " + Shown(uart.mhz, separators) + " MHz = Fosc " +
                 Shown(oscMHz, separators) + " MHz / " + Shown(port.divisor, separators) +
                 (port.note.empty() ? "" : " (" + port.note + ")");
  }
  return clock;
}

}  // namespace brg::workbench
