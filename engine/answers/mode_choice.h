// The answers room (engine/answers/): the wanted rates, the window's Calculate, the budget, the
// mode choice and the clock search with the clocks a part can run. Depends on parts/ and ports/;
// writes no code and reads no source.
//
// The choice among the modes of a port: which modes are asked for and which the port has, each
// at its exact best (or at a given register value), whether each passes the budget, and the
// best asynchronous one that passes with the reason; when none passes, the nearest, and a mode
// not asked that would pass. Synchronous modes give a master clock, never the best UART setting.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/brg_modes.h"
#include "engine/answers/budget.h"
#include "engine/answers/rate_answer.h"
#include "engine/answers/wanted_rate.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/serial_port.h"

namespace brg::engine {

// Each mode of the port at its exact best from the generator's clock, or at register value
// `n`; the best asynchronous setting that passes, by Better() (on a tie 8-bit before 16-bit,
// then BRGH set before clear); without one, the nearest.
RateAnswer CalculateModes(const SerialPort& port, double clockMHz, const WantedRate& wanted,
                          const std::vector<BrgMode>& modes, std::optional<std::int32_t> n,
                          const Budget& budget = {});

// Without a passing setting: the best of the other modes at their exact best, when it passes.
void LookElsewhere(RateAnswer& answer, const SerialPort& port, double clockMHz,
                   const std::vector<BrgMode>& others, const Budget& budget);

// The modes asked for, each one the port has (PartError otherwise), and with `allAsynchronous`
// every asynchronous mode of the port besides.
std::vector<BrgMode> ChosenModes(const PartProfile& part, const SerialPort& port,
                                 const std::vector<BrgMode>& asked, bool allAsynchronous);

// The modes every USART has: the two 8-bit asynchronous ones.
inline const std::vector<BrgMode> kEightBitModes{BrgMode::Async8Div64, BrgMode::Async8Div16};

// What is weighed when no mode is named: every asynchronous mode of a named part's port, else
// the modes every USART has.
std::vector<BrgMode> DefaultModes(const PartProfile& part, const SerialPort& port);

// The port's asynchronous modes that are not among `asked`.
std::vector<BrgMode> OtherAsynchronousModes(const SerialPort& port,
                                            const std::vector<BrgMode>& asked);

}  // namespace brg::engine
