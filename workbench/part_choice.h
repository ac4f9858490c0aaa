// The part and port that the workbench calculates for: the part typed, as the engine reads it
// (its gputils header or the engine's part data), or the classic USART without a part when the
// box is empty; the UART asked for, within the part's ports; the clock its generator runs from
// and whether the part can run the oscillator at all. Reads the part's header once for each
// name; decides no rule itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/brg_modes.h"
#include "core/display_formats.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/serial_port.h"

namespace brg::workbench {

struct PartChoice {
  engine::PartProfile profile;
  const engine::SerialPort* port = nullptr;  // none when the part cannot be read
  int uart = 1;                              // the port shown, from 1
  int ports = 1;                             // the UARTs offered
  std::vector<BrgMode> modes;                // the table's columns
  std::string message;                       // why the part cannot be read, or ""
  std::string note;                          // what the modes leave out, or ""
};

PartChoice ChoosePart(const std::string& text, int uart, const std::string& headerDir);

// What the oscillator gives the port: its generator's clock, and how the family divides it.
struct ClockOfPart {
  std::optional<double> mhz;  // none when the part cannot run the oscillator
  std::string text;           // "UART clock Fcy 16 MHz = Fosc 32 MHz / 2", or ""
  std::string plainText;      // the engine's own words with a period, for code comments
  std::string refusal;        // the part's maximum clock, or ""
};

ClockOfPart ClockFor(const PartChoice& part, double oscMHz, const Separators& separators);

}  // namespace brg::workbench
