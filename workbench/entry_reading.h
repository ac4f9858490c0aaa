// How the workbench reads its entry boxes: the oscillator in MHz, the budget and the tolerance in
// percent, and the rates, each with the message shown beside its box when it cannot be taken.
// Numbers are read as decimal_entry.h reads them (the period, or the locale's decimal point);
// the ranges are the engine's. Says nothing about the part (part_choice.h does).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/display_formats.h"
#include "engine/answers/budget.h"
#include "engine/answers/wanted_rate.h"

namespace brg::workbench {

struct NumberEntry {
  std::optional<double> value;  // none when the text is not taken
  std::string plain;            // the number with a period, for code comments
  std::string message;          // why it is not taken, or ""
};

// The oscillator Fosc in MHz, within the engine's range.
NumberEntry ReadOscillator(std::string_view text, const Separators& separators);

// A percentage of 0 or more, a '%' after it allowed; `what` names it in the message.
NumberEntry ReadPercent(std::string_view text, const Separators& separators, const char* what);

// The budget from its two boxes; the default where a box is not taken.
engine::Budget BudgetOf(const NumberEntry& maxError, const NumberEntry& tolerance);

struct RatesEntry {
  std::vector<engine::WantedRate> rates;  // ascending, each rate once
  std::string message;                    // the typed rates that are not taken, and why
};

// The extra rates' text in its rates: split at blanks and ';'.
std::vector<std::string_view> RateTokens(std::string_view text);

// The ticked standard rates and the typed ones, within the engine's range. Where the locale
// groups thousands with a blank, digits such as "115 200" are refused as ambiguous.
RatesEntry ReadRates(const std::vector<double>& ticked, std::string_view extraText,
                     const Separators& separators);

}  // namespace brg::workbench
