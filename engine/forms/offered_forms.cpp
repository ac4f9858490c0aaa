#include "engine/forms/offered_forms.h"

#include "engine/errors.h"
#include "engine/forms/program_form.h"
#include "engine/forms/setting_json.h"

namespace brg::engine {
namespace {

// The form's text, or nothing when the engine refuses the form for the port or the mode.
template <typename Make>
void OfferUnlessRefused(std::vector<OfferedForm>& forms, CodeFormKind kind, Make make) {
  try {
    forms.push_back(OfferedForm{kind, make(), std::nullopt});
  } catch (const InputError&) {
  }
}

}  // namespace

bool AsmFormExists(const PartProfile& part, const SerialPort& port) {
  return part.assemblable && port.BasicCompiler();
}

std::vector<OfferedForm> OfferedForms(const PartProfile& part, const SerialPort& port,
                                      const CodeSetting& code, double oscMHz, double clockMHz,
                                      const FormChoices& choices) {
  std::vector<OfferedForm> forms;
  forms.push_back(OfferedForm{CodeFormKind::C, CForm(code, port), std::nullopt});
  if (AsmFormExists(part, port)) {
    OfferedForm assembler{CodeFormKind::Asm, AsmForm(code, port), std::nullopt};
    try {
      assembler.program = ProgramForm(code, part, port, oscMHz);
    } catch (const PartError&) {
    } catch (const InputError&) {
    }
    forms.push_back(std::move(assembler));
  }
  OfferUnlessRefused(forms, CodeFormKind::Defines,
                     [&] { return DefinesForm(code, port, choices.overrunClear); });
  OfferUnlessRefused(forms, CodeFormKind::BasicRegisters,
                     [&] { return BasicRegistersForm(code, port); });
  forms.push_back(
      OfferedForm{CodeFormKind::Json, SettingJson(code, port, oscMHz, clockMHz), std::nullopt});
  return forms;
}

}  // namespace brg::engine
