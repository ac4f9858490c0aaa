// Constant expressions as the source languages of a serial setup compute them: C with its
// integer rules (the compiler's int width, truncating division, U and L suffixes, casts, shifts,
// masks, ?:), the BASIC compiler's constants, and the assembler's (radix, D'..' and H'..'
// literals, high, low, upper). Names are resolved through the caller: macros (object-like and
// function-like), constants and parameters. Knows no register and no port.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brg::engine {

enum class ExpressionDialect { C, Basic, Asm };

// A macro of the C preprocessor (or the assembler's #define): its parameters, if it is
// function-like, and its body.
struct Macro {
  bool functionLike = false;
  std::vector<std::string> parameters;
  std::string body;
};

struct ExpressionContext {
  ExpressionDialect dialect = ExpressionDialect::C;
  int intBits = 16;  // C: the compiler's int (16 on XC8, HI-TECH, C18, SDCC and XC16, 32 on XC32)
  int radix = 16;    // the assembler's default radix
  // A macro by name, or nothing.
  std::function<const Macro*(std::string_view)> macro;
  // The value of a constant, variable or parameter by name, or nothing.
  std::function<std::optional<std::int64_t>(std::string_view)> value;
  // In a preprocessor condition a name without a value counts as 0, and `defined` is known.
  bool preprocessor = false;
};

struct ExpressionResult {
  std::optional<std::int64_t> value;  // nothing when it cannot be worked out
  std::string unknown;  // the first name that has no value: a run-time value, or a typo
  std::string problem;  // a syntax the evaluator does not read, a division by zero
  // C: an operation whose result does not fit its type, as "16 * 9600" with a 16-bit int; the
  // value is then the wrapped one, as the compiler computes it.
  std::string overflow;
  // The value before the outermost mask, narrowing cast or byte operator, when that changed
  // it: 519 for (uint8_t)519, for 519 & 0xFF and for low 519; 6400 for high 6400.
  std::optional<std::int64_t> beforeNarrowing;
  // Whether beforeNarrowing was narrowed to the result (a cast to a narrower type, a low-bit
  // mask that dropped high bits, low): what the source meant for the register. Not so for
  // high and upper, which take another byte of it.
  bool narrowed = false;

  // The value the source meant before narrowing it, or nothing.
  std::optional<std::int64_t> Intended() const { return narrowed ? beforeNarrowing : std::nullopt; }
};

ExpressionResult EvaluateExpression(std::string_view text, const ExpressionContext& context);

// A literal number of the dialect: 25, 0x19, 25U, 19h, $19, %11001, D'25', .25, B'11001'.
std::optional<std::int64_t> ReadNumber(std::string_view text, const ExpressionContext& context);

}  // namespace brg::engine
