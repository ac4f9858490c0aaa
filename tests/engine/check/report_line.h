// A setup report in one line, for tables of expected reports: the setting, the rate it is
// measured against with the line that named it, then every finding with its line and kind.
#pragma once

#include <string>

#include "core/brg_modes.h"
#include "engine/check/setup_check.h"

namespace brg::engine {

inline std::string Rendered(const SetupReport& report) {
  std::string text;
  if (report.setting) {
    text =
        std::string(InfoOf(report.setting->mode).name) + " n=" + std::to_string(report.setting->n);
  } else {
    text = "no setting";
  }
  if (report.wantedBaud) {
    text += " for " + std::to_string(static_cast<long>(*report.wantedBaud)) + "@" +
            std::to_string(report.wantedLine);
  }
  const char* kinds[] = {"fault", "tolerance", "note"};
  for (const Finding& finding : report.findings) {
    text += " | " + std::to_string(finding.line) + " " + kinds[static_cast<int>(finding.kind)] +
            ": " + finding.message;
  }
  return text;
}

}  // namespace brg::engine
