// Chains of conditions in C, a row each: of #if, #ifdef, #ifndef, #elif and #else only the first
// branch whose condition holds counts, however many hold after it; nested chains inside a branch
// not taken stay off; #define and #undef count only where the branch is taken. Then the chains
// of if and else if in the code. A branch read that should not be shows as a second write of
// SPBRG ("assigned again") or as another setting.
#include <gtest/gtest.h>

#include <string>

#include "tests/engine/check/snippet_check.h"

namespace brg::engine {
namespace {

struct ChainRow {
  std::string name;
  std::string source;
  std::string report;  // at 4 MHz
  double osc = 4;
};

void PrintTo(const ChainRow& row, std::ostream* out) {
  *out << row.name << ":\n" << row.source;
}

class CConditionChains : public testing::TestWithParam<ChainRow> {};

TEST_P(CConditionChains, TakeTheFirstBranchThatHolds) {
  std::string source = GetParam().source + "TXSTA = 0x24;\nRCSTA = 0x90;\n";
  ASSERT_EQ(ReadAs(source), Dialect::C);
  EXPECT_EQ(CheckedLine(source, GetParam().osc), GetParam().report);
}

const char* const k25 = "4 MHz: 8/16 n=25";

INSTANTIATE_TEST_SUITE_P(
    Preprocessor, CConditionChains,
    testing::Values(
        ChainRow{"AllHoldTheIfCounts",
                 "#if 1\nSPBRG = 25;\n#elif 1\nSPBRG = 99;\n#else\nSPBRG = 77;\n#endif\n", k25},
        ChainRow{"TwoElifsHoldTheFirstCounts",
                 "#if 0\nSPBRG = 99;\n#elif 1\nSPBRG = 25;\n#elif 1\nSPBRG = 77;\n#else\n"
                 "SPBRG = 66;\n#endif\n",
                 k25},
        ChainRow{"NothingHoldsTheElseCounts",
                 "#if 0\nSPBRG = 99;\n#elif 0\nSPBRG = 77;\n#else\nSPBRG = 25;\n#endif\n", k25},
        ChainRow{"TheElseAfterATakenElif",
                 "#if 0\nSPBRG = 99;\n#elif 1\nSPBRG = 25;\n#else\nSPBRG = 77;\n#endif\n", k25},
        ChainRow{"ElifsAfterATakenIfAreOff",
                 "#if 1\nSPBRG = 25;\n#elif 0\nSPBRG = 99;\n#elif 1\nSPBRG = 77;\n#endif\n", k25},
        ChainRow{"IfdefOfADefinedName",
                 "#define FAST\n#ifdef FAST\nSPBRG = 25;\n#else\nSPBRG = 99;\n#endif\n", k25},
        ChainRow{"IfdefOfAnUndefinedName", "#ifdef FAST\nSPBRG = 99;\n#else\nSPBRG = 25;\n#endif\n",
                 k25},
        ChainRow{"IfndefOfADefinedName",
                 "#define FAST\n#ifndef FAST\nSPBRG = 99;\n#else\nSPBRG = 25;\n#endif\n", k25},
        ChainRow{"AnIncludeGuard", "#ifndef UART_H\n#define UART_H\nSPBRG = 25;\n#endif\n", k25},
        ChainRow{"DefinedIsNotTheValue",
                 "#define FAST 0\n#if defined(FAST) && !defined(SLOW)\nSPBRG = 25;\n#else\n"
                 "SPBRG = 99;\n#endif\n",
                 k25},
        ChainRow{"DefinedWithoutParentheses",
                 "#define SLOW\n#if defined FAST || !defined SLOW\nSPBRG = 99;\n#elif defined "
                 "SLOW\nSPBRG = 25;\n#endif\n",
                 k25},
        ChainRow{"AnUnknownNameIsZero", "#if MISSING\nSPBRG = 99;\n#else\nSPBRG = 25;\n#endif\n",
                 k25},
        ChainRow{"AnElifOfAnUnknownName",
                 "#if 0\nSPBRG = 99;\n#elif MISSING\nSPBRG = 77;\n#else\nSPBRG = 25;\n#endif\n",
                 k25},
        ChainRow{"ClockComparisonsWhereSeveralHold",
                 "#define _XTAL_FREQ 4000000UL\n#if _XTAL_FREQ >= 8000000\nSPBRG = 51;\n"
                 "#elif _XTAL_FREQ >= 4000000\nSPBRG = 25;\n#elif _XTAL_FREQ >= 1000000\n"
                 "SPBRG = 6;\n#endif\n",
                 k25, 0},
        ChainRow{"PrecedenceInACondition",
                 "#if 0 && 0 || 1\nSPBRG = 25;\n#else\nSPBRG = 99;\n#endif\n", k25},
        ChainRow{"ArithmeticInACondition",
                 "#define BAUD 9600\n#if BAUD * 2 == 19200 && BAUD / 100 % 7 == 5\nSPBRG = 25;\n"
                 "#else\nSPBRG = 99;\n#endif\n",
                 "4 MHz: 8/16 n=25 for 9600@1"},  // 96 % 7 is 5
        ChainRow{"IfZeroHidesAWrite", "#if 0\nSPBRG = 99;\n#endif\nSPBRG = 25;\n", k25},
        ChainRow{"CommentsOnTheDirectives",
                 "#if 0 // 1\nSPBRG = 99;\n#else /* SPBRG = 77; */\nSPBRG = 25;\n#endif // 0\n",
                 k25},
        ChainRow{"SpacesAfterTheHash", "#  if 0\nSPBRG = 99;\n#  else\nSPBRG = 25;\n#  endif\n",
                 k25},
        // nested chains
        ChainRow{"AChainInsideABranchNotTaken",
                 "#if 0\n#if 1\nSPBRG = 99;\n#else\nSPBRG = 77;\n#endif\n#else\nSPBRG = 25;\n"
                 "#endif\n",
                 k25},
        ChainRow{"AChainInsideATakenBranch",
                 "#if 1\n#if 0\nSPBRG = 99;\n#else\nSPBRG = 25;\n#endif\n#else\nSPBRG = 77;\n"
                 "#endif\n",
                 k25},
        ChainRow{"TheOuterElseAfterAnInnerChain",
                 "#if 1\n#if 1\nSPBRG = 25;\n#endif\n#else\nSPBRG = 99;\n#endif\n", k25},
        ChainRow{"AnInnerElseInsideABranchNotTaken",
                 "#if 0\n#if 0\nSPBRG = 99;\n#else\nSPBRG = 77;\n#endif\n#endif\nSPBRG = 25;\n",
                 k25},
        ChainRow{"AnInnerElifInsideABranchNotTaken",
                 "#ifdef MISSING\n#if 0\nSPBRG = 99;\n#elif 1\nSPBRG = 77;\n#endif\n#elif 1\n"
                 "SPBRG = 25;\n#endif\n",
                 k25},
        ChainRow{"ThreeDeep",
                 "#if 1\n#if 1\n#if 0\nSPBRG = 99;\n#else\nSPBRG = 25;\n#endif\n#else\n"
                 "SPBRG = 77;\n#endif\n#endif\n",
                 k25},
        // definitions count only in a branch taken
        ChainRow{"ADefineInABranchNotTaken",
                 "#if 0\n#define FAST\n#endif\n#ifdef FAST\nSPBRG = 99;\n#else\nSPBRG = 25;\n"
                 "#endif\n",
                 k25},
        ChainRow{"AnUndef",
                 "#define FAST\n#undef FAST\n#ifdef FAST\nSPBRG = 99;\n#else\n"
                 "SPBRG = 25;\n#endif\n",
                 k25},
        ChainRow{"AnUndefInABranchNotTaken",
                 "#define FAST\n#if 0\n#undef FAST\n#endif\n#ifdef FAST\nSPBRG = 25;\n#else\n"
                 "SPBRG = 99;\n#endif\n",
                 k25},
        ChainRow{"ARateDefinedInTheBranchTaken",
                 "#ifdef SLOW\n#define BAUD 2400\n#else\n#define BAUD 19200\n#endif\n"
                 "SPBRG = 4000000 / 16 / BAUD - 1;\n",
                 "4 MHz: 8/16 n=12 for 19200@4"}),  // 250000 / 19200 is 13
    [](const testing::TestParamInfo<ChainRow>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Code, CConditionChains,
    testing::Values(
        ChainRow{"AnElseIfChainWhereThreeHold",
                 "#define MODE 1\nvoid init(void) {\n  if (MODE == 0) SPBRG = 99;\n"
                 "  else if (MODE == 1) SPBRG = 25;\n  else if (MODE >= 1) SPBRG = 77;\n"
                 "  else SPBRG = 66;\n}\n",
                 k25},
        ChainRow{"ABracedElseIfChain",
                 "#define MODE 1\nvoid init(void) {\n  if (MODE > 2) {\n    SPBRG = 99;\n"
                 "  } else if (MODE > 0) {\n    SPBRG = 25;\n  } else if (MODE >= 0) {\n"
                 "    SPBRG = 77;\n  } else {\n    SPBRG = 66;\n  }\n}\n",
                 k25},
        ChainRow{"TheFinalElse",
                 "void init(void) {\n  if (0) SPBRG = 99;\n  else if (2 < 1) SPBRG = 77;\n"
                 "  else SPBRG = 25;\n}\n",
                 k25},
        ChainRow{"AnIfInsideAnElse",
                 "void init(void) {\n  if (0) SPBRG = 99;\n  else {\n    if (0) SPBRG = 77;\n"
                 "    else SPBRG = 25;\n  }\n}\n",
                 k25},
        ChainRow{"AnIfWithoutElseNotTaken",
                 "void init(void) {\n  SPBRG = 25;\n  if (1 > 2) SPBRG = 99;\n}\n", k25},
        ChainRow{"AConditionOfAVariable",
                 "void init(void) {\n  int fast = 0;\n  if (fast) SPBRG = 99;\n"
                 "  else SPBRG = 25;\n}\n",
                 k25},
        // Each arm is read on its own; the report follows the else arm, the other's faults
        // would be added (it has none: no rate to miss).
        ChainRow{"ARunTimeConditionIsReadArmByArm",
                 "void init(void) {\n  if (speed) SPBRG = 12;\n  else SPBRG = 25;\n}\n",
                 "4 MHz: 8/16 n=25 | 2 note: the condition speed cannot be worked out here: each "
                 "branch is checked, and the setting shown is the one of its else branch"}),
    [](const testing::TestParamInfo<ChainRow>& info) { return info.param.name; });

}  // namespace
}  // namespace brg::engine
