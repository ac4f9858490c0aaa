// spbrg OSC BAUD...: the window's Calculate, or the exact modes, for each rate; a report or
// code for one setting.
#include <algorithm>
#include <clocale>
#include <iostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/rate_report.h"
#include "engine/budget.h"
#include "engine/code_forms.h"
#include "engine/mode_choice.h"
#include "engine/window_calculation.h"

namespace brg::cli {
namespace {

using engine::RateAnswer;
using engine::SerialPort;
using engine::WantedRate;

Separators ChosenSeparators(bool userLocale) {
  if (!userLocale) {
    return Separators{",", "."};
  }
  // Only the separators are taken from the user's locale; every number text is made without it.
  std::setlocale(LC_NUMERIC, "");
  const std::lconv* conventions = std::localeconv();
  Separators separators{conventions->thousands_sep, conventions->decimal_point};
  std::setlocale(LC_NUMERIC, "C");
  return separators;
}

std::vector<bool> WindowModes(const CalculateOptions& options) {
  if (options.brgh) {
    return {*options.brgh};
  }
  return {true, false};
}

// The rates asked for; with --table the standard rates, and each BAUD in its place among them.
std::vector<WantedRate> Rates(const CalculateOptions& options) {
  return options.table ? engine::StandardRatesWith(options.rates) : options.rates;
}

void SayAboveMaxError(const CalculateOptions& options, const WantedRate& rate, double errorRatio) {
  std::cerr << "spbrg: the error " << FormatErrorPercent(errorRatio, Separators{}) << " is above "
            << *options.maxErrorPercent << "% for " << rate.text << " baud\n";
}

void SayNoSetting(const CalculateOptions& options, const WantedRate& rate) {
  std::cerr << "spbrg: no setting can be calculated for " << options.oscText << " MHz and "
            << rate.text << " baud\n";
}

void SayNoMode(const CalculateOptions& options, const WantedRate& rate) {
  std::cerr << "spbrg: no mode reaches " << rate.text << " baud from " << options.oscText
            << " MHz\n";
}

bool AboveMaxError(const CalculateOptions& options, double errorRatio) {
  return options.maxErrorPercent && engine::AboveBudget(errorRatio, *options.maxErrorPercent);
}

// Code for one setting in the form asked for. A setting the window would question is not
// silently taken: a warning and exit 1, unless --max-error allows its error.
int PrintCode(const CalculateOptions& options, const engine::CodeSetting& code,
              const SerialPort& port, const std::string& questioned) {
  switch (options.form) {
    case OutputForm::Defines:
      std::cout << engine::DefinesForm(code, port, options.cloerr);
      break;
    case OutputForm::BasicRegisters:
      std::cout << engine::BasicRegistersForm(code, port);
      break;
    case OutputForm::CCode:
      std::cout << engine::CForm(code, port);
      break;
    case OutputForm::Asm:
      std::cout << engine::AsmForm(code, port);
      break;
    case OutputForm::Plain:
      return kExitDone;
  }
  bool allowed = options.maxErrorPercent &&
                 !engine::AboveBudget(code.setting.errorRatio, *options.maxErrorPercent);
  if (!questioned.empty() && !allowed) {
    std::cerr << "spbrg: warning: the window would question this setting: " << questioned
              << " (allow it with --max-error)\n";
    return kExitLimit;
  }
  return kExitDone;
}

void PrintReport(const CalculateOptions& options, const ReportContext& context,
                 const std::vector<RateAnswer>& answers) {
  if (options.csv) {
    PrintCsv(std::cout, context, answers);
  } else if (options.json) {
    PrintJson(std::cout, context, answers, options.table);
  } else if (options.table) {
    PrintTable(std::cout, context, answers);
  } else {
    PrintLines(std::cout, context, answers);
  }
}

// What the window's Calculate arrives at, in both of its modes or the one of --brgh.
int RunWindowModes(const CalculateOptions& options, const ReportContext& context,
                   const SerialPort& port) {
  std::vector<RateAnswer> answers;
  for (const WantedRate& rate : Rates(options)) {
    answers.push_back(engine::CalculateWindowRate(options.oscMHz, rate, WindowModes(options)));
  }
  if (options.form != OutputForm::Plain) {
    const engine::SettingAnswer* chosen = answers.front().Best();
    if (chosen == nullptr) {
      SayNoSetting(options, options.rates.front());
      return kExitLimit;
    }
    return PrintCode(options, {options.oscText, options.rates.front(), chosen->setting}, port,
                     engine::WindowQuestion(*chosen));
  }
  PrintReport(options, context, answers);
  if (options.table) {
    return kExitDone;
  }
  int status = kExitDone;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const engine::SettingAnswer* chosen = answers[i].Best();
    if (chosen == nullptr) {
      SayNoSetting(options, options.rates[i]);
      status = kExitLimit;
    } else if (AboveMaxError(options, chosen->setting.errorRatio)) {
      SayAboveMaxError(options, options.rates[i], chosen->setting.errorRatio);
      status = kExitLimit;
    }
  }
  return status;
}

// Code for the best asynchronous setting, or for the one synchronous mode asked for.
int PrintBestCode(const CalculateOptions& options, const RateAnswer& answer,
                  const SerialPort& port) {
  bool synchronousOnly = !answer.best && InfoOf(answer.settings.front().setting.mode).sync;
  if (!answer.best && !synchronousOnly) {
    SayNoMode(options, answer.wanted);
    return kExitLimit;
  }
  const engine::SettingAnswer& chosen = answer.settings[answer.best.value_or(0)];
  return PrintCode(options, {options.oscText, answer.wanted, chosen.setting}, port,
                   engine::WindowQuestion(chosen));
}

// Each chosen mode of the generator at its exact best, or at --spbrg.
int RunExactModes(const CalculateOptions& options, const ReportContext& context,
                  const SerialPort& port, const std::vector<BrgMode>& modes) {
  std::vector<RateAnswer> answers;
  for (const WantedRate& rate : Rates(options)) {
    answers.push_back(engine::CalculateModes(options.oscMHz, rate, modes, options.spbrg));
  }
  if (options.form != OutputForm::Plain) {
    return PrintBestCode(options, answers.front(), port);
  }
  PrintReport(options, context, answers);
  bool anyAsynchronous =
      std::any_of(modes.begin(), modes.end(), [](BrgMode mode) { return !InfoOf(mode).sync; });
  if (options.table || !anyAsynchronous) {
    return kExitDone;
  }
  int status = kExitDone;
  for (const RateAnswer& answer : answers) {
    if (!answer.best) {
      SayNoMode(options, answer.wanted);
      status = kExitLimit;
    } else if (AboveMaxError(options, answer.Best()->setting.errorRatio)) {
      SayAboveMaxError(options, answer.wanted, answer.Best()->setting.errorRatio);
      status = kExitLimit;
    }
  }
  return status;
}

}  // namespace

int RunCalculate(const CalculateOptions& options) {
  engine::PartProfile part = ProfileOf(options.part);
  const SerialPort& port = part.Port(options.part.usart);
  ReportContext context{options.oscText, options.oscMHz, ChosenSeparators(options.userLocale),
                        &port, options.modes.Any() ? Layout::Modes : Layout::Window};
  if (!options.modes.Any()) {
    return RunWindowModes(options, context, port);
  }
  std::vector<BrgMode> modes =
      engine::ChosenModes(part, port, options.modes.modes, options.modes.enhanced);
  return RunExactModes(options, context, port, modes);
}

}  // namespace brg::cli
