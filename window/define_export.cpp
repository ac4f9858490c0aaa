// Export of the setting on show as DEFINE lines on the clipboard.
#include "core/define_export.h"
#include "window/calculator_window.h"

namespace brg {

// Built from what the window shows at the moment: the check box, the SPBRG label and the baud
// rate as typed.
std::string CalculatorWindow::BuildDefineBlock() const {
  return DefineBlock(BrghSet(), Text(ControlId::lSPBRG), Text(ControlId::BaudRate));
}

void CalculatorWindow::CopyClip_Click() {
  Trace("CopyClip_Click");
  state_.ManualSpbrg = true;
  state_.DefineText = BuildDefineBlock();
  SetEnabled(ControlId::CopyClip, false);
  SetVisible(ControlId::CopyClip, false);
  SetVisible(ControlId::Cloerr, true);
  SetEnabled(ControlId::Cloerr, true);
  ClearClipboard();
  SetClipboardText(state_.DefineText);
  SetFocus(ControlId::Command1);
  state_.InputRejected = false;
}

// The block is built afresh, so that the clipboard never names another setting than the one
// on show after a step, a BRGH switch or a new calculation.
void CalculatorWindow::Cloerr_Click() {
  Trace("Cloerr_Click");
  state_.DefineText = BuildDefineBlock();
  ClearClipboard();
  SetClipboardText(state_.DefineText + OverrunClearLine());
  SetEnabled(ControlId::Cloerr, false);
  SetVisible(ControlId::Cloerr, false);
  SetVisible(ControlId::CopyClip, true);
  SetFocus(ControlId::Command1);
}

}  // namespace brg
