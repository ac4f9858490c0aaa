#include "window/controls.h"

namespace brg {
namespace {

struct ControlSpec {
  ControlId id;
  std::string_view name;
  ControlKind kind;
  std::string_view text;
};

// Creation captions and texts, in TabIndex order.
constexpr std::array<ControlSpec, kControlCount> kControlSpecs{{
    {ControlId::Fosc, "Fosc", ControlKind::TextBox, ""},
    {ControlId::BaudRate, "BaudRate", ControlKind::TextBox, ""},
    {ControlId::Command1, "Command1", ControlKind::CommandButton, "Calculate"},
    {ControlId::Label1, "Label1", ControlKind::Label, "SPBRG Value"},
    {ControlId::lSPBRG, "lSPBRG", ControlKind::Label, ""},
    {ControlId::Label2, "Label2", ControlKind::Label, "OSC (MHZ)"},
    {ControlId::Label3, "Label3", ControlKind::Label, "BaudRate"},
    {ControlId::BRG1, "BRG1", ControlKind::CheckBox, "BRGH=1"},
    {ControlId::Label4, "Label4", ControlKind::Label, "Error%"},
    {ControlId::ErrPercentage, "ErrPercentage", ControlKind::Label, ""},
    {ControlId::CBaud, "CBaud", ControlKind::Label, ""},
    {ControlId::Label5, "Label5", ControlKind::Label, "Calculated BaudRate"},
    {ControlId::cInc, "cInc", ControlKind::CommandButton, "+"},
    {ControlId::cDec, "cDec", ControlKind::CommandButton, "-"},
    {ControlId::CopyClip, "CopyClip", ControlKind::CommandButton, "Send PBP DEFINEs to clipboard"},
    {ControlId::Cloerr, "Cloerr", ControlKind::CommandButton, "Add automatic clear overrun error"},
}};

}  // namespace

ControlTable CreateControls(std::int16_t checkBoxValue) {
  ControlTable controls;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& spec = kControlSpecs[i];
    Control& control = controls[i];
    control.id = spec.id;
    control.name = spec.name;
    control.kind = spec.kind;
    control.text = std::string(spec.text);
    // Every control that can take the focus is a tab stop and causes validation, the stepping
    // buttons included: no entry reaches a calculation without its range check.
    bool focusable = spec.kind != ControlKind::Label;
    control.tabStop = focusable;
    control.causesValidation = focusable;
    if (spec.kind == ControlKind::CheckBox) {
      control.value = checkBoxValue;
    }
  }
  return controls;
}

std::string_view ControlName(ControlId id) {
  return kControlSpecs[IndexOf(id)].name;
}

std::optional<ControlId> ControlByName(std::string_view name) {
  for (const ControlSpec& spec : kControlSpecs) {
    if (spec.name == name) {
      return spec.id;
    }
  }
  return std::nullopt;
}

bool CanTakeFocus(const Control& control) {
  return control.kind != ControlKind::Label && control.enabled && control.visible;
}

}  // namespace brg
