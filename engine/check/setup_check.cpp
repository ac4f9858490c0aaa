#include "engine/check/setup_check.h"

#include <algorithm>

#include "engine/check/part_in_source.h"
#include "engine/check/part_registers.h"
#include "engine/check/setup_rules.h"
#include "engine/check/setup_source.h"
#include "engine/check/source_text.h"
#include "engine/errors.h"

namespace brg::engine {
namespace {

constexpr std::size_t kLargestSource = 16 << 20;

}  // namespace

bool SetupReport::HasFault() const {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& finding) { return finding.kind != FindingKind::Note; });
}

bool SetsUpAPort(std::string_view text) {
  if (text.size() > kLargestSource || LooksBinary(text)) {
    return false;
  }
  std::optional<PartOfSource> told = PartTheSourceTells(text, "", std::nullopt);
  PartProfile part = told ? told->profile : ClassicProfile();
  for (const auto& port : part.ports) {
    if (ReadSetupSource(text, *port, false, std::nullopt, false).anything) {
      return true;
    }
  }
  return false;
}

const SerialPort& PortSetUpIn(std::string_view text, const CheckOptions& options,
                              const PartProfile& part) {
  if (text.size() <= kLargestSource && !LooksBinary(text)) {
    for (const auto& port : part.ports) {
      if (ReadSetupSource(text, *port, options.assignments, options.baud, false).anything) {
        return *port;
      }
    }
  }
  return part.Port(1);
}

SetupReport CheckSetup(std::string_view text, const CheckOptions& options, const SerialPort& port) {
  if (text.size() > kLargestSource) {
    throw NotASetup("the input is larger than 16 MiB, more than any source of a serial setup");
  }
  if (LooksBinary(text)) {
    throw NotASetup("the input is binary, not source text");
  }
  FollowedRegisters followed = RegistersFollowed(options.part, port);
  SourceFacts facts =
      ReadSetupSource(text, port, options.assignments, options.baud, true, &followed);
  if (!facts.anything) {
    throw NotASetup("nothing in the input sets up " + port.KindName() + " " +
                    std::to_string(port.Number()) +
                    ": no HSER DEFINE and no assignment to its registers");
  }
  SetupReport report = JudgeSetup(facts, options, port);
  auto byLine = [](const Finding& a, const Finding& b) { return a.line < b.line; };
  std::stable_sort(report.findings.begin(), report.findings.end(), byLine);
  std::stable_sort(report.workings.begin(), report.workings.end(), byLine);
  return report;
}

}  // namespace brg::engine
