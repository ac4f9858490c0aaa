// The C expression evaluator against an evaluation of its own: the fuzzer's bytes build an
// expression tree of unsigned long constants (32 bits, as XC8 has them), which is printed as C
// text for the evaluator and computed here directly in uint32_t. The two must agree, a division
// by zero must give no value, and no input may crash the evaluator (the bytes as text too).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/check/source_expression.h"

namespace {

using brg::engine::EvaluateExpression;
using brg::engine::ExpressionContext;
using brg::engine::ExpressionDialect;

struct Bytes {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t Next() {
    if (size == 0) {
      return 0;
    }
    --size;
    return *data++;
  }
};

// Builds an expression of at most `depth` levels: its C text and its value (nothing after a
// division by zero).
std::optional<std::uint32_t> Build(Bytes& bytes, int depth, std::string& text) {
  std::uint8_t choice = bytes.Next();
  if (depth == 0 || choice < 64) {
    std::uint32_t value = bytes.Next() | (static_cast<std::uint32_t>(bytes.Next()) << 8) |
                          (static_cast<std::uint32_t>(bytes.Next() & 0x3F) << 16);
    text = std::to_string(value) + "UL";
    return value;
  }
  std::string left;
  std::string right;
  if (choice < 80) {
    std::optional<std::uint32_t> operand = Build(bytes, depth - 1, left);
    text = "~(" + left + ")";
    return operand ? std::optional<std::uint32_t>(~*operand) : std::nullopt;
  }
  if (choice < 96) {
    std::string third;
    std::optional<std::uint32_t> condition = Build(bytes, depth - 1, left);
    std::optional<std::uint32_t> yes = Build(bytes, depth - 1, right);
    std::optional<std::uint32_t> no = Build(bytes, depth - 1, third);
    text = "(" + left + ") ? (" + right + ") : (" + third + ")";
    if (!condition || !yes || !no) {
      return std::nullopt;
    }
    return *condition != 0 ? yes : no;
  }
  static const char* const kOps[] = {"+", "-", "*", "/", "%", "&", "|", "^", "<<", ">>", "<", "=="};
  const char* op = kOps[choice % 12];
  std::optional<std::uint32_t> a = Build(bytes, depth - 1, left);
  std::optional<std::uint32_t> b = Build(bytes, depth - 1, right);
  std::string o = op;
  if (o == "<<" || o == ">>") {
    right = std::to_string(bytes.Next() % 32);
    b = static_cast<std::uint32_t>(std::stoul(right));
  }
  text = "(" + left + ") " + o + " (" + right + ")";
  if (o == "<" || o == "==") {
    text = "(unsigned long)(" + text + ")";  // C gives a comparison the type int
  }
  if (!a || !b) {
    return std::nullopt;
  }
  std::uint32_t x = *a;
  std::uint32_t y = *b;
  if ((o == "/" || o == "%") && y == 0) {
    return std::nullopt;
  }
  if (o == "+")
    return x + y;
  if (o == "-")
    return x - y;
  if (o == "*")
    return x * y;
  if (o == "/")
    return x / y;
  if (o == "%")
    return x % y;
  if (o == "&")
    return x & y;
  if (o == "|")
    return x | y;
  if (o == "^")
    return x ^ y;
  if (o == "<<")
    return x << y;
  if (o == ">>")
    return x >> y;
  if (o == "<")
    return x < y ? 1U : 0U;
  return x == y ? 1U : 0U;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ExpressionContext context;
  context.dialect = ExpressionDialect::C;
  context.intBits = 16;
  EvaluateExpression(std::string(reinterpret_cast<const char*>(data), size), context);
  Bytes bytes{data, size};
  std::string text;
  std::optional<std::uint32_t> expected = Build(bytes, 6, text);
  brg::engine::ExpressionResult result = EvaluateExpression(text, context);
  std::optional<std::uint32_t> got;
  if (result.value) {
    got = static_cast<std::uint32_t>(*result.value);
  }
  if (got != expected) {
    std::fprintf(stderr, "broken: %s gives %s, expected %s\n", text.c_str(),
                 got ? std::to_string(*got).c_str() : "nothing",
                 expected ? std::to_string(*expected).c_str() : "nothing");
    std::abort();
  }
  return 0;
}
