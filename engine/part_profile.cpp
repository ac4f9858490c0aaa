#include "engine/part_profile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "core/text.h"
#include "engine/errors.h"
#include "engine/gputils_header.h"
#include "engine/usart_port.h"

namespace brg::engine {
namespace {

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

// The letters of a part's family between its number and its variant, "k" of 18f45k22, "q" of
// 18f47q43; "" for 16f1829 and 16f877a.
std::string FamilyLetters(const std::string& stem) {
  std::size_t at = stem.find_first_not_of("0123456789");
  at = stem.find_first_of("0123456789", at);
  at = stem.find_first_not_of("0123456789", at);
  if (at == std::string::npos) {
    return "";
  }
  std::size_t end = stem.find_first_of("0123456789", at);
  return end == std::string::npos ? "" : stem.substr(at, end - at);
}

// Up to five parts of the same family whose names are closest to the one asked for.
std::string NearNames(const std::filesystem::path& dir, const std::string& stem) {
  std::vector<std::pair<std::size_t, std::string>> near;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    std::string name = entry.path().filename().string();
    if (name.size() > 5 && name[0] == 'p' && entry.path().extension() == ".inc") {
      std::string other = name.substr(1, name.size() - 5);
      std::size_t distance = NameDistance(stem, other);
      if (distance <= 2 && FamilyLetters(other) == FamilyLetters(stem)) {
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

}  // namespace

const SerialPort& PartProfile::Port(int number) const {
  if (number < 1 || static_cast<std::size_t>(number) > ports.size()) {
    throw PartError("the part " + part + " has " +
                    (ports.size() == 1 ? "one USART" : "no USART " + std::to_string(number)) +
                    ": --usart " + std::to_string(number) + " is not available");
  }
  return *ports[static_cast<std::size_t>(number) - 1];
}

std::string PartProfile::ClockRefusal(double oscMHz) const {
  if (family == nullptr || oscMHz <= family->clock.maxOscMHz) {
    return "";
  }
  return DecimalText(oscMHz) + " MHz is above the " + DecimalText(family->clock.maxOscMHz) +
         " MHz maximum of the " + part + " (" + family->name + ")";
}

PartProfile ClassicProfile() {
  return PartProfile{"", {ClassicUsart()}};
}

PartProfile ReadPartProfile(const std::string& part, const std::string& headerDir) {
  std::filesystem::path dir(headerDir);
  std::error_code error;
  if (!std::filesystem::is_directory(dir, error)) {
    throw PartError("no gputils part headers in " + headerDir +
                    ": install gputils (apt-get install gputils) or give --gputils-headers DIR");
  }
  std::string stem = PartStem(part);
  bool plainName = !stem.empty() && std::all_of(stem.begin(), stem.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
  std::ifstream header(dir / ("p" + stem + ".inc"));
  if (!plainName || !header) {
    std::string near = plainName ? NearNames(dir, stem) : "";
    throw PartError("no part " + part + " among the gputils headers in " + headerDir +
                    (near.empty() ? "" : "; near names: " + near));
  }
  PartProfile profile;
  profile.part = Upper(stem);
  profile.ports = UsartsInHeader(ReadGputilsHeader(header));
  profile.family = FamilyOf(profile.part);
  if (profile.ports.empty()) {
    throw PartError("the part " + profile.part + " has no USART");
  }
  return profile;
}

}  // namespace brg::engine
