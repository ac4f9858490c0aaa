// The SPBRG workbench: one window over the whole engine. spbrg-workbench [--device PART]
// [--osc MHZ] [--baud RATE ...] opens it on a question; the last part, clock and rates are kept.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>

#include "engine/parts/part_profile.h"
#include "ui/qt_start.h"
#include "workbench_ui/command_line.h"
#include "workbench_ui/workbench_window.h"

namespace {

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
      brg::workbench_ui::ReadCommandLine(Arguments(argc, argv), "");
  if (!line.error.empty()) {
    std::fprintf(stderr, "spbrg-workbench: %s\n", line.error.c_str());
    return 2;
  }
  if (!line.output.empty()) {
    std::fputs(line.output.c_str(), stdout);
    return 0;
  }
  int qtArgc = 1;  // the command line is the workbench's own, read above
  std::unique_ptr<QApplication> application = brg::ui::StartQt(
      qtArgc, argv, "spbrg-workbench",
      "Start it from a desktop session, or without one as: xvfb-run spbrg-workbench");
  if (!application) {
    return 1;
  }
  QApplication::setWindowIcon(brg::workbench_ui::WorkbenchIcon());
  QApplication::setApplicationName(QStringLiteral("spbrg-workbench"));
  QApplication::setOrganizationName(QStringLiteral("quorvelkelvo"));
  QApplication::setDesktopFileName(QStringLiteral("com.quorvelkelvo.SpbrgWorkbench"));

  brg::workbench_ui::WorkbenchWindow window;
  window.Start(line.request);
  return QApplication::exec();
}
