// spbrg: the calculator's results for scripts, build files and CI.
#include <clocale>
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/report.h"

namespace {

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

std::vector<bool> Modes(const brg::cli::Options& options) {
  if (options.brgh) {
    return {*options.brgh};
  }
  return {true, false};
}

std::string RateText(double rate) {
  return std::to_string(static_cast<long>(rate));
}

// The standard rates, and BAUD in its place among them when it is none of them.
int RunTable(const brg::cli::Options& options, const brg::Separators& separators) {
  std::vector<brg::cli::RateResult> results;
  bool extraPending = !options.baudText.empty();
  for (double rate : brg::cli::kStandardRates) {
    if (extraPending && options.baud <= rate) {
      extraPending = false;
      if (options.baud < rate) {
        results.push_back(brg::cli::CalculateRate(options.oscMHz, options.baud, options.baudText,
                                                  Modes(options)));
      }
    }
    results.push_back(
        brg::cli::CalculateRate(options.oscMHz, rate, RateText(rate), Modes(options)));
  }
  if (options.json) {
    brg::cli::PrintJson(std::cout, options.oscMHz, results, true, separators);
  } else {
    brg::cli::PrintTable(std::cout, options.oscText, results, separators);
  }
  return 0;
}

int PrintForm(const brg::cli::Options& options, const brg::cli::RateResult& result,
              const brg::Separators& separators) {
  const brg::cli::Setting& chosen = result.best();
  switch (options.form) {
    case brg::cli::OutputForm::Plain:
      if (options.json) {
        brg::cli::PrintJson(std::cout, options.oscMHz, {result}, false, separators);
      } else {
        brg::cli::PrintPlain(std::cout, options.oscText, result, separators);
      }
      return 0;
    case brg::cli::OutputForm::Defines:
      std::cout << brg::cli::SettingDefines(chosen, options.baudText, options.cloerr);
      break;
    case brg::cli::OutputForm::CCode:
      std::cout << brg::cli::CAssignments(chosen);
      break;
  }
  // An export of a setting that the window would question is not silently taken.
  double percent = std::abs(chosen.shown.errorRatio * 100.0);
  bool allowed = options.maxErrorPercent && percent <= *options.maxErrorPercent;
  if (brg::cli::WindowAsks(chosen.verdict) && !allowed) {
    std::cerr << "spbrg: warning: the window would question this setting: "
              << brg::cli::NamesOf(chosen.verdict).text << " (allow it with --max-error)\n";
    return kExitLimit;
  }
  return 0;
}

int RunOne(const brg::cli::Options& options, const brg::Separators& separators) {
  brg::cli::RateResult result =
      brg::cli::CalculateRate(options.oscMHz, options.baud, options.baudText, Modes(options));
  const brg::cli::Setting& chosen = result.best();
  if (chosen.verdict == brg::cli::Verdict::Fault) {
    if (options.form == brg::cli::OutputForm::Plain) {
      PrintForm(options, result, separators);
    }
    std::cerr << "spbrg: no setting can be calculated for " << options.oscText << " MHz and "
              << options.baudText << " baud\n";
    return kExitLimit;
  }
  int status = PrintForm(options, result, separators);
  if (options.maxErrorPercent &&
      std::abs(chosen.shown.errorRatio * 100.0) > *options.maxErrorPercent) {
    std::cerr << "spbrg: the error "
              << brg::FormatErrorPercent(chosen.shown.errorRatio, brg::Separators{}) << " is above "
              << *options.maxErrorPercent << "%\n";
    return kExitLimit;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  brg::cli::Options options;
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
  return options.table ? RunTable(options, separators) : RunOne(options, separators);
}
