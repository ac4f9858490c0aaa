// A project read as one source: includes put where they stand, each line traced back to its
// file; and the part a source or a project names, for a check without --device.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/check/part_in_source.h"
#include "engine/check/project_source.h"
#include "engine/check/setup_check.h"
#include "tests/engine/check/report_line.h"

namespace brg::engine {
namespace {

const std::vector<SourceFile> kProject{
    {"src/main.c", "#include \"uart.h\"\nint main(void) {\n  uart_init();\n}\n"},
    {"src/uart.h", "#define BAUD 9600\n"},
    {"src/uart.c",
     "#include \"system.h\"\n#include \"uart.h\"\nvoid uart_init(void) {\n"
     "  SPBRG = _XTAL_FREQ / 16 / BAUD - 1;\n  TXSTA = 0x24;\n  RCSTA = 0x90;\n}\n"},
    {"include/system.h", "#define _XTAL_FREQ 4000000\n"},
    {"unused.h", "#define BAUD 19200\n"},
    {"boot.asm", "\tmovlw\t0x19\n"},
};

TEST(JoinProject, IncludesStandWhereTheyAreIncludedAndEveryLineKnowsItsFile) {
  ProjectSource joined = JoinProject(kProject, ProjectLanguage::C);
  EXPECT_EQ(joined.text,
            "#define BAUD 9600\n"  // src/uart.h, for src/main.c
            "#include \"uart.h\"\nint main(void) {\n  uart_init();\n}\n"
            "#define _XTAL_FREQ 4000000\n"  // include/system.h, found by its name
            "#include \"system.h\"\n"
            "#define BAUD 9600\n"  // src/uart.h again: another unit
            "#include \"uart.h\"\nvoid uart_init(void) {\n"
            "  SPBRG = _XTAL_FREQ / 16 / BAUD - 1;\n  TXSTA = 0x24;\n  RCSTA = 0x90;\n}\n");
  const std::pair<int, std::pair<std::string, int>> places[] = {
      {1, {"src/uart.h", 1}}, {2, {"src/main.c", 1}},
      {5, {"src/main.c", 4}}, {6, {"include/system.h", 1}},
      {7, {"src/uart.c", 1}}, {8, {"src/uart.h", 1}},
      {9, {"src/uart.c", 2}}, {11, {"src/uart.c", 4}},
      {0, {"", 0}},           {99, {"", 99}},
  };
  for (const auto& [line, place] : places) {
    EXPECT_EQ(joined.PlaceOf(line), place) << "line " << line;
  }
  EXPECT_EQ(JoinProject(kProject, ProjectLanguage::Asm).text, "\tmovlw\t0x19\n");
  EXPECT_TRUE(JoinProject(kProject, ProjectLanguage::Basic).text.empty());
}

TEST(JoinProject, ACircleOfIncludesEndsAndAMissingOneStays) {
  std::vector<SourceFile> files{{"a.c", "#include \"a.h\"\nA\n"},
                                {"a.h", "#include \"b.h\"\nH\n"},
                                {"b.h", "#include \"a.h\"\n#include \"gone.h\"\nB\n"}};
  EXPECT_EQ(JoinProject(files, ProjectLanguage::C).text,
            "#include \"a.h\"\n#include \"gone.h\"\nB\n#include \"b.h\"\nH\n#include \"a.h\"\nA\n");
}

// An assembly project's main file includes its other .asm files: each is read once, where it
// is included, not again on its own.
TEST(JoinProject, AFileIncludedByAnotherIsNoUnitOfItsOwn) {
  std::vector<SourceFile> files{{"uart.asm", "\tclrf\tTRISC\n"},
                                {"main.asm", "\tlist p=16f887\n\t#include \"uart.asm\"\n\tend\n"},
                                {"other.asm", "\tnop\n"}};
  EXPECT_EQ(JoinProject(files, ProjectLanguage::Asm).text,
            "\tlist p=16f887\n\tclrf\tTRISC\n\t#include \"uart.asm\"\n\tend\n\tnop\n");
}

TEST(JoinProject, TheSetupOfAProjectIsReadWithItsPlaces) {
  ProjectSource joined = JoinProject(kProject, ProjectLanguage::C);
  SetupReport report = CheckSetup(joined.text, CheckOptions{}, ClassicProfile().Port(1));
  // 4e6 / 16 / 9600 - 1 = 25 (integer division): 8/16, 9615 baud.
  EXPECT_EQ(Rendered(report), "8/16 n=25 for 9600@8");
  EXPECT_EQ(joined.PlaceOf(report.oscLine), (std::pair<std::string, int>{"include/system.h", 1}));
  EXPECT_EQ(joined.PlaceOf(report.wantedLine), (std::pair<std::string, int>{"src/uart.h", 1}));
}

TEST(LanguageOfFile, ByTheFilesName) {
  const std::pair<const char*, int> cases[] = {
      {"uart.c", 0},   {"UART.H", 0},   {"boot.asm", 1},   {"start.S", 1},   {"regs.inc", 1},
      {"main.pbp", 2}, {"main.bas", 2}, {"notes.txt", -1}, {"Makefile", -1}, {"v1.2/readme", -1},
  };
  for (const auto& [path, language] : cases) {
    ProjectLanguage found{};
    bool read = LanguageOfFile(path, found);
    EXPECT_EQ(read ? static_cast<int>(found) : -1, language) << path;
  }
}

TEST(PartNamedIn, TheWaysASourceNamesItsPart) {
  const std::pair<const char*, const char*> cases[] = {
      {"\t#include <p16f887.inc>\n", "p16f887"},
      {"\tlist p=16f877a, r=dec\n", "16f877a"},
      {"\tprocessor 18F47Q43\n", "18F47Q43"},
      {"    Device            :  PIC18F47Q43\n", "PIC18F47Q43"},
      {"// PIC16F1829 Configuration Bit Settings\n", "PIC16F1829"},
      {"<conf><targetDevice>PIC24FJ64GA002</targetDevice></conf>", "PIC24FJ64GA002"},
      {"#include <xc.h>\n#include <pic18f4550.h>\n", "pic18f4550"},
      {"#include <xc.h>\n#include \"uart.h\"\n", ""},
      {"// the device driver of the LCD\n", ""},
      {"// processor load is low\n", ""},
  };
  for (const auto& [text, part] : cases) {
    EXPECT_EQ(PartNamedIn(text).value_or(""), part) << text;
  }
}

TEST(PartTheSourceTells, ThePartNamedThenTheRegisterNames) {
  std::optional<PartOfSource> named =
      PartTheSourceTells("\tlist p=16f887\n\tmovwf SPBRG\n", "", std::nullopt);
  ASSERT_TRUE(named.has_value());
  EXPECT_EQ(named->profile.part, "16F887");
  EXPECT_NE(named->note.find("the source names"), std::string::npos);
  // The project's file before the source; a part the engine does not know gives way.
  std::optional<PartOfSource> project =
      PartTheSourceTells("list p=16f887", "<targetDevice>PIC18F47Q43</targetDevice>", std::nullopt);
  ASSERT_TRUE(project.has_value());
  EXPECT_EQ(project->profile.Port(1).KindName(), "UART");
  std::optional<PartOfSource> unknown =
      PartTheSourceTells("processor 16F99999\nU1CON0 = 0xB0; U1BRG = 138;", "", std::nullopt);
  ASSERT_TRUE(unknown.has_value());
  EXPECT_NE(unknown->note.find("register names"), std::string::npos);
  EXPECT_FALSE(PartTheSourceTells("TXSTA = 0x24; SPBRG = 25;", "", std::nullopt).has_value());
}

}  // namespace
}  // namespace brg::engine
