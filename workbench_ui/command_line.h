// spbrg-workbench [--device PART] [--osc MHZ] [--baud RATE ...]: the command line read before
// the window opens, so that a bad value ends in one line on stderr without a display.
#pragma once

#include <QStringList>
#include <string>

#include "workbench/start_request.h"

namespace brg::workbench_ui {

struct CommandLine {
  workbench::StartRequest request;
  std::string output;  // --help or --version: print it and end
  std::string error;   // one line without the program's name, or ""
};

// `arguments` with the program's name first; the values checked against the engine.
CommandLine ReadCommandLine(const QStringList& arguments, const std::string& headerDir);

}  // namespace brg::workbench_ui
