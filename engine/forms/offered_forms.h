// The code forms that exist for a setting on a part's port, each with its text: C for the
// part's C compiler, gpasm assembler where gpasm has the part's header and the part is one of
// the 8-bit ones it assembles for (and the whole bring-up program around it where the engine
// makes one for the part), the BASIC compiler's DEFINEs and its register writes where the
// compiler has them for the port and the mode, and JSON. A form that the engine refuses for the
// port is left out, never offered with a refusal. Does not choose the setting.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/forms/code_forms.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

enum class CodeFormKind { C, Asm, Defines, BasicRegisters, Json };

struct FormChoices {
  bool overrunClear = false;  // the DEFINEs with the line that clears receive overruns
};

struct OfferedForm {
  CodeFormKind kind = CodeFormKind::C;
  std::string text;
  // The asm form only: the whole program for gpasm around the setup (program_form.h), where
  // the engine makes one for the part.
  std::optional<std::string> program;
};

// gpasm assembles code for the part's port: it has the part's header, and the port is one of
// an 8-bit part.
bool AsmFormExists(const PartProfile& part, const SerialPort& port);

// The forms in the order C, asm, DEFINEs, BASIC registers, JSON, those that exist only.
std::vector<OfferedForm> OfferedForms(const PartProfile& part, const SerialPort& port,
                                      const CodeSetting& code, double oscMHz, double clockMHz,
                                      const FormChoices& choices = {});

}  // namespace brg::engine
