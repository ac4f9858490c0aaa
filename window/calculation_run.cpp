// The calculation run: the Calculate button and the evaluation of the SPBRG value on show.
#include "core/display_formats.h"
#include "core/spbrg_settlement.h"
#include "window/calculator_window.h"

namespace brg {
namespace {

constexpr std::string_view kInvalidSettingTitle = "Invalid setting";
constexpr std::string_view kInvalidSettingPrompt = "Current setting cause an error %=";
constexpr std::string_view kInvalidSettingQuestion =
    "Do you want to keep it and try another BRGH setting?";
constexpr std::string_view kOverflowTitle = "Current setting cause an SPBRG overflow.";
constexpr std::string_view kOverflowPrompt =
    "By using the max SPBRG value, it generate a error % of ";
constexpr std::string_view kOverflowQuestion =
    "Do you want to keep it and try with another BRGH setting?";

std::string TwoLinePrompt(std::string_view first, const std::string& value,
                          std::string_view second) {
  std::string prompt(first);
  prompt += value;
  prompt += '\r';
  prompt += second;
  return prompt;
}

}  // namespace

void CalculatorWindow::Command1_Click() {
  Trace("Command1_Click");
  try {
    if (state_.InputRejected) {
      state_.InputRejected = false;
      SetText(ControlId::BaudRate, "");
      SetFocus(ControlId::BaudRate);
    }
    state_.ManualSpbrg = false;
    bool brgh = BrghSet();
    double wantedBaud = ReadNumber(ControlId::BaudRate);
    double oscMHz = ReadNumber(ControlId::Fosc);
    state_.SpbrgValue = EstimateSpbrg(oscMHz, wantedBaud, brgh);
    EvaluateSpbrg();
  } catch (const ArithmeticFault&) {
    // A calculation that cannot be made ends quietly; the window keeps what it shows.
  } catch (const WindowFailure&) {
  }
}

void CalculatorWindow::EvaluateSpbrg() {
  try {
    Settlement settled =
        SettleSpbrg(state_.SpbrgValue, ReadNumber(ControlId::Fosc), ReadNumber(ControlId::BaudRate),
                    BrghSet(), state_.ManualSpbrg);
    ShowCandidate(settled.taken);
    if (settled.beyondLimit && !ConfirmInvalidSetting()) {
      return;
    }
    if (settled.clamped) {
      ClampToRegister(*settled.clamped, settled.clampBeyondLimit);
    }
    state_.SpbrgOverflow = false;
  } catch (const ArithmeticFault&) {
    // As in Command1_Click: nothing is undone and nothing is reported.
  } catch (const WindowFailure&) {
  }
}

void CalculatorWindow::ShowCandidate(const CandidateResult& candidate) {
  Separators separators = CurrentSeparators();
  SetCaption(ControlId::lSPBRG, FormatSpbrg(candidate.spbrg));
  state_.SpbrgValue = candidate.spbrg;
  SetCaption(ControlId::CBaud, FormatBaudRate(candidate.actualBaud, separators));
  SetCaption(ControlId::ErrPercentage, FormatErrorPercent(candidate.errorRatio, separators));
}

void CalculatorWindow::SetResultsVisible(bool visible) {
  SetVisible(ControlId::lSPBRG, visible);
  SetVisible(ControlId::CBaud, visible);
  SetVisible(ControlId::ErrPercentage, visible);
}

// True when the user keeps the setting; on No the window is emptied for a new entry.
bool CalculatorWindow::ConfirmInvalidSetting() {
  SetResultsVisible(false);
  std::string prompt =
      TwoLinePrompt(kInvalidSettingPrompt, Text(ControlId::ErrPercentage), kInvalidSettingQuestion);
  if (ShowMessage(prompt, msgbox::kInformationYesNo, kInvalidSettingTitle) == msgbox::kYes) {
    SetResultsVisible(true);
    SetEnabled(ControlId::CopyClip, true);
    return true;
  }
  ResetAfterInvalidSetting();
  return false;
}

// The value is kept at the top of the register; the user is asked when its error is too large.
void CalculatorWindow::ClampToRegister(const CandidateResult& atMax, bool beyondLimit) {
  state_.SpbrgValue = atMax.spbrg;
  state_.SpbrgOverflow = true;
  Separators separators = CurrentSeparators();
  SetCaption(ControlId::lSPBRG, FormatSpbrg(atMax.spbrg));
  SetCaption(ControlId::CBaud, FormatBaudRate(atMax.actualBaud, separators));
  SetCaption(ControlId::ErrPercentage, FormatErrorPercent(atMax.errorRatio, separators));
  if (!beyondLimit) {
    return;
  }
  SetResultsVisible(false);
  SetEnabled(ControlId::CopyClip, false);
  std::string prompt =
      TwoLinePrompt(kOverflowPrompt, Text(ControlId::ErrPercentage), kOverflowQuestion);
  if (ShowMessage(prompt, msgbox::kInformationYesNo, kOverflowTitle) == msgbox::kYes) {
    SetResultsVisible(true);
    SetEnabled(ControlId::CopyClip, true);
    return;
  }
  ResetAfterOverflow();
}

void CalculatorWindow::ResetAfterInvalidSetting() {
  SetCaption(ControlId::lSPBRG, "");
  SetCaption(ControlId::CBaud, "");
  SetCaption(ControlId::ErrPercentage, "");
  SetVisible(ControlId::CBaud, true);
  SetVisible(ControlId::ErrPercentage, true);
  SetVisible(ControlId::lSPBRG, true);
  SetText(ControlId::BaudRate, "");
  SetText(ControlId::Fosc, "");
  SetCheckValue(1);
  SetFocus(ControlId::Fosc);
}

void CalculatorWindow::ResetAfterOverflow() {
  SetCaption(ControlId::lSPBRG, "");
  SetVisible(ControlId::lSPBRG, true);
  SetCaption(ControlId::CBaud, "");
  SetVisible(ControlId::CBaud, true);
  SetCaption(ControlId::ErrPercentage, "");
  SetVisible(ControlId::ErrPercentage, true);
  SetCheckValue(1);
  SetText(ControlId::BaudRate, "");
  SetText(ControlId::Fosc, "");
  SetFocus(ControlId::Fosc);
}

}  // namespace brg
