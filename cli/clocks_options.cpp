#include "cli/clocks_options.h"

#include "cli/usage_error.h"
#include "core/text.h"

namespace brg::cli {

ClocksOptions ParseClocks(const std::vector<std::string>& arguments) {
  ClocksOptions options;
  CLI::App app(
      "Which clock gives all the rates within tolerance: every crystal (and x4 PLL up to "
      "64 MHz) and internal oscillator tried with every rate, ranked by the worst error; with "
      "--device only the crystals, PLL and internal oscillators the part has. Without --mode "
      "or --enhanced the 8-bit modes 8/64 and 8/16.",
      "spbrg clocks");
  app.footer("Exit status: 0 a clock passes; 1 none passes; 2 bad arguments.");
  std::vector<std::string> rateTexts;
  app.add_option("RATE", rateTexts, "wanted baud rates")->required()->type_name("");
  ModeArguments modes;
  AddModeOptions(app, modes);
  AddPartOptions(app, options.part);
  std::string maxError;
  AddMaxErrorOption(app, maxError);
  std::string tolerance;
  app.add_option("--osc-tolerance", tolerance,
                 "an internal oscillator's own tolerance in percent, added to its errors "
                 "(default 2)")
      ->type_name("PCT");
  app.add_option("--clock-list", options.clockList,
                 "clocks in MHz, one a line, # comments, instead of the shipped list")
      ->type_name("FILE");
  std::string low;
  std::string high;
  app.add_option("--min", low, "the lowest oscillator frequency to try (after any PLL)")
      ->type_name("MHZ");
  app.add_option("--max", high, "the highest oscillator frequency to try (after any PLL)")
      ->type_name("MHZ");
  app.add_flag("--json", options.json, "the ranking as JSON");
  app.add_flag("--csv", options.csv, "the ranking as CSV");
  if (!Parse(app, arguments, options.part, options.help)) {
    return options;
  }
  if (options.json && options.csv) {
    throw UsageError("--json and --csv exclude each other");
  }
  options.modes = modes.Read();
  options.maxErrorPercent = ReadPercent(maxError, "--max-error");
  options.oscTolerancePercent = ReadPercent(tolerance, "--osc-tolerance").value_or(2);
  if (!low.empty()) {
    options.minMHz = RangeChecked(low, "--min", "MHz", EntryRange{0, 1e6});
  }
  if (!high.empty()) {
    options.maxMHz = RangeChecked(high, "--max", "MHz", EntryRange{0, 1e6});
  }
  if (options.minMHz > options.maxMHz) {
    throw UsageError("--min " + low + " is above --max " + high);
  }
  for (const std::string& text : rateTexts) {
    options.rates.push_back(
        engine::WantedRate{text, RangeChecked(text, "RATE", "baud", engine::kBaudRange)});
  }
  return options;
}

}  // namespace brg::cli
