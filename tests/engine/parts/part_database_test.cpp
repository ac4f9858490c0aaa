// The built-in part database against what the run-time header reader makes of the installed
// gputils headers, for every header: the same parts, the same ports with the same registers and
// bits, the same configuration words, and the same bring-up programs. A gputils update or a slip
// of the generator shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/brg_modes.h"
#include "engine/answers/wanted_rate.h"
#include "engine/errors.h"
#include "engine/forms/program_form.h"
#include "engine/parts/part_data.h"
#include "engine/parts/part_database.h"
#include "engine/parts/part_profile.h"

namespace brg::engine {
namespace {

// What a profile shows of its part, or the one line that refuses it.
struct Outcome {
  std::string refusal;
  PartProfile profile;
};

Outcome Read(const std::string& stem, const std::string& headerDir) {
  try {
    return {"", ReadPartProfile(stem, headerDir)};
  } catch (const PartError& error) {
    return {error.what(), {}};
  }
}

// Every register of a port with its names, width and bits, one text.
std::string PortText(const SerialPort& port) {
  std::string text = port.KindName() + " " + std::to_string(port.Number());
  for (const PortRegister& reg : port.Registers()) {
    text += "\n" + reg.name + (reg.present ? "" : " (absent)") + " " + std::to_string(reg.width);
    for (const std::string& alias : reg.aliases) {
      text += " =" + alias;
    }
    for (const PortBit& bit : reg.bits) {
      text += " " + bit.name + ":" + std::to_string(bit.position);
    }
  }
  return text;
}

std::string ConfigText(const GputilsHeader& header) {
  std::string text;
  for (const ConfigWord& word : header.configWords) {
    text += word.name + ":";
    for (const ConfigOption& option : word.options) {
      text += " " + option.name + "=" + std::to_string(option.value) + "(" + option.comment + ")";
    }
    text += "\n";
  }
  for (const auto& [name, address] : header.configAddresses) {
    text += name + "@" + std::to_string(address) + "\n";
  }
  return text;
}

// The bring-up program of a port at 4 MHz, 9600 baud, or why there is none.
std::string Program(const PartProfile& part, const SerialPort& port) {
  try {
    CodeSetting code{"4", WantedRate{"9600", 9600}, BestInMode(4, 9600, BrgMode::Async8Div16), ""};
    return ProgramForm(code, part, port, 4);
  } catch (const PartError& error) {
    return error.what();
  }
}

std::vector<std::string> InstalledStems() {
  std::vector<std::string> stems;
  for (const auto& entry : std::filesystem::directory_iterator(kGputilsHeaders)) {
    std::string file = entry.path().filename().string();
    if (file.size() > 5 && file[0] == 'p' && entry.path().extension() == ".inc") {
      stems.push_back(file.substr(1, file.size() - 5));
    }
  }
  std::sort(stems.begin(), stems.end());
  return stems;
}

TEST(PartDatabase, EveryInstalledHeaderReadsAsTheBuiltInPart) {
  std::vector<std::string> stems = InstalledStems();
  ASSERT_GT(stems.size(), 600U) << "the gputils headers are a build dependency";
  std::size_t withPort = 0;
  for (const std::string& stem : stems) {
    SCOPED_TRACE(stem);
    Outcome builtIn = Read(stem, "");
    Outcome installed = Read(stem, kGputilsHeaders);
    ASSERT_EQ(builtIn.refusal, installed.refusal);
    if (!installed.refusal.empty()) {
      continue;
    }
    ++withPort;
    const PartProfile& a = builtIn.profile;
    const PartProfile& b = installed.profile;
    EXPECT_EQ(a.part, b.part);
    EXPECT_EQ(a.family, b.family);
    EXPECT_EQ(a.assemblable, b.assemblable);
    EXPECT_EQ(a.headerStem, b.headerStem);
    ASSERT_EQ(a.header != nullptr, b.header != nullptr);
    ASSERT_EQ(a.ports.size(), b.ports.size());
    for (std::size_t i = 0; i < a.ports.size(); ++i) {
      EXPECT_EQ(PortText(*a.ports[i]), PortText(*b.ports[i]));
      EXPECT_EQ(Program(a, *a.ports[i]), Program(b, *b.ports[i]));
    }
    if (a.header == nullptr) {
      continue;
    }
    EXPECT_EQ(ConfigText(*a.header), ConfigText(*b.header));
    for (const auto& [name, address] : a.header->registers) {
      auto read = b.header->registers.find(name);
      ASSERT_NE(read, b.header->registers.end()) << name;
      EXPECT_EQ(address, read->second) << name;
    }
    for (const auto& [reg, bits] : a.header->bits) {
      ASSERT_EQ(b.header->bits.count(reg), 1U) << reg;
      EXPECT_EQ(bits, b.header->bits.at(reg)) << reg;
    }
  }
  EXPECT_GT(withPort, 450U);
}

TEST(PartDatabase, ThePartListIsTheHeadersWithASerialPort) {
  EXPECT_EQ(KnownParts(""), KnownParts(kGputilsHeaders));
  std::vector<std::string> stems = BuiltInPartStems();
  EXPECT_TRUE(std::is_sorted(stems.begin(), stems.end()));
  EXPECT_NE(std::find(stems.begin(), stems.end(), "16f1829"), stems.end());
  EXPECT_EQ(std::find(stems.begin(), stems.end(), "12f675"), stems.end());
  EXPECT_TRUE(BuiltInPartWithoutSerialPort("12f675"));
  EXPECT_FALSE(BuiltInPartWithoutSerialPort("16f1829"));
  EXPECT_FALSE(BuiltInHeader("16f9999").has_value());
}

}  // namespace
}  // namespace brg::engine
