#include "engine/ports/register_map.h"

#include <algorithm>

namespace brg::engine {

std::string RegisterMap::FirstDefined(const std::vector<const char*>& candidates) const {
  for (const char* candidate : candidates) {
    if (Defines(candidate)) {
      return candidate;
    }
  }
  return "";
}

std::optional<int> RegisterMap::BitOf(const std::string& reg, const std::string& bit) const {
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

std::vector<PortBit> RegisterMap::BitsOf(const std::string& reg) const {
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

}  // namespace brg::engine
