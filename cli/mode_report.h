// spbrg's answer with --mode, --enhanced or --spbrg: each chosen mode of the generator at its
// exact best (or at the given register value), the best asynchronous mode marked with the
// reason, as aligned lines, a table, JSON or CSV.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/device_profile.h"
#include "cli/options.h"
#include "core/brg_modes.h"
#include "core/display_formats.h"

namespace brg::cli {

struct ModeResult {
  WantedRate wanted;
  std::vector<ModeSetting> settings;  // in the order the modes were asked for
  std::optional<std::size_t> best;    // the best asynchronous setting within reach
  std::string reason;                 // why it is the best

  bool IsBest(std::size_t index) const { return best == index; }
};

ModeResult CalculateModes(double oscMHz, const WantedRate& wanted,
                          const std::vector<BrgMode>& modes, std::optional<std::int32_t> spbrg);

void PrintModesPlain(std::ostream& out, const std::string& oscText, const ModeResult& result,
                     const Separators& separators);
void PrintModesTable(std::ostream& out, const std::string& oscText,
                     const std::vector<ModeResult>& results, const Separators& separators);
void PrintModesJson(std::ostream& out, double oscMHz, const std::vector<ModeResult>& results,
                    const Separators& separators, const UsartProfile& usart);
void PrintModesCsv(std::ostream& out, const std::string& oscText,
                   const std::vector<ModeResult>& results, const UsartProfile& usart);

// How a setting stands, in the words people read and as a CSV and JSON key.
std::string ModeVerdictText(const ModeSetting& setting, const Separators& separators);
std::string ModeVerdictKey(const ModeSetting& setting);

}  // namespace brg::cli
