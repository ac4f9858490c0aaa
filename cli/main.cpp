// spbrg: the calculator's results for scripts, build files and CI.
#include <clocale>
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

int RunTable(const brg::cli::Options& options, const brg::Separators& separators) {
  std::vector<brg::cli::RateResult> results;
  for (double rate : brg::cli::kStandardRates) {
    std::string text = std::to_string(static_cast<long>(rate));
    results.push_back(brg::cli::CalculateRate(options.oscMHz, rate, text, Modes(options)));
  }
  if (options.json) {
    brg::cli::PrintJson(std::cout, options.oscMHz, results, true, separators);
  } else {
    brg::cli::PrintTable(std::cout, options.oscText, results, separators);
  }
  return 0;
}

int RunOne(const brg::cli::Options& options, const brg::Separators& separators) {
  brg::cli::RateResult result =
      brg::cli::CalculateRate(options.oscMHz, options.baud, options.baudText, Modes(options));
  const brg::cli::Setting& chosen = result.best();
  bool exists = chosen.verdict != brg::cli::Verdict::Fault;
  switch (options.form) {
    case brg::cli::OutputForm::Plain:
      if (options.json) {
        brg::cli::PrintJson(std::cout, options.oscMHz, {result}, false, separators);
      } else {
        brg::cli::PrintPlain(std::cout, options.oscText, result, separators);
      }
      break;
    case brg::cli::OutputForm::Defines:
    case brg::cli::OutputForm::CCode:
      if (!exists) {
        std::cerr << "spbrg: no setting can be calculated for " << options.oscText << " MHz and "
                  << options.baudText << " baud\n";
        return kExitLimit;
      }
      std::cout << (options.form == brg::cli::OutputForm::Defines
                        ? brg::cli::SettingDefines(chosen, options.baudText, options.cloerr)
                        : brg::cli::CAssignments(chosen));
      break;
  }
  if (options.maxErrorPercent) {
    if (!exists || std::abs(chosen.shown.errorRatio * 100.0) > *options.maxErrorPercent) {
      std::cerr << "spbrg: the error is above " << *options.maxErrorPercent << "%\n";
      return kExitLimit;
    }
  }
  return 0;
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
  if (options.help) {
    std::cout << brg::cli::kUsage;
    return 0;
  }
  if (options.version) {
    std::cout << "spbrg " << SPBRG_VERSION << "\n";
    return 0;
  }
  brg::Separators separators = ChosenSeparators(options.userLocale);
  return options.table ? RunTable(options, separators) : RunOne(options, separators);
}
