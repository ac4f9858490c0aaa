// Pieces of spbrg's command line that its commands share: checked numbers, the mode and part
// options, and running the parser so that every complaint is one line.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/brg_arithmetic.h"
#include "core/brg_modes.h"
#include "engine/parts/part_profile.h"

namespace brg::cli {

// A plain decimal within the range, or a UsageError naming the argument, with a hint for the
// usual slips (a decimal comma, a unit).
double RangeChecked(const std::string& text, const char* what, const char* unit, EntryRange range);

// --mode (repeatable) and --enhanced: the modes named, and every asynchronous mode besides.
struct ModeOptions {
  std::vector<BrgMode> modes;
  bool enhanced = false;

  bool Any() const { return !modes.empty() || enhanced; }
};
struct ModeArguments {
  std::vector<std::string> names;
  bool enhanced = false;

  ModeOptions Read() const;
};
void AddModeOptions(CLI::App& app, ModeArguments& modes);

// --device, --gputils-headers, --usart, and the port's clock: --pbdiv and --uart-clock.
struct PartOptions {
  std::string device;          // empty: the classic names
  std::string gputilsHeaders;  // none: the built-in parts only
  int usart = 1;
  bool usartGiven = false;  // --usart was given, rather than taken as 1
  std::optional<double> pbdiv;
  std::optional<double> uartClockMHz;
};
// --device, --gputils-headers, --usart (`usartDefault` as the help names it), --pbdiv and
// --uart-clock.
void AddPartOptions(CLI::App& app, PartOptions& part, std::string_view usartDefault = "1");
// The part's profile, or the classic names.
engine::PartProfile ProfileOf(const PartOptions& part);

// --max-error PCT, read with ReadPercent.
void AddMaxErrorOption(CLI::App& app, std::string& text);
// A percentage as people write it, 1.5 or 1.5%; nothing for an empty text.
std::optional<double> ReadPercent(const std::string& text, const char* option);

// Parses, or gives the help text; a UsageError of one line for anything the parser refuses.
// Returns false when only the help is wanted.
bool Parse(CLI::App& app, const std::vector<std::string>& arguments, PartOptions& part,
           std::string& help);

}  // namespace brg::cli
