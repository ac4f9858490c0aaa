// Pieces of spbrg's command line that its commands share: checked numbers, the mode and part
// options, and running the parser so that every complaint is one line.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/options.h"

namespace brg::cli {

// A plain decimal within the range, or a UsageError naming the argument, with a hint for the
// usual slips (a decimal comma, a unit).
double RangeChecked(const std::string& text, const char* what, const char* unit, EntryRange range);

// --mode (repeatable) and --enhanced.
struct ModeArguments {
  std::vector<std::string> names;
  bool enhanced = false;
};
void AddModeOptions(CLI::App& app, ModeArguments& modes);

// --device, --gputils-headers and --usart.
void AddDeviceOptions(CLI::App& app, Options& options);

// --max-error PCT, read with ReadMaxError.
void AddMaxErrorOption(CLI::App& app, std::string& text);
void ReadMaxError(const std::string& text, Options& options);

// Parses, or fills options.help; a UsageError of one line for anything the parser refuses.
// Returns false when only the help is wanted.
bool Parse(CLI::App& app, const std::vector<std::string>& arguments, Options& options);

}  // namespace brg::cli
