// The forms room (engine/forms/): code for a chosen setting in every form (DEFINEs, register
// writes, C, asm, the whole bring-up program, JSON) and which forms a part allows. Depends on
// answers/, parts/ and ports/; reads no source.
//
// Code that sets up a serial port for a setting, for the user's toolchain: the BASIC compiler's
// DEFINEs and its direct register writes, C for XC8 and gpasm/MPASM assembler, each from the
// port's own register writes. Every form but the classic DEFINE block states the clock, the
// rates and the error in a comment line. Does not choose the setting.
#pragma once

#include <string>
#include <vector>

#include "core/brg_modes.h"
#include "engine/answers/wanted_rate.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// The setting that code is made for, with what its comment line says about it.
struct CodeSetting {
  std::string oscText;
  WantedRate wanted;
  ModeSetting setting;
  std::string clockText;  // how the generator's clock comes from the oscillator, if it differs
};

// The DEFINEs: for the three-line block byte for byte the window's export, then a DEFINE for
// each further rate register and a bit write for each further control bit; `cloerr` adds the
// overrun-clear line. Asynchronous modes of a port with DEFINEs only (InputError otherwise).
std::string DefinesForm(const CodeSetting& code, const SerialPort& port, bool cloerr);
// InputError for a port of a part the BASIC compiler does not know.
std::string BasicRegistersForm(const CodeSetting& code, const SerialPort& port);
std::string CForm(const CodeSetting& code, const SerialPort& port);
std::string AsmForm(const CodeSetting& code, const SerialPort& port);
// The asm form's instructions without its comment line: banksel, movlw and movwf for each
// register the setting writes.
std::string AsmRegisterWrites(const ModeSetting& setting, const SerialPort& port);

// "NAME=25 NAME=0x24 ...": each register written with its value, for a CSV column.
std::string RegistersText(const std::vector<RegisterWrite>& writes);

// "4 MHz, 9600 baud wanted: 9,615 baud real, error 0.16%, mode 8/16" for the comment line, the
// UART clock after it where it is not the oscillator.
std::string SummaryLine(const CodeSetting& code);

}  // namespace brg::engine
