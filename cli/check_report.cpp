#include "cli/check_report.h"

#include <array>
#include <charconv>

#include "core/display_formats.h"
#include "core/text.h"

namespace brg::cli {
namespace {

using engine::Finding;
using engine::FindingKind;

const char* KindOf(FindingKind kind) {
  switch (kind) {
    case FindingKind::Fault:
      return "fault";
    case FindingKind::Tolerance:
      return "fault";
    case FindingKind::Note:
      return "note";
  }
  return "";
}

std::string Place(int line, const std::string& place) {
  return line > 0 ? place + " " + std::to_string(line) : "not written";
}

// Where the rate that the error is measured against comes from.
std::string RateSource(const engine::SetupReport& report, const std::string& place) {
  if (report.wantedLine == 0) {
    return report.wantedFrom.empty() || report.wantedFrom == "--baud" ? "--baud"
                                                                      : report.wantedFrom;
  }
  std::string text = place + " " + std::to_string(report.wantedLine);
  if (!report.wantedFrom.empty() && report.wantedFrom != "a comment") {
    text += ", " + report.wantedFrom;
  }
  return text;
}

// Where the oscillator comes from when --osc did not give it.
std::string ClockSource(const engine::SetupReport& report, const std::string& place) {
  if (report.oscFrom.empty()) {
    return "";
  }
  return report.oscLine > 0
             ? " (" + place + " " + std::to_string(report.oscLine) + ", " + report.oscFrom + ")"
             : ", " + report.oscFrom;
}

}  // namespace

void PrintCheck(std::ostream& out, const std::string& sourceName, const engine::SetupReport& report,
                const engine::SerialPort& port, const std::string& place) {
  Separators plain;
  out << "Setup of " << port.KindName() << " " << port.Number() << " in " << sourceName
      << ", oscillator " << DecimalText(report.oscMHz) << " MHz" << ClockSource(report, place)
      << (report.setting && report.clockMHz != report.oscMHz
              ? ", UART clock " + port.Clock().name + " " + DecimalText(report.clockMHz) + " MHz"
              : "")
      << "\n";
  if (!report.portFrom.empty()) {
    out << "  " << report.portFrom << "\n";
  }
  if (report.setting) {
    const ModeSetting& setting = *report.setting;
    out << "  mode " << InfoOf(setting.mode).name << " (" << port.ModeBits(setting.mode)
        << "), n = " << setting.n << "\n";
    out << "  real " << FormatBaudRate(setting.actualBaud, plain) << " baud";
    if (report.wantedBaud) {
      out << ", error " << FormatErrorPercent(setting.errorRatio, plain) << " against "
          << DecimalText(*report.wantedBaud) << " baud (" << RateSource(report, place) << ")";
    }
    out << "\n";
    std::array<char, 32> bitTime{};
    auto [end, error] = std::to_chars(bitTime.data(), bitTime.data() + bitTime.size(),
                                      1e6 / setting.actualBaud, std::chars_format::fixed, 3);
    out << "  bit time " << std::string(bitTime.data(), end) << " us\n";
  } else if (report.rateUnknown) {
    out << "  n cannot be worked out: the source computes it at run time\n";
  } else {
    out << "  the compiler works SPBRG out from the rate DEFINE\n";
  }
  for (const Finding& working : report.workings) {
    out << "  " << Place(working.line, place) << ": " << working.message << "\n";
  }
  for (const Finding& finding : report.findings) {
    out << "  " << Place(finding.line, place) << ": " << KindOf(finding.kind) << ": "
        << finding.message << "\n";
  }
  out << (report.HasFault() ? "  faults found\n" : "  no fault found\n");
}

}  // namespace brg::cli
