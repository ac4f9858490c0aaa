// Constant expressions in each source language's own arithmetic: C's types and their overflow,
// casts and masks, macros, the BASIC compiler's literals and the assembler's radix and high/low.
#include "engine/check/source_expression.h"

#include <gtest/gtest.h>

#include <map>

namespace brg::engine {
namespace {

struct ExpressionRow {
  std::string name;
  ExpressionDialect dialect;
  std::string text;
  std::optional<std::int64_t> value;
  std::string unknown;  // "" when every name is known
  bool overflow = false;
  std::optional<std::int64_t> beforeNarrowing = std::nullopt;
};

void PrintTo(const ExpressionRow& row, std::ostream* out) {
  *out << row.name;
}

const std::map<std::string, Macro>& Macros() {
  static const std::map<std::string, Macro> kMacros{
      {"_XTAL_FREQ", {false, {}, "4000000"}},
      {"FOSC", {false, {}, "20000000UL"}},
      {"BAUD", {false, {}, "9600"}},
      {"BAUDL", {false, {}, "9600UL"}},
      {"BRG", {true, {"f", "b"}, "((f) / 16 / (b) - 1)"}},
      {"SELF", {false, {}, "SELF + 1"}},
      {"EMPTY", {false, {}, ""}},
      {"SUM", {false, {}, "1 + 2"}},
      {"TWICE_SUM", {false, {}, "SUM * 2"}},
  };
  return kMacros;
}

ExpressionContext Context(ExpressionDialect dialect) {
  ExpressionContext context;
  context.dialect = dialect;
  context.radix = 16;
  context.macro = [](std::string_view name) -> const Macro* {
    auto found = Macros().find(std::string(name));
    return found == Macros().end() ? nullptr : &found->second;
  };
  context.value = [](std::string_view name) -> std::optional<std::int64_t> {
    if (name == "baud") {
      return 19200;
    }
    return std::nullopt;
  };
  return context;
}

class ExpressionTest : public testing::TestWithParam<ExpressionRow> {};

TEST_P(ExpressionTest, ComputesAsTheLanguageDoes) {
  const ExpressionRow& row = GetParam();
  ExpressionResult result = EvaluateExpression(row.text, Context(row.dialect));
  EXPECT_EQ(result.value, row.value) << result.problem;
  EXPECT_EQ(result.unknown, row.unknown);
  EXPECT_EQ(!result.overflow.empty(), row.overflow) << result.overflow;
  EXPECT_EQ(result.beforeNarrowing, row.beforeNarrowing);
}

using D = ExpressionDialect;

INSTANTIATE_TEST_SUITE_P(
    Texts, ExpressionTest,
    testing::Values(
        ExpressionRow{"TruncatingDivision", D::C, "(_XTAL_FREQ/16/BAUD) - 1", 25, ""},
        ExpressionRow{"NegativeDivisionTruncatesTowardZero", D::C, "-7 / 2", -3, ""},
        ExpressionRow{"IntOverflowsAt16Bits", D::C, "16 * BAUD", 22528, "", true},
        ExpressionRow{"LongSuffixAvoidsIt", D::C, "16L * BAUD", 153600, ""},
        ExpressionRow{"UnsignedLongConstant", D::C, "FOSC / (16UL * BAUD) - 1", 129, ""},
        ExpressionRow{"ALongOperandWidens", D::C, "_XTAL_FREQ / (16 * BAUDL)", 26, ""},
        ExpressionRow{"BigConstantIsLong", D::C, "40000 * 2", 80000, ""},
        ExpressionRow{"UnsignedIntWrapsSilently", D::C, "65535U + 1", 0, ""},
        ExpressionRow{"CastNarrows", D::C, "(uint8_t)(FOSC / 16 / 2400 - 1)", 7, "", false, 519},
        ExpressionRow{"UnsignedCharCast", D::C, "(unsigned char)300", 44, "", false, 300},
        ExpressionRow{"MaskNarrows", D::C, "519 & 0xFF", 7, "", false, 519},
        ExpressionRow{"MaskThatChangesNothing", D::C, "25 & 0xFF", 25, ""},
        ExpressionRow{"HighByteByShift", D::C, "(1666 >> 8) & 0xFF", 6, ""},
        ExpressionRow{"Ternary", D::C, "1 ? 16 : 64", 16, ""},
        ExpressionRow{"TernaryOnAComparison", D::C, "BAUD > 19200 ? 1 : 0", 0, ""},
        ExpressionRow{"FunctionLikeMacro", D::C, "BRG(20000000UL, 9600UL)", 129, ""},
        ExpressionRow{"MacrosAsArguments", D::C, "BRG(FOSC, BAUDL)", 129, ""},
        // a macro in a macro's body is text too: 1 + 2 * 2, not 6
        ExpressionRow{"AMacroInAMacroBody", D::C, "TWICE_SUM", 5, ""},
        ExpressionRow{"ARunTimeValue", D::C, "_XTAL_FREQ / (16 * speed) - 1", std::nullopt,
                      "speed"},
        ExpressionRow{"AParameterWithAValue", D::C, "_XTAL_FREQ / (16 * baud) - 1", 12, ""},
        ExpressionRow{"HexBinaryOctal", D::C, "0x24 | 0b10000000 | 010", 0xAC, ""},
        ExpressionRow{"LogicalAndComparison", D::C, "(BAUD == 9600) && !0", 1, ""},
        ExpressionRow{"SelfReferenceStops", D::C, "SELF", std::nullopt, ""},
        ExpressionRow{"DivisionByZero", D::C, "1 / 0", std::nullopt, ""},
        ExpressionRow{"ComparisonsAtEquality", D::C,
                      "(5 > 5) + (5 < 5) * 2 + (5 >= 5) * 4 + (5 <= 5) * 8", 12, ""},
        ExpressionRow{"UnsignedComparisonsAtEquality", D::C,
                      "(5U > 5U) + (5U < 5U) * 2 + (5U >= 5U) * 4 + (5U <= 5U) * 8", 12, ""},
        ExpressionRow{"AsmShortestQuotedForms", D::Asm, "D'9' + B'1'", 10, ""},
        ExpressionRow{"AnUnsignedRightOperandMakesItUnsigned", D::C, "5 - 10U", 65531, ""},
        ExpressionRow{"AnUnsignedLeftOperandMakesItUnsigned", D::C, "10U - 15", 65531, ""},
        // the signed operand is converted to the 16-bit unsigned int before the operation
        ExpressionRow{"ARemainderOfANegativeByAnUnsigned", D::C, "-2 % 3U", 2, ""},  // not -2
        ExpressionRow{"MinusOneEqualsTheLargestUnsignedInt", D::C, "-1 == 65535U", 1, ""},
        ExpressionRow{"BasicLiterals", D::Basic, "$24 | %10000000", 0xA4, ""},
        ExpressionRow{"BasicModulus", D::Basic, "100 // 7", 2, ""},
        ExpressionRow{"AsmDecimalForms", D::Asm, "D'25' + .25", 50, ""},
        ExpressionRow{"AsmHexRadix", D::Asm, "25", 0x25, ""},
        ExpressionRow{"AsmQuotedForms", D::Asm, "H'19' + B'101' + O'17'", 0x19 + 5 + 15, ""},
        ExpressionRow{"AsmHSuffix", D::Asm, "19h", 0x19, ""},
        ExpressionRow{"AsmHighLow", D::Asm, "high D'1666' + low D'1666'", 6 + 130, ""},
        ExpressionRow{"AsmUpper", D::Asm, "upper 0x123456", 0x12, "", false, 0x123456}),
    [](const testing::TestParamInfo<ExpressionRow>& info) { return info.param.name; });

// What the source meant before narrowing it comes of a narrowing alone: a cast, a low-bit mask
// that drops high bits (on either side of the &), low; not of high and upper, nor of a mask
// that drops none.
TEST(Expression, OnlyANarrowingGivesTheIntendedValue) {
  ExpressionContext asm_ = Context(D::Asm);
  EXPECT_EQ(EvaluateExpression("low D'281'", asm_).Intended(), 281);
  EXPECT_EQ(EvaluateExpression("high D'6400'", asm_).Intended(), std::nullopt);
  EXPECT_EQ(EvaluateExpression("upper D'1638400'", asm_).Intended(), std::nullopt);
  ExpressionContext c = Context(D::C);
  EXPECT_EQ(EvaluateExpression("(uint8_t)519", c).Intended(), 519);
  EXPECT_EQ(EvaluateExpression("519 & 0xFF", c).Intended(), 519);
  EXPECT_EQ(EvaluateExpression("0xFF & 519", c).Intended(), 519);
  EXPECT_EQ(EvaluateExpression("0x3F & 0x19", c).Intended(), std::nullopt);
  EXPECT_EQ(EvaluateExpression("519 & 0x1F0", c).Intended(), std::nullopt);  // no low-bit mask
}

TEST(Expression, PreprocessorConditionsKnowDefinedAndTakeUnknownNamesAsZero) {
  ExpressionContext context = Context(D::C);
  context.preprocessor = true;
  EXPECT_EQ(EvaluateExpression("defined(BAUD) && !defined NOPE", context).value, 1);
  EXPECT_EQ(EvaluateExpression("NOPE == 0", context).value, 1);
  EXPECT_EQ(EvaluateExpression("_XTAL_FREQ >= 4000000", context).value, 1);
}

TEST(Expression, ProblemsAreNamed) {
  ExpressionContext context = Context(D::C);
  EXPECT_EQ(EvaluateExpression("1 +", context).problem, "the expression ends too soon");
  EXPECT_EQ(EvaluateExpression("(1 + 2", context).problem, "a ( without its )");
  EXPECT_EQ(EvaluateExpression("1 # 2", context).problem, "the character \"#\" is not read");
  EXPECT_EQ(EvaluateExpression("1 2", context).problem, "the text after \"1\" is not read");
}

TEST(Expression, ReadNumberTakesOneWholeLiteral) {
  ExpressionContext c = Context(D::C);
  EXPECT_EQ(ReadNumber("0x19", c), 25);
  EXPECT_EQ(ReadNumber("25UL", c), 25);
  EXPECT_EQ(ReadNumber("25 + 1", c), std::nullopt);
  ExpressionContext basic = Context(D::Basic);
  EXPECT_EQ(ReadNumber("$19", basic), 25);
  EXPECT_EQ(ReadNumber("%11001", basic), 25);
  ExpressionContext asm_ = Context(D::Asm);
  asm_.radix = 10;
  EXPECT_EQ(ReadNumber("25", asm_), 25);
  EXPECT_EQ(ReadNumber("B'00011001'", asm_), 25);
}

}  // namespace
}  // namespace brg::engine
