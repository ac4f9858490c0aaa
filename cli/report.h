// The forms in which spbrg prints settings: aligned lines, a table of the standard rates, JSON,
// DEFINE lines and C assignments. Texts of the real rate and the error are the window's.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "cli/device_profile.h"
#include "cli/setting.h"
#include "core/display_formats.h"

namespace brg::cli {

inline constexpr std::array<double, 16> kStandardRates{300,    600,    1200,   2400,  4800,  9600,
                                                       14400,  19200,  28800,  38400, 57600, 76800,
                                                       115200, 128000, 230400, 250000};

// The settings for one wanted rate: BRGH set first, then clear (or only the one asked for).
struct RateResult {
  double wantedBaud = 0;
  std::string wantedText;
  std::vector<Setting> settings;
  std::size_t bestIndex = 0;

  const Setting& best() const { return settings[bestIndex]; }
  bool IsBest(const Setting& setting) const { return &setting == &best(); }
};

RateResult CalculateRate(double oscMHz, double wantedBaud, const std::string& wantedText,
                         const std::vector<bool>& modes);

void PrintPlain(std::ostream& out, const std::string& oscText, const RateResult& rate,
                const Separators& separators);
void PrintTable(std::ostream& out, const std::string& oscText, const std::vector<RateResult>& rates,
                const Separators& separators);
void PrintJson(std::ostream& out, double oscMHz, const std::vector<RateResult>& rates, bool table,
               const Separators& separators, const UsartProfile& usart);
// One row for each rate and mode, under the header every spbrg CSV has.
void PrintCsv(std::ostream& out, const std::string& oscText, const std::vector<RateResult>& rates,
              const UsartProfile& usart);
}  // namespace brg::cli
