// Every comment form of each source language, a row each: a register write or a definition
// inside a comment does not count, code after the end of a block comment does, a comment mark
// inside a string or a character literal is none, and a rate named in a comment is read as the
// rate (with the line it is on).
#include <gtest/gtest.h>

#include <string>

#include "tests/engine/check/snippet_check.h"

namespace brg::engine {
namespace {

struct CommentRow {
  std::string name;
  std::string source;
  std::string report;  // at 4 MHz
  double osc = 4;
};

void PrintTo(const CommentRow& row, std::ostream* out) {
  *out << row.name << ":\n" << row.source;
}

std::string RowName(const testing::TestParamInfo<CommentRow>& info) {
  return info.param.name;
}

class CComments : public testing::TestWithParam<CommentRow> {};
class BasicComments : public testing::TestWithParam<CommentRow> {};
class AsmComments : public testing::TestWithParam<CommentRow> {};

TEST_P(CComments, HideWhatTheyHold) {
  ASSERT_EQ(ReadAs(GetParam().source), Dialect::C);
  EXPECT_EQ(CheckedLine(GetParam().source, GetParam().osc), GetParam().report);
}
TEST_P(BasicComments, HideWhatTheyHold) {
  ASSERT_EQ(ReadAs(GetParam().source), Dialect::Basic);
  EXPECT_EQ(CheckedLine(GetParam().source, GetParam().osc), GetParam().report);
}
TEST_P(AsmComments, HideWhatTheyHold) {
  ASSERT_EQ(ReadAs(GetParam().source), Dialect::Asm);
  EXPECT_EQ(CheckedLine(GetParam().source, GetParam().osc), GetParam().report);
}

// A second write of SPBRG would show as "assigned again", 99 as the setting.
const char* const kCTail = "TXSTA = 0x24;\nRCSTA = 0x90;\n";

INSTANTIATE_TEST_SUITE_P(
    Forms, CComments,
    testing::Values(
        CommentRow{"LineCommentHidesAWrite", std::string("// SPBRG = 99;\nSPBRG = 25;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"LineCommentAfterCode", std::string("SPBRG = 25; // SPBRG = 99;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"BlockCommentOverLines",
                   std::string("/* the old setting:\nSPBRG = 99;\n*/ SPBRG = 25;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"BlockCommentOnOneLineThenCode",
                   std::string("/* SPBRG = 99; */ SPBRG = 25;\n") + kCTail, "4 MHz: 8/16 n=25"},
        CommentRow{"CodeBeforeABlockCommentThatRunsOn",
                   std::string("SPBRG = 25; /* then\nSPBRG = 99; */\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"BlockCommentsInsideAStatement",
                   std::string("/* a */ SPBRG = /* 99 */ 25; /* b */\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"BlockCommentsDoNotNest", std::string("/* x /* y */ SPBRG = 25;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"LineCommentMarkInsideABlockComment",
                   std::string("/* // */ SPBRG = 25;\n") + kCTail, "4 MHz: 8/16 n=25"},
        CommentRow{"BlockCommentMarkInsideALineComment",
                   std::string("// old /*\nSPBRG = 25;\n") + kCTail, "4 MHz: 8/16 n=25"},
        CommentRow{"SlashesInAString",
                   std::string("const char *url = \"http://x\"; SPBRG = 25;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"BlockCommentMarkInAString", std::string("puts(\"/*\"); SPBRG = 25;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"EscapedQuoteInAString",
                   std::string("puts(\"a\\\" // b\"); SPBRG = 25;\n") + kCTail, "4 MHz: 8/16 n=25"},
        CommentRow{"QuoteAsACharacter", std::string("c = '\"'; SPBRG = 25;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ApostropheInAString", std::string("puts(\"it's\"); SPBRG = 25;\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"HexEscapeCharacterIsNoComment",
                   std::string("c = '\\x41'; SPBRG = 25;\n") + kCTail, "4 MHz: 8/16 n=25"},
        CommentRow{"OctalEscapeCharacterIsNoComment",
                   std::string("c = '\\101'; SPBRG = 25;\n") + kCTail, "4 MHz: 8/16 n=25"},
        CommentRow{"ApostropheCommentAfterAnEscapeCharacter",
                   std::string("c = '\\x41'; SPBRG = 25; ' SPBRG = 99\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ApostropheCommentAmongC", std::string("SPBRG = 25; ' SPBRG = 99\n") + kCTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ADefineInALineComment",
                   "#define BAUD 9600\n// #define BAUD 19200\n"
                   "SPBRG = 4000000 / 16 / BAUD - 1;\n" +
                       std::string(kCTail),
                   "4 MHz: 8/16 n=25 for 9600@1"},  // 19200 would give 12
        CommentRow{"ADefineInABlockComment",
                   "#define BAUD 9600\n/*\n#define BAUD 19200\n*/\n"
                   "SPBRG = 4000000 / 16 / BAUD - 1;\n" +
                       std::string(kCTail),
                   "4 MHz: 8/16 n=25 for 9600@1"},
        CommentRow{"AContinuedLineWithAComment",
                   "#define DIVIDER (4000000 / 16 / 9600 \\\n  - 1) // 9600 baud\n"
                   "SPBRG = DIVIDER;\n" +
                       std::string(kCTail),
                   "4 MHz: 8/16 n=25 for 9600@1"},
        CommentRow{"RateInALineComment", std::string("SPBRG = 12; // 19200 baud\n") + kCTail,
                   "4 MHz: 8/16 n=12 for 19200@1"},
        CommentRow{"RateOnTheSecondLineOfABlockComment",
                   std::string("/*\n * UART at 19200\n */\nSPBRG = 12;\n") + kCTail,
                   "4 MHz: 8/16 n=12 for 19200@2"},
        CommentRow{"ClockInABlockComment",
                   std::string("/* crystal: 4 MHz */\nSPBRG = 25;\n") + kCTail, "4 MHz: 8/16 n=25",
                   0}),
    RowName);

const char* const kBasicTail = "TXSTA = $24\nRCSTA = $90\n";

INSTANTIATE_TEST_SUITE_P(
    Forms, BasicComments,
    testing::Values(
        CommentRow{"ApostropheHidesAWrite", std::string("' SPBRG = 99\nSPBRG = 25\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ApostropheAfterCode", std::string("SPBRG = 25 ' SPBRG = 99\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"SemicolonHidesAWrite", std::string("; SPBRG = 99\nSPBRG = 25\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ColonInsideASemicolonComment",
                   std::string("SPBRG = 25 ; : SPBRG = 99\n") + kBasicTail, "4 MHz: 8/16 n=25"},
        CommentRow{"ColonInsideAnApostropheComment",
                   std::string("SPBRG = 25 ' : SPBRG = 99\n") + kBasicTail, "4 MHz: 8/16 n=25"},
        CommentRow{"RemHidesAWrite", std::string("REM SPBRG = 99\nSPBRG = 25\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"RemInLowerCase", std::string("rem 19200 baud\nSPBRG = 12\n") + kBasicTail,
                   "4 MHz: 8/16 n=12 for 19200@1"},
        CommentRow{"RemAfterAColon", std::string("SPBRG = 25 : REM SPBRG = 99\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"RemRunsToTheEndOfTheLine",
                   std::string("REM the old setting: SPBRG = 51\nSPBRG = 25\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ARemAfterAColonRunsToTheEndOfTheLine",
                   std::string("SPBRG = 25 : REM old: SPBRG = 51\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ColonsSeparateStatements", "SPBRG = 25 : TXSTA = $24 : RCSTA = $90\n",
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ApostropheInAString",
                   std::string("HSEROUT [\"it's\"] : SPBRG = 25\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"SemicolonInAString",
                   std::string("HSEROUT [\"a;b\"] : SPBRG = 25\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"ColonInAString",
                   std::string("HSEROUT [\"x:SPBRG=99\"]\nSPBRG = 25\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"AConstantInAComment",
                   std::string("K CON 25\n' K CON 99\nSPBRG = K\n") + kBasicTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"RateAfterAnApostrophe", std::string("SPBRG = 12 ' 19200 baud\n") + kBasicTail,
                   "4 MHz: 8/16 n=12 for 19200@1"},
        CommentRow{"RateAfterASemicolon", std::string("SPBRG = 12 ; 19200 baud\n") + kBasicTail,
                   "4 MHz: 8/16 n=12 for 19200@1"},
        CommentRow{"RateInARem", std::string("REM 19200 baud\nSPBRG = 12\n") + kBasicTail,
                   "4 MHz: 8/16 n=12 for 19200@1"}),
    RowName);

const char* const kAsmTail =
    "\tmovwf\tSPBRG\n\tmovlw\t0x24\n\tmovwf\tTXSTA\n\tmovlw\t0x90\n"
    "\tmovwf\tRCSTA\n";

INSTANTIATE_TEST_SUITE_P(
    Forms, AsmComments,
    testing::Values(
        CommentRow{"SemicolonHidesAnInstruction",
                   std::string(";\tmovlw\t.99\n\tmovlw\t.25\n") + kAsmTail, "4 MHz: 8/16 n=25"},
        CommentRow{"SemicolonAfterAnInstruction",
                   std::string("\tmovlw\t.25\t; movlw .99\n") + kAsmTail, "4 MHz: 8/16 n=25"},
        CommentRow{"SemicolonRightAfterTheOperand", std::string("\tmovlw\t.25;.99\n") + kAsmTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"SemicolonAsACharacter", std::string("\tmovlw\t';'\n") + kAsmTail,
                   "4 MHz: 8/16 n=59"},
        CommentRow{"OneDigitQuotedLiteralBeforeAComment",
                   std::string("\tmovlw\tD'5'\t; five\n") + kAsmTail, "4 MHz: 8/16 n=5"},
        CommentRow{"AnEquInAComment",
                   std::string("K\tequ\t.25\n; K\tequ\t.99\n\tmovlw\tK\n") + kAsmTail,
                   "4 MHz: 8/16 n=25"},
        CommentRow{"RateInAComment", std::string("\tmovlw\t.12\t; 19200 baud\n") + kAsmTail,
                   "4 MHz: 8/16 n=12 for 19200@1"},
        CommentRow{"ClockInAComment", std::string("; crystal 4 MHz\n\tmovlw\t.25\n") + kAsmTail,
                   "4 MHz: 8/16 n=25", 0}),
    RowName);

}  // namespace
}  // namespace brg::engine
