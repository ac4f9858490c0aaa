// The toolkit's floor for the start-up benchmark: a Qt program that shows the same sixteen
// widgets at the same places as the calculator, with no logic behind them.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.setFixedSize(412, 177);
  auto place = [&](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(x, y, w, h);
  };
  place(new QLabel(QStringLiteral("Calculated BaudRate"), &window), 152, 8, 137, 17);
  place(new QLabel(&window), 154, 24, 133, 33);
  place(new QLabel(QStringLiteral("OSC (MHZ)"), &window), 8, 24, 57, 17);
  place(new QLineEdit(&window), 80, 24, 49, 19);
  place(new QLabel(QStringLiteral("BaudRate"), &window), 16, 56, 49, 17);
  place(new QLineEdit(&window), 80, 56, 49, 19);
  place(new QLabel(QStringLiteral("SPBRG Value"), &window), 152, 64, 105, 17);
  place(new QLabel(&window), 154, 80, 101, 33);
  place(new QPushButton(QStringLiteral("+"), &window), 264, 72, 25, 25);
  place(new QPushButton(QStringLiteral("-"), &window), 264, 96, 25, 25);
  place(new QPushButton(QStringLiteral("Send PBP DEFINEs to clipboard"), &window), 312, 72, 81, 49);
  auto* hidden = new QPushButton(QStringLiteral("Add automatic clear overrun error"), &window);
  place(hidden, 312, 72, 81, 49);
  hidden->hide();
  place(new QCheckBox(QStringLiteral("BRGH=1"), &window), 48, 96, 81, 17);
  place(new QLabel(QStringLiteral("Error%"), &window), 152, 120, 137, 17);
  place(new QPushButton(QStringLiteral("Calculate"), &window), 48, 136, 81, 33);
  place(new QLabel(&window), 154, 136, 133, 33);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->availableGeometry().center() - QPoint(206, 88));
  }
  window.show();
  return QApplication::exec();
}
