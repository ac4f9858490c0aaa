#include "cli/clocks_report.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "core/display_formats.h"
#include "core/text.h"

namespace brg::cli {
namespace {

using engine::ClockKind;
using engine::ClockResult;
using engine::RateOnClock;

const char* KindName(ClockKind kind) {
  switch (kind) {
    case ClockKind::Crystal:
      return "crystal";
    case ClockKind::CrystalPll:
      return "crystal PLL";
    case ClockKind::Internal:
      return "internal";
  }
  return "";
}

std::string Percent(double percent) {
  if (std::isinf(percent)) {
    return "out of reach";
  }
  return FormatErrorPercent(percent / 100, Separators{});
}

std::string RateCell(const RateOnClock& rate) {
  std::string cell = rate.fails ? "!" : " ";
  cell += std::string(InfoOf(rate.best.mode).name) + " " + std::to_string(rate.best.n) + " " +
          FormatErrorPercent(rate.best.errorRatio, Separators{});
  return cell;
}

std::string Modes(const std::vector<BrgMode>& modes) {
  std::string names;
  for (BrgMode mode : modes) {
    names += (names.empty() ? "" : " ") + std::string(InfoOf(mode).name);
  }
  return names;
}

// The line without the padding at its end, and its line end.
std::string TrimmedLine(std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

}  // namespace

void PrintClocksTable(std::ostream& out, const std::vector<ClockResult>& ranking,
                      const std::vector<BrgMode>& modes, double maxErrorPercent,
                      double tolerancePercent) {
  out << "Clocks for";
  for (const RateOnClock& rate : ranking.front().rates) {
    out << " " << rate.wanted.text;
  }
  out << " baud in the modes " << Modes(modes) << ", passing within "
      << PlainNumber(maxErrorPercent) << "% (an internal oscillator's own "
      << PlainNumber(tolerancePercent) << "% added; ! a rate that fails)\n";
  std::string header = "rank  " + Padded("clock MHz", 22, false) + Padded("kind", 16, false) +
                       Padded("worst", 12, true) + "  ";
  for (const RateOnClock& rate : ranking.front().rates) {
    header += Padded(rate.wanted.text + " baud", 20, false);
  }
  out << TrimmedLine(header);
  for (std::size_t i = 0; i < ranking.size(); ++i) {
    const ClockResult& clock = ranking[i];
    std::string row = Padded(std::to_string(i + 1), 4, true) + "  " +
                      Padded(clock.clock.name, 22, false) +
                      Padded(KindName(clock.clock.kind), 16, false) +
                      Padded(Percent(clock.worst), 12, true) + "  ";
    for (const RateOnClock& rate : clock.rates) {
      row += Padded(RateCell(rate), 20, false);
    }
    out << TrimmedLine(row + (clock.passes ? "" : "fails"));
  }
}

void PrintClocksJson(std::ostream& out, const std::vector<ClockResult>& ranking,
                     double maxErrorPercent) {
  nlohmann::ordered_json json;
  json["max_error_percent"] = maxErrorPercent;
  json["clocks"] = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < ranking.size(); ++i) {
    const ClockResult& clock = ranking[i];
    nlohmann::ordered_json entry;
    entry["rank"] = i + 1;
    entry["clock"] = clock.clock.name;
    entry["mhz"] = clock.clock.mhz;
    entry["kind"] = KindName(clock.clock.kind);
    entry["worst_percent"] = std::isinf(clock.worst) ? nlohmann::ordered_json(nullptr)
                                                     : nlohmann::ordered_json(clock.worst);
    entry["passes"] = clock.passes;
    entry["rates"] = nlohmann::ordered_json::array();
    for (const RateOnClock& rate : clock.rates) {
      entry["rates"].push_back({{"baud", rate.wanted.baud},
                                {"mode", InfoOf(rate.best.mode).name},
                                {"n", rate.best.n},
                                {"actual_baud", rate.best.actualBaud},
                                {"error_percent", rate.best.errorRatio * 100},
                                {"fails", rate.fails}});
    }
    json["clocks"].push_back(entry);
  }
  out << json.dump(2) << "\n";
}

void PrintClocksCsv(std::ostream& out, const std::vector<ClockResult>& ranking) {
  out << "rank,clock,mhz,kind,worst_percent,passes,baud,mode,n,actual_baud,error_percent,fails\n";
  for (std::size_t i = 0; i < ranking.size(); ++i) {
    const ClockResult& clock = ranking[i];
    for (const RateOnClock& rate : clock.rates) {
      out << i + 1 << "," << clock.clock.name << "," << PlainNumber(clock.clock.mhz) << ","
          << KindName(clock.clock.kind) << ","
          << (std::isinf(clock.worst) ? "" : PlainNumber(clock.worst)) << ","
          << (clock.passes ? "true" : "false") << "," << rate.wanted.text << ","
          << InfoOf(rate.best.mode).name << "," << rate.best.n << ","
          << PlainNumber(rate.best.actualBaud) << "," << PlainNumber(rate.best.errorRatio * 100)
          << "," << (rate.fails ? "true" : "false") << "\n";
    }
  }
}

}  // namespace brg::cli
