// One setting as JSON text, for other tools: the oscillator, the generator's clock, the rate
// wanted, the mode, n, the real rate and the error (numbers that read back exactly), and the
// value each register is left with. Written without a JSON library; the reports' JSON of many
// rates and modes is the command line's own.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/forms/code_forms.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// Each register the writes set, in the order it is first written, with the value the writes
// leave in it: a write that adds bits keeps what an earlier write set.
std::vector<std::pair<std::string, std::uint32_t>> ValuesLeft(
    const std::vector<RegisterWrite>& writes);

// A JSON object, indented by two spaces, ended by a line end.
std::string SettingJson(const CodeSetting& code, const SerialPort& port, double oscMHz,
                        double clockMHz);

}  // namespace brg::engine
