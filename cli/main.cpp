// spbrg: the calculator's results for scripts, build files and CI.
#include <algorithm>
#include <clocale>
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "cli/mode_report.h"
#include "cli/options.h"
#include "cli/report.h"

namespace {

using brg::cli::Options;
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

// An export of a setting that the window would question is not silently taken.
int CheckExport(const Options& options, const brg::cli::Setting& chosen) {
  double percent = std::abs(chosen.shown.errorRatio * 100.0);
  bool allowed = options.maxErrorPercent && percent <= *options.maxErrorPercent;
  if (brg::cli::WindowAsks(chosen.verdict) && !allowed) {
    std::cerr << "spbrg: warning: the window would question this setting: "
              << brg::cli::NamesOf(chosen.verdict).text << " (allow it with --max-error)\n";
    return kExitLimit;
  }
  return 0;
}

// What the window's Calculate arrives at, in both of its modes or the one of --brgh.
int RunWindowModes(const Options& options, const brg::Separators& separators) {
  std::vector<brg::cli::RateResult> results;
  for (const WantedRate& rate : Rates(options)) {
    results.push_back(
        brg::cli::CalculateRate(options.oscMHz, rate.baud, rate.text, WindowModes(options)));
  }
  const brg::cli::Setting& first = results.front().best();
  switch (options.form) {
    case brg::cli::OutputForm::Defines:
    case brg::cli::OutputForm::CCode:
      if (first.verdict == brg::cli::Verdict::Fault) {
        SayNoSetting(options, options.rates.front());
        return kExitLimit;
      }
      std::cout << (options.form == brg::cli::OutputForm::Defines
                        ? brg::cli::SettingDefines(first, options.rates.front().text,
                                                   options.cloerr)
                        : brg::cli::CAssignments(first));
      if (int status = CheckExport(options, first); status != 0) {
        return status;
      }
      break;
    case brg::cli::OutputForm::Plain:
      if (options.csv) {
        brg::cli::PrintCsv(std::cout, options.oscText, results);
      } else if (options.json) {
        brg::cli::PrintJson(std::cout, options.oscMHz, results, options.table, separators);
      } else if (options.table) {
        brg::cli::PrintTable(std::cout, options.oscText, results, separators);
      } else {
        for (const brg::cli::RateResult& result : results) {
          brg::cli::PrintPlain(std::cout, options.oscText, result, separators);
        }
      }
      break;
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

// Each chosen mode of the generator at its exact best, or at --spbrg.
int RunExactModes(const Options& options, const brg::Separators& separators) {
  std::vector<brg::cli::ModeResult> results;
  for (const WantedRate& rate : Rates(options)) {
    results.push_back(brg::cli::CalculateModes(options.oscMHz, rate, options.modes, options.spbrg));
  }
  if (options.csv) {
    brg::cli::PrintModesCsv(std::cout, options.oscText, results);
  } else if (options.json) {
    brg::cli::PrintModesJson(std::cout, options.oscMHz, results, separators);
  } else if (options.table) {
    brg::cli::PrintModesTable(std::cout, options.oscText, results, separators);
  } else {
    for (const brg::cli::ModeResult& result : results) {
      brg::cli::PrintModesPlain(std::cout, options.oscText, result, separators);
    }
  }
  bool anyAsynchronous = std::any_of(options.modes.begin(), options.modes.end(),
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
  brg::Separators separators = ChosenSeparators(options.userLocale);
  return brg::cli::ExactModes(options) ? RunExactModes(options, separators)
                                       : RunWindowModes(options, separators);
}
