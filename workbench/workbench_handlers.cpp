// What each user action changes in the state, and what it leaves to be worked out again.
#include <algorithm>

#include "workbench/workbench.h"

namespace brg::workbench {

unsigned Workbench::Handle(const action::EditPart& edit) {
  state_.partText = edit.text;
  return kPart;
}

unsigned Workbench::Handle(const action::ChooseUart& choice) {
  state_.uart = std::max(1, choice.number);
  return kPart;
}

unsigned Workbench::Handle(const action::EditOscillator& edit) {
  state_.oscText = edit.text;
  return kClock;
}

unsigned Workbench::Handle(const action::EditBudget& edit) {
  state_.budgetText = edit.text;
  return kBudget;
}

unsigned Workbench::Handle(const action::EditTolerance& edit) {
  state_.toleranceText = edit.text;
  return kBudget;
}

unsigned Workbench::Handle(const action::TickRate& tick) {
  std::vector<double>& ticked = state_.tickedRates;
  ticked.erase(std::remove(ticked.begin(), ticked.end(), tick.baud), ticked.end());
  if (tick.ticked) {
    ticked.insert(std::lower_bound(ticked.begin(), ticked.end(), tick.baud), tick.baud);
  }
  return kRates;
}

unsigned Workbench::Handle(const action::EditExtraRates& edit) {
  state_.extraRatesText = edit.text;
  return kRates;
}

unsigned Workbench::Handle(const action::ChooseCell& choice) {
  const RateTable& table = view_.table;
  if (choice.row >= table.rows.size() || (choice.column && *choice.column >= table.modes.size())) {
    return kNothing;
  }
  CellChoice chosen{table.rows[choice.row].answer.wanted.baud, std::nullopt};
  if (choice.column) {
    chosen.mode = table.modes[*choice.column];
  }
  state_.choice = chosen;
  return kChoice;
}

unsigned Workbench::Handle(const action::SetOverrunClear& option) {
  state_.overrunClear = option.on;
  return kChoice;
}

unsigned Workbench::Handle(const action::SetWholeProgram& option) {
  state_.wholeProgram = option.on;
  return kChoice;
}

unsigned Workbench::Handle(const action::CopyForm& copy) {
  const std::vector<CodeFormView>& forms = view_.setting.forms;
  auto form = std::find_if(forms.begin(), forms.end(),
                           [&](const CodeFormView& shown) { return shown.kind == copy.form; });
  std::string name = FormName(copy.form);
  if (form == forms.end()) {
    state_.copyMessage = "no " + name + " code to copy";
  } else if (hosts_.clipboard.Put(form->text)) {
    state_.copyMessage = "the " + name + " code is on the clipboard";
  } else {
    state_.copyMessage = "the clipboard could not be written: the " + name + " code is not on it";
  }
  return kNothing;
}

unsigned Workbench::Handle(const action::ShowClocks& show) {
  state_.clocksShown = show.shown;
  return kNothing;  // the ranking follows in Recalculate, worked out if it is not current
}

unsigned Workbench::Handle(const action::ChooseClock& choice) {
  if (choice.rank >= view_.clocks.rows.size()) {
    return kNothing;
  }
  state_.oscText = OscillatorText(view_.clocks.rows[choice.rank].mhz, separators_);
  return kClock;
}

unsigned Workbench::Handle(const action::EditSetup& edit) {
  state_.setupText = edit.text;
  return kSetup;
}

unsigned Workbench::Handle(const action::ChooseFinding& choice) {
  if (choice.index >= view_.check.findings.size()) {
    return kNothing;
  }
  state_.chosenFinding = choice.index;
  return kFinding;
}

unsigned Workbench::Handle(const action::PartsFound& found) {
  state_.knownParts = found.parts;
  return kNothing;
}

}  // namespace brg::workbench
