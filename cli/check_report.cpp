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

}  // namespace

void PrintCheck(std::ostream& out, const std::string& sourceName, const engine::SetupReport& report,
                const engine::SerialPort& port, const std::string& place) {
  Separators plain;
  out << "Setup of " << port.KindName() << " " << port.Number() << " in " << sourceName
      << ", oscillator " << PlainNumber(report.oscMHz) << " MHz"
      << (report.setting && report.clockMHz != report.oscMHz
              ? ", UART clock " + port.Clock().name + " " + PlainNumber(report.clockMHz) + " MHz"
              : "")
      << "\n";
  if (report.setting) {
    const ModeSetting& setting = *report.setting;
    out << "  mode " << InfoOf(setting.mode).name << " (" << port.ModeBits(setting.mode)
        << "), n = " << setting.n << "\n";
    out << "  real " << FormatBaudRate(setting.actualBaud, plain) << " baud";
    if (report.wantedBaud) {
      out << ", error " << FormatErrorPercent(setting.errorRatio, plain) << " against "
          << PlainNumber(*report.wantedBaud) << " baud"
          << (report.wantedLine > 0 ? " (" + place + " " + std::to_string(report.wantedLine) + ")"
                                    : std::string(" (--baud)"));
    }
    out << "\n";
    std::array<char, 32> bitTime{};
    auto [end, error] = std::to_chars(bitTime.data(), bitTime.data() + bitTime.size(),
                                      1e6 / setting.actualBaud, std::chars_format::fixed, 3);
    out << "  bit time " << std::string(bitTime.data(), end) << " us\n";
  } else {
    out << "  the compiler works SPBRG out from the rate DEFINE\n";
  }
  for (const Finding& finding : report.findings) {
    out << "  " << (finding.line > 0 ? place + " " + std::to_string(finding.line) : "not written")
        << ": " << KindOf(finding.kind) << ": " << finding.message << "\n";
  }
  out << (report.HasFault() ? "  faults found\n" : "  no fault found\n");
}

}  // namespace brg::cli
