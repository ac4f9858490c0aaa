// How spbrg prints the engine's answers for its rates: aligned lines, a table of the rates,
// JSON and CSV, in one of two layouts. The window layout shows what the window's Calculate
// arrives at in its BRGH modes with the window's verdicts; the modes layout shows every mode
// asked at its exact best with n, the register pair and the reach.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/display_formats.h"
#include "engine/rate_answer.h"
#include "engine/serial_port.h"

namespace brg::cli {

enum class Layout { Window, Modes };

struct ReportContext {
  std::string oscText;  // as given
  double oscMHz = 0;
  Separators separators;
  const engine::SerialPort* port = nullptr;  // for the register values
  Layout layout = Layout::Modes;
};

// One block of lines for each rate.
void PrintLines(std::ostream& out, const ReportContext& context,
                const std::vector<engine::RateAnswer>& answers);
// A row for each rate, a column group for each mode.
void PrintTable(std::ostream& out, const ReportContext& context,
                const std::vector<engine::RateAnswer>& answers);
// `table`: the window layout names its list of rates "table".
void PrintJson(std::ostream& out, const ReportContext& context,
               const std::vector<engine::RateAnswer>& answers, bool table);
// One row for each rate and mode, under the header every spbrg CSV of rates has.
void PrintCsv(std::ostream& out, const ReportContext& context,
              const std::vector<engine::RateAnswer>& answers);

// How a setting stands, in the words people read and as a CSV and JSON key.
std::string VerdictText(const engine::SettingAnswer& answer, const Separators& separators);
std::string VerdictKey(const engine::SettingAnswer& answer);

}  // namespace brg::cli
