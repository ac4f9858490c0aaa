// Which code forms a part's port has for a setting: only those the engine writes, each the
// engine's own text, C first and JSON last.
#include "engine/forms/offered_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/answers/mode_choice.h"

namespace brg::engine {
namespace {

using Kind = CodeFormKind;

struct FormsCase {
  const char* name;
  std::string part;  // "" for the classic USART
  int port;
  double clockMHz;
  BrgMode mode;
  std::vector<Kind> kinds;
  bool program;  // the asm form comes with a whole program
};

void PrintTo(const FormsCase& row, std::ostream* out) {
  *out << row.name;
}

PartProfile ProfileOf(const std::string& part) {
  return part.empty() ? ClassicProfile() : ReadPartProfile(part);
}

std::vector<Kind> KindsOf(const std::vector<OfferedForm>& forms) {
  std::vector<Kind> kinds;
  for (const OfferedForm& form : forms) {
    kinds.push_back(form.kind);
  }
  return kinds;
}

class OfferedFormsTest : public testing::TestWithParam<FormsCase> {};

TEST_P(OfferedFormsTest, OnlyTheFormsThatExist) {
  const FormsCase& row = GetParam();
  PartProfile part = ProfileOf(row.part);
  const SerialPort& port = part.Port(row.port);
  CodeSetting code{"16", WantedRate{"9600", 9600}, port.Best(row.clockMHz, 9600, row.mode), ""};
  std::vector<OfferedForm> forms = OfferedForms(part, port, code, row.clockMHz, row.clockMHz);
  EXPECT_EQ(KindsOf(forms), row.kinds);
  for (const OfferedForm& form : forms) {
    EXPECT_FALSE(form.text.empty());
    if (form.kind == Kind::C) {
      EXPECT_EQ(form.text, CForm(code, port));
    }
    EXPECT_EQ(form.program.has_value(), form.kind == Kind::Asm && row.program);
    if (form.program) {
      // The program sets the port up as the asm form does.
      EXPECT_NE(form.program->find(AsmRegisterWrites(code.setting, port)), std::string::npos);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, OfferedFormsTest,
    testing::Values(
        FormsCase{"ClassicUsart",
                  "",
                  1,
                  16,
                  BrgMode::Async8Div16,
                  {Kind::C, Kind::Asm, Kind::Defines, Kind::BasicRegisters, Kind::Json},
                  false},
        FormsCase{"EusartOfAHeader",
                  "16F1829",
                  1,
                  16,
                  BrgMode::Async16Div4,
                  {Kind::C, Kind::Asm, Kind::Defines, Kind::BasicRegisters, Kind::Json},
                  true},
        FormsCase{"SecondEusart",
                  "18F45K22",
                  2,
                  16,
                  BrgMode::Async16Div4,
                  {Kind::C, Kind::Asm, Kind::Defines, Kind::BasicRegisters, Kind::Json},
                  true},
        // The DEFINEs set up the asynchronous port only.
        FormsCase{"SynchronousMode",
                  "16F1829",
                  1,
                  16,
                  BrgMode::Sync8,
                  {Kind::C, Kind::Asm, Kind::BasicRegisters, Kind::Json},
                  true},
        // No gputils header: no gpasm; the BASIC compiler has no DEFINEs for the PIC18 UART.
        FormsCase{"Pic18UartWithoutHeader",
                  "PIC18F47Q43",
                  1,
                  64,
                  BrgMode::Async16Div4,
                  {Kind::C, Kind::BasicRegisters, Kind::Json},
                  false},
        FormsCase{"SixteenBitPart",
                  "PIC24FJ64GA002",
                  1,
                  16,
                  BrgMode::Async16Div4,
                  {Kind::C, Kind::Json},
                  false}),
    [](const testing::TestParamInfo<FormsCase>& info) { return std::string(info.param.name); });

TEST(OfferedForms, TheOverrunLineGoesIntoTheDefines) {
  PartProfile part = ClassicProfile();
  const SerialPort& port = part.Port(1);
  CodeSetting code{"4", WantedRate{"9600", 9600}, port.Best(4, 9600, BrgMode::Async8Div16), ""};
  std::vector<OfferedForm> plain = OfferedForms(part, port, code, 4, 4);
  std::vector<OfferedForm> cleared = OfferedForms(part, port, code, 4, 4, FormChoices{true});
  EXPECT_EQ(plain[2].text, DefinesForm(code, port, false));
  EXPECT_EQ(cleared[2].text, DefinesForm(code, port, true));
  EXPECT_NE(plain[2].text, cleared[2].text);
}

}  // namespace
}  // namespace brg::engine
