// The built-in part database: what the gputils part headers say of every part with a serial
// port, generated at build time (tools/part_database.py), so that no header is read at run time.
// Holds the headers' data only; part_profile.h makes the part's ports of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/parts/gputils_header.h"

namespace brg::engine {

// The stems of the built-in parts whose headers name a USART or EUSART, as gputils names its
// headers: 16f1829. The parts whose UART only the family table describes (18f47q43) have a
// header here too, for gpasm's sake, but are listed with their family.
std::vector<std::string> BuiltInPartStems();

// Whether gputils has a header for the part but the part has no serial port: 12f675.
bool BuiltInPartWithoutSerialPort(std::string_view stem);

// The header of a built-in part, with what the engine uses of it; none for another stem.
std::optional<GputilsHeader> BuiltInHeader(std::string_view stem);

}  // namespace brg::engine
