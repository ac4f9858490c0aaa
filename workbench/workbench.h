// The workbench without a toolkit: its state (what the user has given), one Perform for every
// user action, and the view worked out from the state over the engine after each action. Only
// what an action changes is worked out again: a keystroke in the oscillator box recalculates
// the table and the chosen setting, not the clock ranking; the pasted setup is checked again only
// when it, the part, the clock or the budget changes. The clock ranking, the costliest view, is
// worked out only while it is on show (action::ShowClocks); hidden, it is empty.
//
// The clipboard, the kept values and the locale's separators come in through the hosts. The
// engine decides every rule; this class only routes values to it and keeps the results.
#pragma once

#include <string>

#include "engine/parts/part_profile.h"
#include "workbench/start_request.h"
#include "workbench/workbench_actions.h"
#include "workbench/workbench_hosts.h"
#include "workbench/workbench_state.h"
#include "workbench/workbench_view.h"

namespace brg::workbench {

class Workbench {
 public:
  explicit Workbench(WorkbenchHosts hosts, std::string headerDir = "");

  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  // The values kept from the last run, then the request's over them; the whole view.
  void Start(const StartRequest& request = {});

  void Perform(const Action& action);

  const WorkbenchState& state() const { return state_; }
  const WorkbenchView& view() const { return view_; }
  const Separators& separators() const { return separators_; }

 private:
  // What an action leaves to be worked out again.
  enum Stale : unsigned {
    kNothing = 0,
    kPart = 1U << 0,
    kClock = 1U << 1,
    kBudget = 1U << 2,
    kRates = 1U << 3,
    kChoice = 1U << 4,
    kSetup = 1U << 5,
    kFinding = 1U << 6,
    kEverything = (1U << 7) - 1,
    // What the chosen setting and its code are worked out from.
    kCodeInputs = kPart | kClock | kBudget | kRates | kChoice,
  };

  unsigned Handle(const action::EditPart& edit);
  unsigned Handle(const action::ChooseUart& choice);
  unsigned Handle(const action::EditOscillator& edit);
  unsigned Handle(const action::EditBudget& edit);
  unsigned Handle(const action::EditTolerance& edit);
  unsigned Handle(const action::TickRate& tick);
  unsigned Handle(const action::EditExtraRates& edit);
  unsigned Handle(const action::ChooseCell& choice);
  unsigned Handle(const action::SetOverrunClear& option);
  unsigned Handle(const action::SetWholeProgram& option);
  unsigned Handle(const action::CopyForm& copy);
  unsigned Handle(const action::ShowClocks& show);
  unsigned Handle(const action::ChooseClock& choice);
  unsigned Handle(const action::EditSetup& edit);
  unsigned Handle(const action::ChooseFinding& choice);
  unsigned Handle(const action::PartsFound& found);

  void Recalculate(unsigned stale);
  void ReadEntries(unsigned stale);
  void BuildTable();
  void RankClocksIfShown(unsigned stale);
  void Keep();

  WorkbenchHosts hosts_;
  std::string headerDir_;
  Separators separators_;
  WorkbenchState state_;
  WorkbenchView view_;
  bool clocksCurrent_ = false;  // the ranking is of the part, rates and budget as they are
  KeptValues kept_;
};

}  // namespace brg::workbench
