// The SPBRG calculator: one window, no command line, nothing saved.
#include <QApplication>
#include <QIcon>

#include "ui/calculator_widget.h"
#include "ui/qt_start.h"

int main(int argc, char** argv) {
  std::unique_ptr<QApplication> application = brg::ui::StartQt(
      argc, argv, "spbrg-calculator",
      "Start it from a desktop session, or without one as: xvfb-run spbrg-calculator");
  if (!application) {
    return 1;
  }
  QApplication::setWindowIcon(brg::ui::ProgramIcon());
  QApplication::setApplicationName(QStringLiteral("spbrg-calculator"));
  QApplication::setDesktopFileName(QStringLiteral("com.quorvelkelvo.SpbrgCalculator"));

  brg::ui::CalculatorWidget window;
  window.Start();
  return QApplication::exec();
}
