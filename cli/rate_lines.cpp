// The aligned lines and the table of rates, in the window layout and the modes layout.
#include <algorithm>

#include "cli/rate_report.h"
#include "core/text.h"

namespace brg::cli {
namespace {

using engine::RateAnswer;
using engine::SettingAnswer;

bool Asynchronous(const SettingAnswer& answer) {
  return !InfoOf(answer.setting.mode).sync;
}

std::string Name(const SettingAnswer& answer) {
  return std::string(InfoOf(answer.setting.mode).name);
}

std::string WindowModeName(const SettingAnswer& answer) {
  return InfoOf(answer.setting.mode).brgh ? "BRGH=1" : "BRGH=0";
}

// The rate registers' columns: as wide as the name or the widest value, whichever is wider.
std::size_t ColumnWidth(const engine::RateColumn& column) {
  return std::max(column.name.size(), HexValue(0, column.bits).size());
}

std::string RateCells(const ReportContext& context, const ModeSetting& setting) {
  std::string cells;
  for (const engine::RateColumn& column : context.port->RateColumns()) {
    std::optional<std::uint32_t> value = column.ValueOf(setting);
    cells += "  " + Padded(value ? HexValue(*value, column.bits) : "-", ColumnWidth(column), true);
  }
  return cells;
}

// "2%", or "2% with the oscillator's 0.5%".
std::string BudgetWords(const ReportContext& context) {
  std::string words = context.Shown(DecimalText(context.budget.maxErrorPercent)) + "%";
  if (context.budget.oscTolerancePercent > 0) {
    words += " with the oscillator's " +
             context.Shown(DecimalText(context.budget.oscTolerancePercent)) + "%";
  }
  return words;
}

std::string Heading(const ReportContext& context, const RateAnswer& answer) {
  return "Oscillator " + context.Shown(context.oscText) + " MHz, wanted " +
         context.Shown(answer.wanted.text) + " baud";
}

// The window layout.

void WindowLines(std::ostream& out, const ReportContext& context, const RateAnswer& answer) {
  out << Heading(context, answer) << "\n";
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    const SettingAnswer& setting = answer.settings[i];
    bool marked = answer.settings.size() > 1 && answer.IsBest(i);
    out << (marked ? "* " : "  ") << WindowModeName(setting) << "  ";
    if (setting.HasValue()) {
      const ModeSetting& shown = setting.setting;
      out << "SPBRG " << Padded(FormatSpbrg(shown.n), 3, true) << "  real "
          << Padded(FormatBaudRate(shown.actualBaud, context.separators), 9, true)
          << " baud  error "
          << Padded(FormatErrorPercent(shown.errorRatio, context.separators), 9, true) << "  ";
    }
    out << VerdictText(setting, context.separators) << "\n";
  }
}

std::string WindowCells(const SettingAnswer& answer, const Separators& separators) {
  std::string column = engine::NamesOf(*answer.window).column;
  if (!answer.HasValue()) {
    return Padded("-", 5, true) + " " + Padded("-", 11, true) + " " + Padded("-", 10, true) + " " +
           Padded(column, 7, false);
  }
  const ModeSetting& shown = answer.setting;
  return Padded(FormatSpbrg(shown.n), 5, true) + " " +
         Padded(FormatBaudRate(shown.actualBaud, separators), 11, true) + " " +
         Padded(FormatErrorPercent(shown.errorRatio, separators), 10, true) + " " +
         Padded(column, 7, false);
}

void WindowTable(std::ostream& out, const ReportContext& context,
                 const std::vector<RateAnswer>& answers) {
  out << "Oscillator " << context.Shown(context.oscText)
      << " MHz   (* the better mode; verdicts: <=10%, >10%, 255 clamped,"
      << " 255>10% overflow, none)\n";
  std::string modeHeader = Padded("SPBRG", 5, true) + " " + Padded("real", 11, true) + " " +
                           Padded("error", 10, true) + " " + Padded("verdict", 7, false);
  out << Padded("baud", 8, true) << "  |";
  const std::vector<SettingAnswer>& modes = answers.front().settings;
  for (std::size_t i = 0; i < modes.size(); ++i) {
    out << (i > 0 ? " | " : " ") << WindowModeName(modes[i]) << " " << modeHeader;
  }
  out << "\n";
  for (const RateAnswer& answer : answers) {
    out << Padded(answer.wanted.text, 8, true) << "  |";
    for (std::size_t i = 0; i < answer.settings.size(); ++i) {
      out << (answer.IsBest(i) ? " *      " : "        ")
          << WindowCells(answer.settings[i], context.separators) << " |";
    }
    out << "\n";
  }
}

// The modes layout.

std::string SettingRow(const ReportContext& context, const RateAnswer& answer, std::size_t index) {
  const SettingAnswer& setting = answer.settings[index];
  const ModeSetting& mode = setting.setting;
  return (answer.IsBest(index) ? "* " : "  ") + Padded(Name(setting), 6, false) +
         Padded(std::to_string(mode.n), 6, true) + RateCells(context, mode) + "  " +
         Padded(FormatBaudRate(mode.actualBaud, context.separators), 11, true) + "  " +
         Padded(FormatErrorPercent(mode.errorRatio, context.separators), 10, true) + "  " +
         VerdictText(setting, context.separators);
}

std::string ModeHeader(const ReportContext& context) {
  std::string header = "  mode       n";
  for (const engine::RateColumn& column : context.port->RateColumns()) {
    header += "  " + Padded(column.name, ColumnWidth(column), true);
  }
  return header + "         real       error";
}

// "best: ..." and, without a passing setting, where one may be found.
void BestLines(std::ostream& out, const ReportContext& context, const RateAnswer& answer) {
  out << "  best: ";
  if (answer.best) {
    out << Name(*answer.Best()) << ", " << answer.reason << "\n";
    return;
  }
  out << (answer.nearest ? "" : "none, ") << answer.reason;
  if (answer.nearest) {
    out << "; nearest "
        << SettingWords(answer.settings[*answer.nearest].setting, context.separators);
  }
  out << "\n";
  if (answer.passingElsewhere) {
    out << "  passes " << context.Reaching(answer.passingElsewhere->mode) << ": "
        << SettingWords(*answer.passingElsewhere, context.separators) << "\n";
  }
}

void ModeLines(std::ostream& out, const ReportContext& context, const RateAnswer& answer) {
  out << Heading(context, answer) << ", budget " << BudgetWords(context) << "\n";
  if (!context.clockText.empty()) {
    out << "  " << context.clockText << "\n";
  }
  out << ModeHeader(context) << "\n";
  bool anyAsynchronous = false;
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    if (Asynchronous(answer.settings[i])) {
      anyAsynchronous = true;
      out << SettingRow(context, answer, i) << "\n";
    }
  }
  bool headed = false;
  for (std::size_t i = 0; i < answer.settings.size(); ++i) {
    if (!Asynchronous(answer.settings[i])) {
      if (!headed && anyAsynchronous) {
        out << "  synchronous master clock, never the best UART setting:\n";
      }
      headed = true;
      out << SettingRow(context, answer, i) << "\n";
    }
  }
  if (anyAsynchronous) {
    BestLines(out, context, answer);
  }
}

char CellMark(const RateAnswer& answer, std::size_t index) {
  const SettingAnswer& setting = answer.settings[index];
  if (answer.IsBest(index)) {
    return '*';
  }
  if (setting.setting.reach != Reach::Within) {
    return '!';
  }
  return setting.passes || InfoOf(setting.setting.mode).sync ? ' ' : '-';
}

std::string ModeCell(const RateAnswer& answer, std::size_t index, const Separators& separators) {
  const ModeSetting& setting = answer.settings[index].setting;
  return std::string(1, CellMark(answer, index)) + " " +
         Padded(std::to_string(setting.n), 6, true) + " " +
         Padded(FormatBaudRate(setting.actualBaud, separators), 11, true) + " " +
         Padded(FormatErrorPercent(setting.errorRatio, separators), 10, true);
}

void ModeTable(std::ostream& out, const ReportContext& context,
               const std::vector<RateAnswer>& answers) {
  out << "Oscillator " << context.Shown(context.oscText) << " MHz, budget " << BudgetWords(context)
      << "   (* the best mode of the rate; - above the budget; ! beyond the register's reach)\n";
  if (!context.clockText.empty()) {
    out << context.clockText << "\n";
  }
  out << Padded("baud", 8, true) << "  |";
  for (const SettingAnswer& setting : answers.front().settings) {
    out << " " << Padded(Name(setting), 8, false) << " " << Padded("real", 11, true) << " "
        << Padded("error", 10, true) << " |";
  }
  out << "\n";
  for (const RateAnswer& answer : answers) {
    out << Padded(answer.wanted.text, 8, true) << "  |";
    for (std::size_t i = 0; i < answer.settings.size(); ++i) {
      out << " " << ModeCell(answer, i, context.separators) << " |";
    }
    out << "\n";
  }
}

}  // namespace

void PrintLines(std::ostream& out, const ReportContext& context,
                const std::vector<RateAnswer>& answers) {
  for (const RateAnswer& answer : answers) {
    if (context.layout == Layout::Window) {
      WindowLines(out, context, answer);
    } else {
      ModeLines(out, context, answer);
    }
  }
  if (!context.note.empty()) {
    out << "  " << context.note << "\n";
  }
}

void PrintTable(std::ostream& out, const ReportContext& context,
                const std::vector<RateAnswer>& answers) {
  if (context.layout == Layout::Window) {
    WindowTable(out, context, answers);
  } else {
    ModeTable(out, context, answers);
  }
  if (!context.note.empty()) {
    out << context.note << "\n";
  }
}

}  // namespace brg::cli
