#include "workbench/start_request.h"

#include <algorithm>

#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/answers/wanted_rate.h"
#include "engine/errors.h"
#include "engine/parts/part_profile.h"

namespace brg::workbench {
namespace {

std::string OutOfPlain(const std::string& option, const std::string& text, const char* unit,
                       EntryRange range) {
  std::optional<double> value = PlainDecimal(text);
  if (value && range.Contains(*value)) {
    return "";
  }
  return option + " " + Quoted(text) + " is not accepted: give a plain number of " + unit +
         " from " + DecimalText(range.low) + " to " + DecimalText(range.high);
}

bool Standard(double baud) {
  return std::find(engine::kStandardRates.begin(), engine::kStandardRates.end(), baud) !=
         engine::kStandardRates.end();
}

}  // namespace

std::string StartProblem(const StartRequest& request, const std::string& headerDir) {
  if (request.part && !Trim(*request.part).empty()) {
    try {
      engine::ReadPartProfile(*request.part, headerDir);
    } catch (const engine::PartError& error) {
      return "--device " + Quoted(*request.part) + ": " + error.what();
    }
  }
  if (request.oscMHz) {
    if (std::string problem = OutOfPlain("--osc", *request.oscMHz, "MHz", engine::kOscillatorMHz);
        !problem.empty()) {
      return problem;
    }
  }
  for (const std::string& rate : request.rates) {
    if (std::string problem = OutOfPlain("--baud", rate, "baud", engine::kBaudRange);
        !problem.empty()) {
      return problem;
    }
  }
  return "";
}

void ApplyStart(WorkbenchState& state, const StartRequest& request, const Separators& separators) {
  if (request.part) {
    state.partText = *request.part;
    state.uart = 1;
  }
  if (request.oscMHz) {
    state.oscText = LocaleDecimal(*request.oscMHz, separators);
  }
  if (request.rates.empty()) {
    return;
  }
  state.tickedRates.clear();
  state.extraRatesText.clear();
  for (const std::string& rate : request.rates) {
    std::optional<double> baud = PlainDecimal(rate);
    if (!baud) {
      // As typed, so that its box refuses it (a page's link; the command line refuses it first).
      state.extraRatesText += (state.extraRatesText.empty() ? "" : " ") + rate;
      continue;
    }
    if (Standard(*baud)) {
      if (std::find(state.tickedRates.begin(), state.tickedRates.end(), *baud) ==
          state.tickedRates.end()) {
        state.tickedRates.push_back(*baud);
      }
    } else {
      state.extraRatesText +=
          (state.extraRatesText.empty() ? "" : " ") + LocaleDecimal(rate, separators);
    }
  }
  std::sort(state.tickedRates.begin(), state.tickedRates.end());
  state.choice.reset();
}

}  // namespace brg::workbench
