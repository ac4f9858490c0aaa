#include "engine/setup_check.h"

#include <algorithm>

#include "engine/errors.h"
#include "engine/setup_rules.h"
#include "engine/setup_source.h"

namespace brg::engine {
namespace {

constexpr std::size_t kLargestSource = 16 << 20;

bool ValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead == 0) {
      return false;
    }
    std::size_t length = lead < 0x80         ? 1
                         : (lead >> 5) == 6  ? 2
                         : (lead >> 4) == 14 ? 3
                         : (lead >> 3) == 30 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) {
      return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        return false;
      }
    }
    i += length;
  }
  return true;
}

}  // namespace

bool SetupReport::HasFault() const {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& finding) { return finding.kind != FindingKind::Note; });
}

SetupReport CheckSetup(std::string_view text, const CheckOptions& options, const SerialPort& port) {
  if (text.size() > kLargestSource) {
    throw NotASetup("the input is larger than 16 MiB, more than any source of a serial setup");
  }
  if (!ValidUtf8(text)) {
    throw NotASetup("the input is binary, not source text");
  }
  SourceFacts facts = ReadSetupSource(text, port);
  if (!facts.anything) {
    throw NotASetup("nothing in the input sets up " + port.KindName() + " " +
                    std::to_string(port.Number()) +
                    ": no HSER DEFINE and no assignment to its registers");
  }
  SetupReport report = JudgeSetup(facts, options, port);
  std::stable_sort(report.findings.begin(), report.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return report;
}

}  // namespace brg::engine
