// The check room (engine/check/): the setup checker: the source text, the expression evaluator,
// the C, asm and BASIC readers, the recorder of register writes and the rules. Depends on
// answers/, parts/ and ports/; writes no code.
//
// Checks a serial setup written in source: reads it (setup_source.h), then says what it sets
// up and what is wrong with it (setup_rules.h). Pure: text in, findings out.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/brg_modes.h"
#include "engine/answers/budget.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/finding.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

struct CheckOptions {
  std::optional<double> oscMHz;  // --osc; a DEFINE OSC in the source may stand for it
  std::optional<double> baud;    // --baud; otherwise a rate named in the source
  double maxErrorPercent = kDefaultMaxErrorPercent;
  double oscTolerancePercent = 0;     // the oscillator's own error, added to the setting's
  const PartProfile* part = nullptr;  // the part named, for its clock limits
  bool assignments = false;           // NAME=VALUE pairs rather than a source file
  // How the port was found where it needs saying: by the names, without a part; or the part's
  // note.
  std::string portFrom;
  bool busDividerGiven = false;  // --pbdiv: it holds over a divider the source sets
};

struct SetupReport {
  double oscMHz = 0;
  double clockMHz = 0;  // the generator's clock: Fosc, or the part the registers select
  std::optional<ModeSetting> setting;  // none when the compiler works the value out (HSER_BAUD)
  std::optional<double> wantedBaud;
  int rateLine = 0;        // where the rate register is written; 0 for none
  int wantedLine = 0;      // where the rate was named; 0 for --baud
  std::string wantedFrom;  // what named it: a comment, BAUD, the call UART_Init(9600)
  std::string oscFrom;     // what named the clock when --osc was not given: _XTAL_FREQ, DEFINE OSC
  // How the clock the chip runs was worked out from its configuration and oscillator
  // registers; empty where the source does not tell it.
  std::string clockWorkedOut;
  int oscLine = 0;                // where; 0 for --osc or the compiler's own default
  bool compilerWorksOut = false;  // n is what the compiler works out from a rate DEFINE
  bool rateUnknown = false;       // the source computes n at run time
  std::string portFrom;           // how the port was found, where it needs saying
  std::vector<Finding> findings;  // by line
  std::vector<Finding> workings;  // the expressions worked out, by line

  bool HasFault() const;
};

// Reads the setup of `port` from `text`; NotASetup when there is none, or no clock for it.
SetupReport CheckSetup(std::string_view text, const CheckOptions& options, const SerialPort& port);

// Whether `text` sets up a port of the part it names or its names tell, or a classic USART.
bool SetsUpAPort(std::string_view text);

// The port of the part that `text` sets up: the first one it writes to, else the first.
const SerialPort& PortSetUpIn(std::string_view text, const CheckOptions& options,
                              const PartProfile& part);

}  // namespace brg::engine
