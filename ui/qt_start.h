// Starts Qt for one of the programs so that a display it cannot reach ends in one line on
// stderr naming what was tried, never in Qt's abort with its advice to reinstall: checked
// before Qt starts where it can be, and Qt's fatal start-up message replaced where it cannot.
// Shared by the calculator's and the workbench's main(); header only.
#pragma once

#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>

#include "ui/display_check.h"
#include "ui/held_stderr.h"

namespace brg::ui {
namespace qt_start {

inline HeldStderr* held = nullptr;
inline QtMessageHandler previous = nullptr;
inline std::string failure;  // the line for a display Qt could not open

inline void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
  if (type != QtFatalMsg) {
    previous(type, context, message);
    return;
  }
  held->FailWith(failure);
}

}  // namespace qt_start

// The application, or none after saying why on stderr: the caller then ends with status 1.
// `program` names it in the messages; `howToRun` says how to start it without a desktop.
// `argc` must outlive the application, as Qt requires.
inline std::unique_ptr<QApplication> StartQt(int& argc, char** argv, const std::string& program,
                                             const std::string& howToRun) {
  if (std::string missing = MissingDisplayReason(); !missing.empty()) {
    std::fprintf(stderr, "%s needs a graphical display: %s. %s\n", program.c_str(), missing.c_str(),
                 howToRun.c_str());
    return nullptr;
  }
  HeldStderr held;
  qt_start::held = &held;
  qt_start::failure = program + " cannot open its window on " + DisplayTried() + ". " + howToRun;
  qt_start::previous = qInstallMessageHandler(qt_start::StartupMessageHandler);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(qt_start::previous);
  held.Release();
  qt_start::held = nullptr;
  return application;
}

}  // namespace brg::ui
