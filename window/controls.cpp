#include "window/controls.h"

namespace brg {
namespace {

// A control as the window creates it; its place in the table is its TabIndex.
struct ControlAtCreation {
  std::string_view name;
  ControlKind kind;
  std::string_view text;
};

// Creation captions and texts, in TabIndex order.
constexpr std::array<ControlAtCreation, kControlCount> kAtCreation{{
    {"Fosc", ControlKind::TextBox, ""},
    {"BaudRate", ControlKind::TextBox, ""},
    {"Command1", ControlKind::CommandButton, "Calculate"},
    {"Label1", ControlKind::Label, "SPBRG Value"},
    {"lSPBRG", ControlKind::Label, ""},
    {"Label2", ControlKind::Label, "OSC (MHZ)"},
    {"Label3", ControlKind::Label, "BaudRate"},
    {"BRG1", ControlKind::CheckBox, "BRGH=1"},
    {"Label4", ControlKind::Label, "Error%"},
    {"ErrPercentage", ControlKind::Label, ""},
    {"CBaud", ControlKind::Label, ""},
    {"Label5", ControlKind::Label, "Calculated BaudRate"},
    {"cInc", ControlKind::CommandButton, "+"},
    {"cDec", ControlKind::CommandButton, "-"},
    {"CopyClip", ControlKind::CommandButton, "Send PBP DEFINEs to clipboard"},
    {"Cloerr", ControlKind::CommandButton, "Add automatic clear overrun error"},
}};

}  // namespace

ControlTable CreateControls(std::int16_t checkBoxValue) {
  ControlTable controls;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlAtCreation& spec = kAtCreation[i];
    Control& control = controls[i];
    control.id = static_cast<ControlId>(i);
    control.name = spec.name;
    control.kind = spec.kind;
    control.text = std::string(spec.text);
    if (spec.kind == ControlKind::CheckBox) {
      control.value = checkBoxValue;
    }
  }
  return controls;
}

std::string_view ControlName(ControlId id) {
  return kAtCreation[IndexOf(id)].name;
}

std::optional<ControlId> ControlByName(std::string_view name) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (kAtCreation[i].name == name) {
      return static_cast<ControlId>(i);
    }
  }
  return std::nullopt;
}

bool CanTakeFocus(const Control& control) {
  return control.kind != ControlKind::Label && control.enabled && control.visible;
}

}  // namespace brg
