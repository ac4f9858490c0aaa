// The model's state and view copied onto the widgets. Nothing here reads a widget to decide
// anything: each widget shows what the model says, and changes only where it differs.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <algorithm>

#include "core/text.h"
#include "engine/answers/wanted_rate.h"
#include "workbench_ui/code_page.h"
#include "workbench_ui/workbench_window.h"

namespace brg::workbench_ui {
namespace {

using engine::Margin;

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

void ShowText(QLineEdit* edit, const std::string& text) {
  QString shown = FromUtf8(text);
  if (edit->text() != shown) {
    edit->setText(shown);
  }
}

// A label that shows a text and hides when there is none.
void ShowMessage(QLabel* label, const std::string& text) {
  QString shown = FromUtf8(text);
  if (label->text() != shown) {
    label->setText(shown);
  }
  label->setVisible(!text.empty());
}

void ShowLabel(QLabel* label, const std::string& text) {
  QString shown = FromUtf8(text);
  if (label->text() != shown) {
    label->setText(shown);
  }
}

// The colour of a margin, behind the text mark that says the same.
QColor MarginColour(Margin margin) {
  switch (margin) {
    case Margin::Comfortable:
      return QColor(0xc6, 0xec, 0xc6);
    case Margin::Passes:
      return QColor(0xff, 0xe8, 0xa3);
    case Margin::Fails:
      break;
  }
  return QColor(0xf5, 0xc4, 0xc4);
}

QTableWidgetItem* ItemAt(QTableWidget* table, int row, int column) {
  QTableWidgetItem* item = table->item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    table->setItem(row, column, item);
  }
  return item;
}

void SetHeaders(QTableWidget* table, const QStringList& columns, const QStringList& rows) {
  if (table->columnCount() != columns.size()) {
    table->setColumnCount(static_cast<int>(columns.size()));
  }
  if (table->rowCount() != rows.size()) {
    table->setRowCount(static_cast<int>(rows.size()));
  }
  for (int i = 0; i < columns.size(); ++i) {
    QTableWidgetItem* header = table->horizontalHeaderItem(i);
    if (header == nullptr || header->text() != columns[i]) {
      table->setHorizontalHeaderItem(i, new QTableWidgetItem(columns[i]));
    }
  }
  for (int i = 0; i < rows.size(); ++i) {
    QTableWidgetItem* header = table->verticalHeaderItem(i);
    if (header == nullptr || header->text() != rows[i]) {
      table->setVerticalHeaderItem(i, new QTableWidgetItem(rows[i]));
    }
  }
}

void SetCell(QTableWidgetItem* item, const QString& text, const QString& spoken, const QString& tip,
             const QColor& background, bool chosen = false) {
  if (item->text() != text) {
    item->setText(text);
  }
  QFont font = item->font();
  font.setBold(chosen);
  item->setFont(font);
  item->setData(Qt::AccessibleTextRole, spoken);
  item->setToolTip(tip);
  item->setBackground(background);
  item->setForeground(QColor(Qt::black));
}

}  // namespace

void WorkbenchWindow::Mirror() {
  mirroring_ = true;
  MirrorEntries();
  MirrorTable();
  MirrorSetting();
  if (clocks_)
    MirrorClocks();
  if (setup_)
    MirrorCheck();
  mirroring_ = false;
}

void WorkbenchWindow::MirrorEntries() {
  const workbench::WorkbenchState& state = model_->state();
  const workbench::WorkbenchView& view = model_->view();
  ShowText(part_, state.partText);
  uart_->setRange(1, std::max(1, view.part.ports));
  uart_->setValue(view.part.uart);
  uart_->setEnabled(view.part.ports > 1);
  ShowText(osc_, state.oscText);
  ShowLabel(uartClock_, view.clock.text);
  ShowText(budget_, state.budgetText);
  ShowText(tolerance_, state.toleranceText);
  ShowMessage(partMessage_, view.part.message);
  std::string clock = view.oscillator.message.empty() ? view.clock.refusal
                                                      : "Oscillator: " + view.oscillator.message;
  for (const std::string* message : {&view.budget.message, &view.tolerance.message}) {
    if (!message->empty()) {
      clock += (clock.empty() ? "" : "\n") + *message;
    }
  }
  ShowMessage(clockMessage_, clock);
  for (std::size_t i = 0; i < rateBoxes_.size(); ++i) {
    rateBoxes_[i]->setChecked(std::find(state.tickedRates.begin(), state.tickedRates.end(),
                                        engine::kStandardRates[i]) != state.tickedRates.end());
  }
  ShowText(extraRates_, state.extraRatesText);
  ShowMessage(ratesMessage_, view.ratesMessage);
  if (partNames_->rowCount() != static_cast<int>(state.knownParts.size())) {
    QStringList names;
    for (const std::string& name : state.knownParts) {
      names << FromUtf8(name);
    }
    partNames_->setStringList(names);
  }
}

void WorkbenchWindow::MirrorTable() {
  const workbench::WorkbenchView& view = model_->view();
  const workbench::RateTable& table = view.table;
  ShowLabel(tableMessage_, view.tableMessage);
  QStringList columns;
  for (const std::string& name : table.modeNames) {
    columns << FromUtf8(name);
  }
  QStringList rows;
  for (const workbench::TableRow& row : table.rows) {
    rows << FromUtf8(row.rateText);
  }
  SetHeaders(table_, columns, rows);
  for (int r = 0; r < rows.size(); ++r) {
    const workbench::TableRow& row = table.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns.size(); ++c) {
      const workbench::TableCell& cell = row.cells[static_cast<std::size_t>(c)];
      QString spoken =
          tr("n = %1, %2, %3")
              .arg(FromUtf8(cell.nText), FromUtf8(cell.errorText), FromUtf8(cell.verdict));
      SetCell(ItemAt(table_, r, c), FromUtf8(cell.text), spoken,
              FromUtf8(row.rateText + " baud in " + table.modeNames[static_cast<std::size_t>(c)] +
                       ": " + cell.verdict),
              MarginColour(cell.margin),
              view.setting.shown && view.setting.row == static_cast<std::size_t>(r) &&
                  view.setting.column == static_cast<std::size_t>(c));
    }
  }
  const workbench::SettingView& setting = view.setting;
  if (setting.shown && (table_->currentRow() != static_cast<int>(setting.row) ||
                        table_->currentColumn() != static_cast<int>(setting.column))) {
    table_->setCurrentCell(static_cast<int>(setting.row), static_cast<int>(setting.column));
  }
}

void WorkbenchWindow::MirrorSetting() {
  const workbench::WorkbenchState& state = model_->state();
  const workbench::SettingView& setting = model_->view().setting;
  ShowLabel(heading_, setting.shown ? setting.heading : "no setting to show");
  std::string registers;
  for (const workbench::RegisterLine& line : setting.registers) {
    registers += (registers.empty() ? "" : "\n") + Padded(line.name, 8, false) + " " + line.value;
  }
  ShowLabel(registers_, registers);
  ShowLabel(realRate_, setting.realRate);
  ShowLabel(error_, setting.error);
  ShowLabel(bitTime_, setting.bitTime);
  ShowLabel(verdict_, setting.verdict);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    auto [kind, page] = pages_[i];
    auto form = std::find_if(setting.forms.begin(), setting.forms.end(),
                             [kind = kind](const auto& shown) { return shown.kind == kind; });
    bool offered = form != setting.forms.end();
    forms_->setTabVisible(static_cast<int>(i), offered);
    page->Show(offered ? FromUtf8(form->text) : QString());
    if (kind == engine::CodeFormKind::Asm) {
      page->ShowOption(state.wholeProgram, setting.wholeProgramOffered);
    } else if (kind == engine::CodeFormKind::Defines) {
      page->ShowOption(state.overrunClear, true);
    }
  }
  ShowLabel(copyStatus_, state.copyMessage);
}

// Only while its tab is shown: dozens of rows need not follow each keystroke unseen.
void WorkbenchWindow::MirrorClocks() {
  if (!clocks_ || tabs_->currentWidget() != clocks_->parentWidget()) {
    return;
  }
  const workbench::ClockRanking& ranking = model_->view().clocks;
  ShowLabel(clockHeading_, ranking.heading);
  QStringList columns{tr("Clock (MHz)"), tr("Source"), tr("Kind"), tr("Worst")};
  for (const std::string& rate : ranking.rateNames) {
    columns << tr("%1 baud").arg(FromUtf8(rate));
  }
  QStringList rows;
  for (std::size_t i = 0; i < ranking.rows.size(); ++i) {
    rows << QString::number(i + 1);
  }
  SetHeaders(clocks_, columns, rows);
  for (int r = 0; r < rows.size(); ++r) {
    const workbench::ClockRow& clock = ranking.rows[static_cast<std::size_t>(r)];
    QColor background = MarginColour(clock.passes ? Margin::Comfortable : Margin::Fails);
    std::vector<std::string> cells{clock.clockText, clock.name, clock.kind,
                                   (clock.passes ? "\u2713 " : "\u2717 ") + clock.worst};
    cells.insert(cells.end(), clock.rates.begin(), clock.rates.end());
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      QString text = FromUtf8(cells[static_cast<std::size_t>(c)]);
      SetCell(ItemAt(clocks_, r, c), text, text, text, background);
    }
  }
}

void WorkbenchWindow::MirrorCheck() {
  const workbench::WorkbenchView& view = model_->view();
  const workbench::CheckView& check = view.check;
  ShowLabel(checkSummary_, check.problem.empty() ? check.summary : check.problem);
  QStringList texts;
  for (const workbench::FindingLine& finding : check.findings) {
    texts << FromUtf8(finding.text);
  }
  bool same = findings_->count() == texts.size();
  for (int i = 0; same && i < texts.size(); ++i) {
    same = findings_->item(i)->text() == texts[i];
  }
  if (!same) {
    findings_->clear();
    findings_->addItems(texts);
  }
  std::optional<std::size_t> chosen = model_->state().chosenFinding;
  if (chosen && findings_->currentRow() != static_cast<int>(*chosen)) {
    findings_->setCurrentRow(static_cast<int>(*chosen));
  }
  if (view.shownLine != lineShown_) {
    lineShown_ = view.shownLine;
    if (lineShown_) {
      QTextCursor cursor(setup_->document()->findBlockByNumber(*lineShown_ - 1));
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      setup_->setTextCursor(cursor);
      setup_->centerCursor();
    }
  }
}

}  // namespace brg::workbench_ui
