// The UART's pins as the source sets them up, judged against the part's pin data
// (engine/check/part_registers.h): the RX pin left analog or made an output while the receiver
// is on; on parts with peripheral pin select, TX routed to no pin while the transmitter is on,
// an RX input that selects no pin or is tied to Vss, and the PIC18 UART's TX pin left an
// input. Only where the source sets up pins at all: a file that touches none may be one of a
// larger project.
#pragma once

#include <vector>

#include "engine/check/setup_source.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/finding.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// Nothing without a part.
std::vector<Finding> PinFindings(const SourceFacts& facts, const PartProfile* part,
                                 const SerialPort& port, const PortReading& reading);

}  // namespace brg::engine
