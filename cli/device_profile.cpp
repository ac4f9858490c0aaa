#include "cli/device_profile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace brg::cli {
namespace {

// What one header defines: register addresses, and the bits of each register by its name.
struct HeaderNames {
  std::map<std::string, unsigned> registers;
  std::map<std::string, std::map<std::string, int>> bits;
};

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

HeaderNames ReadHeader(std::istream& in) {
  HeaderNames names;
  std::string line;
  std::string section;  // "Register Files", or the register whose bits follow
  while (std::getline(in, line)) {
    if (line.rfind(";----- ", 0) == 0) {
      std::istringstream words(line.substr(7));
      std::string first;
      std::string second;
      words >> first >> second;
      section = second == "Bits" ? first : (first == "Register" ? "Register Files" : "");
      continue;
    }
    std::optional<std::pair<std::string, unsigned>> equate = Equate(line);
    if (!equate || section.empty()) {
      continue;
    }
    if (section == "Register Files") {
      names.registers.emplace(equate->first, equate->second);
    } else {
      names.bits[section].emplace(equate->first, static_cast<int>(equate->second));
    }
  }
  return names;
}

// The first of the names that the header defines, or "".
std::string FirstDefined(const HeaderNames& names, const std::vector<const char*>& candidates) {
  for (const char* candidate : candidates) {
    if (names.registers.count(candidate) != 0) {
      return candidate;
    }
  }
  return "";
}

// The position of a bit of a register, looked up under every name at the register's address.
std::optional<int> BitOf(const HeaderNames& names, const std::string& reg, const char* bit) {
  unsigned address = names.registers.at(reg);
  for (const auto& [alias, bits] : names.bits) {
    auto found = bits.find(bit);
    auto aliasAddress = names.registers.find(alias);
    if (found != bits.end() && aliasAddress != names.registers.end() &&
        aliasAddress->second == address) {
      return found->second;
    }
  }
  return std::nullopt;
}

struct UsartNames {
  std::vector<const char*> txsta, rcsta, spbrg, spbrgh, baudcon;
};

const UsartNames kUsartNames[] = {
    {{"TXSTA", "TX1STA", "TXSTA1"},
     {"RCSTA", "RC1STA", "RCSTA1"},
     {"SPBRG", "SPBRGL", "SP1BRG", "SP1BRGL", "SPBRG1"},
     {"SPBRGH", "SP1BRGH", "SPBRGH1"},
     {"BAUDCON", "BAUDCTL", "BAUD1CON", "BAUDCON1"}},
    {{"TXSTA2", "TX2STA"},
     {"RCSTA2", "RC2STA"},
     {"SPBRG2", "SP2BRG", "SP2BRGL"},
     {"SPBRGH2", "SP2BRGH"},
     {"BAUDCON2", "BAUD2CON", "BAUDCTL2"}},
};

std::optional<UsartProfile> FindUsart(const HeaderNames& names, int number) {
  const UsartNames& candidates = kUsartNames[number - 1];
  UsartProfile usart;
  usart.number = number;
  usart.txsta = FirstDefined(names, candidates.txsta);
  usart.rcsta = FirstDefined(names, candidates.rcsta);
  usart.spbrg = FirstDefined(names, candidates.spbrg);
  if (usart.txsta.empty() || usart.rcsta.empty() || usart.spbrg.empty()) {
    return std::nullopt;
  }
  auto bit = [&](const std::string& reg, const char* name, int& position) {
    if (std::optional<int> found = BitOf(names, reg, name)) {
      position = *found;
    }
  };
  bit(usart.txsta, "TXEN", usart.txen);
  bit(usart.txsta, "BRGH", usart.brgh);
  bit(usart.txsta, "SYNC", usart.sync);
  bit(usart.txsta, "CSRC", usart.csrc);
  bit(usart.rcsta, "SPEN", usart.spen);
  bit(usart.rcsta, "CREN", usart.cren);
  std::string spbrgh = FirstDefined(names, candidates.spbrgh);
  std::string baudcon = FirstDefined(names, candidates.baudcon);
  if (!spbrgh.empty() && !baudcon.empty()) {
    if (std::optional<int> brg16 = BitOf(names, baudcon, "BRG16")) {
      usart.spbrgh = spbrgh;
      usart.baudcon = baudcon;
      usart.brg16 = *brg16;
    }
  }
  return usart;
}

// "PIC16F1829" and "p16f1829" as the header's stem, 16f1829.
std::string PartStem(const std::string& part) {
  std::string stem;
  for (char c : part) {
    stem.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  if (stem.rfind("pic", 0) == 0) {
    stem.erase(0, 3);
  } else if (stem.rfind('p', 0) == 0) {
    stem.erase(0, 1);
  }
  return stem;
}

std::string Upper(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

// Up to five parts whose names are closest to the one asked for.
std::string NearNames(const std::filesystem::path& dir, const std::string& stem) {
  std::vector<std::pair<std::size_t, std::string>> near;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    std::string name = entry.path().filename().string();
    if (name.size() > 5 && name[0] == 'p' && entry.path().extension() == ".inc") {
      std::string other = name.substr(1, name.size() - 5);
      std::size_t distance = NameDistance(stem, other);
      if (distance <= 2) {
        near.emplace_back(distance, Upper(other));
      }
    }
  }
  std::sort(near.begin(), near.end());
  std::string listed;
  for (std::size_t i = 0; i < near.size() && i < 5; ++i) {
    listed += (i > 0 ? ", " : "") + near[i].second;
  }
  return listed;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::optional<UsartRegister> RegisterOf(std::string_view name, const UsartProfile& usart) {
  const UsartNames& names = kUsartNames[usart.number - 1];
  const std::pair<UsartRegister, std::pair<const std::string*, const std::vector<const char*>*>>
      roles[] = {
          {UsartRegister::Txsta, {&usart.txsta, &names.txsta}},
          {UsartRegister::Rcsta, {&usart.rcsta, &names.rcsta}},
          {UsartRegister::Spbrg, {&usart.spbrg, &names.spbrg}},
          {UsartRegister::Spbrgh, {&usart.spbrgh, &names.spbrgh}},
          {UsartRegister::Baudcon, {&usart.baudcon, &names.baudcon}},
      };
  for (const auto& [role, known] : roles) {
    if (!known.first->empty() && SameName(name, *known.first)) {
      return role;
    }
    for (const char* alias : *known.second) {
      if (SameName(name, alias)) {
        return role;
      }
    }
  }
  return std::nullopt;
}

// Edits between two names, a swap of neighbouring characters counting as one.
std::size_t NameDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) {
    d[i][0] = i;
  }
  for (std::size_t j = 0; j <= b.size(); ++j) {
    d[0][j] = j;
  }
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

DeviceProfile ClassicProfile() {
  UsartProfile usart;
  usart.txsta = "TXSTA";
  usart.rcsta = "RCSTA";
  usart.spbrg = "SPBRG";
  usart.spbrgh = "SPBRGH";
  usart.baudcon = "BAUDCON";
  return DeviceProfile{"", {usart}};
}

DeviceProfile ReadDeviceProfile(const std::string& part, const std::string& headerDir) {
  std::filesystem::path dir(headerDir);
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error)) {
    throw DeviceError("no gputils part headers in " + headerDir +
                      ": install gputils (apt-get install gputils) or give --gputils-headers DIR");
  }
  std::string stem = PartStem(part);
  bool plainName = !stem.empty() && std::all_of(stem.begin(), stem.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
  std::ifstream header(dir / ("p" + stem + ".inc"));
  if (!plainName || !header) {
    std::string near = plainName ? NearNames(dir, stem) : "";
    throw DeviceError("no part " + part + " among the gputils headers in " + headerDir +
                      (near.empty() ? "" : "; near names: " + near));
  }
  HeaderNames names = ReadHeader(header);
  DeviceProfile device;
  device.part = Upper(stem);
  for (int number : {1, 2}) {
    if (std::optional<UsartProfile> usart = FindUsart(names, number)) {
      device.usarts.push_back(*usart);
    }
  }
  if (device.usarts.empty()) {
    throw DeviceError("the part " + device.part + " has no USART");
  }
  return device;
}

const UsartProfile& UsartOf(const DeviceProfile& device, int number) {
  if (number < 1 || static_cast<std::size_t>(number) > device.usarts.size()) {
    throw DeviceError(
        "the part " + device.part + " has " +
        (device.usarts.size() == 1 ? "one USART" : "no USART " + std::to_string(number)) +
        ": --usart " + std::to_string(number) + " is not available");
  }
  return device.usarts[static_cast<std::size_t>(number) - 1];
}

}  // namespace brg::cli
