// What spbrg check prints: the mode, the rates and the bit time, then each finding with its
// place.
#pragma once

#include <ostream>
#include <string>

#include "engine/check/setup_check.h"
#include "engine/ports/serial_port.h"

namespace brg::cli {

// `place` names where a finding stands: "line" of a source, "argument" of NAME=VALUE
// arguments.
void PrintCheck(std::ostream& out, const std::string& sourceName, const engine::SetupReport& report,
                const engine::SerialPort& port, const std::string& place);

}  // namespace brg::cli
