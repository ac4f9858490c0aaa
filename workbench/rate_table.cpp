#include "workbench/rate_table.h"

#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/answers/mode_choice.h"

namespace brg::workbench {
namespace {

// Where the rate lies beyond the register's ends, and the trouble spot, in words.
std::string ReachWords(const ModeSetting& setting) {
  std::string words;
  switch (setting.reach) {
    case Reach::TooFast:
      words = ", too fast even at n = 0";
      break;
    case Reach::TooSlow:
      words = ", too slow: clamped at " + std::to_string(InfoOf(setting.mode).nMax);
      break;
    case Reach::Within:
      break;
  }
  if (setting.troubleSpot()) {
    words += "; n = 0 in 16/4 fails on some parts";
  }
  return words;
}

TableCell CellOf(const engine::SettingAnswer& answer, bool best, const engine::Budget& budget,
                 const Separators& separators) {
  const ModeSetting& setting = answer.setting;
  TableCell cell;
  cell.mode = setting.mode;
  cell.n = setting.n;
  cell.nText = FormatSpbrg(setting.n);
  cell.errorText = FormatErrorPercent(setting.errorRatio, separators);
  cell.margin = engine::MarginOf(setting, budget);
  cell.best = best;
  cell.text = std::string(best ? "* " : "") + cell.nText + "  " + cell.errorText + "  " +
              MarginMark(cell.margin);
  cell.verdict = std::string(MarginWords(cell.margin)) + ReachWords(setting) +
                 (best ? ", the best of the row" : "");
  return cell;
}

}  // namespace

const char* MarginMark(engine::Margin margin) {
  switch (margin) {
    case engine::Margin::Comfortable:
      return "\u2713\u2713";
    case engine::Margin::Passes:
      return "\u2713";
    case engine::Margin::Fails:
      break;
  }
  return "\u2717";
}

const char* MarginWords(engine::Margin margin) {
  switch (margin) {
    case engine::Margin::Comfortable:
      return "passes comfortably";
    case engine::Margin::Passes:
      return "passes";
    case engine::Margin::Fails:
      break;
  }
  return "fails";
}

RateTable BuildRateTable(const engine::SerialPort& port, double clockMHz,
                         const std::vector<engine::WantedRate>& rates,
                         const std::vector<BrgMode>& modes, const engine::Budget& budget,
                         const Separators& separators) {
  RateTable table;
  table.modes = modes;
  for (BrgMode mode : modes) {
    table.modeNames.emplace_back(InfoOf(mode).name);
  }
  table.rows.reserve(rates.size());
  for (const engine::WantedRate& rate : rates) {
    TableRow row;
    row.answer = engine::CalculateModes(port, clockMHz, rate, modes, std::nullopt, budget);
    row.rateText = LocaleNumber(DecimalText(rate.baud), separators);
    row.cells.reserve(modes.size());
    for (std::size_t i = 0; i < row.answer.settings.size(); ++i) {
      row.cells.push_back(CellOf(row.answer.settings[i], row.answer.IsBest(i), budget, separators));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace brg::workbench
