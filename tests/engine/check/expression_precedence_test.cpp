// Each language's operators, one row a case: the precedence and the grouping of every binary
// operator, the unary operators, casts, ?:, the assemblers' high, low and upper and the literal
// forms of each language. Every expression is chosen so that a wrong precedence, a wrong
// grouping or one operator taken for another gives another value; the value beside it is worked
// out by hand, with the wrong readings in the comments. Then the same operators through each
// reader, as the value of the rate register in a whole setup.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/check/source_expression.h"
#include "tests/engine/check/snippet_check.h"

namespace brg::engine {
namespace {

using D = ExpressionDialect;

struct OperatorRow {
  std::string name;
  D dialect;
  std::string text;
  std::optional<std::int64_t> value;
  int radix = 10;  // the assembler's
};

void PrintTo(const OperatorRow& row, std::ostream* out) {
  *out << row.name << ": " << row.text;
}

class Operators : public testing::TestWithParam<OperatorRow> {};

TEST_P(Operators, GroupAndBindAsTheLanguageDoes) {
  const OperatorRow& row = GetParam();
  ExpressionContext context;
  context.dialect = row.dialect;
  context.intBits = 16;  // XC8, HI-TECH C, C18 and SDCC
  context.radix = row.radix;
  ExpressionResult result = EvaluateExpression(row.text, context);
  EXPECT_EQ(result.value, row.value) << result.problem << result.unknown;
}

std::string RowName(const testing::TestParamInfo<OperatorRow>& info) {
  return info.param.name;
}

// C with a 16-bit int. Left to right within a level, except ?: (right to left).
INSTANTIATE_TEST_SUITE_P(
    C, Operators,
    testing::Values(
        // grouping within one level
        OperatorRow{"SubtractionsGroupLeft", D::C, "100 - 10 - 5", 85},           // not 95
        OperatorRow{"SubtractionThenAdditionGroupLeft", D::C, "10 - 2 + 3", 11},  // not 5
        OperatorRow{"DivisionsGroupLeft", D::C, "64 / 4 / 2", 8},                 // not 32
        OperatorRow{"DivisionThenProductGroupLeft", D::C, "12 / 4 * 3", 9},       // not 1
        OperatorRow{"ProductThenDivisionGroupLeft", D::C, "7 * 3 / 2", 10},       // not 7
        OperatorRow{"RemaindersGroupLeft", D::C, "100 % 7 % 3", 2},               // not 0
        OperatorRow{"RemainderThenProductGroupLeft", D::C, "17 % 5 * 3", 6},      // not 2
        OperatorRow{"RightShiftsGroupLeft", D::C, "256 >> 2 >> 1", 32},           // not 128
        OperatorRow{"LeftShiftsGroupLeft", D::C, "2 << 1 << 2", 16},              // not 32
        OperatorRow{"RelationalsGroupLeft", D::C, "5 > 3 > 1", 0},                // not 1
        OperatorRow{"EqualitiesGroupLeft", D::C, "1 == 2 == 0", 1},               // not 0
        OperatorRow{"ConditionalsGroupRight", D::C, "1 ? 2 : 0 ? 3 : 4", 2},      // not 3
        OperatorRow{"AConditionBetweenQuestionAndColon", D::C, "1 ? 0 ? 5 : 6 : 7", 6},
        // one level above the next, loosest last
        OperatorRow{"ProductBeforeSum", D::C, "2 + 3 * 4", 14},              // not 20
        OperatorRow{"QuotientBeforeDifference", D::C, "20 - 6 / 2", 17},     // not 7
        OperatorRow{"RemainderBeforeSum", D::C, "7 + 10 % 4", 9},            // not 1
        OperatorRow{"SumBeforeLeftShift", D::C, "1 << 2 + 1", 8},            // not 5
        OperatorRow{"DifferenceBeforeRightShift", D::C, "64 >> 3 - 1", 16},  // not 7
        OperatorRow{"LeftShiftBeforeRelational", D::C, "1 << 3 < 9", 1},     // not 2
        OperatorRow{"RightShiftBeforeRelational", D::C, "16 >> 2 > 3", 1},   // not 16
        OperatorRow{"RelationalBeforeEquality", D::C, "3 < 2 == 0", 1},      // not 0
        OperatorRow{"RelationalBeforeInequality", D::C, "4 > 2 != 1", 0},
        // each relational operator on the right of an equality, and of a shift
        OperatorRow{"GreaterBeforeEquality", D::C, "1 == 2 > 1", 1},            // not 0
        OperatorRow{"LessBeforeEquality", D::C, "2 == 1 < 3", 0},               // not 1
        OperatorRow{"LessOrEqualBeforeEquality", D::C, "2 == 1 <= 3", 0},       // not 1
        OperatorRow{"GreaterOrEqualBeforeEquality", D::C, "1 == 2 >= 1", 1},    // not 0
        OperatorRow{"GreaterBeforeInequality", D::C, "0 != 2 > 1", 1},          // not 0
        OperatorRow{"ShiftBeforeGreater", D::C, "9 > 1 << 3", 1},               // not 8
        OperatorRow{"ShiftBeforeLess", D::C, "1 < 1 << 3", 1},                  // not 0
        OperatorRow{"ShiftBeforeLessOrEqual", D::C, "1 <= 1 << 3", 1},          // not 8
        OperatorRow{"ShiftBeforeGreaterOrEqual", D::C, "9 >= 1 << 3", 1},       // not 8
        OperatorRow{"RightShiftOnTheRightBeforeLess", D::C, "3 < 16 >> 2", 1},  // not 0
        OperatorRow{"InequalityBeforeBitAnd", D::C, "6 & 3 != 1", 0},           // not 1
        OperatorRow{"BitOrOnTheRightBeforeLogicalAnd", D::C, "0 && 2 | 1", 0},  // not 1
        OperatorRow{"ProductThenRemainderGroupLeft", D::C, "2 * 7 % 4", 2},  // not 6      // not 1
        OperatorRow{"EqualityBeforeBitAnd", D::C, "6 & 2 == 2", 0},          // not 1
        OperatorRow{"BitAndBeforeXorOnTheRight", D::C, "6 ^ 3 & 5", 7},      // not 5
        OperatorRow{"BitAndBeforeXorOnTheLeft", D::C, "3 & 5 ^ 6", 7},       // not 3
        OperatorRow{"XorBeforeBitOr", D::C, "12 | 10 ^ 6", 12},              // not 8
        OperatorRow{"BitAndBeforeBitOrOnTheLeft", D::C, "6 & 3 | 8", 10},    // not 2
        OperatorRow{"BitAndBeforeBitOrOnTheRight", D::C, "8 | 6 & 3", 10},   // not 2
        OperatorRow{"BitOrBeforeLogicalAnd", D::C, "2 | 1 && 0", 0},         // not 2
        OperatorRow{"BitAndBeforeLogicalAnd", D::C, "1 && 2 & 1", 0},        // not 1
        OperatorRow{"LogicalAndBeforeLogicalOr", D::C, "1 || 0 && 0", 1},    // not 0
        OperatorRow{"LogicalOrBeforeConditional", D::C, "0 || 1 ? 7 : 8", 7},  // not 1
        OperatorRow{"SumBeforeConditional", D::C, "1 + 1 ? 5 : 6", 5},         // not 6
        OperatorRow{"TheElseOperandTakesAWholeSum", D::C, "0 ? 5 : 6 + 1", 7},
        OperatorRow{"ParenthesesFirst", D::C, "(2 + 3) * (7 - 2)", 25},
        // unary operators bind tighter than any binary one
        OperatorRow{"NegationBeforeSum", D::C, "-3 + 5", 2},       // not -8
        OperatorRow{"NotBeforeSum", D::C, "!2 + 1", 1},            // not 0
        OperatorRow{"NotBeforeProduct", D::C, "!0 * 5", 5},        // not 1
        OperatorRow{"ComplementBeforeBitAnd", D::C, "~1 & 7", 6},  // not -2
        OperatorRow{"NegationTwice", D::C, "- -5", 5},
        OperatorRow{"NegativeTimesNegative", D::C, "-2 * -3", 6},
        OperatorRow{"UnaryPlusAndMinus", D::C, "+7 - -2", 9},
        OperatorRow{"ComplementIsNoNegation", D::C, "~5", -6},  // not -5
        OperatorRow{"NotOfNonZero", D::C, "!5", 0},
        // each operator is itself
        OperatorRow{"LogicalAndIsNoBitAnd", D::C, "4 && 2", 1},  // 4 & 2 is 0
        OperatorRow{"LogicalOrIsNoBitOr", D::C, "4 || 2", 1},    // 4 | 2 is 6
        OperatorRow{"Xor", D::C, "6 ^ 3", 5}, OperatorRow{"BitOr", D::C, "6 | 3", 7},
        OperatorRow{"BitAnd", D::C, "6 & 3", 2},
        OperatorRow{"RemainderIsNoQuotient", D::C, "7 % 4", 3},
        OperatorRow{"QuotientTruncates", D::C, "7 / 4", 1},
        OperatorRow{"EveryComparisonOnUnequalOperands", D::C,
                    "(3 > 2) + (3 < 2) * 2 + (2 >= 3) * 4 + (2 <= 3) * 8 + (2 != 3) * 16 + "
                    "(2 == 3) * 32",
                    25},  // 1 + 8 + 16
        // truncation toward zero, and the remainder's sign follows the dividend
        OperatorRow{"QuotientByANegativeTruncatesTowardZero", D::C, "7 / -2", -3},
        OperatorRow{"RemainderOfANegativeDividend", D::C, "-7 % 3", -1},
        OperatorRow{"RemainderByANegativeDivisor", D::C, "7 % -3", 1},
        OperatorRow{"QuotientAndRemainderMakeTheDividend", D::C, "-7 / 2 * 2 + -7 % 2", -7},
        // shifts of signed and unsigned operands
        OperatorRow{"SignedRightShiftKeepsTheSign", D::C, "-16 >> 2", -4},
        OperatorRow{"AHexConstantAbove32767IsAnUnsignedInt", D::C, "0xFFF0 >> 4", 4095},
        OperatorRow{"AnUnsignedSuffixShiftsInZeros", D::C, "65520U >> 4", 4095},
        OperatorRow{"ACastToInt16ShiftsInOnes", D::C, "(int16_t)0xFFF0 >> 4", -1},
        OperatorRow{"ASignedCharCastShiftsInOnes", D::C, "(signed char)0x80 >> 1", -64},
        OperatorRow{"AnUnsignedCastShiftsInZeros", D::C, "(unsigned)-1 >> 8", 255},
        // a signed operand meets an unsigned one: it is converted to the 16-bit unsigned int
        OperatorRow{"AnUnsignedDivisorMakesTheDividendUnsigned", D::C, "-2 / 2U", 32767},
        OperatorRow{"AnUnsignedCastDividend", D::C, "(unsigned)-2 / 2", 32767},
        OperatorRow{"MinusOneIsAboveOneWhenUnsigned", D::C, "-1 < 1U", 0},
        // casts bind as unary operators and narrow to their type
        OperatorRow{"CastBeforeProduct", D::C, "(uint8_t)200 * 2", 400},  // not 144
        OperatorRow{"CastOfAProduct", D::C, "(uint8_t)(200 * 2)", 144},
        OperatorRow{"CastBeforeSum", D::C, "(unsigned char)-1 + 1", 256},  // not 0
        OperatorRow{"CastToInt8", D::C, "(int8_t)200", -56},
        OperatorRow{"CastToUint16", D::C, "(uint16_t)-1", 65535},
        OperatorRow{"PlainCharIsUnsigned", D::C, "(char)200", 200},  // not -56
        OperatorRow{"ALongCastWidensTheProduct", D::C, "(long)16 * 9600", 153600},
        // literals
        OperatorRow{"HexBinaryOctalDecimalAndSuffixes", D::C,
                    "0x19 + 0X1a + 0b11001 + 031 + 25U + 25L + 25UL", 176},  // 26 and six 25s
        OperatorRow{"ACharacterLiteral", D::C, "'A' - 40", 25}),
    RowName);

// The assemblers: C's levels, high, low and upper as unary operators, 64-bit arithmetic.
INSTANTIATE_TEST_SUITE_P(
    Asm, Operators,
    testing::Values(OperatorRow{"SubtractionsGroupLeft", D::Asm, "100 - 10 - 5", 85},
                    OperatorRow{"DivisionsGroupLeft", D::Asm, "64 / 4 / 2", 8},
                    OperatorRow{"RemaindersGroupLeft", D::Asm, "100 % 7 % 3", 2},
                    OperatorRow{"RightShiftsGroupLeft", D::Asm, "256 >> 2 >> 1", 32},
                    OperatorRow{"ProductBeforeSum", D::Asm, "2 + 3 * 4", 14},
                    OperatorRow{"QuotientBeforeDifference", D::Asm, "20 - 6 / 2", 17},
                    OperatorRow{"SumBeforeLeftShift", D::Asm, "1 << 2 + 1", 8},
                    OperatorRow{"RelationalBeforeEquality", D::Asm, "3 < 2 == 0", 1},
                    OperatorRow{"BitAndBeforeBitOr", D::Asm, "6 & 3 | 8", 10},
                    OperatorRow{"BitAndBeforeXor", D::Asm, "6 ^ 3 & 5", 7},
                    OperatorRow{"XorBeforeBitOr", D::Asm, "12 | 10 ^ 6", 12},
                    OperatorRow{"LogicalAndBeforeLogicalOr", D::Asm, "1 || 0 && 0", 1},
                    OperatorRow{"LogicalAndIsNoBitAnd", D::Asm, "4 && 2", 1},
                    OperatorRow{"NegationBeforeSum", D::Asm, "-3 + 5", 2},
                    OperatorRow{"ComplementBeforeBitAnd", D::Asm, "~1 & 7", 6},
                    OperatorRow{"NotBeforeSum", D::Asm, "!2 + 1", 1},
                    OperatorRow{"SignedRightShift", D::Asm, "-16 >> 2", -4},
                    OperatorRow{"HighBeforeSum", D::Asm, "high 512 + 256", 258},  // not 3
                    OperatorRow{"LowBeforeSum", D::Asm, "low 255 + 1", 256},      // not 0
                    OperatorRow{"UpperBeforeSum", D::Asm, "upper 65536 + 1", 2},  // not 1
                    OperatorRow{"HighOfAParenthesisedSum", D::Asm, "high (512 + 256)", 3},
                    OperatorRow{"HighIsTheSecondByte", D::Asm, "high 0x123456", 0x34},
                    OperatorRow{"LowIsTheFirstByte", D::Asm, "low 0x123456", 0x56},
                    OperatorRow{"UpperIsTheThirdByte", D::Asm, "upper 0x123456", 0x12},
                    OperatorRow{"HighAndLowInLowerCaseAndUpperCase", D::Asm,
                                "HIGH .1666 * .256 + LOW .1666", 1666},
                    // literal forms, in the radix they do not depend on and in the one they do
                    OperatorRow{"QuotedDecimal", D::Asm, "D'25'", 25, 16},
                    OperatorRow{"QuotedDecimalInLowerCase", D::Asm, "d'25'", 25, 16},
                    OperatorRow{"QuotedHex", D::Asm, "H'19'", 25, 10},
                    OperatorRow{"QuotedHexInLowerCase", D::Asm, "h'1f'", 31, 10},
                    OperatorRow{"QuotedBinary", D::Asm, "B'11001'", 25, 10},
                    OperatorRow{"QuotedBinaryInLowerCase", D::Asm, "b'11001'", 25, 16},
                    OperatorRow{"QuotedOctal", D::Asm, "O'31'", 25, 10},
                    OperatorRow{"LeadingPeriodIsDecimal", D::Asm, ".25", 25, 16},
                    OperatorRow{"HSuffixIsHex", D::Asm, "19h", 25, 10},
                    OperatorRow{"ZeroXIsHex", D::Asm, "0x19", 25, 10},
                    OperatorRow{"BareDigitsInHexRadix", D::Asm, "19", 25, 16},
                    OperatorRow{"BareDigitsInDecimalRadix", D::Asm, "25", 25, 10},
                    OperatorRow{"BareDigitsInOctalRadix", D::Asm, "31", 25, 8},
                    OperatorRow{"DSuffixInDecimalRadix", D::Asm, "25D", 25, 10},
                    OperatorRow{"DIsAHexDigitInHexRadix", D::Asm, "25D", 0x25D, 16},
                    OperatorRow{"BSuffixIsBinary", D::Asm, "11001B", 25, 10},
                    OperatorRow{"OSuffixIsOctal", D::Asm, "31O", 25, 10},
                    OperatorRow{"QSuffixIsOctal", D::Asm, "31Q", 25, 10},
                    OperatorRow{"EveryQuotedFormInOneSum", D::Asm,
                                "D'10' + H'10' + B'10' + O'10' + .10", 46, 16}),
    RowName);

// The BASIC compiler: products and remainders (//) before sums, left to right within a level,
// $ hexadecimal and % binary.
INSTANTIATE_TEST_SUITE_P(
    Basic, Operators,
    testing::Values(OperatorRow{"SubtractionsGroupLeft", D::Basic, "100 - 10 - 5", 85},
                    OperatorRow{"DivisionsGroupLeft", D::Basic, "64 / 4 / 2", 8},
                    OperatorRow{"DivisionThenProductGroupLeft", D::Basic, "12 / 4 * 3", 9},
                    OperatorRow{"RemaindersGroupLeft", D::Basic, "100 // 7 // 3", 2},  // not 0
                    OperatorRow{"RemainderThenProductGroupLeft", D::Basic, "17 // 5 * 3", 6},
                    OperatorRow{"ProductBeforeSum", D::Basic, "2 + 3 * 4", 14},
                    OperatorRow{"QuotientBeforeDifference", D::Basic, "20 - 6 / 2", 17},
                    OperatorRow{"RemainderBeforeSum", D::Basic, "7 + 10 // 4", 9},
                    OperatorRow{"ParenthesesFirst", D::Basic, "(2 + 3) * 4", 20},
                    OperatorRow{"NegationBeforeSum", D::Basic, "-3 + 5", 2},
                    OperatorRow{"DollarIsHex", D::Basic, "$19", 25},
                    OperatorRow{"PercentIsBinary", D::Basic, "%11001", 25},
                    OperatorRow{"HexRemainderOfHex", D::Basic, "$FF // $10", 15},
                    OperatorRow{"HexPlusBinary", D::Basic, "$10 + %11", 19},
                    OperatorRow{"BitAnd", D::Basic, "$1F & %11001", 25},
                    OperatorRow{"BitOr", D::Basic, "$18 | 1", 25},
                    OperatorRow{"Xor", D::Basic, "$1C ^ 5", 25}),
    RowName);

// The same operators read by each reader as the value of the rate register.
struct ReaderRow {
  std::string name;
  std::string expression;
  int n;                    // the value worked out by hand
  std::string before = {};  // lines before the rate register's, for its names
};

void PrintTo(const ReaderRow& row, std::ostream* out) {
  *out << row.name << ": " << row.expression;
}

std::string ReaderRowName(const testing::TestParamInfo<ReaderRow>& info) {
  return info.param.name;
}

std::string Expected(int n) {
  return "4 MHz: 8/16 n=" + std::to_string(n);
}

class CRateExpressions : public testing::TestWithParam<ReaderRow> {};
class BasicRateExpressions : public testing::TestWithParam<ReaderRow> {};
class AsmRateExpressions : public testing::TestWithParam<ReaderRow> {};

TEST_P(CRateExpressions, GiveTheRateRegister) {
  std::string source =
      GetParam().before + "SPBRG = " + GetParam().expression + ";\nTXSTA = 0x24;\nRCSTA = 0x90;\n";
  ASSERT_EQ(ReadAs(source), Dialect::C);
  EXPECT_EQ(CheckedLine(source, 4), Expected(GetParam().n));
}

TEST_P(BasicRateExpressions, GiveTheRateRegister) {
  std::string source = GetParam().before + "SPBRG = " + GetParam().expression +
                       "\nTXSTA = $24 ' send\nRCSTA = $90 ' port on\n";
  ASSERT_EQ(ReadAs(source), Dialect::Basic);
  EXPECT_EQ(CheckedLine(source, 4), Expected(GetParam().n));
}

TEST_P(AsmRateExpressions, GiveTheRateRegister) {
  std::string source = GetParam().before + "\tmovlw\t" + GetParam().expression +
                       "\n\tmovwf\tSPBRG\n\tmovlw\t0x24\n\tmovwf\tTXSTA\n\tmovlw\t0x90\n"
                       "\tmovwf\tRCSTA\n";
  ASSERT_EQ(ReadAs(source), Dialect::Asm);
  EXPECT_EQ(CheckedLine(source, 4), Expected(GetParam().n));
}

INSTANTIATE_TEST_SUITE_P(
    Operators, CRateExpressions,
    testing::Values(ReaderRow{"SubtractionsGroupLeft", "100 - 50 - 25", 25},           // not 75
                    ReaderRow{"DivisionsGroupLeft", "200 / 4 / 2", 25},                // not 100
                    ReaderRow{"ProductBeforeSum", "1 + 4 * 6", 25},                    // not 30
                    ReaderRow{"RemainderBeforeDifference", "30 - 14 % 9", 25},         // not 7
                    ReaderRow{"ShiftBeforeBitOr", "1 << 4 | 9", 25},                   // not 8192
                    ReaderRow{"SumBeforeShift", "48 + 2 >> 1", 25},                    // not 49
                    ReaderRow{"BitAndBeforeXor", "28 ^ 7 & 5", 25},                    // not 1
                    ReaderRow{"TheConditionalGroupsRight", "1 ? 25 : 0 ? 7 : 9", 25},  // not 7
                    ReaderRow{"TheElseBranch", "2 > 3 ? 99 : 25", 25},
                    ReaderRow{"NotBeforeSum", "!0 + 24", 25},
                    ReaderRow{"AComparisonAsANumber", "(3 > 2) + 24", 25},
                    ReaderRow{"ANarrowingCast", "(unsigned char)281", 25},
                    ReaderRow{"AMaskThatClearsBitsOfTheByte", "0x3F & 0x19", 25},  // not 63
                    ReaderRow{"Hex", "0x19", 25}, ReaderRow{"Binary", "0b11001", 25},
                    ReaderRow{"OctalByItsLeadingZero", "031", 25},
                    ReaderRow{"UnsignedSuffix", "25U", 25},
                    // a macro is text: its body meets the operators around it
                    ReaderRow{"AMacroBodyIsText", "K * 5", 9, "#define K 4 + 1\n"},  // not 25
                    ReaderRow{"AParenthesisedMacroBody", "K * 5", 25, "#define K (4 + 1)\n"},
                    ReaderRow{"AMacroArgumentIsText", "SQ(2 + 3)", 11,  // 2 + 3 * 2 + 3
                              "#define SQ(x) x * x\n"},
                    ReaderRow{"AConstVariableIsAValue", "k * 5", 25, "const int k = 4 + 1;\n"}),
    ReaderRowName);

INSTANTIATE_TEST_SUITE_P(
    Operators, BasicRateExpressions,
    testing::Values(ReaderRow{"SubtractionsGroupLeft", "100 - 50 - 25", 25},
                    ReaderRow{"DivisionsGroupLeft", "200 / 4 / 2", 25},
                    ReaderRow{"ProductBeforeSum", "1 + 4 * 6", 25},
                    ReaderRow{"RemaindersGroupLeft", "125 // 50 // 30", 25},  // not 5
                    ReaderRow{"RemainderAndProductBeforeDifference", "30 - 10 // 3 * 5", 25},
                    ReaderRow{"DollarIsHex", "$19", 25}, ReaderRow{"PercentIsBinary", "%11001", 25},
                    ReaderRow{"HexQuotient", "$32 / 2", 25},
                    ReaderRow{"BitAndOfHexAndBinary", "$1F & %11001", 25},
                    ReaderRow{"AConConstant", "K", 25, "K CON 5 * 5\n"},
                    ReaderRow{"AConConstantIsAValue", "K * 5", 25, "K CON 4 + 1\n"},
                    ReaderRow{"ASymbolConstant", "K - 1", 25, "SYMBOL K = $1A\n"}),
    ReaderRowName);

INSTANTIATE_TEST_SUITE_P(
    Operators, AsmRateExpressions,
    testing::Values(ReaderRow{"SubtractionsGroupLeft", ".100 - .50 - .25", 25},
                    ReaderRow{"DivisionsGroupLeft", ".200 / .4 / .2", 25},
                    ReaderRow{"ProductBeforeSum", ".1 + .4 * .6", 25},
                    ReaderRow{"ShiftBeforeBitOr", ".1 << .4 | .9", 25},
                    ReaderRow{"Low", "low .281", 25}, ReaderRow{"High", "high .6400", 25},
                    ReaderRow{"Upper", "upper .1638400", 25},
                    ReaderRow{"HighBeforeSum", "high .6400 + .1", 26},  // not 25
                    ReaderRow{"QuotedDecimal", "D'25'", 25}, ReaderRow{"QuotedHex", "H'19'", 25},
                    ReaderRow{"QuotedBinary", "B'00011001'", 25},
                    ReaderRow{"QuotedOctal", "O'31'", 25}, ReaderRow{"BareDigitsAreHex", "19", 25},
                    ReaderRow{"HSuffix", "19h", 25}, ReaderRow{"ZeroX", "0x19", 25},
                    ReaderRow{"LeadingPeriod", ".25", 25}),
    ReaderRowName);

// The radix and the names of the assembler, as the reader keeps them from line to line.
struct AsmNameRow {
  std::string name;
  std::string before;  // the lines before movlw
  std::string operand;
  int n;
};

void PrintTo(const AsmNameRow& row, std::ostream* out) {
  *out << row.name;
}

class AsmRadixAndNames : public testing::TestWithParam<AsmNameRow> {};

TEST_P(AsmRadixAndNames, GiveTheRateRegister) {
  const AsmNameRow& row = GetParam();
  std::string source = row.before + "\tmovlw\t" + row.operand +
                       "\n\tmovwf\tSPBRG\n\tmovlw\tH'24'\n\tmovwf\tTXSTA\n\tmovlw\tH'90'\n"
                       "\tmovwf\tRCSTA\n";
  ASSERT_EQ(ReadAs(source), Dialect::Asm);
  EXPECT_EQ(CheckedLine(source, 4), Expected(row.n));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AsmRadixAndNames,
    testing::Values(AsmNameRow{"RadixDec", "\tradix\tdec\n", "25", 25},
                    AsmNameRow{"RadixDecimalSpelledOut", "\tradix\tdecimal\n", "25", 25},
                    AsmNameRow{"RadixOct", "\tradix\toct\n", "31", 25},
                    AsmNameRow{"RadixHexAfterDec", "\tradix\tdec\n\tradix\thex\n", "19", 25},
                    AsmNameRow{"ListRDec", "\tlist\tp=16f628a, r=dec\n", "25", 25},
                    AsmNameRow{"PicAsIsDecimal", "PROCESSOR 16F628A\n", "25", 25},
                    AsmNameRow{"PicAsByItsInclude", "#include <xc.inc>\n", "25", 25},
                    AsmNameRow{"Equ", "K\tequ\t.5 * .5\n", "K", 25},
                    AsmNameRow{"EquOfAnEqu", "A\tequ\t.100\nB\tequ\tA / .4\n", "B", 25},
                    AsmNameRow{"Set", "K\tset\t.20\nK\tset\tK + .5\n", "K", 25},
                    AsmNameRow{"AnEqualsSign", "K = .25\n", "K", 25},
                    AsmNameRow{"Constant", "\tconstant\tK = .25\n", "K", 25},
                    AsmNameRow{"Variable", "\tvariable\tK = .25\n", "K", 25},
                    AsmNameRow{"ADefine", "#define K .5 * .5\n", "K", 25},
                    AsmNameRow{"AnEquIsAValue", "K\tequ\t.4 + .1\n", "K * .5", 25},
                    // #define is text: its body meets the operators around it
                    AsmNameRow{"ADefineIsText", "#define K .4 + .1\n", "K * .5", 9}),  // not 25
    [](const testing::TestParamInfo<AsmNameRow>& info) { return info.param.name; });

}  // namespace
}  // namespace brg::engine
