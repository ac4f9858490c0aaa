// What a user does in the workbench, as data: each edit of an entry box with the box's whole new
// text, each tick, each choice of a cell, a clock or a finding, each Copy. The Qt binding and the
// tests deliver them to Workbench::Perform.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/forms/offered_forms.h"

namespace brg::workbench {

namespace action {
struct EditPart {
  std::string text;
};
struct ChooseUart {
  int number = 1;
};
struct EditOscillator {
  std::string text;
};
struct EditBudget {
  std::string text;
};
struct EditTolerance {
  std::string text;
};
struct TickRate {
  double baud = 0;
  bool ticked = false;
};
struct EditExtraRates {
  std::string text;
};
// A cell of the table by its row and mode column; without a column the row's best.
struct ChooseCell {
  std::size_t row = 0;
  std::optional<std::size_t> column;
};
struct SetOverrunClear {
  bool on = false;
};
struct SetWholeProgram {
  bool on = false;
};
struct CopyForm {
  engine::CodeFormKind form = engine::CodeFormKind::C;
};
// The clock ranking's view shown or hidden: the ranking is worked out while it is on show.
struct ShowClocks {
  bool shown = false;
};
// A row of the clock ranking: its clock becomes the oscillator.
struct ChooseClock {
  std::size_t rank = 0;  // from 0
};
struct EditSetup {
  std::string text;
};
struct ChooseFinding {
  std::size_t index = 0;
};
// The parts the engine knows, found away from the window's start.
struct PartsFound {
  std::vector<std::string> parts;
};
}  // namespace action

using Action =
    std::variant<action::EditPart, action::ChooseUart, action::EditOscillator, action::EditBudget,
                 action::EditTolerance, action::TickRate, action::EditExtraRates,
                 action::ChooseCell, action::SetOverrunClear, action::SetWholeProgram,
                 action::CopyForm, action::ShowClocks, action::ChooseClock, action::EditSetup,
                 action::ChooseFinding, action::PartsFound>;

}  // namespace brg::workbench
