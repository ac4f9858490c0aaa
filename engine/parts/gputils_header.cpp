#include "engine/parts/gputils_header.h"

#include <optional>
#include <sstream>
#include <utility>

namespace brg::engine {
namespace {

// "NAME  EQU  H'0F70'": the name and the value, or nothing for any other line.
std::optional<std::pair<std::string, unsigned>> Equate(const std::string& line) {
  std::istringstream words(line);
  std::string name;
  std::string equ;
  std::string value;
  if (!(words >> name >> equ >> value) || equ != "EQU" || value.size() < 4 ||
      value.rfind("H'", 0) != 0) {
    return std::nullopt;
  }
  try {
    return std::pair{name, static_cast<unsigned>(std::stoul(value.substr(2), nullptr, 16))};
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

GputilsHeader ReadGputilsHeader(std::istream& in) {
  GputilsHeader header;
  std::string line;
  std::string section;  // "Register Files", or the register whose bits follow
  bool configOptions = false;
  while (std::getline(in, line)) {
    if (line.rfind(";----- ", 0) == 0) {
      std::istringstream words(line.substr(7));
      std::string first;
      std::string second;
      words >> first >> second;
      configOptions = second == "Options" && first.rfind("CONFIG", 0) == 0;
      section = second == "Bits" ? first : (first == "Register" ? "Register Files" : "");
      if (configOptions) {
        header.configWords.push_back(ConfigWord{first, {}});
      }
      continue;
    }
    std::optional<std::pair<std::string, unsigned>> equate = Equate(line);
    if (!equate) {
      continue;
    }
    if (configOptions) {
      std::size_t semicolon = line.find(';');
      std::string comment = semicolon == std::string::npos ? "" : line.substr(semicolon + 1);
      comment.erase(0, comment.find_first_not_of(' '));
      header.configWords.back().options.push_back(
          ConfigOption{equate->first, equate->second, comment});
    } else if (equate->first.rfind("_CONFIG", 0) == 0) {
      header.configAddresses.emplace(equate->first, equate->second);
    } else if (section == "Register Files") {
      header.registers.emplace(equate->first, equate->second);
    } else if (!section.empty()) {
      header.bits[section].emplace(equate->first, static_cast<int>(equate->second));
    }
  }
  return header;
}

}  // namespace brg::engine
