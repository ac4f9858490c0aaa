#include "workbench/setup_findings.h"

#include <stdexcept>
#include <vector>

#include "core/bit_time.h"
#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/check/setup_check.h"
#include "engine/errors.h"

namespace brg::workbench {
namespace {

const char* KindWord(engine::FindingKind kind) {
  return kind == engine::FindingKind::Note ? "note" : "fault";
}

std::string Place(int line) {
  return line > 0 ? "line " + std::to_string(line) : "not written";
}

std::string Summary(const engine::SetupReport& report, const engine::SerialPort& port,
                    const Separators& separators) {
  auto [oscillator, unit] = FrequencyInUnit(report.oscMHz);
  std::string summary = port.KindName() + " " + std::to_string(port.Number()) + ", oscillator " +
                        LocaleDecimal(DecimalText(oscillator), separators) + " " + unit +
                        (report.clockWorkedOut.empty() ? "" : " (its internal oscillator)");
  if (report.setting) {
    const ModeSetting& setting = *report.setting;
    summary += ": mode " + std::string(InfoOf(setting.mode).name) + " (" +
               port.ModeBits(setting.mode) + "), n = " + std::to_string(setting.n) + ", real " +
               FormatBaudRate(setting.actualBaud, separators) + " baud";
    if (report.wantedBaud) {
      summary += ", error " + FormatErrorPercent(setting.errorRatio, separators) + " against " +
                 LocaleNumber(DecimalText(*report.wantedBaud), separators) + " baud" +
                 (report.wantedLine > 0 ? " (" + Place(report.wantedLine) + ")" : "");
    }
    summary += ", bit time " + FormatBitTime(setting.actualBaud, separators) + " \u00B5s";
  }
  return summary + (report.HasFault() ? "; faults found" : "; nothing wrong found");
}

}  // namespace

CheckView CheckPastedSetup(const std::string& text, const PartChoice& part,
                           std::optional<double> oscMHz, const engine::Budget& budget,
                           const Separators& separators) {
  CheckView view;
  if (Trim(text).empty() || part.port == nullptr) {
    return view;
  }
  view.checked = true;
  engine::CheckOptions options;
  options.oscMHz = oscMHz;
  options.maxErrorPercent = budget.maxErrorPercent;
  options.oscTolerancePercent = budget.oscTolerancePercent;
  options.part = &part.profile;
  // The UART chosen first, then the part's others: the first the setup writes to is checked,
  // with the text read once where it sets up the chosen one.
  std::vector<const engine::SerialPort*> ports{part.port};
  for (int number = 1; number <= part.ports; ++number) {
    if (number != part.uart) {
      ports.push_back(&part.profile.Port(number));
    }
  }
  for (const engine::SerialPort* port : ports) {
    try {
      engine::SetupReport report = engine::CheckSetup(text, options, *port);
      view.summary = Summary(report, *port, separators);
      if (!report.clockWorkedOut.empty()) {
        view.findings.push_back(FindingLine{report.oscLine, engine::FindingKind::Note,
                                            Place(report.oscLine) + ": note: the chip runs " +
                                                FrequencyText(report.oscMHz) + ": " +
                                                report.clockWorkedOut});
      }
      for (const engine::Finding& finding : report.findings) {
        view.findings.push_back(FindingLine{
            finding.line, finding.kind,
            Place(finding.line) + ": " + KindWord(finding.kind) + ": " + finding.message});
      }
      view.problem.clear();
      return view;
    } catch (const engine::NotASetup& reason) {
      if (view.problem.empty()) {
        view.problem = reason.what();
      }
    }
  }
  return view;
}

}  // namespace brg::workbench
