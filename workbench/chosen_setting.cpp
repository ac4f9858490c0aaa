#include "workbench/chosen_setting.h"

#include "core/bit_time.h"
#include "core/text.h"

namespace brg::workbench {
namespace {

std::string ValueOf(const engine::RegisterWrite& write) {
  if (write.rate) {
    return std::to_string(write.value);
  }
  std::string value = (write.addsBits ? "|= " : "") + HexValue(write.value, write.width);
  for (std::size_t i = 0; i < write.bits.size(); ++i) {
    value += (i == 0 ? ": " : " ") + write.bits[i].name;
  }
  return value;
}

std::optional<std::size_t> ColumnOf(const TableRow& row, const CellChoice& choice) {
  if (!choice.mode) {
    const engine::SettingAnswer* chosen = row.answer.Chosen();
    if (chosen == nullptr) {
      return std::nullopt;
    }
    return static_cast<std::size_t>(chosen - row.answer.settings.data());
  }
  for (std::size_t i = 0; i < row.cells.size(); ++i) {
    if (row.cells[i].mode == *choice.mode) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace

const char* FormName(engine::CodeFormKind kind) {
  switch (kind) {
    case engine::CodeFormKind::C:
      return "C";
    case engine::CodeFormKind::Asm:
      return "asm";
    case engine::CodeFormKind::Defines:
      return "DEFINEs";
    case engine::CodeFormKind::BasicRegisters:
      return "BASIC";
    case engine::CodeFormKind::Json:
      break;
  }
  return "JSON";
}

std::optional<CellPlace> PlaceOf(const RateTable& table, const std::optional<CellChoice>& choice) {
  if (table.rows.empty()) {
    return std::nullopt;
  }
  std::size_t row = 0;
  CellChoice wanted;
  if (choice) {
    for (std::size_t at = 0; at < table.rows.size(); ++at) {
      if (table.rows[at].answer.wanted.baud == choice->baud) {
        row = at;
        wanted = *choice;
        break;
      }
    }
  }
  // A mode the port no longer has falls back to the best of the same rate.
  std::optional<std::size_t> column = ColumnOf(table.rows[row], wanted);
  if (!column) {
    column = ColumnOf(table.rows[row], CellChoice{wanted.baud, std::nullopt});
  }
  if (!column) {
    return std::nullopt;
  }
  return CellPlace{row, *column};
}

SettingView DescribeChoice(const RateTable& table, const std::optional<CellChoice>& choice,
                           const CodeContext& context, const Separators& separators) {
  SettingView view;
  std::optional<CellPlace> place = PlaceOf(table, choice);
  if (!place || context.part.port == nullptr) {
    return view;
  }
  const engine::SerialPort& port = *context.part.port;
  const TableRow& row = table.rows[place->row];
  const TableCell& cell = row.cells[place->column];
  const ModeSetting& setting = row.answer.settings[place->column].setting;
  view.shown = true;
  view.row = place->row;
  view.column = place->column;
  view.heading = row.rateText + " baud in " + std::string(InfoOf(setting.mode).name) + " (" +
                 port.ModeBits(setting.mode) + "), n = " + cell.nText;
  for (const engine::RegisterWrite& write : port.Writes(setting)) {
    view.registers.push_back(RegisterLine{write.name, ValueOf(write)});
  }
  view.realRate = FormatBaudRate(setting.actualBaud, separators) + " baud";
  view.error = cell.errorText;
  view.bitTime = FormatBitTime(setting.actualBaud, separators) + " \u00B5s";
  view.verdict = cell.verdict;
  engine::CodeSetting code{context.oscText, row.answer.wanted, setting, context.clock.plainText};
  for (engine::OfferedForm& form :
       engine::OfferedForms(context.part.profile, port, code, context.oscMHz,
                            context.clock.mhz.value_or(context.oscMHz), context.forms)) {
    if (form.program) {
      view.wholeProgramOffered = true;
      if (context.wholeProgram) {
        form.text = std::move(*form.program);
      }
    }
    view.forms.push_back(CodeFormView{form.kind, FormName(form.kind), std::move(form.text)});
  }
  return view;
}

}  // namespace brg::workbench
