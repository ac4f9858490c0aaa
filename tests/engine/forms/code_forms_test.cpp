// The code forms of a setting, byte for byte: the window's DEFINE block, the 16-bit DEFINEs,
// BASIC register writes, C with its bit comments and gpasm assembler, each in the order the
// port's writes ask for.
#include <gtest/gtest.h>

#include <string>

#include "core/define_export.h"
#include "engine/errors.h"
#include "engine/forms/code_forms.h"
#include "engine/parts/part_profile.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

CodeSetting Code(const std::string& osc, const std::string& baud, BrgMode mode) {
  double mhz = std::stod(osc);
  return CodeSetting{osc, WantedRate{baud, std::stod(baud)}, BestInMode(mhz, std::stod(baud), mode),
                     ""};
}

struct FormRow {
  std::string name;
  CodeSetting code;
  std::string (*form)(const CodeSetting&, const SerialPort&);
  std::string text;
};

void PrintTo(const FormRow& row, std::ostream* out) {
  *out << row.name;
}

std::string Defines(const CodeSetting& code, const SerialPort& port) {
  return DefinesForm(code, port, false);
}

std::string DefinesWithOverrunClear(const CodeSetting& code, const SerialPort& port) {
  return DefinesForm(code, port, true);
}

class CodeFormTest : public testing::TestWithParam<FormRow> {};

TEST_P(CodeFormTest, WritesTheRegistersInOrder) {
  const FormRow& row = GetParam();
  EXPECT_EQ(row.form(row.code, *ClassicUsart()), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CodeFormTest,
    testing::Values(
        FormRow{"DefinesEightBit", Code("4", "9600", BrgMode::Async8Div16), Defines,
                "DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG 25 ' 9600 "
                "Bauds\r\n"},
        FormRow{"DefinesEightBitLowSpeed", Code("4", "9600", BrgMode::Async8Div64),
                DefinesWithOverrunClear,
                "DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 20h\r\nDEFINE HSER_SPBRG 6 ' 9600 "
                "Bauds\r\nDEFINE HSER_CLROERR 1"},
        FormRow{"DefinesSixteenBit", Code("64", "9600", BrgMode::Async16Div4), Defines,
                "' 64 MHz, 9600 baud wanted: 9,598 baud real, error -0.02%, mode 16/4\r\n"
                "DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 24h\r\nDEFINE HSER_SPBRG 130 ' 9600 "
                "Bauds\r\nDEFINE HSER_SPBRGH 6\r\nBAUDCON.3 = 1\r\n"},
        FormRow{"DefinesSixteenBitLowSpeed", Code("16", "300", BrgMode::Async16Div16), Defines,
                "' 16 MHz, 300 baud wanted: 300 baud real, error 0.01%, mode 16/16\r\n"
                "DEFINE HSER_RCSTA 90h\r\nDEFINE HSER_TXSTA 20h\r\nDEFINE HSER_SPBRG 4 ' 300 "
                "Bauds\r\nDEFINE HSER_SPBRGH 13\r\nBAUDCON.3 = 1\r\n"},
        FormRow{"BasicRegistersEightBit", Code("4", "9600", BrgMode::Async8Div16),
                BasicRegistersForm,
                "' 4 MHz, 9600 baud wanted: 9,615 baud real, error 0.16%, mode 8/16\n"
                "SPBRG = 25 : TXSTA = $24 : RCSTA = $90\n"},
        FormRow{"BasicRegistersSync", Code("20", "1000000", BrgMode::Sync8), BasicRegistersForm,
                "' 20 MHz, 1000000 baud wanted: 1,000,000 baud real, error 0.0%, mode sync8\n"
                "SPBRG = 4 : TXSTA = $B0 : RCSTA = $80\n"},
        FormRow{"CSixteenBit", Code("16", "115200", BrgMode::Async16Div4), CForm,
                "// 16 MHz, 115200 baud wanted: 114,286 baud real, error -0.794%, mode 16/4\n"
                "SPBRGH = 0;\nSPBRG = 34;\nBAUDCON = 0x08; // BRG16\nTXSTA = 0x24; // TXEN "
                "BRGH\nRCSTA = 0x90; // SPEN CREN\n"},
        FormRow{"CSync16", Code("20", "1000", BrgMode::Sync16), CForm,
                "// 20 MHz, 1000 baud wanted: 1,000 baud real, error 0.0%, mode sync16\n"
                "SPBRGH = 19;\nSPBRG = 135;\nBAUDCON = 0x08; // BRG16\nTXSTA = 0xB0; // CSRC "
                "TXEN SYNC\nRCSTA = 0x80; // SPEN\n"},
        FormRow{"AsmEightBit", Code("4", "9600", BrgMode::Async8Div64), AsmForm,
                "; 4 MHz, 9600 baud wanted: 8,929 baud real, error -6.994%, mode 8/64\n"
                "    banksel SPBRG\n    movlw   D'6'\n    movwf   SPBRG\n"
                "    banksel TXSTA\n    movlw   H'20'\n    movwf   TXSTA\n"
                "    banksel RCSTA\n    movlw   H'90'\n    movwf   RCSTA\n"}),
    [](const testing::TestParamInfo<FormRow>& info) { return info.param.name; });

TEST(CodeForms, TheEightBitDefinesAreTheWindowsExport) {
  for (const char* baud : {"300", "1200", "9600", "115200"}) {
    for (BrgMode mode : {BrgMode::Async8Div16, BrgMode::Async8Div64}) {
      CodeSetting code = Code("20", baud, mode);
      EXPECT_EQ(DefinesForm(code, *ClassicUsart(), false),
                DefineBlock(InfoOf(mode).brgh, std::to_string(code.setting.n), baud))
          << baud;
    }
  }
}

TEST(CodeForms, TheSecondPortHasItsOwnDefinesAndNames) {
  PartProfile part = ReadPartProfile("18F45K22");
  ASSERT_EQ(part.ports.size(), 2U);
  EXPECT_EQ(DefinesForm(Code("64", "9600", BrgMode::Async16Div4), part.Port(2), true),
            "' 64 MHz, 9600 baud wanted: 9,598 baud real, error -0.02%, mode 16/4\r\n"
            "DEFINE HSER2_RCSTA 90h\r\nDEFINE HSER2_TXSTA 24h\r\nDEFINE HSER2_SPBRG 130 ' 9600 "
            "Bauds\r\nDEFINE HSER2_SPBRGH 6\r\nBAUDCON2.3 = 1\r\nDEFINE HSER2_CLROERR 1");
}

TEST(CodeForms, DefinesOnlyForTheAsynchronousPort) {
  EXPECT_THROW(DefinesForm(Code("20", "1000000", BrgMode::Sync8), *ClassicUsart(), false),
               InputError);
}

TEST(CodeForms, RegistersTextAndTheSummary) {
  CodeSetting code = Code("3.6864", "115200", BrgMode::Async16Div16);
  EXPECT_EQ(RegistersText(ClassicUsart()->Writes(code.setting)),
            "SPBRGH=0 SPBRG=1 BAUDCON=0x08 TXSTA=0x20 RCSTA=0x90");
  EXPECT_EQ(SummaryLine(code),
            "3.6864 MHz, 115200 baud wanted: 115,200 baud real, error 0.0%, mode 16/16");
}

}  // namespace
}  // namespace brg::engine
