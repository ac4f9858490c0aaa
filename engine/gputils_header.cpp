#include "engine/gputils_header.h"

#include <algorithm>
#include <sstream>

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

std::string GputilsHeader::FirstDefined(const std::vector<const char*>& candidates) const {
  for (const char* candidate : candidates) {
    if (Defines(candidate)) {
      return candidate;
    }
  }
  return "";
}

std::optional<int> GputilsHeader::BitOf(const std::string& reg, const std::string& bit) const {
  auto own = registers.find(reg);
  if (own == registers.end()) {
    return std::nullopt;
  }
  for (const auto& [alias, named] : bits) {
    auto found = named.find(bit);
    auto aliasAddress = registers.find(alias);
    if (found != named.end() && aliasAddress != registers.end() &&
        aliasAddress->second == own->second) {
      return found->second;
    }
  }
  return std::nullopt;
}

std::vector<PortBit> GputilsHeader::BitsOf(const std::string& reg) const {
  std::vector<PortBit> found;
  auto own = registers.find(reg);
  if (own == registers.end()) {
    return found;
  }
  for (const auto& [alias, named] : bits) {
    auto aliasAddress = registers.find(alias);
    if (aliasAddress == registers.end() || aliasAddress->second != own->second) {
      continue;
    }
    for (const auto& entry : named) {
      const std::string& name = entry.first;
      bool known = std::any_of(found.begin(), found.end(),
                               [&name](const PortBit& bit) { return bit.name == name; });
      if (!known) {
        found.push_back(PortBit{name, entry.second});
      }
    }
  }
  std::sort(found.begin(), found.end(), [](const PortBit& a, const PortBit& b) {
    return a.position != b.position ? a.position > b.position : a.name < b.name;
  });
  return found;
}

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
