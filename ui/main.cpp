// The SPBRG calculator: one window, no command line, nothing saved.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "ui/calculator_widget.h"
#include "ui/display_check.h"

int main(int argc, char** argv) {
  std::string missing = brg::ui::MissingDisplayReason();
  if (!missing.empty()) {
    std::fprintf(stderr,
                 "spbrg-calculator needs a graphical display: %s. Start it from a desktop "
                 "session, or without one as: xvfb-run spbrg-calculator\n",
                 missing.c_str());
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setWindowIcon(brg::ui::ProgramIcon());
  QApplication::setApplicationName(QStringLiteral("spbrg-calculator"));
  QApplication::setDesktopFileName(QStringLiteral("spbrg-calculator"));

  brg::ui::CalculatorWidget window;
  window.Start();
  return QApplication::exec();
}
