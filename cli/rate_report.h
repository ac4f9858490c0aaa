// How spbrg prints the engine's answers for its rates: aligned lines, a table of the rates,
// JSON and CSV. Lines and tables come in two layouts: the window layout shows what the
// window's Calculate arrives at in its BRGH modes with the window's verdicts; the modes layout
// shows every mode weighed at its exact best with n, the register pair and whether it passes
// the budget. JSON and CSV have one form for both.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/display_formats.h"
#include "engine/answers/budget.h"
#include "engine/answers/rate_answer.h"
#include "engine/ports/serial_port.h"

namespace brg::cli {

enum class Layout { Window, Modes };

struct ReportContext {
  std::string oscText;  // as given
  double oscMHz = 0;
  Separators separators;
  const engine::SerialPort* port = nullptr;  // for the register values
  Layout layout = Layout::Modes;
  engine::Budget budget;
  std::string part;  // the part named, or ""
  // Said under the results: the modes that were left out.
  std::string note;
  bool localeNumbers = false;  // the header's numbers in the separators too
  double clockMHz = 0;         // the generator's clock
  std::string clockText;       // how it comes from the oscillator, "" for Fosc itself

  // A number of the header as the report shows it.
  std::string Shown(const std::string& plain) const;
  // How to reach a mode that was not weighed: "with --enhanced", "with --mode 8/16", "in
  // another mode of the 16F1829".
  std::string Reaching(BrgMode mode) const;
};

// One block of lines for each rate.
void PrintLines(std::ostream& out, const ReportContext& context,
                const std::vector<engine::RateAnswer>& answers);
// A row for each rate, a column group for each mode.
void PrintTable(std::ostream& out, const ReportContext& context,
                const std::vector<engine::RateAnswer>& answers);
void PrintJson(std::ostream& out, const ReportContext& context,
               const std::vector<engine::RateAnswer>& answers);
// One row for each rate and mode under one header.
void PrintCsv(std::ostream& out, const ReportContext& context,
              const std::vector<engine::RateAnswer>& answers);

// How a setting stands, in the words people read and as a CSV and JSON key.
std::string VerdictText(const engine::SettingAnswer& answer, const Separators& separators);
std::string VerdictKey(const engine::SettingAnswer& answer);

// "8/16 n = 8 at -3.549%": a setting in a sentence.
std::string SettingWords(const ModeSetting& setting, const Separators& separators);

// A plain decimal text in the report's separators: 3.6864 as 3,6864, 115200 as 115.200.
std::string InSeparators(const std::string& plain, const Separators& separators);

}  // namespace brg::cli
