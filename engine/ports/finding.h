// What the setup checker and the ports say about a setup: a finding, its kind and its place.
#pragma once

#include <string>

namespace brg::engine {

enum class FindingKind {
  Fault,      // a register, bit or name that does not do what the setup means
  Tolerance,  // the rate: above the budget, or a better value in the same mode
  Note,       // worth knowing, not wrong
};

struct Finding {
  int line = 0;  // 1-based line of the source, or the argument's place; 0: not written
  FindingKind kind = FindingKind::Fault;
  std::string message;
};

}  // namespace brg::engine
