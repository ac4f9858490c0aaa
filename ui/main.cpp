// The SPBRG calculator: one window, no command line, nothing saved.
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/calculator_widget.h"
#include "ui/display_check.h"

namespace {

constexpr const char* kHowToRun =
    "Start it from a desktop session, or without one as: xvfb-run spbrg-calculator";

std::vector<QString>* startupMessages = nullptr;

// While Qt starts, its messages are held back: a display that cannot be opened ends in one line
// naming what was tried, instead of Qt's abort with its advice to reinstall.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    startupMessages->push_back(message);
    return;
  }
  std::string tried = brg::ui::DisplayTried();
  std::fprintf(stderr, "spbrg-calculator cannot open its window on %s. %s\n", tried.c_str(),
               kHowToRun);
  std::fflush(stderr);
  _exit(1);
}

// Once the window system answered, the held-back messages go out as usual.
void EndStartup(QtMessageHandler previous) {
  qInstallMessageHandler(previous);
  for (const QString& message : *startupMessages) {
    qWarning("%s", qPrintable(message));
  }
  startupMessages->clear();
}

}  // namespace

int main(int argc, char** argv) {
  std::string missing = brg::ui::MissingDisplayReason();
  if (!missing.empty()) {
    std::fprintf(stderr, "spbrg-calculator needs a graphical display: %s. %s\n", missing.c_str(),
                 kHowToRun);
    return 1;
  }
  std::vector<QString> held;
  startupMessages = &held;
  QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
  QApplication application(argc, argv);
  EndStartup(previous);
  QApplication::setWindowIcon(brg::ui::ProgramIcon());
  QApplication::setApplicationName(QStringLiteral("spbrg-calculator"));
  QApplication::setDesktopFileName(QStringLiteral("com.quorvelkelvo.SpbrgCalculator"));

  brg::ui::CalculatorWidget window;
  window.Start();
  return QApplication::exec();
}
