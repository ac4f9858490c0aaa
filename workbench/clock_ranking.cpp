#include "workbench/clock_ranking.h"

#include <cmath>

#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/answers/clock_search.h"
#include "engine/answers/part_clocks.h"

namespace brg::workbench {
namespace {

const char* KindName(engine::ClockKind kind) {
  switch (kind) {
    case engine::ClockKind::Crystal:
      return "crystal";
    case engine::ClockKind::CrystalPll:
      return "crystal PLL";
    case engine::ClockKind::Internal:
      break;
  }
  return "internal";
}

std::string RateCell(const engine::RateOnClock& rate, const Separators& separators) {
  return std::string(rate.fails ? "\u2717 " : "") + std::string(InfoOf(rate.best.mode).name) + " " +
         std::to_string(rate.best.n) + " " + FormatErrorPercent(rate.best.errorRatio, separators);
}

std::string Heading(const PartChoice& part, double maxErrorPercent, const Separators& separators) {
  std::string tried = part.profile.part.empty() ? "the usual crystals and internal oscillators"
                      : part.profile.family == nullptr
                          ? "the usual crystals and internal oscillators (the " +
                                part.profile.part + "'s limits are unknown)"
                          : "every clock the " + part.profile.part + " can run";
  return "Clocks ranked by their worst error: " + tried + ", passing within " +
         LocaleDecimal(DecimalText(maxErrorPercent), separators) +
         "% (an internal oscillator's own " +
         LocaleDecimal(DecimalText(engine::kInternalTolerancePercent), separators) + "% added)";
}

}  // namespace

std::string OscillatorText(double mhz, const Separators& separators) {
  return LocaleDecimal(DecimalText(mhz), separators);
}

ClockRanking RankClocks(const PartChoice& part, const std::vector<engine::WantedRate>& rates,
                        double maxErrorPercent, const Separators& separators) {
  ClockRanking ranking;
  if (part.port == nullptr || rates.empty()) {
    return ranking;
  }
  ranking.heading = Heading(part, maxErrorPercent, separators);
  for (const engine::WantedRate& rate : rates) {
    ranking.rateNames.push_back(LocaleNumber(DecimalText(rate.baud), separators));
  }
  for (const engine::ClockResult& result :
       engine::SearchClocks(engine::ClocksToTry(part.profile), rates, *part.port, part.modes,
                            maxErrorPercent, engine::kInternalTolerancePercent)) {
    ClockRow row;
    row.mhz = result.clock.mhz;
    row.clockText = OscillatorText(result.clock.mhz, separators);
    row.name = LocaleDecimalsIn(result.clock.name, separators);
    row.kind = KindName(result.clock.kind);
    row.worst = std::isinf(result.worst) ? "out of reach"
                                         : FormatErrorPercent(result.worst / 100, separators);
    row.passes = result.passes;
    for (const engine::RateOnClock& rate : result.rates) {
      row.rates.push_back(RateCell(rate, separators));
    }
    ranking.rows.push_back(std::move(row));
  }
  return ranking;
}

}  // namespace brg::workbench
