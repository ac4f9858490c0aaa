#include "workbench/kept_values.h"

#include <algorithm>

#include "core/decimal_entry.h"
#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/answers/wanted_rate.h"
#include "workbench/entry_reading.h"

namespace brg::workbench {
namespace {

// A typed number with a period, or the text as typed when it is none.
std::string Plain(std::string_view text, const Separators& separators) {
  DecimalEntry entry = ReadDecimalEntry(text, separators);
  return entry.value ? entry.plain : std::string(Trim(text));
}

// A kept number in the user's separators, or the kept text as it is.
std::string Typed(std::string_view kept, const Separators& separators) {
  return PlainDecimal(kept) ? LocaleDecimal(kept, separators) : std::string(kept);
}

bool Standard(double baud) {
  return std::find(engine::kStandardRates.begin(), engine::kStandardRates.end(), baud) !=
         engine::kStandardRates.end();
}

}  // namespace

KeptValues KeptFrom(const WorkbenchState& state, const Separators& separators) {
  KeptValues kept;
  kept.part = std::string(Trim(state.partText));
  kept.uart = state.uart;
  kept.oscMHz = Plain(state.oscText, separators);
  kept.tickedRates = state.tickedRates;
  for (std::string_view token : RateTokens(state.extraRatesText)) {
    kept.extraRates += (kept.extraRates.empty() ? "" : " ") + Plain(token, separators);
  }
  return kept;
}

void RestoreKept(WorkbenchState& state, const KeptValues& kept, const Separators& separators) {
  state.partText = kept.part;
  state.uart = std::max(1, kept.uart);
  state.oscText = Typed(kept.oscMHz, separators);
  state.tickedRates.clear();
  for (double baud : kept.tickedRates) {
    if (Standard(baud)) {
      state.tickedRates.push_back(baud);
    }
  }
  // A file edited by hand may list them in any order, or twice.
  std::sort(state.tickedRates.begin(), state.tickedRates.end());
  state.tickedRates.erase(std::unique(state.tickedRates.begin(), state.tickedRates.end()),
                          state.tickedRates.end());
  state.extraRatesText.clear();
  for (std::string_view token : RateTokens(kept.extraRates)) {
    state.extraRatesText += (state.extraRatesText.empty() ? "" : " ") + Typed(token, separators);
  }
}

}  // namespace brg::workbench
