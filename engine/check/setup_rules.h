// The rules a serial setup is judged by, over what its source sets (setup_source.h): the
// oscillator and the rate it is meant for, values that do not fit their registers, what the
// port itself finds in its registers, DEFINEs that conflict, the error against the budget and
// better settings. Reads no text.
#pragma once

#include "engine/check/setup_check.h"
#include "engine/check/setup_source.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// NotASetup when neither the options nor the source give the oscillator.
SetupReport JudgeSetup(const SourceFacts& facts, const CheckOptions& options,
                       const SerialPort& port);

}  // namespace brg::engine
