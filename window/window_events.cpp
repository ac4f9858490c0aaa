// Event rules of the calculator window: which handler a user action or a handler's own change
// runs, and when.
#include <utility>

#include "window/calculator_window.h"
#include "window/leading_number.h"

namespace brg {
namespace {

constexpr std::int16_t kEnterCode = 13;

// Keeps the open-box flag true while a message box is on the screen, also when the host throws.
class MessageBoxOpenGuard {
 public:
  explicit MessageBoxOpenGuard(bool& open) : open_(open) { open_ = true; }
  ~MessageBoxOpenGuard() { open_ = false; }
  MessageBoxOpenGuard(const MessageBoxOpenGuard&) = delete;
  MessageBoxOpenGuard& operator=(const MessageBoxOpenGuard&) = delete;

 private:
  bool& open_;
};

}  // namespace

CalculatorWindow::CalculatorWindow(WindowHosts hosts, std::int16_t checkBoxValueAtCreation)
    : hosts_(hosts), controls_(CreateControls(checkBoxValueAtCreation)) {}

void CalculatorWindow::SetHandlerObserver(std::function<void(std::string_view)> observer) {
  handlerObserver_ = std::move(observer);
}

void CalculatorWindow::Trace(std::string_view handler) {
  if (handlerObserver_) {
    handlerObserver_(handler);
  }
}

// --- operations on controls ---

void CalculatorWindow::SetText(ControlId id, std::string text) {
  Mutable(id).text = std::move(text);
}

void CalculatorWindow::SetCaption(ControlId id, std::string caption) {
  Mutable(id).text = std::move(caption);
  // Only the SPBRG label has a Change handler. It runs for every write, also of the text already
  // on show, so that the buttons always follow the value on show.
  if (id == ControlId::lSPBRG) {
    lSPBRG_Change();
  }
}

void CalculatorWindow::SetVisible(ControlId id, bool visible) {
  Mutable(id).visible = visible;
}

void CalculatorWindow::SetEnabled(ControlId id, bool enabled) {
  Mutable(id).enabled = enabled;
}

void CalculatorWindow::SetCheckValue(std::int16_t value) {
  Control& box = Mutable(ControlId::BRG1);
  if (box.value == value) {
    return;
  }
  box.value = value;
  BRG1_Click();
}

void CalculatorWindow::SetFocus(ControlId id) {
  ++handlerFocusMoves_;
  if (focus_ == id) {
    return;
  }
  focus_ = id;
  pendingFocusEntries_.push_back(id);
}

int CalculatorWindow::ShowMessage(std::string_view text, int style, std::string_view title) {
  MessageBoxOpenGuard guard(messageBoxOpen_);
  return hosts_.messageBox.ShowMessage(text, style, title);
}

void CalculatorWindow::ClearClipboard() {
  if (!hosts_.clipboard.Clear()) {
    throw ClipboardFailure();
  }
}

void CalculatorWindow::SetClipboardText(std::string_view text) {
  if (!hosts_.clipboard.SetText(text)) {
    throw ClipboardFailure();
  }
}

double CalculatorWindow::ReadNumber(ControlId box) const {
  return LeadingNumber(Text(box));
}

// --- dispatch ---

void CalculatorWindow::ReportUnexpectedFailure(const WindowFailure& failure) {
  ShowMessage(failure.Explanation(), msgbox::kWarningOk, failure.Title());
}

// A handler stopped by a failure may have hidden or disabled the control with the focus before
// it could move the focus on; the focus then goes to the next control that can take it.
void CalculatorWindow::MoveFocusOffUnusableControl() {
  if (!focus_ || CanTakeFocus(control(*focus_))) {
    return;
  }
  for (std::size_t step = 1; step < kControlCount; ++step) {
    const Control& candidate = controls_[(IndexOf(*focus_) + step) % kControlCount];
    if (CanTakeFocus(candidate)) {
      SetFocus(candidate.id);
      return;
    }
  }
}

void CalculatorWindow::RunQueuedFocusEntries() {
  while (!pendingFocusEntries_.empty()) {
    ControlId id = pendingFocusEntries_.front();
    pendingFocusEntries_.pop_front();
    RunHandlerChain([&] { RunGotFocus(id); });
  }
}

void CalculatorWindow::RunGotFocus(ControlId id) {
  switch (id) {
    case ControlId::Fosc:
      Fosc_GotFocus();
      break;
    case ControlId::BaudRate:
      BaudRate_GotFocus();
      break;
    case ControlId::Command1:
      Command1_GotFocus();
      break;
    default:
      break;  // no other control handles its focus entry
  }
}

void CalculatorWindow::RunKeyPress(ControlId box, std::int16_t& code) {
  if (box == ControlId::Fosc) {
    Fosc_KeyPress(code);
  } else {
    BaudRate_KeyPress(code);
  }
}

void CalculatorWindow::RunValidate(ControlId box, bool& cancel) {
  if (box == ControlId::Fosc) {
    Fosc_Validate(cancel);
  } else {
    BaudRate_Validate(cancel);
  }
}

// A user focus move: the Validate handler of the box being left may replace it with its own.
void CalculatorWindow::UserFocusMove(ControlId target) {
  if (!CanTakeFocus(control(target)) || focus_ == target) {
    return;
  }
  if (focus_ && control(*focus_).kind == ControlKind::TextBox) {
    bool cancel = false;
    std::uint64_t movesBefore = handlerFocusMoves_;
    ControlId box = *focus_;
    RunHandlerChain([&] { RunValidate(box, cancel); });
    bool replaced = handlerFocusMoves_ != movesBefore;
    RunQueuedFocusEntries();
    if (replaced || cancel) {
      return;
    }
  }
  focus_ = target;
  RunHandlerChain([&] { RunGotFocus(target); });
}

void CalculatorWindow::MoveFocusByTab(bool forward) {
  std::size_t start = focus_ ? IndexOf(*focus_) : (forward ? kControlCount - 1 : 0);
  for (std::size_t step = 1; step <= kControlCount; ++step) {
    std::size_t index =
        forward ? (start + step) % kControlCount : (start + kControlCount - step) % kControlCount;
    const Control& candidate = controls_[index];
    if (CanTakeFocus(candidate)) {
      UserFocusMove(candidate.id);
      return;
    }
  }
}

void CalculatorWindow::CompleteClick(ControlId id) {
  RunHandlerChain([&] {
    switch (id) {
      case ControlId::Command1:
        Command1_Click();
        break;
      case ControlId::cInc:
        cInc_Click();
        break;
      case ControlId::cDec:
        cDec_Click();
        break;
      case ControlId::CopyClip:
        CopyClip_Click();
        break;
      case ControlId::Cloerr:
        Cloerr_Click();
        break;
      case ControlId::BRG1:
        SetCheckValue(BrghSet() ? 0 : 1);  // a toggle always changes the value: BRG1_Click runs
        break;
      default:
        break;  // text boxes and labels have no click
    }
  });
}

// --- start-up ---

void CalculatorWindow::ShowWindow() {
  RunUserAction([&] {
    for (const Control& candidate : controls_) {
      if (CanTakeFocus(candidate)) {
        UserFocusMove(candidate.id);
        return;
      }
    }
  });
}

// --- user actions ---

void CalculatorWindow::PressTab() {
  RunUserAction([&] { MoveFocusByTab(true); });
}

void CalculatorWindow::PressShiftTab() {
  RunUserAction([&] { MoveFocusByTab(false); });
}

void CalculatorWindow::MouseDown(ControlId id) {
  RunUserAction([&] {
    mousePressedOn_ = id;
    UserFocusMove(id);
  });
}

void CalculatorWindow::MouseUp(ControlId id) {
  RunUserAction([&] {
    bool pressedHere = mousePressedOn_ == id;
    mousePressedOn_.reset();
    // A Validate or focus-entry handler that sent the focus elsewhere swallows the click.
    if (pressedHere && focus_ == id && CanTakeFocus(control(id))) {
      CompleteClick(id);
    }
  });
}

void CalculatorWindow::ClickControl(ControlId id) {
  MouseDown(id);
  MouseUp(id);
}

void CalculatorWindow::PressEnter() {
  RunUserAction([&] {
    if (!focus_) {
      return;
    }
    ControlId target = *focus_;
    const Control& focused = control(target);
    if (focused.kind == ControlKind::TextBox) {
      std::int16_t code = kEnterCode;
      RunHandlerChain([&] { RunKeyPress(target, code); });
    } else if (focused.kind == ControlKind::CommandButton && CanTakeFocus(focused)) {
      CompleteClick(target);
    }
  });
}

void CalculatorWindow::PressSpace() {
  RunUserAction([&] {
    if (focus_ && control(*focus_).kind != ControlKind::TextBox && CanTakeFocus(control(*focus_))) {
      CompleteClick(*focus_);
    }
  });
}

void CalculatorWindow::SwitchAway() {
  RunUserAction([&] { switchedAway_ = true; });
}

void CalculatorWindow::SwitchBack() {
  switchedAway_ = false;
}

void CalculatorWindow::DeliverKeyPress(std::uint16_t code) {
  RunUserAction([&] {
    if (!focus_ || control(*focus_).kind != ControlKind::TextBox) {
      return;
    }
    ControlId target = *focus_;
    std::int16_t keyCode = static_cast<std::int16_t>(code);
    RunHandlerChain([&] { RunKeyPress(target, keyCode); });
  });
}

void CalculatorWindow::EditFocusedText(std::string text) {
  RunUserAction([&] {
    if (focus_ && control(*focus_).kind == ControlKind::TextBox) {
      SetText(*focus_, std::move(text));
    }
  });
}

}  // namespace brg
