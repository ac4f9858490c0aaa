// The setting chosen in the table, in full: where it is, its registers with their values, the
// real rate, the error, the bit time and how it stands, and its code in every form the part's
// port has (offered_forms.h). The choice is a cell, or a row's best (its nearest when none
// passes); a choice whose rate has left the table falls back to the first row's best.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/display_formats.h"
#include "engine/forms/offered_forms.h"
#include "workbench/part_choice.h"
#include "workbench/rate_table.h"
#include "workbench/workbench_state.h"

namespace brg::workbench {

struct RegisterLine {
  std::string name;
  std::string value;  // "34" for a rate register, "0x24: TXEN BRGH" for a control register
};

struct CodeFormView {
  engine::CodeFormKind kind = engine::CodeFormKind::C;
  std::string name;  // "C", "asm", "DEFINEs", "BASIC", "JSON"
  std::string text;
};

struct SettingView {
  bool shown = false;  // false: no table, or nothing in it to choose
  std::size_t row = 0;
  std::size_t column = 0;
  std::string heading;  // "115,200 baud in 16/4 (SYNC 0, BRG16 1, BRGH 1), n = 34"
  std::vector<RegisterLine> registers;
  std::string realRate;  // "114,286 baud"
  std::string error;     // "-0.794%"
  std::string bitTime;   // "8.750 µs"
  std::string verdict;   // "passes comfortably, the best of the row"
  std::vector<CodeFormView> forms;
  bool wholeProgramOffered = false;  // the engine makes a whole program for the part
};

// The form's name as its tab and its Copy button say it.
const char* FormName(engine::CodeFormKind kind);

// The table's cell that a choice means: its row and mode column; none for an empty table or a
// row without a setting to choose.
struct CellPlace {
  std::size_t row = 0;
  std::size_t column = 0;
};
std::optional<CellPlace> PlaceOf(const RateTable& table, const std::optional<CellChoice>& choice);

struct CodeContext {
  const PartChoice& part;
  double oscMHz = 0;
  std::string oscText;  // with a period
  const ClockOfPart& clock;
  engine::FormChoices forms;
  bool wholeProgram = false;  // the asm form as the whole program, where there is one
};

SettingView DescribeChoice(const RateTable& table, const std::optional<CellChoice>& choice,
                           const CodeContext& context, const Separators& separators);

}  // namespace brg::workbench
