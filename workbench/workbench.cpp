// Start-up, the dispatch of actions and the view worked out again from the state.
#include "workbench/workbench.h"

namespace brg::workbench {

Workbench::Workbench(WorkbenchHosts hosts, std::string headerDir)
    : hosts_(hosts),
      headerDir_(std::move(headerDir)),
      separators_(hosts.locale.CurrentSeparators()) {}

void Workbench::Start(const StartRequest& request) {
  if (std::optional<KeptValues> kept = hosts_.store.Load()) {
    RestoreKept(state_, *kept, separators_);
    kept_ = *kept;
  }
  ApplyStart(state_, request, separators_);
  Recalculate(kEverything);
  Keep();
}

void Workbench::Perform(const Action& action) {
  unsigned stale = std::visit([this](const auto& what) { return Handle(what); }, action);
  if (stale & kCodeInputs) {
    state_.copyMessage.clear();  // it spoke of code that is no longer shown
  }
  Recalculate(stale);
  if (stale & (kPart | kClock | kRates)) {
    Keep();
  }
}

void Workbench::Keep() {
  KeptValues kept = KeptFrom(state_, separators_);
  if (kept != kept_) {
    hosts_.store.Save(kept);
    kept_ = kept;
  }
}

void Workbench::ReadEntries(unsigned stale) {
  if (stale & kPart) {
    view_.part = ChoosePart(state_.partText, state_.uart, headerDir_);
  }
  if (stale & kClock) {
    view_.oscillator = ReadOscillator(state_.oscText, separators_);
  }
  if (stale & (kPart | kClock)) {
    view_.clock = view_.oscillator.value
                      ? ClockFor(view_.part, *view_.oscillator.value, separators_)
                      : ClockOfPart{};
  }
  if (stale & kBudget) {
    view_.budget = ReadPercent(state_.budgetText, separators_, "error budget");
    view_.tolerance = ReadPercent(state_.toleranceText, separators_, "oscillator tolerance");
  }
  if (stale & kRates) {
    RatesEntry rates = ReadRates(state_.tickedRates, state_.extraRatesText, separators_);
    view_.rates = std::move(rates.rates);
    view_.ratesMessage = std::move(rates.message);
  }
}

// The ranking of the part, rates and budget as they are, while it is on show; none while hidden,
// so that no row of an older ranking can be chosen.
void Workbench::RankClocksIfShown(unsigned stale) {
  if (stale & (kPart | kBudget | kRates)) {
    clocksCurrent_ = false;
  }
  if (!state_.clocksShown) {
    view_.clocks = ClockRanking{};
    clocksCurrent_ = false;
  } else if (!clocksCurrent_) {
    view_.clocks = RankClocks(view_.part, view_.rates,
                              BudgetOf(view_.budget, view_.tolerance).maxErrorPercent, separators_);
    clocksCurrent_ = true;
  }
}

// The table, or why there is none: the part, the oscillator or the rates.
void Workbench::BuildTable() {
  view_.table = RateTable{};
  const PartChoice& part = view_.part;
  if (part.port == nullptr) {
    view_.tableMessage = part.message;
  } else if (!view_.oscillator.value) {
    view_.tableMessage = "oscillator: " + view_.oscillator.message;
  } else if (!view_.clock.mhz) {
    view_.tableMessage = view_.clock.refusal;
  } else if (view_.rates.empty()) {
    view_.tableMessage = "tick a rate or type one";
  } else {
    view_.table = BuildRateTable(*part.port, *view_.clock.mhz, view_.rates, part.modes,
                                 BudgetOf(view_.budget, view_.tolerance), separators_);
    view_.tableMessage = part.note;
  }
}

void Workbench::Recalculate(unsigned stale) {
  ReadEntries(stale);
  if (stale & (kPart | kClock | kBudget | kRates)) {
    BuildTable();
  }
  if (stale & kCodeInputs) {
    engine::FormChoices forms{state_.overrunClear};
    double oscMHz = view_.oscillator.value.value_or(0);
    CodeContext context{view_.part,  oscMHz, view_.oscillator.plain,
                        view_.clock, forms,  state_.wholeProgram};
    view_.setting = DescribeChoice(view_.table, state_.choice, context, separators_);
  }
  RankClocksIfShown(stale);
  if (stale & (kPart | kClock | kBudget | kSetup)) {
    view_.check = CheckPastedSetup(state_.setupText, view_.part, view_.oscillator.value,
                                   BudgetOf(view_.budget, view_.tolerance), separators_);
    state_.chosenFinding.reset();  // the findings are new: none of them is chosen yet
  }
  view_.shownLine.reset();
  if (state_.chosenFinding) {
    int line = view_.check.findings[*state_.chosenFinding].line;
    if (line > 0) {
      view_.shownLine = line;
    }
  }
}

}  // namespace brg::workbench
