#include "window/calculator_window.h"

namespace brg {

void CalculatorWindow::Form_Load() {
  RunHandlerChain([&] {
    Trace("Form_Load");
    SetCheckValue(1);  // runs BRG1_Click when the box was unchecked at creation
    Mutable(ControlId::BRG1).text = "BRGH=1";
    SetEnabled(ControlId::cInc, false);
    SetEnabled(ControlId::cDec, false);
    state_.SpbrgOverflow = false;
    state_.ManualSpbrg = false;
    SetEnabled(ControlId::Cloerr, false);
    SetEnabled(ControlId::CopyClip, false);
    SetVisible(ControlId::Cloerr, false);
    state_.InputRejected = false;
  });
  RunQueuedFocusEntries();
}

}  // namespace brg
