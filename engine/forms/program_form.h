// A whole program around a port's setup, for gpasm: the configuration words for the
// oscillator, every pin digital, TX an output and RX an input, the port set up, then "U" sent
// for ever: the usual board bring-up check with a scope or a logic analyser (0x55 sent
// least significant bit first is a square wave of half the bit rate, start and stop bits
// included). Does not choose the setting.
#pragma once

#include <string>

#include "engine/forms/code_forms.h"
#include "engine/parts/part_profile.h"

namespace brg::engine {

// PartError for a part without a gputils header, a port other than a USART or EUSART, or a
// part whose pins the table lacks.
std::string ProgramForm(const CodeSetting& code, const PartProfile& part, const SerialPort& port,
                        double oscMHz);

}  // namespace brg::engine
