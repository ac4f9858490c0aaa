// The workbench window's widgets, their layout, names and mnemonics, and the road from each
// widget's signal to the model's action.
#include "workbench_ui/workbench_window.h"

#include <QCheckBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/answers/wanted_rate.h"
#include "workbench_ui/chosen_cell_delegate.h"
#include "workbench_ui/code_page.h"
#include "workbench_ui/part_finder.h"

namespace brg::workbench_ui {
namespace {

using engine::CodeFormKind;
namespace action = workbench::action;

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

// A caption with a mnemonic that gives its box the focus, and names the box.
QLabel* Caption(const QString& text, QWidget* box, const QString& name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(box);
  box->setAccessibleName(name);
  return label;
}

QLineEdit* Entry(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

}  // namespace

QIcon WorkbenchIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/workbench/%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

WorkbenchWindow::WorkbenchWindow(std::string headerDir, QWidget* parent)
    : QWidget(parent, Qt::Window),
      headerDir_(std::move(headerDir)),
      model_(std::make_unique<workbench::Workbench>(hosts_.Hosts(), headerDir_)),
      partFinder_(new PartFinder(this)) {
  setObjectName(QStringLiteral("workbench"));
  setWindowTitle(tr("SPBRG Workbench"));
  setWindowIcon(WorkbenchIcon());
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(BuildPartAndClock(), 3);
  top->addWidget(BuildRates(), 2);
  layout->addLayout(top);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->setChildrenCollapsible(false);
  split->addWidget(BuildTable());
  split->addWidget(BuildTabs());
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 3);
  split->setSizes({230, 400});
  layout->addWidget(split, 1);
  resize(1000, 740);
}

WorkbenchWindow::~WorkbenchWindow() = default;

QLabel* WorkbenchWindow::Message(const char* name) {
  auto* label = new QLabel(this);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0xa0, 0x10, 0x20));
  label->setPalette(palette);
  label->hide();
  return label;
}

QWidget* WorkbenchWindow::BuildPartAndClock() {
  auto* group = new QGroupBox(tr("Part and clock"), this);
  auto* grid = new QGridLayout(group);
  part_ = Entry("part", group);
  part_->setPlaceholderText(tr("none: the classic USART"));
  partNames_ = new QStringListModel(this);
  auto* completer = new QCompleter(partNames_, part_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  completer->setMaxVisibleItems(12);
  part_->setCompleter(completer);
  uart_ = new QSpinBox(group);
  uart_->setObjectName(QStringLiteral("uart"));
  uart_->setRange(1, 1);
  osc_ = Entry("osc", group);
  uartClock_ = new QLabel(group);
  uartClock_->setObjectName(QStringLiteral("uartClock"));
  budget_ = Entry("budget", group);
  tolerance_ = Entry("tolerance", group);
  partMessage_ = Message("partMessage");
  clockMessage_ = Message("clockMessage");

  grid->addWidget(Caption(tr("&Part:"), part_, tr("Part"), group), 0, 0);
  grid->addWidget(part_, 0, 1);
  grid->addWidget(Caption(tr("&UART:"), uart_, tr("UART number"), group), 0, 2);
  grid->addWidget(uart_, 0, 3);
  grid->addWidget(Caption(tr("&Oscillator (MHz):"), osc_, tr("Oscillator in MHz"), group), 1, 0);
  grid->addWidget(osc_, 1, 1);
  grid->addWidget(uartClock_, 1, 2, 1, 2);
  grid->addWidget(Caption(tr("Error &budget (%):"), budget_, tr("Error budget in percent"), group),
                  2, 0);
  grid->addWidget(budget_, 2, 1);
  grid->addWidget(Caption(tr("Oscillator &tolerance (%):"), tolerance_,
                          tr("Oscillator tolerance in percent"), group),
                  2, 2);
  grid->addWidget(tolerance_, 2, 3);
  grid->addWidget(partMessage_, 3, 0, 1, 4);
  grid->addWidget(clockMessage_, 4, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(5, 1);

  connect(part_, &QLineEdit::textChanged, this,
          [this](const QString& text) { Deliver(action::EditPart{text.toStdString()}); });
  connect(uart_, &QSpinBox::valueChanged, this,
          [this](int number) { Deliver(action::ChooseUart{number}); });
  connect(osc_, &QLineEdit::textChanged, this,
          [this](const QString& text) { Deliver(action::EditOscillator{text.toStdString()}); });
  connect(budget_, &QLineEdit::textChanged, this,
          [this](const QString& text) { Deliver(action::EditBudget{text.toStdString()}); });
  connect(tolerance_, &QLineEdit::textChanged, this,
          [this](const QString& text) { Deliver(action::EditTolerance{text.toStdString()}); });
  return group;
}

QWidget* WorkbenchWindow::BuildRates() {
  auto* group = new QGroupBox(tr("Rates"), this);
  auto* grid = new QGridLayout(group);
  Separators separators = hosts_.CurrentSeparators();
  constexpr int kColumns = 4;
  for (std::size_t i = 0; i < engine::kStandardRates.size(); ++i) {
    double baud = engine::kStandardRates[i];
    QString text = FromUtf8(LocaleNumber(DecimalText(baud), separators));
    auto* box = new QCheckBox(text, group);
    box->setObjectName(QStringLiteral("rate.") + FromUtf8(DecimalText(baud)));
    box->setAccessibleName(tr("%1 baud").arg(text));
    grid->addWidget(box, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
    connect(box, &QCheckBox::toggled, this, [this, baud](bool on) {
      Deliver(action::TickRate{baud, on});
    });
    rateBoxes_.push_back(box);
  }
  extraRates_ = Entry("otherRates", group);
  extraRates_->setPlaceholderText(
      tr("31250 %1").arg(FromUtf8(LocaleDecimal("9600.5", separators))));
  ratesMessage_ = Message("ratesMessage");
  int row = static_cast<int>(engine::kStandardRates.size()) / kColumns;
  auto* other = new QHBoxLayout;
  other->addWidget(Caption(tr("Other &rates:"), extraRates_, tr("Other rates in baud"), group));
  other->addWidget(extraRates_, 1);
  grid->addLayout(other, row, 0, 1, kColumns);
  grid->addWidget(ratesMessage_, row + 1, 0, 1, kColumns);
  connect(extraRates_, &QLineEdit::textChanged, this,
          [this](const QString& text) { Deliver(action::EditExtraRates{text.toStdString()}); });
  return group;
}

QWidget* WorkbenchWindow::BuildTable() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  table_ = new QTableWidget(box);
  table_->setObjectName(QStringLiteral("table"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setTabKeyNavigation(false);
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setItemDelegate(new ChosenCellDelegate(table_));
  auto* caption = new QHBoxLayout;
  caption->addWidget(
      Caption(tr("Settings by rate and &mode:"), table_, tr("Settings by rate and mode"), box));
  tableMessage_ = new QLabel(box);
  tableMessage_->setObjectName(QStringLiteral("tableMessage"));
  tableMessage_->setWordWrap(true);
  caption->addWidget(tableMessage_, 1);
  auto* legend = new QLabel(tr("n and the error; \u2713\u2713 passes comfortably (within half the "
                               "budget), \u2713 passes, "
                               "\u2717 fails; * the best of its rate. A cell chosen, or a rate, "
                               "shows its setting below."),
                            box);
  legend->setWordWrap(true);
  layout->addLayout(caption);
  layout->addWidget(table_, 1);
  layout->addWidget(legend);

  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
    if (row >= 0 && column >= 0) {
      Deliver(action::ChooseCell{static_cast<std::size_t>(row), static_cast<std::size_t>(column)});
    }
  });
  // A click on the cell that is already current (the best, after a recalculation) pins it too.
  connect(table_, &QTableWidget::cellClicked, this, [this](int row, int column) {
    Deliver(action::ChooseCell{static_cast<std::size_t>(row), static_cast<std::size_t>(column)});
  });
  connect(table_->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int row) {
    Deliver(action::ChooseCell{static_cast<std::size_t>(row), std::nullopt});
  });
  connect(table_, &QTableWidget::activated, this, [this] { tabs_->setCurrentIndex(0); });
  return box;
}

QWidget* WorkbenchWindow::BuildTabs() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->setAccessibleName(tr("Views"));
  tabs_->addTab(BuildSettingPage(), tr("&Setting"));
  tabs_->addTab(BuildClockPage(), tr("&Find a clock"));
  tabs_->addTab(BuildCheckPage(), tr("&Check my code"));
  // The model works the clock ranking out while its tab is shown (workbench_mirror.cpp).
  connect(tabs_, &QTabWidget::currentChanged, this, [this] {
    Deliver(workbench::action::ShowClocks{tabs_->currentWidget() == clocks_->parentWidget()});
  });
  return tabs_;
}

QWidget* WorkbenchWindow::BuildSettingPage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  auto* facts = new QFormLayout;
  // Each value is read as its text, after the caption of its row.
  auto value = [page](const char* name) {
    auto* label = new QLabel(page);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
  };
  heading_ = value("heading");
  registers_ = value("registers");
  registers_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  realRate_ = value("realRate");
  error_ = value("error");
  bitTime_ = value("bitTime");
  verdict_ = value("verdict");
  heading_->setWordWrap(true);
  verdict_->setWordWrap(true);
  facts->addRow(tr("Setting:"), heading_);
  facts->addRow(tr("Registers:"), registers_);
  facts->addRow(tr("Real rate:"), realRate_);
  facts->addRow(tr("Error:"), error_);
  facts->addRow(tr("Bit time:"), bitTime_);
  facts->addRow(tr("Verdict:"), verdict_);
  layout->addLayout(facts, 2);

  auto* code = new QVBoxLayout;
  forms_ = new QTabWidget(page);
  forms_->setObjectName(QStringLiteral("forms"));
  forms_->setAccessibleName(tr("Code forms"));
  const std::pair<CodeFormKind, QString> kinds[] = {
      {CodeFormKind::C, QString()},
      {CodeFormKind::Asm, tr("as a whole pro&gram for gpasm")},
      {CodeFormKind::Defines, tr("&with HSER_CLROERR")},
      {CodeFormKind::BasicRegisters, QString()},
      {CodeFormKind::Json, QString()},
  };
  for (const auto& [kind, option] : kinds) {
    QString name = QString::fromLatin1(workbench::FormName(kind));
    auto* form = new CodePage(name, option, forms_);
    form->OnCopy([this, kind = kind] { Deliver(action::CopyForm{kind}); });
    if (kind == CodeFormKind::Asm) {
      form->OnOption([this](bool on) { Deliver(action::SetWholeProgram{on}); });
    } else if (kind == CodeFormKind::Defines) {
      form->OnOption([this](bool on) { Deliver(action::SetOverrunClear{on}); });
    }
    forms_->addTab(form, name);
    pages_.emplace_back(kind, form);
  }
  copyStatus_ = new QLabel(page);
  copyStatus_->setObjectName(QStringLiteral("copyStatus"));
  code->addWidget(forms_, 1);
  code->addWidget(copyStatus_);
  layout->addLayout(code, 3);
  return page;
}

QWidget* WorkbenchWindow::BuildClockPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  clockHeading_ = new QLabel(page);
  clockHeading_->setObjectName(QStringLiteral("clockHeading"));
  clockHeading_->setWordWrap(true);
  clocks_ = new QTableWidget(page);
  clocks_->setObjectName(QStringLiteral("clocks"));
  clocks_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  clocks_->setSelectionBehavior(QAbstractItemView::SelectRows);
  clocks_->setSelectionMode(QAbstractItemView::SingleSelection);
  clocks_->setTabKeyNavigation(false);
  clocks_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  auto* use = new QPushButton(tr("Use this cloc&k"), page);
  use->setObjectName(QStringLiteral("useClock"));
  use->setAccessibleName(tr("Use the chosen clock as the oscillator"));
  use->setAutoDefault(true);
  auto* row = new QHBoxLayout;
  row->addWidget(Caption(tr("C&locks for the ticked and other rates, best first:"), clocks_,
                         tr("Clocks ranked"), page));
  row->addStretch();
  row->addWidget(use);
  layout->addWidget(clockHeading_);
  layout->addLayout(row);
  layout->addWidget(clocks_, 1);

  auto choose = [this](int rank) {
    if (rank >= 0) {
      Deliver(action::ChooseClock{static_cast<std::size_t>(rank)});
    }
  };
  connect(clocks_, &QTableWidget::activated, this,
          [choose](const QModelIndex& index) { choose(index.row()); });
  connect(use, &QPushButton::clicked, this, [this, choose] { choose(clocks_->currentRow()); });
  return page;
}

QWidget* WorkbenchWindow::BuildCheckPage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  setup_ = new QPlainTextEdit(page);
  setup_->setObjectName(QStringLiteral("setup"));
  setup_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setup_->setTabChangesFocus(true);
  setup_->setLineWrapMode(QPlainTextEdit::NoWrap);
  setup_->setPlaceholderText(
      tr("Paste a setup here: C, the BASIC compiler's DEFINEs or register writes, or assembler"));
  checkSummary_ = new QLabel(page);
  checkSummary_->setObjectName(QStringLiteral("checkSummary"));
  checkSummary_->setWordWrap(true);
  checkSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  findings_ = new QListWidget(page);
  findings_->setObjectName(QStringLiteral("findings"));
  findings_->setWordWrap(true);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption(tr("Setup to c&heck:"), setup_, tr("Setup to check"), page));
  left->addWidget(setup_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(checkSummary_);
  right->addWidget(
      Caption(tr("F&indings (choose one to see its line):"), findings_, tr("Findings"), page));
  right->addWidget(findings_, 1);
  layout->addLayout(left, 3);
  layout->addLayout(right, 2);

  connect(setup_, &QPlainTextEdit::textChanged, this,
          [this] { Deliver(action::EditSetup{setup_->toPlainText().toStdString()}); });
  auto choose = [this](int row) {
    if (row >= 0) {
      lineShown_.reset();  // shown again, even where the cursor has moved away since
      Deliver(action::ChooseFinding{static_cast<std::size_t>(row)});
    }
  };
  connect(findings_, &QListWidget::currentRowChanged, this, choose);
  connect(findings_, &QListWidget::itemClicked, this,
          [this, choose](QListWidgetItem* item) { choose(findings_->row(item)); });
  connect(findings_, &QListWidget::itemActivated, this, [this] { setup_->setFocus(); });
  return page;
}

void WorkbenchWindow::Start(const workbench::StartRequest& request) {
  model_->Start(request);
  Mirror();
  show();
  activateWindow();
  part_->setFocus(Qt::OtherFocusReason);
}

// The headers for completion are read once the window is on the screen (its first paint), so
// that the search does not compete with the window's start-up; completion waits for them,
// nothing else does.
bool WorkbenchWindow::event(QEvent* event) {
  if (event->type() == QEvent::Paint && !partsLookedFor_) {
    partsLookedFor_ = true;
    QTimer::singleShot(0, this, [this] {
      partFinder_->Start(headerDir_, [this](std::vector<std::string> parts) {
        Deliver(action::PartsFound{std::move(parts)});
      });
    });
  }
  return QWidget::event(event);
}

// Every user action goes through here: the model acts, then the widgets follow it. A failure
// the model did not expect is reported instead of ending the program.
void WorkbenchWindow::Deliver(const workbench::Action& action) {
  if (mirroring_) {
    return;
  }
  try {
    model_->Perform(action);
  } catch (const std::exception& failure) {
    QMessageBox::warning(
        this, tr("Unexpected failure"),
        tr("The last action could not be completed: %1").arg(QString::fromUtf8(failure.what())));
  }
  Mirror();
}

}  // namespace brg::workbench_ui
