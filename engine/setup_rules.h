// The rules a serial setup is judged by, over what its source sets (setup_source.h): the
// oscillator and the rate it is meant for, values that do not fit their registers, what the
// port itself finds in its registers, DEFINEs that conflict, the error against the budget and
// better settings. Reads no text.
#pragma once

#include "engine/serial_port.h"
#include "engine/setup_check.h"
#include "engine/setup_source.h"

namespace brg::engine {

// NotASetup when neither the options nor the source give the oscillator.
SetupReport JudgeSetup(const SourceFacts& facts, const CheckOptions& options,
                       const SerialPort& port);

}  // namespace brg::engine
