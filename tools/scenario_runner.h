// Runs a scenario script against a freshly started calculator window and checks it.
//
// One command a line; blank lines and lines starting with '#' are ignored. Every argument and
// every expected value runs to the end of the line, with the escapes \r \n \t \s (space) and
// \\, and is compared exactly.
#pragma once

#include <iosfwd>
#include <string>

namespace brg::scenario {

struct ScriptResult {
  bool passed = false;
  int checks = 0;
  std::string failure;  // "FILE:LINE: expected ..., got ..."
};

// `name` is used in failure messages; `output` receives what `dump` prints.
ScriptResult RunScript(const std::string& name, std::istream& script, std::ostream& output);

}  // namespace brg::scenario
