// The real Qt window driven with real key and mouse events (offscreen).
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>

#include <clocale>

#include "core/brg_arithmetic.h"
#include "core/display_formats.h"
#include "ui/calculator_widget.h"
#include "window/window_layout.h"

using brg::ControlId;
using brg::ui::CalculatorWidget;

namespace {

// Answers the message boxes that open while a test acts, in order; an unexpected box fails the
// test and is closed so that nothing hangs.
class BoxAnswerer : public QObject {
 public:
  BoxAnswerer() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { AnswerOpenBox(); });
    timer_.start();
  }

  // With `escapeFirst` the box is sent Escape and a close request before it is answered.
  void Expect(const QString& title, QMessageBox::StandardButton answer, bool escapeFirst = false) {
    expected_.push_back({title, answer, escapeFirst});
  }
  bool AllAnswered() const { return expected_.empty(); }
  QStringList seen;
  QStringList unexpected;
  QStringList closedByEscape;

 private:
  void AnswerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      return;
    }
    seen << box->windowTitle() + " | " + box->text();
    if (expected_.empty() || expected_.front().title != box->windowTitle()) {
      unexpected << box->windowTitle();
      box->done(QMessageBox::No);
      return;
    }
    Answer answer = expected_.front();
    expected_.pop_front();
    if (answer.escapeFirst) {
      QTest::keyClick(box, Qt::Key_Escape);
      box->close();
      QApplication::processEvents();
      if (!box->isVisible()) {
        closedByEscape << box->windowTitle();
        return;
      }
    }
    QTest::mouseClick(box->button(answer.button), Qt::LeftButton);
  }

  struct Answer {
    QString title;
    QMessageBox::StandardButton button;
    bool escapeFirst;
  };
  QTimer timer_;
  std::deque<Answer> expected_;
};

// The row of the lowest dark pixel, at least `margin` pixels inside the edges: the baseline of a
// rendered "H".
int LowestInkRow(const QImage& image, int margin = 0) {
  for (int y = image.height() - 1 - margin; y >= margin; --y) {
    for (int x = margin; x < image.width() - margin; ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        return y;
      }
    }
  }
  return -1;
}

}  // namespace

class CalculatorWidgetTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CalculatorWidget> window;
  std::unique_ptr<BoxAnswerer> boxes;

  QWidget* W(ControlId id) const { return window->widgetFor(id); }
  QLineEdit* Edit(ControlId id) const { return qobject_cast<QLineEdit*>(W(id)); }
  QLabel* Label(ControlId id) const { return qobject_cast<QLabel*>(W(id)); }

  // After a message box the window gets the keyboard back once the box's window is gone.
  void Settle() {
    if (!window->isActiveWindow()) {
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
  }

  // Keys go where the keyboard focus is, as on a real screen.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Settle();
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key, modifiers);
  }
  void Type(const QString& text) {
    Settle();
    for (QChar c : text) {
      QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
  }
  void Click(ControlId id) { QTest::mouseClick(W(id), Qt::LeftButton); }
  void EnterValues(const QString& osc, const QString& baud) {
    Type(osc);
    Key(Qt::Key_Return);
    Type(baud);
    Key(Qt::Key_Return);
  }
  bool Focused(ControlId id) {
    Settle();
    return QApplication::focusWidget() == W(id);
  }

 private slots:
  void init() {
    QGuiApplication::clipboard()->clear();
    boxes = std::make_unique<BoxAnswerer>();
    window = std::make_unique<CalculatorWidget>();
    window->Start();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }

  void cleanup() {
    QVERIFY2(boxes->unexpected.isEmpty(), qPrintable(boxes->unexpected.join(", ")));
    QVERIFY2(boxes->closedByEscape.isEmpty(), qPrintable(boxes->closedByEscape.join(", ")));
    QVERIFY(boxes->AllAnswered());
    window.reset();
    boxes.reset();
  }

  void startsWithTheFocusInTheOscillatorBoxAndOnlyFourUsableControls() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorvel Kelvo SPBRG Calculator"));
    QVERIFY(Focused(ControlId::Fosc));
    QVERIFY(W(ControlId::Fosc)->isEnabled());
    QVERIFY(W(ControlId::BaudRate)->isEnabled());
    QVERIFY(W(ControlId::Command1)->isEnabled());
    QVERIFY(W(ControlId::BRG1)->isEnabled());
    QVERIFY(qobject_cast<QCheckBox*>(W(ControlId::BRG1))->isChecked());
    QCOMPARE(qobject_cast<QCheckBox*>(W(ControlId::BRG1))->text(), QStringLiteral("BRGH=1"));
    QVERIFY(!W(ControlId::cInc)->isEnabled());
    QVERIFY(!W(ControlId::cDec)->isEnabled());
    QVERIFY(!W(ControlId::CopyClip)->isEnabled());
    QVERIFY(W(ControlId::CopyClip)->isVisible());
    QVERIFY(!W(ControlId::Cloerr)->isVisible());
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QString());
  }

  void windowHasAFixedClientAreaAndNoMinimiseOrMaximise() {
    QCOMPARE(window->size(), QSize(412, 177));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!window->windowIcon().isNull());
  }

  void everyControlStandsAtItsPlace_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<QRect>("rect");
    // Twips of the classic layout divided by 15.
    QTest::newRow("Label5") << int(ControlId::Label5) << QRect(152, 8, 137, 17);
    QTest::newRow("CBaud") << int(ControlId::CBaud) << QRect(154, 24, 133, 33);
    QTest::newRow("Label2") << int(ControlId::Label2) << QRect(8, 24, 57, 17);
    QTest::newRow("Fosc") << int(ControlId::Fosc) << QRect(80, 24, 49, 19);
    QTest::newRow("Label3") << int(ControlId::Label3) << QRect(16, 56, 49, 17);
    QTest::newRow("BaudRate") << int(ControlId::BaudRate) << QRect(80, 56, 49, 19);
    QTest::newRow("Label1") << int(ControlId::Label1) << QRect(152, 64, 105, 17);
    QTest::newRow("lSPBRG") << int(ControlId::lSPBRG) << QRect(154, 80, 101, 33);
    QTest::newRow("cInc") << int(ControlId::cInc) << QRect(264, 72, 25, 25);
    QTest::newRow("cDec") << int(ControlId::cDec) << QRect(264, 96, 25, 25);
    QTest::newRow("CopyClip") << int(ControlId::CopyClip) << QRect(312, 72, 81, 49);
    QTest::newRow("Cloerr") << int(ControlId::Cloerr) << QRect(312, 72, 81, 49);
    QTest::newRow("BRG1") << int(ControlId::BRG1) << QRect(48, 96, 81, 17);
    QTest::newRow("Label4") << int(ControlId::Label4) << QRect(152, 120, 137, 17);
    QTest::newRow("Command1") << int(ControlId::Command1) << QRect(48, 136, 81, 33);
    QTest::newRow("ErrPercentage") << int(ControlId::ErrPercentage) << QRect(154, 136, 133, 33);
  }

  void everyControlStandsAtItsPlace() {
    QFETCH(int, control);
    QFETCH(QRect, rect);
    QCOMPARE(W(static_cast<ControlId>(control))->geometry(), rect);
  }

  void resultLabelsAreLargeBoldAndFramedEvenWhenEmpty() {
    for (ControlId id : {ControlId::CBaud, ControlId::lSPBRG, ControlId::ErrPercentage}) {
      QLabel* label = Label(id);
      QVERIFY(label->font().bold());
      QCOMPARE(label->font().pixelSize(), 24);
      QCOMPARE(label->frameShape(), QFrame::Box);
      QVERIFY(label->text().isEmpty());
      QVERIFY(label->isVisible());
    }
    QVERIFY(!Label(ControlId::Label1)->font().bold());
  }

  void everyCaptionFitsItsControl() {
    for (ControlId id : {ControlId::Label1, ControlId::Label2, ControlId::Label3, ControlId::Label4,
                         ControlId::Label5}) {
      QLabel* label = Label(id);
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
               qPrintable(label->objectName()));
      QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->objectName()));
    }
    auto* check = qobject_cast<QCheckBox*>(W(ControlId::BRG1));
    QVERIFY(check->sizeHint().width() <= check->width());
    auto* calculate = qobject_cast<QPushButton*>(W(ControlId::Command1));
    QVERIFY(calculate->fontMetrics().horizontalAdvance(calculate->text()) + 8 <=
            calculate->width());
    for (ControlId id : {ControlId::CopyClip, ControlId::Cloerr}) {
      auto* button = qobject_cast<QPushButton*>(W(id));
      QRect needed = button->fontMetrics().boundingRect(QRect(0, 0, button->width() - 6, 1000),
                                                        Qt::TextWordWrap, button->text());
      QVERIFY2(needed.height() <= button->height() - 4, qPrintable(button->text()));
      QVERIFY(needed.width() <= button->width() - 6);
    }
  }

  void aWholeCalculationByKeyboard() {
    EnterValues("4", "9600");
    QVERIFY(Focused(ControlId::Command1));
    Key(Qt::Key_Return);
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("25"));
    QCOMPARE(Label(ControlId::ErrPercentage)->text().right(1), QStringLiteral("%"));
    QVERIFY(W(ControlId::cInc)->isEnabled());
    QVERIFY(W(ControlId::CopyClip)->isEnabled());
  }

  void tabCyclesThroughTheUsableControlsOnly() {
    EnterValues("4", "9600");
    QVERIFY(Focused(ControlId::Command1));
    Key(Qt::Key_Tab);
    QVERIFY(Focused(ControlId::BRG1));
    Key(Qt::Key_Tab);  // the disabled buttons are passed over
    QVERIFY(Focused(ControlId::Fosc));
    QCOMPARE(Edit(ControlId::Fosc)->text(), QString());  // emptied on entry
    Key(Qt::Key_Tab);                                    // an empty Fosc keeps the focus
    QVERIFY(Focused(ControlId::Fosc));
  }

  void shiftTabFromAnAcceptedBaudRateEndsOnCalculate() {
    Type("4");
    Key(Qt::Key_Return);
    Type("9600");
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(Focused(ControlId::Command1));
    QCOMPARE(Edit(ControlId::BaudRate)->text(), QStringLiteral("9600"));
  }

  void aClickOnCalculateFromTheOscillatorBoxIsSwallowed() {
    Type("4");
    Click(ControlId::Command1);
    QVERIFY(Focused(ControlId::BaudRate));
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QString());
    Type("9600");
    Click(ControlId::Command1);  // from an accepted baud rate the click goes through
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("25"));
  }

  void rejectedEntriesShowTheirWarning() {
    boxes->Expect("Oscillator speed to high", QMessageBox::Ok);
    Type("100");
    Key(Qt::Key_Return);
    QVERIFY(Focused(ControlId::Fosc));
    QCOMPARE(Edit(ControlId::Fosc)->text(), QString());
    boxes->Expect("Selected baudrate is too low", QMessageBox::Ok);
    EnterValues("4", "100");
    QVERIFY(Focused(ControlId::BaudRate));
    QCOMPARE(Edit(ControlId::BaudRate)->text(), QString());
    QCOMPARE(Edit(ControlId::Fosc)->text(), QStringLiteral("4"));
    QCOMPARE(boxes->seen.size(), 2);
  }

  void theInvalidSettingQuestionAnsweredYesKeepsTheResult() {
    EnterValues("4", "115200");
    Key(Qt::Key_Space);  // the focus is on Calculate
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("1"));
    boxes->Expect("Invalid setting", QMessageBox::Yes);
    Click(ControlId::BRG1);  // BRGH clear recalculates: -45.747 %
    QCOMPARE(boxes->seen.value(0),
             QStringLiteral("Invalid setting | Current setting cause an error %=-45.747%\nDo you "
                            "want to keep it and try another BRGH setting?"));
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("0"));
    QCOMPARE(Label(ControlId::CBaud)->text(), QStringLiteral("62,500"));
    QVERIFY(Label(ControlId::CBaud)->isVisible());
    QVERIFY(W(ControlId::CopyClip)->isEnabled());
    QVERIFY(Focused(ControlId::BRG1));
  }

  void theOverflowQuestionAnsweredYesKeeps255() {
    boxes->Expect("Current setting cause an SPBRG overflow.", QMessageBox::Yes);
    EnterValues("20", "1200");
    Key(Qt::Key_Return);
    QCOMPARE(boxes->seen.value(0),
             QStringLiteral("Current setting cause an SPBRG overflow. | By using the max SPBRG "
                            "value, it generate a error % of 306.901%\nDo you want to keep it and "
                            "try with another BRGH setting?"));
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("255"));
    QVERIFY(Label(ControlId::lSPBRG)->isVisible());
    QVERIFY(W(ControlId::CopyClip)->isEnabled());
  }

  void theInvalidSettingQuestionAnsweredNoEmptiesTheWindow() {
    EnterValues("4", "115200");
    Click(ControlId::BRG1);
    QVERIFY(!qobject_cast<QCheckBox*>(W(ControlId::BRG1))->isChecked());
    boxes->Expect("Invalid setting", QMessageBox::No);
    Click(ControlId::Command1);
    QCOMPARE(boxes->seen.size(), 1);
    QVERIFY(qobject_cast<QCheckBox*>(W(ControlId::BRG1))->isChecked());
    QCOMPARE(Edit(ControlId::Fosc)->text(), QString());
    QCOMPARE(Edit(ControlId::BaudRate)->text(), QString());
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QString());
    QVERIFY(Label(ControlId::ErrPercentage)->isVisible());
    QVERIFY(!W(ControlId::cInc)->isEnabled());
    QVERIFY(Focused(ControlId::Fosc));
  }

  void steppingByMouseAndKeyboard() {
    EnterValues("4", "9600");
    Key(Qt::Key_Return);
    Click(ControlId::cInc);
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("26"));
    QVERIFY(Focused(ControlId::cInc));
    Key(Qt::Key_Space);
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("27"));
    Key(Qt::Key_Tab);
    QVERIFY(Focused(ControlId::cDec));
    Key(Qt::Key_Return);
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("26"));
    Click(ControlId::cDec);
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("25"));
  }

  void brghByMouseAndSpaceRecalculates() {
    EnterValues("4", "9600");
    Key(Qt::Key_Return);
    Click(ControlId::BRG1);
    QVERIFY(!qobject_cast<QCheckBox*>(W(ControlId::BRG1))->isChecked());
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("6"));
    QVERIFY(Focused(ControlId::BRG1));
    Key(Qt::Key_Space);
    QVERIFY(qobject_cast<QCheckBox*>(W(ControlId::BRG1))->isChecked());
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("25"));
  }

  void exportPutsTheDefinesOnTheClipboard() {
    EnterValues("4", "9600");
    Key(Qt::Key_Return);
    Click(ControlId::CopyClip);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\n"
                            "DEFINE HSER_SPBRG 25 ' 9600 Bauds\r\n"));
    QVERIFY(!W(ControlId::CopyClip)->isVisible());
    QVERIFY(W(ControlId::Cloerr)->isVisible());
    QVERIFY(W(ControlId::Cloerr)->isEnabled());
    QVERIFY(Focused(ControlId::Command1));
    Click(ControlId::Cloerr);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\n"
                            "DEFINE HSER_SPBRG 25 ' 9600 Bauds\r\nDEFINE HSER_CLROERR 1"));
    QVERIFY(W(ControlId::CopyClip)->isVisible());
    QVERIFY(!W(ControlId::Cloerr)->isVisible());
  }

  void switchingToAnotherWindowAndBackKeepsTheTexts() {
    Type("4");
    Key(Qt::Key_Return);
    Type("9600");
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(Edit(ControlId::BaudRate)->text(), QStringLiteral("9600"));
    QCOMPARE(Edit(ControlId::Fosc)->text(), QStringLiteral("4"));
    QVERIFY(Focused(ControlId::BaudRate));
    QCOMPARE(window->model().focus(), ControlId::BaudRate);
  }

  void anEmptyOscillatorBoxKeepsTheFocusWithoutAMessage() {
    Key(Qt::Key_Return);
    QVERIFY(Focused(ControlId::Fosc));
    Key(Qt::Key_Tab);
    QVERIFY(Focused(ControlId::Fosc));
    Click(ControlId::Command1);
    QVERIFY(Focused(ControlId::Fosc));
    QCOMPARE(boxes->seen.size(), 0);
    Type("20");  // the next accepted value stays
    Key(Qt::Key_Return);
    QVERIFY(Focused(ControlId::BaudRate));
    QCOMPARE(Edit(ControlId::Fosc)->text(), QStringLiteral("20"));
  }

  void aRejectedBaudRateLeftWithTabIsTypedAgain() {
    Type("4");
    Key(Qt::Key_Tab);
    Type("100");
    boxes->Expect("Selected baudrate is too low", QMessageBox::Ok);
    Key(Qt::Key_Tab);
    QVERIFY(Focused(ControlId::BaudRate));
    QCOMPARE(Edit(ControlId::BaudRate)->text(), QString());
    QCOMPARE(Edit(ControlId::Fosc)->text(), QStringLiteral("4"));
  }

  void aRejectedOscillatorLeftWithTheMouseEmptiesBothBoxes() {
    Type("60");
    boxes->Expect("Oscillator speed to high", QMessageBox::Ok);
    Click(ControlId::Command1);
    QVERIFY(Focused(ControlId::Fosc));
    QCOMPARE(Edit(ControlId::Fosc)->text(), QString());
    QCOMPARE(Edit(ControlId::BaudRate)->text(), QString());
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QString());
  }

  void aClickOnPlusFromAnEntryBoxIsSwallowedByItsCheck() {
    EnterValues("4", "9600");
    Key(Qt::Key_Return);
    Click(ControlId::BaudRate);
    Type("9600");
    Click(ControlId::cInc);
    QVERIFY(Focused(ControlId::Command1));
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("25"));
  }

  void aLongPastedEntryIsKeptWhole() {
    QString digits = QStringLiteral("4") + QString(100000, QLatin1Char('0'));
    Edit(ControlId::Fosc)->setText(QString());
    QApplication::clipboard()->setText(digits);
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Edit(ControlId::Fosc)->text().size(), digits.size());
    QCOMPARE(window->model().control(ControlId::Fosc).text.size(), std::size_t(100001));
    boxes->Expect("Oscillator speed to high", QMessageBox::Ok);
    Key(Qt::Key_Return);
    QVERIFY(Focused(ControlId::Fosc));
  }

  void editingKeysWorkInsideTheBox() {
    Type("48");
    Key(Qt::Key_Left);
    Key(Qt::Key_Backspace);  // removes the 4 before the cursor
    Type("2");
    QCOMPARE(Edit(ControlId::Fosc)->text(), QStringLiteral("28"));
    QCOMPARE(window->model().control(ControlId::Fosc).text, std::string("28"));
  }

  // Run as it stands under LC_ALL=C, and with SPBRG_TEST_LOCALE=de_DE.UTF-8 under that locale.
  void resultsUseTheSeparatorsOfTheUserLocale() {
    bool german = !qEnvironmentVariableIsEmpty("SPBRG_TEST_LOCALE");
    if (german) {
      QVERIFY2(std::setlocale(LC_ALL, "") != nullptr, "the locale is not installed");
      QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
    }
    EnterValues("4", "9600");
    Key(Qt::Key_Return);
    QCOMPARE(Label(ControlId::CBaud)->text(), german ? QStringLiteral("9.615") : "9,615");
    QCOMPARE(Label(ControlId::ErrPercentage)->text(), german ? QStringLiteral("0,16%") : "0.16%");
    boxes->Expect("Current setting cause an SPBRG overflow.", QMessageBox::Yes);
    Click(ControlId::Fosc);
    EnterValues("48", "300");
    Key(Qt::Key_Return);
    QVERIFY(boxes->seen.value(0).contains(german ? "3806,25%\n" : "3806.25%\n"));
  }

  // Run at several screen scales: the widest texts the entry ranges allow, with the separators
  // of three locales, fit inside the frames of the result labels.
  void widestResultsFitTheirLabels() {
    const brg::Separators locales[] = {{",", "."}, {".", ","}, {"\u202f", ","}};
    double fastest = brg::CandidateBaud(48, 0, true);
    double slowest = brg::CandidateBaud(1, brg::SpbrgMax, false);
    double almostFastest = brg::CandidateBaud(47.999999, 0, true);
    // The largest estimate shows until the clamp to 255 replaces it.
    QString estimate = QString::fromStdString(brg::FormatSpbrg(brg::EstimateSpbrg(48, 300, true)));
    for (const brg::Separators& separators : locales) {
      QStringList bauds{QString::fromStdString(brg::FormatBaudRate(fastest, separators))};
      QStringList errors;
      for (double ratio : {brg::BaudErrorRatio(fastest, 300), brg::BaudErrorRatio(slowest, 250000),
                           brg::BaudErrorRatio(almostFastest, 300)}) {
        errors << QString::fromStdString(brg::FormatErrorPercent(ratio, separators));
      }
      for (auto [id, texts] :
           {std::pair{ControlId::CBaud, bauds}, std::pair{ControlId::ErrPercentage, errors},
            std::pair{ControlId::lSPBRG, QStringList{estimate}}}) {
        QLabel* label = Label(id);
        for (const QString& text : texts) {
          int width = label->fontMetrics().horizontalAdvance(text);
          QVERIFY2(width <= label->contentsRect().width(),
                   qPrintable(QStringLiteral("%1 is %2 px in %3")
                                  .arg(text)
                                  .arg(width)
                                  .arg(label->contentsRect().width())));
          QVERIFY(label->fontMetrics().height() <= label->contentsRect().height());
        }
      }
    }
  }

  // The caption's text stands on the same line as the text typed into the box beside it.
  void captionsStandOnTheBaselineOfTheirBoxes() {
    for (auto [caption, box] : {std::pair{ControlId::Label2, ControlId::Fosc},
                                std::pair{ControlId::Label3, ControlId::BaudRate}}) {
      Label(caption)->setText(QStringLiteral("H"));
      Edit(box)->setText(QStringLiteral("H"));
      Edit(box)->clearFocus();  // no text cursor in the picture
      int captionLine = W(caption)->y() + LowestInkRow(W(caption)->grab().toImage());
      int boxLine = W(box)->y() + LowestInkRow(W(box)->grab().toImage(), 3);
      QVERIFY2(std::abs(captionLine - boxLine) <= std::max(1.0, W(box)->height() / 19.0),
               qPrintable(QStringLiteral("%1 at %2, %3 at %4")
                              .arg(W(caption)->objectName())
                              .arg(captionLine)
                              .arg(W(box)->objectName())
                              .arg(boxLine)));
    }
  }

  void theKeyboardFocusIsMarkedOnAButton() {
    EnterValues("4", "9600");
    QVERIFY(Focused(ControlId::Command1));
    QImage marked = W(ControlId::Command1)->grab().toImage();
    Key(Qt::Key_Tab);
    QVERIFY(Focused(ControlId::BRG1));
    QImage unmarked = W(ControlId::Command1)->grab().toImage();
    QVERIFY(marked != unmarked);
  }

  void escapeOrCloseLeavesEachQuestionOpen() {
    boxes->Expect("Current setting cause an SPBRG overflow.", QMessageBox::Yes, true);
    EnterValues("20", "1200");
    Key(Qt::Key_Return);
    QCOMPARE(Label(ControlId::lSPBRG)->text(), QStringLiteral("255"));
    QCOMPARE(Edit(ControlId::Fosc)->text(), QStringLiteral("20"));
    boxes->Expect("Invalid setting", QMessageBox::No, true);
    Click(ControlId::Fosc);
    EnterValues("4", "115200");
    Click(ControlId::BRG1);
    QCOMPARE(boxes->seen.size(), 2);  // only the No button emptied the window
    QCOMPARE(Edit(ControlId::Fosc)->text(), QString());
  }

  // Every control as assistive technology sees it: its role, its name (the caption beside it, or
  // its own caption) and the caption that labels it, all from the layout table.
  void everyControlIsNamedForAScreenReader() {
    EnterValues("4", "9600");
    Key(Qt::Key_Return);
    for (const brg::ControlPlacement& place : brg::kPlacements) {
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(W(place.id));
      QVERIFY(control != nullptr);
      const brg::Control& model = window->model().control(place.id);
      QString caption = QString::fromStdString(window->model().control(place.namedBy).text);
      QString what = W(place.id)->objectName();
      switch (model.kind) {
        case brg::ControlKind::TextBox:
          QCOMPARE(control->role(), QAccessible::EditableText);
          QCOMPARE(control->text(QAccessible::Name), caption);
          break;
        case brg::ControlKind::Label:
          QCOMPARE(control->role(), QAccessible::StaticText);
          QCOMPARE(control->text(QAccessible::Name), QString::fromStdString(model.text));
          break;
        case brg::ControlKind::CommandButton:
          QCOMPARE(control->role(), QAccessible::Button);
          QCOMPARE(control->text(QAccessible::Name), QString::fromStdString(model.text));
          QCOMPARE(control->childCount(), 0);  // the caption is read once, as the name
          break;
        case brg::ControlKind::CheckBox:
          QCOMPARE(control->role(), QAccessible::CheckBox);
          QCOMPARE(control->text(QAccessible::Name), QStringLiteral("BRGH=1"));
          break;
      }
      QCOMPARE(control->text(QAccessible::Description),
               QString::fromUtf8(place.description.data(), place.description.size()));
      auto labels = control->relations(QAccessible::Label);
      if (place.namedBy != place.id) {
        QVERIFY2(labels.size() == 1, qPrintable(what));
        QCOMPARE(labels.front().first->text(QAccessible::Name), caption);
      } else {
        QVERIFY2(labels.isEmpty(), qPrintable(what));
      }
      QCOMPARE(control->state().focusable, model.kind != brg::ControlKind::Label);
      QCOMPARE(control->state().focused, window->model().focus() == place.id);
    }
  }

  void aQuestionIsReadAsADialogWithItsTitleAndText() {
    boxes->Expect("Current setting cause an SPBRG overflow.", QMessageBox::Yes);
    QString read;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(box);
        read = QString::number(dialog->role()) + " | " + dialog->text(QAccessible::Name) + " | " +
               dialog->text(QAccessible::Description) + dialog->text(QAccessible::Value);
      }
    });
    EnterValues("20", "1200");
    Key(Qt::Key_Return);
    QVERIFY2(
        read.startsWith(QString::number(QAccessible::AlertMessage) + " | Current setting cause "
                                                                     "an SPBRG overflow. | "),
        qPrintable(read));
    QVERIFY2(read.contains(QStringLiteral("306.901%")), qPrintable(read));
  }
};

QTEST_MAIN(CalculatorWidgetTest)
#include "calculator_widget_test.moc"
