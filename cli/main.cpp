// spbrg: the calculator's results for scripts, build files and CI.
#include <algorithm>
#include <clocale>
#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/clock_search.h"
#include "cli/code_forms.h"
#include "cli/command_reports.h"
#include "cli/device_profile.h"
#include "cli/mode_report.h"
#include "cli/options.h"
#include "cli/report.h"

namespace {

using brg::cli::CodeSetting;
using brg::cli::Options;
using brg::cli::UsartProfile;
using brg::cli::WantedRate;

constexpr int kExitLimit = 1;
constexpr int kExitUsage = 2;

brg::Separators ChosenSeparators(bool userLocale) {
  if (!userLocale) {
    return brg::Separators{",", "."};
  }
  // Only the separators are taken from the user's locale; every number text is made without it.
  std::setlocale(LC_NUMERIC, "");
  const std::lconv* conventions = std::localeconv();
  brg::Separators separators{conventions->thousands_sep, conventions->decimal_point};
  std::setlocale(LC_NUMERIC, "C");
  return separators;
}

std::vector<bool> WindowModes(const Options& options) {
  if (options.brgh) {
    return {*options.brgh};
  }
  return {true, false};
}

// The rates asked for; with --table the standard rates, and each BAUD in its place among them.
std::vector<WantedRate> Rates(const Options& options) {
  if (!options.table) {
    return options.rates;
  }
  std::vector<WantedRate> rates;
  for (double rate : brg::cli::kStandardRates) {
    rates.push_back(WantedRate{std::to_string(static_cast<long>(rate)), rate});
  }
  for (const WantedRate& extra : options.rates) {
    auto place =
        std::lower_bound(rates.begin(), rates.end(), extra.baud,
                         [](const WantedRate& rate, double baud) { return rate.baud < baud; });
    if (place == rates.end() || place->baud != extra.baud) {
      rates.insert(place, extra);
    }
  }
  return rates;
}

bool AboveMaxError(const Options& options, double errorRatio) {
  return options.maxErrorPercent && std::abs(errorRatio * 100.0) > *options.maxErrorPercent;
}

void SayAboveMaxError(const Options& options, const WantedRate& rate, double errorRatio) {
  std::cerr << "spbrg: the error " << brg::FormatErrorPercent(errorRatio, brg::Separators{})
            << " is above " << *options.maxErrorPercent << "% for " << rate.text << " baud\n";
}

void SayNoSetting(const Options& options, const WantedRate& rate) {
  std::cerr << "spbrg: no setting can be calculated for " << options.oscText << " MHz and "
            << rate.text << " baud\n";
}

// Code for one setting in the form asked for. A setting the window would question (`questioned`
// says why) is not silently taken: a warning and exit 1, unless --max-error allows its error.
int PrintCode(const Options& options, const CodeSetting& code, const UsartProfile& usart,
              const std::string& questioned) {
  switch (options.form) {
    case brg::cli::OutputForm::Defines:
      if (brg::InfoOf(code.setting.mode).sync) {
        throw brg::cli::DeviceError(
            "the DEFINEs set up the asynchronous port: give --format basic-registers, c or asm "
            "for a synchronous mode");
      }
      std::cout << brg::cli::DefinesForm(code, usart, options.cloerr);
      break;
    case brg::cli::OutputForm::BasicRegisters:
      std::cout << brg::cli::BasicRegistersForm(code, usart);
      break;
    case brg::cli::OutputForm::CCode:
      std::cout << brg::cli::CForm(code, usart);
      break;
    case brg::cli::OutputForm::Asm:
      std::cout << brg::cli::AsmForm(code, usart);
      break;
    case brg::cli::OutputForm::Plain:
      return 0;
  }
  double percent = std::abs(code.setting.errorRatio * 100.0);
  bool allowed = options.maxErrorPercent && percent <= *options.maxErrorPercent;
  if (!questioned.empty() && !allowed) {
    std::cerr << "spbrg: warning: the window would question this setting: " << questioned
              << " (allow it with --max-error)\n";
    return kExitLimit;
  }
  return 0;
}

// What the window's Calculate arrives at, in both of its modes or the one of --brgh.
int RunWindowModes(const Options& options, const brg::Separators& separators,
                   const UsartProfile& usart) {
  std::vector<brg::cli::RateResult> results;
  for (const WantedRate& rate : Rates(options)) {
    results.push_back(
        brg::cli::CalculateRate(options.oscMHz, rate.baud, rate.text, WindowModes(options)));
  }
  const brg::cli::Setting& first = results.front().best();
  switch (options.form) {
    case brg::cli::OutputForm::Plain:
      if (options.csv) {
        brg::cli::PrintCsv(std::cout, options.oscText, results, usart);
      } else if (options.json) {
        brg::cli::PrintJson(std::cout, options.oscMHz, results, options.table, separators, usart);
      } else if (options.table) {
        brg::cli::PrintTable(std::cout, options.oscText, results, separators);
      } else {
        for (const brg::cli::RateResult& result : results) {
          brg::cli::PrintPlain(std::cout, options.oscText, result, separators);
        }
      }
      break;
    default:
      if (first.verdict == brg::cli::Verdict::Fault) {
        SayNoSetting(options, options.rates.front());
        return kExitLimit;
      }
      return PrintCode(
          options,
          CodeSetting{options.oscText, options.rates.front(),
                      brg::cli::WindowModeSetting(first.brgh, first.shown.spbrg,
                                                  first.shown.actualBaud, first.shown.errorRatio)},
          usart, brg::cli::WindowAsks(first.verdict) ? brg::cli::NamesOf(first.verdict).text : "");
  }
  if (options.table) {
    return 0;
  }
  int status = 0;
  for (std::size_t i = 0; i < results.size(); ++i) {
    const brg::cli::Setting& chosen = results[i].best();
    if (chosen.verdict == brg::cli::Verdict::Fault) {
      SayNoSetting(options, options.rates[i]);
      status = kExitLimit;
    } else if (AboveMaxError(options, chosen.shown.errorRatio)) {
      SayAboveMaxError(options, options.rates[i], chosen.shown.errorRatio);
      status = kExitLimit;
    }
  }
  return status;
}

// Code for the best asynchronous setting, or for the one synchronous mode asked for.
int PrintBestCode(const Options& options, const brg::cli::ModeResult& result,
                  const UsartProfile& usart) {
  bool synchronousOnly = !result.best && brg::InfoOf(result.settings.front().mode).sync;
  if (!result.best && !synchronousOnly) {
    std::cerr << "spbrg: no mode reaches " << result.wanted.text << " baud from " << options.oscText
              << " MHz\n";
    return kExitLimit;
  }
  const brg::ModeSetting& chosen = result.settings[result.best.value_or(0)];
  bool questioned = std::abs(chosen.errorRatio) > brg::ErrorLimit;
  return PrintCode(options, CodeSetting{options.oscText, result.wanted, chosen}, usart,
                   questioned ? "error above 10%" : "");
}

// Each chosen mode of the generator at its exact best, or at --spbrg.
int RunExactModes(const Options& options, const brg::Separators& separators,
                  const UsartProfile& usart, const std::vector<brg::BrgMode>& modes) {
  std::vector<brg::cli::ModeResult> results;
  for (const WantedRate& rate : Rates(options)) {
    results.push_back(brg::cli::CalculateModes(options.oscMHz, rate, modes, options.spbrg));
  }
  if (options.form != brg::cli::OutputForm::Plain) {
    return PrintBestCode(options, results.front(), usart);
  }
  if (options.csv) {
    brg::cli::PrintModesCsv(std::cout, options.oscText, results, usart);
  } else if (options.json) {
    brg::cli::PrintModesJson(std::cout, options.oscMHz, results, separators, usart);
  } else if (options.table) {
    brg::cli::PrintModesTable(std::cout, options.oscText, results, separators);
  } else {
    for (const brg::cli::ModeResult& result : results) {
      brg::cli::PrintModesPlain(std::cout, options.oscText, result, separators);
    }
  }
  bool anyAsynchronous = std::any_of(modes.begin(), modes.end(),
                                     [](brg::BrgMode mode) { return !brg::InfoOf(mode).sync; });
  if (options.table || !anyAsynchronous) {
    return 0;
  }
  int status = 0;
  for (const brg::cli::ModeResult& result : results) {
    if (!result.best) {
      std::cerr << "spbrg: no mode reaches " << result.wanted.text << " baud from "
                << options.oscText << " MHz\n";
      status = kExitLimit;
    } else if (AboveMaxError(options, result.settings[*result.best].errorRatio)) {
      SayAboveMaxError(options, result.wanted, result.settings[*result.best].errorRatio);
      status = kExitLimit;
    }
  }
  return status;
}

// The part's profile, or the classic names; DeviceError when the part cannot be used.
brg::cli::DeviceProfile Profile(const Options& options) {
  return options.device.empty()
             ? brg::cli::ClassicProfile()
             : brg::cli::ReadDeviceProfile(options.device, options.gputilsHeaders);
}

// The modes asked for, each one the USART has; --enhanced adds those of its asynchronous modes
// that it has.
std::vector<brg::BrgMode> ChosenModes(const Options& options, const brg::cli::DeviceProfile& device,
                                      const UsartProfile& usart) {
  std::vector<brg::BrgMode> modes;
  for (brg::BrgMode mode : options.modes) {
    if (!usart.Supports(mode)) {
      throw brg::cli::DeviceError("the part " + device.part +
                                  " has no BRG16 (no BAUDCON and SPBRGH in its header): mode " +
                                  std::string(brg::InfoOf(mode).name) + " is not available");
    }
    modes.push_back(mode);
  }
  if (options.enhanced) {
    for (brg::BrgMode mode : brg::kAsyncModes) {
      if (usart.Supports(mode) && std::find(modes.begin(), modes.end(), mode) == modes.end()) {
        modes.push_back(mode);
      }
    }
  }
  return modes;
}

// The modes that clocks tries: those asked for, else the 8-bit ones.
std::vector<brg::BrgMode> SearchedModes(const Options& options,
                                        const brg::cli::DeviceProfile& device,
                                        const UsartProfile& usart) {
  if (brg::cli::ExactModes(options)) {
    return ChosenModes(options, device, usart);
  }
  return {brg::BrgMode::Async8Div64, brg::BrgMode::Async8Div16};
}

std::vector<brg::cli::Clock> Clocks(const Options& options) {
  if (options.clockList.empty()) {
    return brg::cli::ShippedClocks();
  }
  std::ifstream list(options.clockList);
  if (!list) {
    throw brg::cli::DeviceError("cannot read the clock list " + options.clockList);
  }
  return brg::cli::ReadClockList(list, options.clockList);
}

int RunClocks(const Options& options, const brg::cli::DeviceProfile& device,
              const UsartProfile& usart) {
  std::vector<brg::BrgMode> modes = SearchedModes(options, device, usart);
  double maxError = options.maxErrorPercent.value_or(2);
  std::vector<brg::cli::ClockResult> ranking = brg::cli::SearchClocks(
      Clocks(options), options.rates, modes, maxError, options.oscTolerancePercent);
  if (options.json) {
    brg::cli::PrintClocksJson(std::cout, ranking, maxError);
  } else if (options.csv) {
    brg::cli::PrintClocksCsv(std::cout, ranking);
  } else {
    brg::cli::PrintClocksTable(std::cout, ranking, modes, maxError, options.oscTolerancePercent);
  }
  if (!ranking.front().passes) {
    std::cerr << "spbrg: no clock gives every rate within " << maxError << "%\n";
    return kExitLimit;
  }
  return 0;
}

// The source text: a file, standard input, or the NAME=VALUE arguments one a line.
std::string SourceText(const Options& options) {
  if (!options.assignments.empty()) {
    std::string text;
    for (const std::string& assignment : options.assignments) {
      text += assignment + "\n";
    }
    return text;
  }
  std::ostringstream text;
  if (options.source == "-") {
    text << std::cin.rdbuf();
  } else {
    std::ifstream file(options.source, std::ios::binary);
    if (!file) {
      throw brg::cli::NotASetup("cannot read " + options.source);
    }
    text << file.rdbuf();
  }
  return text.str();
}

int RunCheck(const Options& options, const brg::cli::DeviceProfile& device,
             const UsartProfile& usart) {
  brg::cli::CheckOptions check;
  if (!options.oscText.empty()) {
    check.oscMHz = options.oscMHz;
  }
  check.baud = options.checkBaud;
  check.maxErrorPercent = options.maxErrorPercent.value_or(2);
  check.partHasBrg16 = device.part.empty() || usart.HasBrg16();
  brg::cli::SetupReport report;
  try {
    report = brg::cli::CheckSetup(SourceText(options), check, usart);
  } catch (const brg::cli::NotASetup& error) {
    std::cerr << "spbrg check: " << error.what() << "\n";
    return kExitUsage;
  }
  std::string name = !options.assignments.empty() ? "the arguments"
                     : options.source == "-"      ? "standard input"
                                                  : options.source;
  brg::cli::PrintCheck(std::cout, name, report, usart.number,
                       options.assignments.empty() ? "line" : "argument");
  return report.HasFault() ? kExitLimit : 0;
}

int Run(const Options& options) {
  brg::cli::DeviceProfile device = Profile(options);
  const UsartProfile& usart = brg::cli::UsartOf(device, options.usart);
  if (options.command == brg::cli::Command::Clocks) {
    return RunClocks(options, device, usart);
  }
  if (options.command == brg::cli::Command::Check) {
    return RunCheck(options, device, usart);
  }
  brg::Separators separators = ChosenSeparators(options.userLocale);
  if (!brg::cli::ExactModes(options)) {
    return RunWindowModes(options, separators, usart);
  }
  return RunExactModes(options, separators, usart, ChosenModes(options, device, usart));
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  try {
    options = brg::cli::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const brg::cli::UsageError& error) {
    std::cerr << "spbrg: " << error.what() << "\n";
    return kExitUsage;
  }
  if (!options.help.empty()) {
    std::cout << options.help;
    return 0;
  }
  if (options.version) {
    std::cout << "spbrg " << SPBRG_VERSION << "\n";
    return 0;
  }
  try {
    return Run(options);
  } catch (const brg::cli::DeviceError& error) {
    std::cerr << "spbrg: " << error.what() << "\n";
    return kExitUsage;
  } catch (const brg::cli::UsageError& error) {
    std::cerr << "spbrg: " << error.what() << "\n";
    return kExitUsage;
  }
}
