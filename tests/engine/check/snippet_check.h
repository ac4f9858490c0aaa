// A small setup checked against the first port of the classic profile, as a line: the clock,
// the setting and every finding (report_line.h); and the language the source is read in, so
// that a table of one language cannot pass by being read as another.
#pragma once

#include <string>
#include <string_view>

#include "core/text.h"
#include "engine/check/setup_check.h"
#include "engine/check/setup_source.h"
#include "engine/parts/part_profile.h"
#include "tests/engine/check/report_line.h"

namespace brg::engine {

inline const SerialPort& ClassicPort() {
  static const PartProfile profile = ClassicProfile();
  return profile.Port(1);
}

inline SetupReport CheckedReport(std::string_view source, double oscMHz) {
  CheckOptions options;
  if (oscMHz > 0) {
    options.oscMHz = oscMHz;
  }
  return CheckSetup(source, options, ClassicPort());
}

// "4 MHz: 8/16 n=25 for 9600@1 | 2 note: ..."
inline std::string CheckedLine(std::string_view source, double oscMHz) {
  SetupReport report = CheckedReport(source, oscMHz);
  return DecimalText(report.oscMHz) + " MHz: " + Rendered(report);
}

inline Dialect ReadAs(std::string_view source) {
  return ReadSetupSource(source, ClassicPort()).dialect;
}

}  // namespace brg::engine
