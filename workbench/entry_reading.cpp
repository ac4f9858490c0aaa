#include "workbench/entry_reading.h"

#include <algorithm>

#include "core/decimal_entry.h"
#include "core/locale_numbers.h"
#include "core/text.h"

namespace brg::workbench {
namespace {

std::string Shown(double value, const Separators& separators) {
  return LocaleDecimal(DecimalText(value), separators);
}

// Why a text is not a number, in words that lead to the one meant.
std::string NotTaken(std::string_view text, const DecimalEntry& entry, const char* unit,
                     const Separators& separators) {
  std::string quoted = "\"" + std::string(Trim(text)) + "\"";
  switch (entry.problem) {
    case EntryProblem::Empty:
      return std::string("type a number of ") + unit;
    case EntryProblem::Grouped:
      return quoted + " is grouped by thousands: type the digits alone, with " +
             separators.decimal + " only before decimals";
    case EntryProblem::NotANumber:
    case EntryProblem::None:
      break;
  }
  return quoted + " is not a number: type the " + unit + " alone, as 16 or " +
         LocaleDecimal("3.6864", separators);
}

NumberEntry ReadInRange(std::string_view text, const Separators& separators, const char* unit,
                        EntryRange range) {
  DecimalEntry entry = ReadDecimalEntry(text, separators);
  NumberEntry number;
  if (!entry.value) {
    number.message = NotTaken(text, entry, unit, separators);
    return number;
  }
  if (!range.Contains(*entry.value)) {
    number.message = LocaleDecimal(entry.plain, separators) + " " + unit + " is outside " +
                     Shown(range.low, separators) + " to " + Shown(range.high, separators) + " " +
                     unit;
    return number;
  }
  number.value = entry.value;
  number.plain = entry.plain;
  return number;
}

bool AllDigits(std::string_view text, std::size_t low, std::size_t high) {
  return text.size() >= low && text.size() <= high &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where the locale groups thousands with a blank, "115 200" may be one rate or two: how many
// tokens from `at` look like one number so grouped (1 when they do not).
std::size_t BlankGroupedRun(const std::vector<std::string_view>& tokens, std::size_t at,
                            const Separators& separators) {
  const std::string& group = separators.group;
  bool blankGroups = group == " " || group == "\u00A0" || group == "\u202F";
  if (!blankGroups || !AllDigits(tokens[at], 1, 3)) {
    return 1;
  }
  std::size_t end = at + 1;
  while (end < tokens.size() && AllDigits(tokens[end], 3, 3) &&
         tokens[end].data() == tokens[end - 1].data() + tokens[end - 1].size() + 1 &&
         tokens[end].data()[-1] == ' ') {
    ++end;
  }
  return end - at;
}

}  // namespace

NumberEntry ReadOscillator(std::string_view text, const Separators& separators) {
  return ReadInRange(text, separators, "MHz", engine::kOscillatorMHz);
}

NumberEntry ReadPercent(std::string_view text, const Separators& separators, const char* what) {
  std::string_view number = Trim(text);
  if (!number.empty() && number.back() == '%') {
    number.remove_suffix(1);
  }
  DecimalEntry entry = ReadDecimalEntry(number, separators);
  NumberEntry percent;
  if (!entry.value) {
    percent.message = std::string(what) + ": " + NotTaken(number, entry, "percent", separators);
    return percent;
  }
  percent.value = entry.value;
  percent.plain = entry.plain;
  return percent;
}

engine::Budget BudgetOf(const NumberEntry& maxError, const NumberEntry& tolerance) {
  engine::Budget budget;
  budget.maxErrorPercent = maxError.value.value_or(engine::kDefaultMaxErrorPercent);
  budget.oscTolerancePercent = tolerance.value.value_or(0);
  return budget;
}

std::vector<std::string_view> RateTokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  constexpr std::string_view kBetween = " \t\r\n;";
  for (std::size_t at = text.find_first_not_of(kBetween); at != std::string_view::npos;) {
    std::size_t end = text.find_first_of(kBetween, at);
    tokens.push_back(text.substr(at, end == std::string_view::npos ? end : end - at));
    at = end == std::string_view::npos ? end : text.find_first_not_of(kBetween, end);
  }
  return tokens;
}

RatesEntry ReadRates(const std::vector<double>& ticked, std::string_view extraText,
                     const Separators& separators) {
  RatesEntry entry;
  for (double baud : ticked) {
    entry.rates.push_back(engine::WantedRate{DecimalText(baud), baud});
  }
  std::vector<std::string_view> tokens = RateTokens(extraText);
  for (std::size_t at = 0; at < tokens.size(); ++at) {
    std::string_view token = tokens[at];
    if (std::size_t groups = BlankGroupedRun(tokens, at, separators); groups > 1) {
      if (entry.message.empty()) {
        std::string_view typed(token.data(), tokens[at + groups - 1].data() +
                                                 tokens[at + groups - 1].size() - token.data());
        entry.message = "\"" + std::string(typed) +
                        "\" may be one rate grouped by thousands or several: type a rate's "
                        "digits together, and ; between rates";
      }
      at += groups - 1;
      continue;
    }
    NumberEntry rate = ReadInRange(token, separators, "baud", engine::kBaudRange);
    if (rate.value) {
      entry.rates.push_back(engine::WantedRate{rate.plain, *rate.value});
    } else if (entry.message.empty()) {
      entry.message = rate.message;
    }
  }
  std::stable_sort(entry.rates.begin(), entry.rates.end(),
                   [](const auto& a, const auto& b) { return a.baud < b.baud; });
  entry.rates.erase(std::unique(entry.rates.begin(), entry.rates.end(),
                                [](const auto& a, const auto& b) { return a.baud == b.baud; }),
                    entry.rates.end());
  return entry;
}

}  // namespace brg::workbench
