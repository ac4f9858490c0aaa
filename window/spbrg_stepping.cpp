// Stepping SPBRG by hand and switching BRGH, with the buttons kept in step with the value on show.
#include "window/calculator_window.h"

namespace brg {

void CalculatorWindow::cInc_Click() {
  Trace("cInc_Click");
  if (state_.SpbrgValue < SpbrgMax) {
    ++state_.SpbrgValue;
  }
  state_.ManualSpbrg = true;
  EvaluateSpbrg();
}

void CalculatorWindow::cDec_Click() {
  Trace("cDec_Click");
  if (state_.SpbrgValue >= 1) {
    --state_.SpbrgValue;
  }
  state_.ManualSpbrg = true;
  EvaluateSpbrg();
}

void CalculatorWindow::BRG1_Click() {
  Trace("BRG1_Click");
  state_.ManualSpbrg = false;
  if (!state_.SpbrgOverflow && !Text(ControlId::lSPBRG).empty()) {
    Command1_Click();
  }
}

void CalculatorWindow::lSPBRG_Change() {
  Trace("lSPBRG_Change");
  bool valueOnShow = !Text(ControlId::lSPBRG).empty();
  SetEnabled(ControlId::cInc, valueOnShow);
  SetEnabled(ControlId::cDec, valueOnShow);
  SetEnabled(ControlId::CopyClip, valueOnShow);
  if (!valueOnShow) {
    SetEnabled(ControlId::Cloerr, false);
    // With nothing on show the export place goes back to its start-up state, so that the next
    // value can be exported again.
    SetVisible(ControlId::Cloerr, false);
    SetVisible(ControlId::CopyClip, true);
  }
}

}  // namespace brg
