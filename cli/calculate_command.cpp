// spbrg OSC BAUD...: each rate in the modes weighed, the best setting within the budget, or
// what the window's Calculate arrives at; a report or code for one setting.
#include <algorithm>
#include <clocale>
#include <iostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/rate_report.h"
#include "core/text.h"
#include "engine/answers/budget.h"
#include "engine/answers/mode_choice.h"
#include "engine/answers/window_calculation.h"
#include "engine/errors.h"
#include "engine/forms/code_forms.h"
#include "engine/forms/program_form.h"
#include "engine/ports/uart_clock.h"

namespace brg::cli {
namespace {

using engine::RateAnswer;
using engine::SerialPort;
using engine::SettingAnswer;
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

std::string Plain(const ModeSetting& setting) {
  return SettingWords(setting, Separators{});
}

void PrintReport(const CalculateOptions& options, const ReportContext& context,
                 const std::vector<RateAnswer>& answers) {
  if (options.csv) {
    PrintCsv(std::cout, context, answers);
  } else if (options.json) {
    PrintJson(std::cout, context, answers);
  } else if (options.table) {
    PrintTable(std::cout, context, answers);
  } else {
    PrintLines(std::cout, context, answers);
  }
}

// Code for one setting in the form asked for; false when the form is the report.
bool PrintCode(const CalculateOptions& options, const engine::CodeSetting& code,
               const SerialPort& port, const engine::PartProfile& part) {
  switch (options.form) {
    case OutputForm::Defines:
      std::cout << engine::DefinesForm(code, port, options.cloerr);
      return true;
    case OutputForm::BasicRegisters:
      std::cout << engine::BasicRegistersForm(code, port);
      return true;
    case OutputForm::CCode:
      std::cout << engine::CForm(code, port);
      return true;
    case OutputForm::Asm:
      if (!part.assemblable || !port.BasicCompiler()) {
        throw engine::InputError("gpasm has no header for the " + part.part +
                                 ": give --format c (" + port.Toolchain() + ")");
      }
      std::cout << (options.program ? engine::ProgramForm(code, part, port, options.oscMHz)
                                    : engine::AsmForm(code, port));
      return true;
    case OutputForm::Plain:
      break;
  }
  return false;
}

// The window's Calculate.

void SayNoSetting(const CalculateOptions& options, const WantedRate& rate) {
  std::cerr << "spbrg: no setting can be calculated for " << options.oscText << " MHz and "
            << rate.text << " baud\n";
}

bool AboveMaxError(const CalculateOptions& options, double errorRatio) {
  return options.maxErrorPercent && engine::AboveBudget(errorRatio, *options.maxErrorPercent);
}

// A setting the window would question is not silently taken: a warning and exit 1, unless
// --max-error allows its error.
int WindowCode(const CalculateOptions& options, const RateAnswer& answer, const SerialPort& port,
               const engine::PartProfile& part) {
  const SettingAnswer* chosen = answer.Best();
  if (chosen == nullptr) {
    SayNoSetting(options, answer.wanted);
    return kExitLimit;
  }
  PrintCode(options, {options.oscText, answer.wanted, chosen->setting, ""}, port, part);
  std::string questioned = engine::WindowQuestion(*chosen);
  bool allowed = options.maxErrorPercent && !AboveMaxError(options, chosen->setting.errorRatio);
  if (!questioned.empty() && !allowed) {
    std::cerr << "spbrg: warning: the window would question this setting: " << questioned
              << " (allow it with --max-error)\n";
    return kExitLimit;
  }
  return kExitDone;
}

int RunWindowModes(const CalculateOptions& options, const ReportContext& context,
                   const SerialPort& port, const engine::PartProfile& part) {
  std::vector<RateAnswer> answers;
  for (const WantedRate& rate : Rates(options)) {
    answers.push_back(
        engine::CalculateWindowRate(options.oscMHz, rate, WindowModes(options), context.budget));
  }
  if (options.form != OutputForm::Plain) {
    return WindowCode(options, answers.front(), port, part);
  }
  PrintReport(options, context, answers);
  if (options.table) {
    return kExitDone;
  }
  int status = kExitDone;
  for (const RateAnswer& answer : answers) {
    const SettingAnswer* chosen = answer.Best();
    if (chosen == nullptr) {
      SayNoSetting(options, answer.wanted);
      status = kExitLimit;
    } else if (AboveMaxError(options, chosen->setting.errorRatio)) {
      std::cerr << "spbrg: the error "
                << FormatErrorPercent(chosen->setting.errorRatio, Separators{}) << " is above "
                << *options.maxErrorPercent << "% for " << answer.wanted.text << " baud\n";
      status = kExitLimit;
    }
  }
  return status;
}

// The exact modes.

// "no setting within the 2% budget for 115200 baud: the nearest is 8/16 n = 8 at -3.549%;
// --enhanced passes: 16/4 n = 34 at -0.794%"
std::string Shortfall(const ReportContext& context, const RateAnswer& answer) {
  std::string text = "no setting within the " + DecimalText(context.budget.maxErrorPercent) +
                     "% budget for " + answer.wanted.text + " baud from " + context.oscText +
                     " MHz";
  if (answer.nearest) {
    text += ": the nearest is " + Plain(answer.settings[*answer.nearest].setting);
  }
  if (answer.passingElsewhere) {
    text += "; passes " + context.Reaching(answer.passingElsewhere->mode) + ": " +
            Plain(*answer.passingElsewhere);
  }
  return text;
}

bool SynchronousOnly(const RateAnswer& answer) {
  return std::all_of(
      answer.settings.begin(), answer.settings.end(),
      [](const SettingAnswer& setting) { return InfoOf(setting.setting.mode).sync; });
}

// Code for the best setting; for the nearest one with a warning when none passes; for the one
// synchronous mode asked.
int ExactCode(const CalculateOptions& options, const ReportContext& context,
              const RateAnswer& answer, const SerialPort& port, const engine::PartProfile& part) {
  const SettingAnswer* chosen =
      SynchronousOnly(answer) ? &answer.settings.front() : answer.Chosen();
  PrintCode(options, {options.oscText, answer.wanted, chosen->setting, context.clockText}, port,
            part);
  if (answer.best || SynchronousOnly(answer)) {
    return kExitDone;
  }
  std::cerr << "spbrg: warning: " << Shortfall(context, answer)
            << "; this code is for the nearest\n";
  return kExitLimit;
}

int RunExactModes(const CalculateOptions& options, ReportContext context, const SerialPort& port,
                  const engine::PartProfile& part, const std::vector<BrgMode>& modes) {
  std::vector<BrgMode> others = engine::OtherAsynchronousModes(port, modes);
  std::vector<RateAnswer> answers;
  for (const WantedRate& rate : Rates(options)) {
    RateAnswer answer =
        engine::CalculateModes(port, context.clockMHz, rate, modes, options.spbrg, context.budget);
    engine::LookElsewhere(answer, port, context.clockMHz, others, context.budget);
    answers.push_back(answer);
  }
  if (options.form != OutputForm::Plain) {
    return ExactCode(options, context, answers.front(), port, part);
  }
  bool shownElsewhere = std::any_of(answers.begin(), answers.end(), [](const RateAnswer& answer) {
    return answer.passingElsewhere.has_value();
  });
  if (shownElsewhere && !options.table) {
    context.note.clear();  // the modes left out are named where they pass
  }
  PrintReport(options, context, answers);
  if (options.table && !options.maxErrorPercent) {
    return kExitDone;
  }
  int status = kExitDone;
  for (const RateAnswer& answer : answers) {
    if (!answer.best && !SynchronousOnly(answer)) {
      if (!options.table) {
        std::cerr << "spbrg: " << Shortfall(context, answer) << "\n";
      }
      status = kExitLimit;
    }
  }
  return status;
}

// The modes weighed: those asked; one 8-bit mode for --brgh; else the part's asynchronous
// modes, or without a part those every USART has.
std::vector<BrgMode> Modes(const CalculateOptions& options, const engine::PartProfile& part,
                           const SerialPort& port) {
  if (options.modes.Any()) {
    return engine::ChosenModes(part, port, options.modes.modes, options.modes.enhanced);
  }
  if (options.brgh) {
    return {*options.brgh ? BrgMode::Async8Div16 : BrgMode::Async8Div64};
  }
  return engine::DefaultModes(part, port);
}

// What the report says of the modes left out, and where a passing one may be.
void DescribeLeftOut(const CalculateOptions& options, const engine::PartProfile& part,
                     const std::vector<BrgMode>& modes, ReportContext& context) {
  context.part = part.part;
  if (part.part.empty()) {
    bool eightBitOnly =
        std::none_of(modes.begin(), modes.end(), [](BrgMode mode) { return InfoOf(mode).brg16; });
    if (eightBitOnly && !options.modes.Any()) {
      context.note = "--enhanced or --device PART adds the 16-bit modes 16/16 and 16/4";
    }
  }
}

}  // namespace

int RunCalculate(const CalculateOptions& options) {
  for (const std::string& note : options.notes) {
    std::cerr << "spbrg: note: " << note << "\n";
  }
  engine::PartProfile part = ProfileOf(options.part);
  const SerialPort& port = part.Port(options.part.usart);
  if (std::string refusal = part.ClockRefusal(options.oscMHz); !refusal.empty()) {
    std::cerr << "spbrg: " << refusal << "\n";
    return kExitLimit;
  }
  ReportContext context;
  context.oscText = options.oscText;
  context.oscMHz = options.oscMHz;
  context.separators = ChosenSeparators(options.userLocale);
  context.localeNumbers = options.userLocale;
  context.port = &port;
  context.budget = engine::Budget{options.maxErrorPercent.value_or(engine::kDefaultMaxErrorPercent),
                                  options.oscTolerancePercent};
  engine::UartClock clock = engine::UartClockOf(port, options.oscMHz, options.part.uartClockMHz);
  context.clockMHz = clock.mhz;
  context.clockText = clock.text;
  if (options.window && !port.Offers(BrgMode::Async8Div16)) {
    throw engine::InputError(
        "--window is the calculator window's Calculate for the 8-bit USART; "
        "the " +
        part.part + " has the " + port.KindName() + ", whose modes --mode names");
  }
  if (options.window && !options.spbrg) {
    context.layout = Layout::Window;
    return RunWindowModes(options, context, port, part);
  }
  std::vector<BrgMode> modes = Modes(options, part, port);
  DescribeLeftOut(options, part, modes, context);
  return RunExactModes(options, context, port, part, modes);
}

}  // namespace brg::cli
