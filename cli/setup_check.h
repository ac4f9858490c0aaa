// Reads a serial setup from source text and says what it does and what is wrong with it:
// RarIveza Pro DEFINE lines (the window's own export among them), BASIC or C register
// assignments, or NAME=VALUE pairs. Pure: text in, findings out.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/device_profile.h"
#include "core/brg_modes.h"

namespace brg::cli {

// The input is no setup: binary, far too large, or nothing in it sets up a USART.
class NotASetup : public std::runtime_error {
 public:
  explicit NotASetup(const std::string& what) : std::runtime_error(what) {}
};

struct CheckOptions {
  std::optional<double> oscMHz;  // --osc; a DEFINE OSC in the source may stand for it
  std::optional<double> baud;    // --baud; otherwise a rate named in a comment
  double maxErrorPercent = 2;    // the usual UART budget
  bool partHasBrg16 = true;      // where a better setting may be looked for
};

enum class FindingKind {
  Fault,      // a register, bit or name that does not do what the setup means
  Tolerance,  // the rate: above the tolerance, or a better value in the same mode
  Note,       // worth knowing, not wrong
};

struct Finding {
  int line = 0;  // 1-based line of the source, or the argument's place
  FindingKind kind = FindingKind::Fault;
  std::string message;
};

struct SetupReport {
  double oscMHz = 0;
  std::optional<ModeSetting> setting;  // none when the compiler works the value out (HSER_BAUD)
  std::optional<double> wantedBaud;
  int wantedLine = 0;  // where the rate was named; 0 for --baud
  std::vector<Finding> findings;

  bool HasFault() const {
    for (const Finding& finding : findings) {
      if (finding.kind != FindingKind::Note) {
        return true;
      }
    }
    return false;
  }
};

// Reads the setup of `usart` from `text`; NotASetup when there is none, or no clock for it.
SetupReport CheckSetup(std::string_view text, const CheckOptions& options,
                       const UsartProfile& usart);

// The literal of a register value: 25, 0x19, $19, 19h, 0b11001, %11001.
std::optional<long> ReadLiteral(std::string_view text);

}  // namespace brg::cli
