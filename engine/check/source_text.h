// Source text as the setup readers take it: lines with their numbers, whatever the encoding of
// comments and strings; text that is binary; rates and clocks named in comments and names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brg::engine {

struct SourceLine {
  int number = 0;         // from 1
  std::string_view text;  // without the line end
};

std::vector<SourceLine> SplitLines(std::string_view text);

// The settings of a configuration line, NAME = VALUE separated by commas, as #pragma config,
// CONFIG and the like write them: each name and value trimmed; a part without = is no setting.
std::vector<std::pair<std::string_view, std::string_view>> SettingsOf(std::string_view text);

// The operands of a configuration word, "_CONFIG1, _FOSC_INTOSC & _WDTE_OFF": the word named
// before a comma ("" where none) and each token without its leading underscores.
struct ConfigWordTokens {
  std::string_view word;
  std::vector<std::string_view> tokens;
};
ConfigWordTokens ConfigTokensOf(std::string_view operands);

// The register a bit-field struct names: U1MODE for U1MODEbits, any case; the name itself
// otherwise.
std::string_view WithoutBitsSuffix(std::string_view name);

// NUL bytes, or mostly control bytes: not source text. Bytes above 0x7F in any encoding are text.
bool LooksBinary(std::string_view text);

// A baud rate that a comment names: "9600 baud", "19200bps", "baud set to 2400", "@ 9600",
// "~19200 (19231)", "9600 8N1"; the first one.
std::optional<double> RateInComment(std::string_view comment);

// A name that stands for the rate (BAUD, BAUD_RATE, UART_BAUD, BAUDRATE, ...).
bool RateName(std::string_view name);

// A name in the rate register's expression that stands for the rate: a rate name, or another
// name (rate, bps, speed) with a standard rate as its value that names no divisor or clock.
bool RateInTheExpression(std::string_view name, std::int64_t value);

// A rate people set a UART to: the standard rates, 110, 31250 (MIDI), 460800, 500000, 921600
// and 1000000.
bool StandardRate(double value);

// A name that stands for the oscillator in Hz or MHz (_XTAL_FREQ, FOSC, F_CPU, SYS_FREQ, ...),
// for the instruction clock (FCY), and for PIC32's peripheral bus clock (PB_FREQ, PBCLK,
// PBCLK2_FREQ, GetPeripheralClock, FPB).
bool ClockName(std::string_view name);
bool InstructionClockName(std::string_view name);
bool PeripheralClockName(std::string_view name);

// A clock value in MHz from the number a source gives: Hz above 1000, MHz otherwise.
double ClockMHz(double value);

}  // namespace brg::engine
