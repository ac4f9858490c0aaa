// What spbrg check prints: the mode, the rates and the bit time, then each finding with its
// place; or the findings as compilers print them (gcc), as SARIF 2.1.0 for code-scanning tools,
// or the whole report as JSON.
#pragma once

#include <ostream>
#include <string>

#include "engine/check/project_source.h"
#include "engine/check/setup_check.h"
#include "engine/ports/serial_port.h"

namespace brg::cli {

// Where a line of the checked text stands: "line 12" of the one source, "argument 2" of
// NAME=VALUE arguments, or a file and its line in a project.
struct Places {
  std::string sourceName;  // the file, "standard input", "the arguments", or the project
  std::string word = "line";
  const engine::ProjectSource* project = nullptr;

  // The file of a line and its own line there: the source itself outside a project.
  std::pair<std::string, int> FileLine(int line) const;
  // "line 12", "src/uart.c line 12", "not written" for 0.
  std::string Of(int line) const;
  // A message with each "line N" it names given its file and own line in a project:
  // "FRQ 1000 (src/main.c line 12)".
  std::string InText(const std::string& text) const;
};

void PrintCheck(std::ostream& out, const engine::SetupReport& report,
                const engine::SerialPort& port, const Places& places);
void PrintCheckGcc(std::ostream& out, const engine::SetupReport& report,
                   const engine::SerialPort& port, const Places& places);
void PrintCheckSarif(std::ostream& out, const engine::SetupReport& report, const Places& places);
void PrintCheckJson(std::ostream& out, const engine::SetupReport& report,
                    const engine::SerialPort& port, const Places& places);

}  // namespace brg::cli
