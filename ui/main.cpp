// The SPBRG calculator: one window, no command line, nothing saved.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/calculator_widget.h"
#include "ui/display_check.h"
#include "ui/held_stderr.h"

namespace {

constexpr const char* kHowToRun =
    "Start it from a desktop session, or without one as: xvfb-run spbrg-calculator";

brg::ui::HeldStderr* heldStderr = nullptr;
QtMessageHandler defaultHandler = nullptr;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (type != QtFatalMsg) {
    defaultHandler(type, context, message);
    return;
  }
  heldStderr->FailWith("spbrg-calculator cannot open its window on " + brg::ui::DisplayTried() +
                       ". " + kHowToRun);
}

}  // namespace

int main(int argc, char** argv) {
  std::string missing = brg::ui::MissingDisplayReason();
  if (!missing.empty()) {
    std::fprintf(stderr, "spbrg-calculator needs a graphical display: %s. %s\n", missing.c_str(),
                 kHowToRun);
    return 1;
  }
  brg::ui::HeldStderr held;
  heldStderr = &held;
  defaultHandler = qInstallMessageHandler(StartupMessageHandler);
  QApplication application(argc, argv);
  qInstallMessageHandler(defaultHandler);
  held.Release();
  QApplication::setWindowIcon(brg::ui::ProgramIcon());
  QApplication::setApplicationName(QStringLiteral("spbrg-calculator"));
  QApplication::setDesktopFileName(QStringLiteral("com.quorvelkelvo.SpbrgCalculator"));

  brg::ui::CalculatorWidget window;
  window.Start();
  return QApplication::exec();
}
