// The parts room (engine/parts/): what the engine knows of each part: the family table with its
// clock limits and datasheets, the gputils header reader, the part's profile with its ports, and
// the pin data of the bring-up program. Depends on ports/; weighs no rate and writes no code.
//
// The serial ports of a PIC part: found from the part's gputils header (p16f1829.inc, ...),
// with every register name and bit position taken from there. Without a part, the classic
// names with every mode offered.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/display_formats.h"
#include "engine/parts/gputils_header.h"
#include "engine/parts/part_data.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// Where Debian's gputils package puts its part headers: the build makes the built-in part
// database of them (part_database.h); at run time they are read only where a user asks.
inline constexpr const char* kGputilsHeaders = "/usr/share/gputils/header";

struct PartProfile {
  std::string part;  // as the user will read it, 16F1829; empty without a part
  std::vector<std::shared_ptr<const SerialPort>> ports;
  const PartFamily* family = nullptr;  // its clock limits; none when the table lacks the part
  bool assemblable = true;             // gpasm knows the part (its header is there)
  // The part's gputils header, and its stem as gpasm names the processor (16f877a); none
  // without a part or for a part gputils has no header for.
  std::shared_ptr<const GputilsHeader> header;
  std::string headerStem;
  // What a user should know of the profile: a part the family table does not list among its
  // family's members, whose ports are the family's ports. Empty when there is nothing to say.
  std::string note;

  // Port `number`, from 1; PartError when the part has no such port.
  const SerialPort& Port(int number) const;
  // Why the part cannot run from an oscillator of `oscMHz`, or "" when it can or its limits
  // are unknown; the numbers with the decimal point of `separators`.
  std::string ClockRefusal(double oscMHz, const Separators& separators = {}) const;
};

// What a user may choose of a port's clock: the PIC32 peripheral bus divider.
struct ClockChoices {
  std::optional<double> pbdiv;
};

// Two USARTs under the datasheets' register names, the second's numbered, offering every mode.
PartProfile ClassicProfile();

// "16F1829", "PIC16F1829" or "p16f1829", any case, from the built-in part database, or from
// `headerDir`/p16f1829.inc where a folder is given and has the part; a part gputils has no
// header for ("PIC18F47Q43", "PIC24FJ64GA002", "dsPIC33CK256MP508") from the family table.
// PartError when `headerDir` is no folder, for no such part (with near names), a part of a
// family line the table lacks, or a part without a serial port.
PartProfile ReadPartProfile(const std::string& part, const std::string& headerDir = "",
                            const ClockChoices& choices = {});

}  // namespace brg::engine
