#include "cli/check_report.h"

#include <array>
#include <cctype>
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

// Where the rate that the error is measured against comes from.
std::string RateSource(const engine::SetupReport& report, const Places& places) {
  if (report.wantedLine == 0) {
    return report.wantedFrom.empty() || report.wantedFrom == "--baud" ? "--baud"
                                                                      : report.wantedFrom;
  }
  std::string text = places.Of(report.wantedLine);
  if (!report.wantedFrom.empty() && report.wantedFrom != "a comment") {
    text += ", " + report.wantedFrom;
  }
  return text;
}

// Where the oscillator comes from when --osc did not give it.
std::string ClockSource(const engine::SetupReport& report, const Places& places) {
  if (report.oscFrom.empty()) {
    return "";
  }
  return report.oscLine > 0 ? " (" + places.Of(report.oscLine) + ", " + report.oscFrom + ")"
                            : ", " + report.oscFrom;
}

// The setting in one line: "mode 16/4 (BRGS 1), n = 138, real 115,108 baud".
std::string SettingLine(const engine::SetupReport& report, const engine::SerialPort& port) {
  if (!report.setting) {
    return report.rateUnknown ? "n cannot be worked out: the source computes it at run time"
                              : "the compiler works SPBRG out from the rate DEFINE";
  }
  Separators plain;
  const ModeSetting& setting = *report.setting;
  return "mode " + std::string(InfoOf(setting.mode).name) + " (" + port.ModeBits(setting.mode) +
         "), n = " + std::to_string(setting.n) + ", real " +
         FormatBaudRate(setting.actualBaud, plain) + " baud";
}

}  // namespace

std::pair<std::string, int> Places::FileLine(int line) const {
  // a finding of no line belongs to the project as a whole
  return project != nullptr && line > 0 ? project->PlaceOf(line) : std::pair{sourceName, line};
}

std::string Places::InText(const std::string& text) const {
  if (project == nullptr) {
    return text;
  }
  static const std::string kWord = "line ";
  std::string placed;
  std::size_t from = 0;
  for (std::size_t at = text.find(kWord); at != std::string::npos; at = text.find(kWord, at)) {
    std::size_t digits = at + kWord.size();
    std::size_t end = digits;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
      ++end;
    }
    bool word = at == 0 || std::isalpha(static_cast<unsigned char>(text[at - 1])) == 0;
    if (end == digits || end - digits > 9 || !word) {
      at = digits;
      continue;
    }
    placed += text.substr(from, at - from) + Of(std::stoi(text.substr(digits, end - digits)));
    from = at = end;
  }
  return placed + text.substr(from);
}

std::string Places::Of(int line) const {
  if (line <= 0) {
    return "not written";
  }
  if (project == nullptr) {
    return word + " " + std::to_string(line);
  }
  auto [file, fileLine] = project->PlaceOf(line);
  return file + " line " + std::to_string(fileLine);
}

void PrintCheck(std::ostream& out, const engine::SetupReport& report,
                const engine::SerialPort& port, const Places& places) {
  Separators plain;
  out << "Setup of " << port.KindName() << " " << port.Number() << " in " << places.sourceName
      << ", oscillator " << FrequencyText(report.oscMHz) << ClockSource(report, places)
      << (report.setting && report.clockMHz != report.oscMHz
              ? ", UART clock " + port.Clock().name + " " + FrequencyText(report.clockMHz)
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
          << DecimalText(*report.wantedBaud) << " baud (" << RateSource(report, places) << ")";
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
    out << "  " << places.Of(working.line) << ": " << places.InText(working.message) << "\n";
  }
  for (const Finding& finding : report.findings) {
    out << "  " << places.Of(finding.line) << ": " << KindOf(finding.kind) << ": "
        << places.InText(finding.message) << "\n";
  }
  out << (report.HasFault() ? "  faults found\n" : "  no fault found\n");
}

}  // namespace brg::cli

namespace brg::cli {
namespace {

// "src/uart.c:12: " as compilers begin a message; the file alone for a line not written.
std::string GccPlace(const Places& places, int line) {
  auto [file, fileLine] = places.FileLine(line);
  return fileLine > 0 ? file + ":" + std::to_string(fileLine) + ": " : file + ": ";
}

// A finding's level as compilers and SARIF name it.
const char* LevelOf(FindingKind kind) {
  return kind == FindingKind::Note ? "note" : "error";
}

// The SARIF rule of a finding.
const char* RuleOf(FindingKind kind) {
  return kind == FindingKind::Fault ? "fault" : kind == FindingKind::Tolerance ? "rate" : "note";
}

std::string JsonNumber(double value) {
  return DecimalText(value);
}

std::string JsonPlace(const Places& places, int line) {
  auto [file, fileLine] = places.FileLine(line);
  return "{\"file\": " + JsonQuoted(file) + ", \"line\": " + std::to_string(fileLine) + "}";
}

}  // namespace

void PrintCheckGcc(std::ostream& out, const engine::SetupReport& report,
                   const engine::SerialPort& port, const Places& places) {
  out << GccPlace(places, report.rateLine) << "note: " << port.KindName() << " " << port.Number()
      << ", oscillator " << DecimalText(report.oscMHz) << " MHz, " << SettingLine(report, port)
      << "\n";
  for (const Finding& finding : report.findings) {
    out << GccPlace(places, finding.line) << LevelOf(finding.kind) << ": "
        << places.InText(finding.message) << "\n";
  }
}

void PrintCheckSarif(std::ostream& out, const engine::SetupReport& report, const Places& places) {
  out << "{\n  \"version\": \"2.1.0\",\n"
         "  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
         "  \"runs\": [{\n"
         "    \"tool\": {\"driver\": {\"name\": \"spbrg\", \"rules\": [\n"
         "      {\"id\": \"fault\", \"shortDescription\": {\"text\": \"A register, bit or name "
         "that does not do what the set-up means\"}},\n"
         "      {\"id\": \"rate\", \"shortDescription\": {\"text\": \"The rate misses its "
         "budget, or a better value exists\"}},\n"
         "      {\"id\": \"note\", \"shortDescription\": {\"text\": \"Worth knowing, not "
         "wrong\"}}]}},\n"
         "    \"results\": [";
  const char* separator = "\n";
  for (const Finding& finding : report.findings) {
    auto [file, fileLine] = places.FileLine(finding.line);
    out << separator << "      {\"ruleId\": \"" << RuleOf(finding.kind) << "\", \"level\": \""
        << LevelOf(finding.kind)
        << "\", \"message\": {\"text\": " << JsonQuoted(places.InText(finding.message))
        << "}, \"locations\": [{\"physicalLocation\": "
        << "{\"artifactLocation\": {\"uri\": " << JsonQuoted(file) << "}"
        << (fileLine > 0 ? ", \"region\": {\"startLine\": " + std::to_string(fileLine) + "}" : "")
        << "}}]}";
    separator = ",\n";
  }
  out << (report.findings.empty() ? "" : "\n    ") << "]\n  }]\n}\n";
}

void PrintCheckJson(std::ostream& out, const engine::SetupReport& report,
                    const engine::SerialPort& port, const Places& places) {
  out << "{\n  \"port\": " << JsonQuoted(port.KindName() + " " + std::to_string(port.Number()))
      << ",\n  \"oscillator_mhz\": " << JsonNumber(report.oscMHz)
      << ",\n  \"oscillator_from\": " << JsonQuoted(report.oscFrom)
      << ",\n  \"oscillator_place\": " << JsonPlace(places, report.oscLine)
      << ",\n  \"oscillator_worked_out\": " << JsonQuoted(places.InText(report.clockWorkedOut))
      << ",\n  \"uart_clock_mhz\": " << JsonNumber(report.clockMHz)
      << ",\n  \"uart_clock\": " << JsonQuoted(port.Clock().name);
  if (report.setting) {
    out << ",\n  \"mode\": " << JsonQuoted(std::string(InfoOf(report.setting->mode).name))
        << ",\n  \"n\": " << report.setting->n
        << ",\n  \"rate_register_place\": " << JsonPlace(places, report.rateLine)
        << ",\n  \"real_baud\": " << JsonNumber(report.setting->actualBaud);
    if (report.wantedBaud) {
      out << ",\n  \"error_percent\": " << JsonNumber(report.setting->errorRatio * 100);
    }
  }
  if (report.wantedBaud) {
    out << ",\n  \"wanted_baud\": " << JsonNumber(*report.wantedBaud)
        << ",\n  \"wanted_from\": " << JsonQuoted(report.wantedFrom)
        << ",\n  \"wanted_place\": " << JsonPlace(places, report.wantedLine);
  }
  out << ",\n  \"read_as\": " << JsonQuoted(report.portFrom) << ",\n  \"workings\": [";
  const char* separator = "\n";
  for (const Finding& working : report.workings) {
    out << separator << "    {\"place\": " << JsonPlace(places, working.line)
        << ", \"text\": " << JsonQuoted(places.InText(working.message)) << "}";
    separator = ",\n";
  }
  out << (report.workings.empty() ? "" : "\n  ") << "],\n  \"findings\": [";
  separator = "\n";
  for (const Finding& finding : report.findings) {
    out << separator << "    {\"place\": " << JsonPlace(places, finding.line) << ", \"kind\": \""
        << KindOf(finding.kind) << "\", \"text\": " << JsonQuoted(places.InText(finding.message))
        << "}";
    separator = ",\n";
  }
  out << (report.findings.empty() ? "" : "\n  ")
      << "],\n  \"faults\": " << (report.HasFault() ? "true" : "false") << "\n}\n";
}

}  // namespace brg::cli
