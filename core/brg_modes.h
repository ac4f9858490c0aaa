// Every mode of the PIC baud-rate generators, classic and enhanced USART and the UARTs of the
// newer parts, and the exact best register value for a wanted rate in each. n is the rate
// register (SPBRGH:SPBRG, SPBRG alone in the 8-bit modes, UxBRG); the rate is
// clock / (divisor (n + 1)), in the fractional mode clock / n. The clock is the generator's own:
// Fosc on the 8-bit parts, a divided clock on others (the caller divides).
//
// Pure functions without state, apart from what the window's own Calculate does (see
// spbrg_settlement.h): here the minimum is exact, found from the floor and the ceiling of the
// exact quotient and the register's ends, never by trying every n.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace brg {

enum class BrgMode : std::uint8_t {
  Async8Div64,
  Async8Div16,
  Async16Div16,
  Async16Div4,
  Sync8,
  Sync16,
  Fractional  // the fractional generator of the dsPIC33C UART
};

struct ModeInfo {
  std::string_view name;  // 8/64, 8/16, 16/16, 16/4, sync8, sync16, frac
  bool sync;              // SYNC: a master clock, not a UART rate
  bool brg16;             // BRG16: the 16-bit register pair (or wider)
  bool brgh;              // BRGH (ignored in the synchronous modes)
  int divisor;
  std::int32_t nMin;  // the register's ends on the classic parts; a port may have others
  std::int32_t nMax;  // 255 or 65535
  int offset;         // the rate divides by divisor (n + offset)
};

// The ends of a rate register.
struct BrgRange {
  std::int32_t low = 0;
  std::int32_t high = 0;
};

const ModeInfo& InfoOf(BrgMode mode);
std::optional<BrgMode> ModeByName(std::string_view name);

inline constexpr std::array<BrgMode, 6> kAllModes{BrgMode::Async8Div64,  BrgMode::Async8Div16,
                                                  BrgMode::Async16Div16, BrgMode::Async16Div4,
                                                  BrgMode::Sync8,        BrgMode::Sync16};
inline constexpr std::array<BrgMode, 4> kAsyncModes{BrgMode::Async8Div64, BrgMode::Async8Div16,
                                                    BrgMode::Async16Div16, BrgMode::Async16Div4};
// Every mode by name, the fractional one too.
inline constexpr std::array<BrgMode, 7> kEveryMode{
    BrgMode::Async8Div64, BrgMode::Async8Div16, BrgMode::Async16Div16, BrgMode::Async16Div4,
    BrgMode::Sync8,       BrgMode::Sync16,      BrgMode::Fractional};

// The mode's own register ends.
BrgRange DefaultRange(BrgMode mode);

// Where the wanted rate lies for a mode: within its register, or beyond one of its ends.
enum class Reach : std::uint8_t {
  Within,
  // The exact n lies more than half a step below the lowest n (the wanted rate is above twice
  // the rate of n = 0): n stays at the lowest.
  TooFast,
  // The exact n lies more than half a step above the highest n: clamped at the highest.
  TooSlow,
};

struct ModeSetting {
  BrgMode mode{};
  std::int32_t n = 0;
  double actualBaud = 0;
  double errorRatio = 0;  // (actual - wanted) / wanted
  Reach reach = Reach::Within;

  std::uint8_t spbrgh() const { return static_cast<std::uint8_t>(n >> 8); }
  std::uint8_t spbrg() const { return static_cast<std::uint8_t>(n & 0xFF); }
  // n = 0 in 16/4 is a known trouble spot of some parts' generators.
  bool troubleSpot() const { return mode == BrgMode::Async16Div4 && n == 0; }
};

// The rate and error of a given n, which must lie within the mode's register.
ModeSetting EvaluateMode(double clockMHz, double wantedBaud, BrgMode mode, std::int32_t n);

// The n of the smallest absolute error within the register's ends; clockMHz and wantedBaud
// positive and finite.
ModeSetting BestInMode(double clockMHz, double wantedBaud, BrgMode mode, BrgRange range);
ModeSetting BestInMode(double clockMHz, double wantedBaud, BrgMode mode);

// Which of two asynchronous settings is better: the lower absolute error; on a tie an 8-bit
// mode before a 16-bit one (fewer registers, works on every part), then BRGH set before clear,
// and a divide-by mode before the fractional one. A setting beyond its register's reach never
// beats one within.
bool Better(const ModeSetting& candidate, const ModeSetting& incumbent);

}  // namespace brg
