// spbrg-scenario FILE...: runs each scenario script against the calculator window model.
#include <fstream>
#include <iostream>

#include "tools/scenario_runner.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: spbrg-scenario SCRIPT...\n";
    return 2;
  }
  int failed = 0;
  for (int i = 1; i < argc; ++i) {
    std::ifstream script(argv[i]);
    if (!script) {
      std::cerr << argv[i] << ": cannot be read\n";
      ++failed;
      continue;
    }
    brg::scenario::ScriptResult result = brg::scenario::RunScript(argv[i], script, std::cout);
    if (result.passed) {
      std::cout << argv[i] << ": passed, " << result.checks << " checks\n";
    } else {
      std::cerr << result.failure << "\n";
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}
