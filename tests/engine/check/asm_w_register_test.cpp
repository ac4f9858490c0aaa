// The W register as the assembly reader follows it through straight-line code, one instruction
// a row, each in a whole setup so that what W holds shows as the rate register's value: the
// literal operations with their operand order (sublw takes W from the literal), the file
// register moves with their destination, what leaves W alone, and what makes it unknown.
#include <gtest/gtest.h>

#include <string>

#include "tests/engine/check/snippet_check.h"

namespace brg::engine {
namespace {

// An instruction a line: "movlw .25" becomes "\tmovlw\t.25\n".
std::string Code(std::initializer_list<const char*> instructions) {
  std::string code;
  for (std::string instruction : instructions) {
    std::size_t space = instruction.find(' ');
    code += "\t" +
            (space == std::string::npos
                 ? instruction
                 : instruction.substr(0, space) + "\t" + instruction.substr(space + 1)) +
            "\n";
  }
  return code;
}

// W into the rate register, then the mode and the port: 8/16 at 4 MHz.
std::string ThenIntoSpbrg(std::initializer_list<const char*> instructions) {
  return Code(instructions) +
         Code({"movwf SPBRG", "movlw 0x24", "movwf TXSTA", "movlw 0x90", "movwf RCSTA"});
}

struct WRow {
  std::string name;
  std::string source;
  std::string report;  // at 4 MHz
};

void PrintTo(const WRow& row, std::ostream* out) {
  *out << row.name << ":\n" << row.source;
}

class AsmWRegister : public testing::TestWithParam<WRow> {};

TEST_P(AsmWRegister, GivesTheRateRegister) {
  ASSERT_EQ(ReadAs(GetParam().source), Dialect::Asm);
  EXPECT_EQ(CheckedLine(GetParam().source, 4), "4 MHz: " + GetParam().report);
}

const char* const kUnknownAtLine3 =
    "no setting | 3 note: movwf SPBRG writes W, which is not known here";

INSTANTIATE_TEST_SUITE_P(
    Instructions, AsmWRegister,
    testing::Values(
        WRow{"MovlwLoadsW", ThenIntoSpbrg({"movlw .25"}), "8/16 n=25"},
        // the literal operations, each with operands whose other operations give other values
        WRow{"AddlwAdds", ThenIntoSpbrg({"movlw .20", "addlw .5"}), "8/16 n=25"},
        WRow{"AddlwKeepsTheLowByte", ThenIntoSpbrg({"movlw .250", "addlw .31"}),
             "8/16 n=25"},  // 281
        WRow{"SublwTakesWFromTheLiteral", ThenIntoSpbrg({"movlw .5", "sublw .30"}),
             "8/16 n=25"},  // not 5 - 30
        WRow{"SublwBelowZeroWraps", ThenIntoSpbrg({"movlw .40", "sublw .15"}),
             "8/16 n=231"},  // 15 - 40 + 256
        WRow{"IorlwOrs", ThenIntoSpbrg({"movlw 0x19", "iorlw 0x01"}),
             "8/16 n=25"},  // and 1, xor 24, add 26
        WRow{"AndlwAnds", ThenIntoSpbrg({"movlw 0x3B", "andlw 0x1D"}),
             "8/16 n=25"},  // or 0x3F, xor 0x26
        WRow{"XorlwXors", ThenIntoSpbrg({"movlw 0x1C", "xorlw 0x05"}),
             "8/16 n=25"},  // or 0x1D, and 0x04
        WRow{"LiteralOperationsInARow",
             ThenIntoSpbrg({"movlw 0x10", "iorlw 0x0F", "andlw 0x1B", "xorlw 0x02", "addlw .2",
                            "sublw .40"}),
             "8/16 n=13"},  // 0x1F, 0x1B, 0x19, 27, 40 - 27
        WRow{"ClrwClears", ThenIntoSpbrg({"movlw .99", "clrw", "addlw .25"}), "8/16 n=25"},
        // a literal operation after a byte of a wider value: W is the sum, not the wider value
        WRow{"AddlwOfALowByte", ThenIntoSpbrg({"movlw .20", "addlw low .261"}),
             "8/16 n=25"},  // 20 + 5
        // movf to W, and movf to the file, which leaves W
        WRow{"MovfToWLoadsAVariable",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "movlw .99", "movf temp,W"}), "8/16 n=25"},
        WRow{"MovfToDestinationZero",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "movlw .99", "movf temp,0"}), "8/16 n=25"},
        WRow{"MovfToTheFileLeavesW",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "movlw .12", "movf temp,F"}), "8/16 n=12"},
        WRow{"MovfToDestinationOneLeavesW",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "movlw .12", "movf temp,1"}), "8/16 n=12"},
        // without a destination the assemblers take the file (with a message)
        WRow{"MovfWithoutADestinationLeavesW",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "movlw .12", "movf temp"}), "8/16 n=12"},
        WRow{"MovfOfAPortRegister",
             Code({"movlw 0x90", "movwf RCSTA", "movlw 0x24", "movwf TXSTA", "movf RCSTA,W",
                   "sublw .169", "movwf SPBRG"}),
             "8/16 n=25"},  // 169 - 0x90
        WRow{"ClrfOfAVariable",
             ThenIntoSpbrg({"clrf temp", "movlw .99", "movf temp,W", "addlw .25"}), "8/16 n=25"},
        WRow{"SetfOfAVariable", ThenIntoSpbrg({"setf temp", "movf temp,W", "addlw .26"}),
             "8/16 n=25"},  // 255 + 26 - 256
        // what leaves W alone
        WRow{"MovwfLeavesW", ThenIntoSpbrg({"movlw .25", "movwf temp"}), "8/16 n=25"},
        WRow{"ClrfAndSetfLeaveW", ThenIntoSpbrg({"movlw .25", "clrf temp", "setf flags"}),
             "8/16 n=25"},
        WRow{"BankAndPageSelectionLeaveW",
             ThenIntoSpbrg({"movlw .25", "banksel SPBRG", "movlb 1", "bankisel SPBRG",
                            "pagesel start", "nop"}),
             "8/16 n=25"},
        WRow{"BitSetsAndClearsLeaveW",
             ThenIntoSpbrg({"movlw .25", "bsf STATUS,RP0", "bcf STATUS,RP1"}), "8/16 n=25"},
        // what W cannot be known after
        WRow{"ACallForgetsW", ThenIntoSpbrg({"movlw .25", "call delay"}), kUnknownAtLine3},
        WRow{"ACallForgetsTheVariables",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "call delay", "movf temp,W"}),
             "no setting | 5 note: movwf SPBRG writes W, which is not known here"},
        WRow{"AChangeNotFollowedForgetsTheVariable",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "incf temp,F", "movf temp,W"}),
             "no setting | 5 note: movwf SPBRG writes W, which is not known here"},
        // an operation into W leaves its file as it was; of an unknown file it makes W unknown
        WRow{"AFileOperationIntoWLeavesTheFile",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "incf temp,W", "movf temp,W"}), "8/16 n=25"},
        WRow{"AFileOperationIntoWOfAnUnknownFile", ThenIntoSpbrg({"movlw .25", "incf count,W"}),
             kUnknownAtLine3},
        WRow{"AnUnknownLiteralMakesWUnknown", ThenIntoSpbrg({"movlw rxbuf", "addlw .1"}),
             "no setting | 1 note: rxbuf cannot be worked out: rxbuf has no value in the source "
             "| 3 note: movwf SPBRG writes W, which is not known here"},
        WRow{"AnUnknownWStoredMakesTheVariableUnknown",
             ThenIntoSpbrg({"movlw .25", "movwf temp", "movlw rxbuf", "movwf temp", "movf temp,W"}),
             "no setting | 3 note: rxbuf cannot be worked out: rxbuf has no value in the source "
             "| 6 note: movwf SPBRG writes W, which is not known here"}),
    [](const testing::TestParamInfo<WRow>& info) { return info.param.name; });

// W into a register with iorwf, andwf and xorwf: to the file it changes the register, to W it
// leaves it. BRGH (0x04 of TXSTA) shows as the mode.
INSTANTIATE_TEST_SUITE_P(
    IntoTheFile, AsmWRegister,
    testing::Values(WRow{"IorwfSetsABit",
                         Code({"movlw .25", "movwf SPBRG", "movlw 0x20", "movwf TXSTA",
                               "movlw 0x90", "movwf RCSTA", "movlw 0x04", "iorwf TXSTA,F"}),
                         "8/16 n=25"},
                    WRow{"AndwfClearsABit",
                         Code({"movlw .25", "movwf SPBRG", "movlw 0x24", "movwf TXSTA",
                               "movlw 0x90", "movwf RCSTA", "movlw 0xFB", "andwf TXSTA,F"}),
                         "8/64 n=25"},
                    WRow{"XorwfTogglesABit",
                         Code({"movlw .25", "movwf SPBRG", "movlw 0x24", "movwf TXSTA",
                               "movlw 0x90", "movwf RCSTA", "movlw 0x04", "xorwf TXSTA,1"}),
                         "8/64 n=25"},  // ior keeps 0x24, and gives 0x04
                    WRow{"IorwfIntoWLeavesTheRegister",
                         Code({"movlw .25", "movwf SPBRG", "movlw 0x20", "movwf TXSTA",
                               "movlw 0x90", "movwf RCSTA", "movlw 0x04", "iorwf TXSTA,W"}),
                         "8/64 n=25"}),
    [](const testing::TestParamInfo<WRow>& info) { return info.param.name; });

// The operations on a file register with W as the destination: W is then the result, worked out
// or unknown, never the W of before (99). temp holds 25.
struct ToWRow {
  std::string name;
  const char* instruction;
  int result;
};

void PrintTo(const ToWRow& row, std::ostream* out) {
  *out << row.instruction;
}

class AsmFileOperationsIntoW : public testing::TestWithParam<ToWRow> {};

TEST_P(AsmFileOperationsIntoW, LeaveNoStaleW) {
  std::string source =
      ThenIntoSpbrg({"movlw .25", "movwf temp", "movlw .99", GetParam().instruction});
  ASSERT_EQ(ReadAs(source), Dialect::Asm);
  SetupReport report = CheckedReport(source, 4);
  bool workedOut = report.setting && report.setting->n == GetParam().result;
  bool unknown = !report.setting && report.rateUnknown;
  EXPECT_TRUE(workedOut || unknown) << Rendered(report);
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, AsmFileOperationsIntoW,
    testing::Values(ToWRow{"Incf", "incf temp,W", 26}, ToWRow{"Decf", "decf temp,W", 24},
                    ToWRow{"Comf", "comf temp,W", 230}, ToWRow{"Swapf", "swapf temp,W", 0x91},
                    ToWRow{"Addwf", "addwf temp,W", 124},
                    ToWRow{"Subwf", "subwf temp,W", 182},  // 25 - 99 + 256
                    ToWRow{"Iorwf", "iorwf temp,W", 123},  // 0x19 | 0x63
                    ToWRow{"Andwf", "andwf temp,W", 1}, ToWRow{"Xorwf", "xorwf temp,W", 122},
                    ToWRow{"IncfByDestinationZero", "incf temp,0", 26},
                    ToWRow{"RlfThroughTheCarry", "rlf temp,W", 50}),  // with the carry clear
    [](const testing::TestParamInfo<ToWRow>& info) { return info.param.name; });

}  // namespace
}  // namespace brg::engine
