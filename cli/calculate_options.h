// The command line of spbrg OSC BAUD...: what to calculate and in which form to print it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/option_parts.h"
#include "engine/answers/wanted_rate.h"

namespace brg::cli {

// Plain: the report (lines, --table, --json or --csv); the others: code for one setting.
enum class OutputForm { Plain, Defines, BasicRegisters, CCode, Asm };

struct CalculateOptions {
  std::string oscText;  // as given
  double oscMHz = 0;
  std::vector<engine::WantedRate> rates;  // empty only with --table
  bool window = false;                    // --window: what the window's Calculate arrives at
  std::optional<bool> brgh;               // --brgh 1|0: one of the 8-bit modes only
  // --mode and --enhanced: these modes, each at its exact best; with neither the part's (or
  // every USART's) asynchronous modes.
  ModeOptions modes;
  std::optional<std::int32_t> spbrg;  // --spbrg N: this register value instead of the best
  OutputForm form = OutputForm::Plain;
  bool table = false;  // every standard rate, and each BAUD that is none of them
  bool json = false;
  bool csv = false;
  bool cloerr = false;   // --cloerr: the overrun line after the DEFINEs
  bool program = false;  // --program: with --format asm, a whole program around the setup
  std::optional<double> maxErrorPercent;
  double oscTolerancePercent = 0;
  bool userLocale = false;
  PartOptions part;
  bool version = false;
  std::string help;                // --help: the text to print
  std::vector<std::string> notes;  // said on stderr before the results: likely slips
};

CalculateOptions ParseCalculate(const std::vector<std::string>& arguments);

}  // namespace brg::cli
