// The workbench window driven with real keys and clicks (offscreen): the widgets show what the
// model says, keys and clicks become its actions, Copy fills the clipboard, a finding shows its
// line, every control is named and reachable, and the values are kept between runs. Modal boxes
// are never expected: one that opens fails the test and is closed.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "workbench_ui/workbench_window.h"

using brg::workbench_ui::WorkbenchWindow;
namespace wb = brg::workbench;

namespace {

// Closes any modal box that opens and remembers its title.
class BoxWatchdog : public QObject {
 public:
  BoxWatchdog() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        opened << box->windowTitle();
        box->close();
      }
    });
    timer_.start();
  }
  QStringList opened;

 private:
  QTimer timer_;
};

wb::StartRequest Question(const char* part, const char* osc, QStringList rates) {
  wb::StartRequest request;
  request.part = part;
  request.oscMHz = osc;
  for (const QString& rate : rates) {
    request.rates.push_back(rate.toStdString());
  }
  return request;
}

}  // namespace

class WorkbenchWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WorkbenchWindow> window;
  std::unique_ptr<BoxWatchdog> watchdog;

  template <typename T>
  T* Find(const char* name) const {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
      qWarning("no widget %s", name);
    }
    return found;
  }

  void Open(const wb::StartRequest& request) {
    window = std::make_unique<WorkbenchWindow>();
    window->Start(request);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }

  // The table's cell of a rate row and a mode column, by their headers.
  QTableWidgetItem* Cell(const QString& rate, const QString& mode) const {
    auto* table = Find<QTableWidget>("table");
    for (int r = 0; r < table->rowCount(); ++r) {
      for (int c = 0; c < table->columnCount(); ++c) {
        if (table->verticalHeaderItem(r)->text() == rate &&
            table->horizontalHeaderItem(c)->text() == mode) {
          return table->item(r, c);
        }
      }
    }
    return nullptr;
  }

  void TypeInto(const char* name, const QString& text) {
    auto* edit = Find<QLineEdit>(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  void ClickCell(QTableWidgetItem* item) {
    QTableWidget* table = item->tableWidget();
    QRect place = table->visualItemRect(item);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, place.center());
  }

 private slots:
  void init() {
    QLocale::setDefault(QLocale::c());
    watchdog = std::make_unique<BoxWatchdog>();
  }

  void cleanup() {
    window.reset();
    QVERIFY2(watchdog->opened.isEmpty(), qPrintable(watchdog->opened.join(", ")));
  }

  void widgetsShowTheQuestion_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("osc");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("16F1829 at 16 MHz")
        << "16F1829"
        << "16"
        << "16/4"
        << "* 34  -0.794%  \u2713\u2713" << QStringList{"C", "asm", "DEFINEs", "BASIC", "JSON"};
    QTest::newRow("its failing 8-bit mode")
        << "16F1829"
        << "16"
        << "8/16"
        << "8  -3.549%  \u2717" << QStringList{"C", "asm", "DEFINEs", "BASIC", "JSON"};
    QTest::newRow("a PIC24, two forms")
        << "PIC24FJ64GA002"
        << "32"
        << "16/4"
        << "* 34  -0.794%  \u2713\u2713" << QStringList{"C", "JSON"};
  }

  void widgetsShowTheQuestion() {
    QFETCH(QString, part);
    QFETCH(QString, osc);
    QFETCH(QString, mode);
    QFETCH(QString, cell);
    QFETCH(QStringList, tabs);
    Open(Question(qPrintable(part), qPrintable(osc), {"115200"}));
    QTableWidgetItem* item = Cell("115,200", mode);
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), cell);
    QVERIFY(item->data(Qt::AccessibleTextRole)
                .toString()
                .contains(cell.contains("\u2717") ? "fails" : "passes comfortably"));
    QCOMPARE(Find<QLineEdit>("part")->text(), part);
    QCOMPARE(Find<QLineEdit>("osc")->text(), osc);
    QVERIFY(Find<QCheckBox>("rate.115200")->isChecked());
    QVERIFY(!Find<QCheckBox>("rate.9600")->isChecked());
    auto* forms = Find<QTabWidget>("forms");
    QStringList visible;
    for (int i = 0; i < forms->count(); ++i) {
      if (forms->isTabVisible(i)) {
        visible << forms->tabText(i);
      }
    }
    QCOMPARE(visible, tabs);
    const wb::CodeFormView& c = window->model().view().setting.forms.front();
    QCOMPARE(Find<QPlainTextEdit>("code.C")->toPlainText(), QString::fromStdString(c.text));
    if (part == "PIC24FJ64GA002") {
      QVERIFY(Find<QLabel>("uartClock")->text().startsWith("UART clock Fcy 16 MHz"));
    }
  }

  void typedKeysBecomeActions_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");     // the 115200 cell of 16/4, "" for no table
    QTest::addColumn<QString>("message");  // shown beside the oscillator
    QTest::newRow("a new clock") << "32"
                                 << "* 68  0.644%  \u2713\u2713"
                                 << "";
    // Exact in 16/4 as in 8/16, which is best on the tie.
    QTest::newRow("decimals") << "14.7456"
                              << "31  0.0%  \u2713\u2713"
                              << "";
    QTest::newRow("a comma where the period is the decimal point") << "16,0"
                                                                   << ""
                                                                   << "\"16,0\" is not a number";
    QTest::newRow("a unit") << "16 MHz"
                            << ""
                            << "\"16 MHz\" is not a number";
    QTest::newRow("above the part's maximum")
        << "64"
        << ""
        << "64 MHz is above the 32 MHz maximum of the 16F1829";
  }

  void typedKeysBecomeActions() {
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(QString, message);
    Open(Question("16F1829", "16", {"115200"}));
    TypeInto("osc", typed);
    QCOMPARE(QString::fromStdString(window->model().state().oscText), typed);
    auto* shown = Find<QLabel>("clockMessage");
    QCOMPARE(shown->isVisible(), !message.isEmpty());
    QVERIFY2(shown->text().contains(message), qPrintable(shown->text()));
    QTableWidgetItem* item = Cell("115,200", "16/4");
    QCOMPARE(item != nullptr, !cell.isEmpty());
    if (item != nullptr) {
      QCOMPARE(item->text(), cell);
    }
  }

  void clickingACellChoosesItsSetting() {
    Open(Question("16F1829", "16", {"9600", "115200"}));
    ClickCell(Cell("115,200", "8/16"));
    QVERIFY(Find<QLabel>("heading")->text().startsWith("115,200 baud in 8/16"));
    QVERIFY(Find<QPlainTextEdit>("code.C")->toPlainText().contains("SPBRG = 8;"));
    QCOMPARE(Find<QLabel>("verdict")->text(), QString("fails"));
    // A rate's header chooses its best.
    auto* table = Find<QTableWidget>("table");
    QHeaderView* rates = table->verticalHeader();
    QTest::mouseClick(rates->viewport(), Qt::LeftButton, {},
                      QPoint(rates->width() / 2, rates->sectionViewportPosition(1) + 5));
    QVERIFY(Find<QLabel>("heading")->text().startsWith("115,200 baud in 16/4"));
    // The arrow keys move the choice too.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Up);
    QVERIFY(Find<QLabel>("heading")->text().startsWith("9,600 baud in 16/4"));
  }

  void copyPutsTheFormOnTheClipboard_data() {
    QTest::addColumn<QString>("form");
    for (const char* form : {"C", "asm", "DEFINEs", "BASIC", "JSON"}) {
      QTest::newRow(form) << form;
    }
  }

  void copyPutsTheFormOnTheClipboard() {
    QFETCH(QString, form);
    Open(Question("16F1829", "16", {"115200"}));
    QGuiApplication::clipboard()->setText("before");
    auto* forms = Find<QTabWidget>("forms");
    forms->setCurrentWidget(window->findChild<QWidget*>("page." + form));
    auto* copy = window->findChild<QPushButton*>("copy." + form);
    QVERIFY(copy->isVisible());
    QTest::mouseClick(copy, Qt::LeftButton);
    QString shown;
    for (const wb::CodeFormView& offered : window->model().view().setting.forms) {
      if (QString::fromStdString(offered.name) == form) {
        shown = QString::fromStdString(offered.text);
      }
    }
    QVERIFY(!shown.isEmpty());
    // The page shows the same lines (its editor ends each with a plain line feed).
    QCOMPARE(window->findChild<QPlainTextEdit*>("code." + form)->toPlainText(),
             QString(shown).replace("\r\n", "\n"));
    QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    QCOMPARE(Find<QLabel>("copyStatus")->text(),
             QString("the %1 code is on the clipboard").arg(form));
    // By keyboard as well: Enter on the focused button.
    QGuiApplication::clipboard()->setText("before");
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown);
  }

  void aFindingChosenSelectsItsLine() {
    Open(Question("", "4", {"9600"}));
    Find<QTabWidget>("tabs")->setCurrentIndex(2);
    auto* setup = Find<QPlainTextEdit>("setup");
    setup->setPlainText(
        "DEFINE HSER_RCSTA 90h\nDEFINE HSER_TXSTA 24h\nDEFINE HSER_SPBRG 26 ' 9600 Bauds\n");
    auto* findings = Find<QListWidget>("findings");
    QVERIFY(findings->count() > 0);
    int better = -1;
    for (int i = 0; i < findings->count(); ++i) {
      if (findings->item(i)->text().startsWith("line 3: ")) {
        better = i;
      }
    }
    QVERIFY(better >= 0);
    QTest::mouseClick(findings->viewport(), Qt::LeftButton, {},
                      findings->visualItemRect(findings->item(better)).center());
    QCOMPARE(setup->textCursor().selectedText(), QString("DEFINE HSER_SPBRG 26 ' 9600 Bauds"));
    // Clicked again after the cursor moved away: shown again.
    QTextCursor away = setup->textCursor();
    away.setPosition(0);
    setup->setTextCursor(away);
    QTest::mouseClick(findings->viewport(), Qt::LeftButton, {},
                      findings->visualItemRect(findings->item(better)).center());
    QCOMPARE(setup->textCursor().selectedText(), QString("DEFINE HSER_SPBRG 26 ' 9600 Bauds"));
    QVERIFY(Find<QLabel>("checkSummary")->text().contains("n = 26"));
  }

  void aClockChosenByKeyboardBecomesTheOscillator() {
    Open(Question("16F1829", "16", {"9600", "115200"}));
    Find<QTabWidget>("tabs")->setCurrentIndex(1);
    auto* clocks = Find<QTableWidget>("clocks");
    QVERIFY(clocks->rowCount() > 3);
    clocks->setFocus();
    clocks->setCurrentCell(0, 0);
    QTest::keyClick(clocks, Qt::Key_Down);
    QTest::keyClick(clocks, Qt::Key_Down);
    QString clock = clocks->item(2, 0)->text();
    QTest::keyClick(clocks, Qt::Key_Return);
    QCOMPARE(Find<QLineEdit>("osc")->text(), clock);
    QCOMPARE(QString::number(*window->model().view().oscillator.value), clock);
  }

  void partsAreCompletedOnceFound() {
    Open(Question("", "16", {"9600"}));
    QCompleter* completer = Find<QLineEdit>("part")->completer();
    QTRY_VERIFY_WITH_TIMEOUT(completer->model()->rowCount() > 100, 20000);
    TypeInto("part", "16f182");
    QStringList offered;
    for (int i = 0; completer->setCurrentRow(i); ++i) {
      offered << completer->currentCompletion();
    }
    QVERIFY2(offered.contains("16F1829"), qPrintable(offered.join(" ")));
    for (const QString& part : offered) {  // anywhere in the name, any case
      QVERIFY2(part.contains("16F182", Qt::CaseInsensitive), qPrintable(part));
    }
  }

  void everyControlIsNamedForAScreenReader() {
    Open(Question("16F1829", "16", {"115200"}));
    QTabWidget* tabs = Find<QTabWidget>("tabs");
    for (int tab = 0; tab < tabs->count(); ++tab) {
      tabs->setCurrentIndex(tab);
      for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window.get()) || !(widget->focusPolicy() & Qt::TabFocus) ||
            qobject_cast<QAbstractItemView*>(widget->parentWidget()) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr) {
          continue;
        }
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(control != nullptr);
        QVERIFY2(
            !control->text(QAccessible::Name).isEmpty(),
            qPrintable(widget->metaObject()->className() + QString(" ") + widget->objectName()));
      }
    }
  }

  void tabReachesEveryInputInOrder() {
    Open(Question("16F1829", "16", {"115200"}));
    QStringList order;
    QWidget* start = Find<QLineEdit>("part");
    start->setFocus();
    for (int i = 0; i < 40; ++i) {
      QWidget* focused = QApplication::focusWidget();
      order << focused->objectName();
      QTest::keyClick(focused, Qt::Key_Tab);
    }
    QStringList wanted{"part",
                       "osc",
                       "budget",
                       "tolerance",
                       "rate.300",
                       "otherRates",
                       "table",
                       "qt_tabwidget_tabbar",
                       "qt_tabwidget_tabbar",
                       "code.C",
                       "copy.C"};
    int at = -1;
    for (const QString& name : wanted) {
      int next = static_cast<int>(order.indexOf(name, at + 1));
      QVERIFY2(next > at, qPrintable(name + " in " + order.join(" ")));
      at = next;
    }
  }

  void mnemonicsMoveTheFocus_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Alt+O") << int(Qt::Key_O) << "osc";
    QTest::newRow("Alt+B") << int(Qt::Key_B) << "budget";
    QTest::newRow("Alt+T") << int(Qt::Key_T) << "tolerance";
    QTest::newRow("Alt+R") << int(Qt::Key_R) << "otherRates";
    QTest::newRow("Alt+M") << int(Qt::Key_M) << "table";
    QTest::newRow("Alt+P") << int(Qt::Key_P) << "part";
  }

  void mnemonicsMoveTheFocus() {
    QFETCH(int, key);
    QFETCH(QString, focused);
    Open(Question("16F1829", "16", {"115200"}));
    Find<QLineEdit>("tolerance")->setFocus();
    if (focused == "tolerance") {
      Find<QLineEdit>("osc")->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
  }

  void theKeyboardFocusIsMarked() {
    Open(Question("16F1829", "16", {"115200"}));
    auto* copy = Find<QPushButton>("copy.C");
    QImage unmarked = copy->grab().toImage();
    Find<QPlainTextEdit>("code.C")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), copy);
    QVERIFY(copy->grab().toImage() != unmarked);
  }

  void keptBetweenRuns() {
    Open(wb::StartRequest{});
    TypeInto("part", "16F877A");
    TypeInto("osc", "20");
    QTest::mouseClick(Find<QCheckBox>("rate.300"), Qt::LeftButton);
    TypeInto("otherRates", "31250");
    window.reset();
    Open(wb::StartRequest{});
    QCOMPARE(Find<QLineEdit>("part")->text(), QString("16F877A"));
    QCOMPARE(Find<QLineEdit>("osc")->text(), QString("20"));
    QVERIFY(Find<QCheckBox>("rate.300")->isChecked());
    QCOMPARE(Find<QLineEdit>("otherRates")->text(), QString("31250"));
    // The command line's values over the kept ones.
    window.reset();
    Open(Question("16F1829", "16", {"115200"}));
    QCOMPARE(Find<QLineEdit>("part")->text(), QString("16F1829"));
    QVERIFY(!Find<QCheckBox>("rate.300")->isChecked());
  }
};

// The kept values go to a folder of this run's own, set before anything reads the settings.
int main(int argc, char** argv) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication application(argc, argv);
  WorkbenchWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "workbench_window_test.moc"
