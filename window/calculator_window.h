// The calculator window: its sixteen controls, its five state variables, the event rules that
// tie a handler's changes to other handlers, and every handler of the window.
//
// Plain data and logic without a toolkit. A binding or a test drives it with user actions (focus
// moves, clicks, typed keys) and reads back the controls, the focus and the state. Message boxes,
// the clipboard and the locale's separators come in through the hosts. The arithmetic itself
// lives in core/; this class only reads numbers from the entry texts and shows the results.
//
// The handlers are grouped by concern, one source file each:
//   window_events.cpp     event rules, user actions, property operations
//   form_load.cpp         Form_Load
//   calculation_run.cpp   Command1_Click, EvaluateSpbrg
//   input_validation.cpp  the GotFocus, KeyPress and Validate handlers of the entry boxes
//   spbrg_stepping.cpp    cInc_Click, cDec_Click, BRG1_Click, lSPBRG_Change
//   define_export.cpp     CopyClip_Click, Cloerr_Click
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/brg_arithmetic.h"
#include "window/controls.h"
#include "window/window_failure.h"
#include "window/window_host.h"
#include "window/window_state.h"

namespace brg {

class CalculatorWindow {
 public:
  // Creates the window with its controls and state variables at their creation values; the
  // check box value at creation is not visible after Form_Load.
  explicit CalculatorWindow(WindowHosts hosts, std::int16_t checkBoxValueAtCreation = 0);

  CalculatorWindow(const CalculatorWindow&) = delete;
  CalculatorWindow& operator=(const CalculatorWindow&) = delete;

  // Start-up: Form_Load once, then ShowWindow places the focus on the first control that can
  // take it, which counts as a user focus move.
  void Form_Load();
  void ShowWindow();

  // User actions. Each runs to completion with everything it causes, queued focus-entry
  // handlers included. While a message box is open, or another application has the keyboard,
  // they are ignored.
  void PressTab();
  void PressShiftTab();
  void MouseDown(ControlId id);
  void MouseUp(ControlId id);
  void ClickControl(ControlId id);  // MouseDown then MouseUp
  // Enter: the KeyPress handler of a text box, or the click of a command button.
  void PressEnter();
  // The space bar on a button or the check box; in a text box a space is a typed key.
  void PressSpace();
  // A key typed into the focused text box reaches its KeyPress handler; the box then edits its
  // text itself and reports the result with EditFocusedText (user_actions.h puts the two
  // together for scripts).
  void DeliverKeyPress(std::uint16_t code);
  // The user's edit of the focused text box (paste, delete, ...): no key press, no handler.
  void EditFocusedText(std::string text);
  // Another application takes the keyboard and the mouse, and gives them back: the focus stays
  // where it is, no handler runs, and nothing reaches the window in between.
  void SwitchAway();
  void SwitchBack();

  // Reading the window.
  const Control& control(ControlId id) const { return controls_[IndexOf(id)]; }
  const ControlTable& controls() const { return controls_; }
  const WindowState& state() const { return state_; }
  std::optional<ControlId> focus() const { return focus_; }
  bool messageBoxOpen() const { return messageBoxOpen_; }
  bool switchedAway() const { return switchedAway_; }

  // Called with the name of every handler as it starts, nested ones in the order they start.
  void SetHandlerObserver(std::function<void(std::string_view)> observer);

 private:
  friend class CalculatorWindowProbe;  // tests reach states no user action can

  // --- event rules and operations on controls (window_events.cpp) ---
  const std::string& Text(ControlId id) const { return control(id).text; }
  Control& Mutable(ControlId id) { return controls_[IndexOf(id)]; }
  void SetText(ControlId id, std::string text);
  void SetCaption(ControlId id, std::string caption);
  void SetVisible(ControlId id, bool visible);
  void SetEnabled(ControlId id, bool enabled);
  bool BrghSet() const { return control(ControlId::BRG1).value == 1; }
  void SetCheckValue(std::int16_t value);
  void SetFocus(ControlId id);
  int ShowMessage(std::string_view text, int style, std::string_view title);
  void ClearClipboard();
  void SetClipboardText(std::string_view text);
  double ReadNumber(ControlId box) const;
  Separators CurrentSeparators() const { return hosts_.locale.CurrentSeparators(); }
  void Trace(std::string_view handler);

  template <typename Action>
  void RunUserAction(Action&& action);
  template <typename Chain>
  void RunHandlerChain(Chain&& chain);
  void RunQueuedFocusEntries();
  void ReportUnexpectedFailure(const WindowFailure& failure);
  void MoveFocusOffUnusableControl();
  void UserFocusMove(ControlId target);
  void MoveFocusByTab(bool forward);
  void CompleteClick(ControlId id);
  void RunGotFocus(ControlId id);
  void RunKeyPress(ControlId box, std::int16_t& code);
  void RunValidate(ControlId box, bool& cancel);

  // --- calculation run (calculation_run.cpp) ---
  void Command1_Click();
  void EvaluateSpbrg();
  void ShowCandidate(const CandidateResult& candidate);
  bool ConfirmInvalidSetting();
  void ClampToRegister(const CandidateResult& atMax, bool beyondLimit);
  void SetResultsVisible(bool visible);
  void ResetAfterInvalidSetting();
  void ResetAfterOverflow();

  // --- input entry and validation (input_validation.cpp) ---
  void Fosc_GotFocus();
  void Fosc_KeyPress(std::int16_t& KeyAscii);
  void Fosc_Validate(bool& Cancel);
  void BaudRate_GotFocus();
  void BaudRate_KeyPress(std::int16_t& KeyAscii);
  void BaudRate_Validate(bool& Cancel);
  void Command1_GotFocus();
  double ReadForRangeCheck(ControlId box) const;

  // --- stepping and BRGH (spbrg_stepping.cpp) ---
  void cInc_Click();
  void cDec_Click();
  void BRG1_Click();
  void lSPBRG_Change();

  // --- DEFINE export (define_export.cpp) ---
  void CopyClip_Click();
  void Cloerr_Click();
  std::string BuildDefineBlock() const;

  WindowHosts hosts_;
  ControlTable controls_;
  WindowState state_;
  std::optional<ControlId> focus_;
  std::deque<ControlId> pendingFocusEntries_;
  std::uint64_t handlerFocusMoves_ = 0;
  std::optional<ControlId> mousePressedOn_;
  bool messageBoxOpen_ = false;
  bool switchedAway_ = false;
  std::function<void(std::string_view)> handlerObserver_;
};

template <typename Action>
inline void CalculatorWindow::RunUserAction(Action&& action) {
  if (messageBoxOpen_ || switchedAway_) {
    return;
  }
  action();
  RunQueuedFocusEntries();
}

// A chain of handlers started by one event. A failure that no handler trapped stops the chain
// where it happened; what was done before stays done and the user is told.
template <typename Chain>
inline void CalculatorWindow::RunHandlerChain(Chain&& chain) {
  try {
    chain();
  } catch (const WindowFailure& failure) {
    ReportUnexpectedFailure(failure);
    MoveFocusOffUnusableControl();
  }
}

}  // namespace brg
