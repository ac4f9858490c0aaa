// The SPBRG workbench: one window over the whole engine. spbrg-workbench [--device PART]
// [--osc MHZ] [--baud RATE ...] opens it on a question; the last part, clock and rates are kept.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>

#include "engine/part_profile.h"
#include "ui/display_check.h"
#include "ui/held_stderr.h"
#include "workbench_ui/command_line.h"
#include "workbench_ui/workbench_window.h"

namespace {

constexpr const char* kHowToRun =
    "Start it from a desktop session, or without one as: xvfb-run spbrg-workbench";

brg::ui::HeldStderr* heldStderr = nullptr;
QtMessageHandler defaultHandler = nullptr;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (type != QtFatalMsg) {
    defaultHandler(type, context, message);
    return;
  }
  heldStderr->FailWith("spbrg-workbench cannot open its window on " + brg::ui::DisplayTried() +
                       ". " + kHowToRun);
}

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << QString::fromLocal8Bit(argv[i]);
  }
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  brg::workbench_ui::CommandLine line =
      brg::workbench_ui::ReadCommandLine(Arguments(argc, argv), brg::engine::kGputilsHeaders);
  if (!line.error.empty()) {
    std::fprintf(stderr, "spbrg-workbench: %s\n", line.error.c_str());
    return 2;
  }
  if (!line.output.empty()) {
    std::fputs(line.output.c_str(), stdout);
    return 0;
  }
  std::string missing = brg::ui::MissingDisplayReason();
  if (!missing.empty()) {
    std::fprintf(stderr, "spbrg-workbench needs a graphical display: %s. %s\n", missing.c_str(),
                 kHowToRun);
    return 1;
  }
  brg::ui::HeldStderr held;
  heldStderr = &held;
  defaultHandler = qInstallMessageHandler(StartupMessageHandler);
  int qtArgc = 1;  // the command line is the workbench's own, read above
  QApplication application(qtArgc, argv);
  qInstallMessageHandler(defaultHandler);
  held.Release();
  QApplication::setWindowIcon(brg::workbench_ui::WorkbenchIcon());
  QApplication::setApplicationName(QStringLiteral("spbrg-workbench"));
  QApplication::setOrganizationName(QStringLiteral("quorvelkelvo"));
  QApplication::setDesktopFileName(QStringLiteral("com.quorvelkelvo.SpbrgWorkbench"));

  brg::workbench_ui::WorkbenchWindow window;
  window.Start(line.request);
  return QApplication::exec();
}
