// The toolkit's floor for the workbench's start-up benchmark: a Qt program that shows the same
// kinds of widgets in the same layout (entry boxes, a spin box, check boxes, a table, tabs, a
// text area, lists and buttons), with no logic behind them.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QWidget* Inputs(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Part and clock"), parent);
  auto* grid = new QGridLayout(group);
  const char* captions[] = {
      "Part:", "Oscillator (MHz):", "Error budget (%):", "Oscillator tolerance (%):"};
  for (int i = 0; i < 4; ++i) {
    grid->addWidget(new QLabel(QString::fromLatin1(captions[i]), group), i, 0);
    grid->addWidget(new QLineEdit(QStringLiteral("16"), group), i, 1);
  }
  grid->addWidget(new QSpinBox(group), 0, 2);
  return group;
}

QWidget* Rates(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Rates"), parent);
  auto* grid = new QGridLayout(group);
  for (int i = 0; i < 16; ++i) {
    grid->addWidget(new QCheckBox(QString::number(300 << (i % 10)), group), i / 4, i % 4);
  }
  grid->addWidget(new QLineEdit(group), 4, 0, 1, 4);
  return group;
}

QWidget* Table(QWidget* parent) {
  auto* table = new QTableWidget(1, 4, parent);
  table->setHorizontalHeaderLabels({"8/64", "8/16", "16/16", "16/4"});
  table->setVerticalHeaderLabels({"115,200"});
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int c = 0; c < 4; ++c) {
    table->setItem(0, c, new QTableWidgetItem(QStringLiteral("34  -0.794%")));
  }
  return table;
}

QWidget* Tabs(QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  auto* setting = new QWidget(tabs);
  auto* settingLayout = new QHBoxLayout(setting);
  settingLayout->addWidget(new QLabel(QStringLiteral("SPBRG 34"), setting));
  auto* forms = new QTabWidget(setting);
  for (const char* form : {"C", "asm", "DEFINEs", "BASIC", "JSON"}) {
    auto* page = new QWidget(forms);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(new QPlainTextEdit(QStringLiteral("SPBRG = 34;"), page));
    pageLayout->addWidget(new QPushButton(QStringLiteral("Copy"), page));
    forms->addTab(page, QString::fromLatin1(form));
  }
  settingLayout->addWidget(forms);
  tabs->addTab(setting, QStringLiteral("Setting"));
  tabs->addTab(new QTableWidget(40, 9, tabs), QStringLiteral("Find a clock"));
  auto* check = new QWidget(tabs);
  auto* checkLayout = new QHBoxLayout(check);
  checkLayout->addWidget(new QPlainTextEdit(check));
  checkLayout->addWidget(new QListWidget(check));
  tabs->addTab(check, QStringLiteral("Check my code"));
  return tabs;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt workbench window"));
  auto* layout = new QVBoxLayout(&window);
  auto* top = new QHBoxLayout;
  top->addWidget(Inputs(&window), 3);
  top->addWidget(Rates(&window), 2);
  layout->addLayout(top);
  auto* split = new QSplitter(Qt::Vertical, &window);
  split->addWidget(Table(split));
  split->addWidget(Tabs(split));
  layout->addWidget(split, 1);
  window.resize(1000, 740);
  window.show();
  return QApplication::exec();
}
