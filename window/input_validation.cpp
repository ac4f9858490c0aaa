// Entry of the oscillator frequency and the baud rate: range checks on Enter or on leaving a
// box, and the focus led from one box to the next.
#include <cmath>

#include "window/calculator_window.h"
#include "window/leading_number.h"

namespace brg {
namespace {

constexpr std::int16_t kEnterCode = 13;

}  // namespace

// A number beyond the double range counts as out of range on the side of its sign.
double CalculatorWindow::ReadForRangeCheck(ControlId box) const {
  try {
    return LeadingNumber(Text(box));
  } catch (const NumberOverflow& overflow) {
    return overflow.negative() ? -HUGE_VAL : HUGE_VAL;
  }
}

void CalculatorWindow::Fosc_GotFocus() {
  Trace("Fosc_GotFocus");
  if (!state_.ManualSpbrg) {
    SetText(ControlId::Fosc, "");
  }
}

void CalculatorWindow::Fosc_KeyPress(std::int16_t& KeyAscii) {
  Trace("Fosc_KeyPress");
  if (KeyAscii == kEnterCode) {
    bool cancel = false;
    Fosc_Validate(cancel);
  }
}

void CalculatorWindow::Fosc_Validate(bool& /*Cancel*/) {
  Trace("Fosc_Validate");
  double mhz = ReadForRangeCheck(ControlId::Fosc);
  bool empty = Text(ControlId::Fosc).empty();
  if (!(mhz >= WindowOscMHz.low)) {
    // An empty box keeps the focus, so it leaves no rejection pending for a later entry.
    if (!empty) {
      ShowMessage("Minimum recommended is 1 MHZ", msgbox::kWarningOk, "Oscillator speed too low");
      state_.InputRejected = true;
    }
  } else if (mhz > WindowOscMHz.high) {
    ShowMessage("As now maximum allowed is 48MHZ", msgbox::kWarningOk, "Oscillator speed to high");
    state_.InputRejected = true;
  }
  SetFocus(empty ? ControlId::Fosc : ControlId::BaudRate);
}

void CalculatorWindow::BaudRate_GotFocus() {
  Trace("BaudRate_GotFocus");
  SetText(ControlId::BaudRate, "");
  if (state_.InputRejected) {
    state_.InputRejected = false;
    SetText(ControlId::Fosc, "");
    SetFocus(ControlId::Fosc);
  }
}

void CalculatorWindow::BaudRate_KeyPress(std::int16_t& KeyAscii) {
  Trace("BaudRate_KeyPress");
  if (KeyAscii == kEnterCode) {
    bool cancel = false;
    BaudRate_Validate(cancel);
  }
}

void CalculatorWindow::BaudRate_Validate(bool& /*Cancel*/) {
  Trace("BaudRate_Validate");
  double baud = ReadForRangeCheck(ControlId::BaudRate);
  if (baud > WindowBaud.high) {
    ShowMessage("That's a fast baudrate for a so small IC ;o)", msgbox::kWarningOk,
                "Selected baudrate too high");
    state_.InputRejected = true;
  } else if (!(baud >= WindowBaud.low)) {
    if (!Text(ControlId::BaudRate).empty()) {
      ShowMessage("Better for you to use morse code ;o)", msgbox::kWarningOk,
                  "Selected baudrate is too low");
    }
    state_.InputRejected = true;
  }
  SetFocus(ControlId::Command1);
}

void CalculatorWindow::Command1_GotFocus() {
  Trace("Command1_GotFocus");
  if (state_.InputRejected) {
    SetText(ControlId::BaudRate, "");
    SetFocus(ControlId::BaudRate);
    state_.InputRejected = false;
  }
}

}  // namespace brg
