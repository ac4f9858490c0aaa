#include "engine/parts/part_profile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "core/locale_numbers.h"
#include "core/text.h"
#include "engine/errors.h"
#include "engine/parts/gputils_header.h"
#include "engine/parts/part_database.h"
#include "engine/ports/port_kinds.h"
#include "engine/ports/usart_port.h"

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
std::string NearNames(const std::string& stem, const std::string& headerDir) {
  std::vector<std::pair<std::size_t, std::string>> near;
  for (const std::string& known : KnownParts(headerDir)) {
    std::string other = PartStem(known);
    std::size_t distance = NameDistance(stem, other);
    if (distance <= 2 && FamilyLetters(other) == FamilyLetters(stem)) {
      near.emplace_back(distance, Upper(other));
    }
  }
  std::sort(near.begin(), near.end());
  near.erase(std::unique(near.begin(), near.end()), near.end());
  std::string listed;
  for (std::size_t i = 0; i < near.size() && i < 5; ++i) {
    listed += (i > 0 ? ", " : "") + near[i].second;
  }
  return listed;
}

}  // namespace

const SerialPort& PartProfile::Port(int number) const {
  if (number < 1 || static_cast<std::size_t>(number) > ports.size()) {
    std::string kind = ports.empty() ? "USART" : ports.front()->KindName();
    throw PartError(
        "the part " + part + " has " +
        (ports.size() == 1 ? "one " + kind : "no " + kind + " " + std::to_string(number)) +
        ": --usart " + std::to_string(number) + " is not available");
  }
  return *ports[static_cast<std::size_t>(number) - 1];
}

std::string PartProfile::ClockRefusal(double oscMHz, const Separators& separators) const {
  if (family == nullptr || oscMHz <= family->clock.maxOscMHz) {
    return "";
  }
  return LocaleDecimal(DecimalText(oscMHz), separators) + " MHz is above the " +
         LocaleDecimal(DecimalText(family->clock.maxOscMHz), separators) + " MHz maximum of the " +
         part + " (" + family->name + ")";
}

PartProfile ClassicProfile() {
  PartProfile profile;
  profile.ports = {ClassicUsart(1), ClassicUsart(2)};
  return profile;
}

namespace {

// The ports of a family that the table describes.
std::vector<std::shared_ptr<const SerialPort>> PortsOfFamily(const PartFamily& family,
                                                             const ClockChoices& choices) {
  std::vector<std::shared_ptr<const SerialPort>> ports;
  for (int number = 1; number <= family.ports; ++number) {
    switch (family.kind) {
      case PortKind::Eusart:
        ports.push_back(NumberedEusart(number));
        break;
      case PortKind::Pic18Uart:
        ports.push_back(Pic18Uart(number));
        break;
      case PortKind::Pic24Uart:
        ports.push_back(Pic24Uart(number));
        break;
      case PortKind::Dspic33cUart:
        ports.push_back(Dspic33cUart(number));
        break;
      case PortKind::Pic32Uart:
        ports.push_back(
            Pic32Uart(number, choices.pbdiv.value_or(family.pbdiv), family.bus, family.busNote));
        break;
      case PortKind::FromHeader:
        break;
    }
  }
  return ports;
}

bool PlainName(const std::string& stem) {
  return !stem.empty() && std::all_of(stem.begin(), stem.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
}

// The part's header: from `headerDir` where the user gives one that has it, else built in.
std::shared_ptr<const GputilsHeader> HeaderOf(const std::string& stem,
                                              const std::string& headerDir) {
  if (!headerDir.empty()) {
    std::ifstream header(std::filesystem::path(headerDir) / ("p" + stem + ".inc"));
    if (header.is_open()) {
      return std::make_shared<const GputilsHeader>(ReadGputilsHeader(header));
    }
  }
  std::optional<GputilsHeader> builtIn = BuiltInHeader(stem);
  return builtIn ? std::make_shared<const GputilsHeader>(std::move(*builtIn)) : nullptr;
}

}  // namespace

PartProfile ReadPartProfile(const std::string& part, const std::string& headerDir,
                            const ClockChoices& choices) {
  std::error_code error;
  if (!headerDir.empty() && !std::filesystem::is_directory(headerDir, error)) {
    throw PartError("no gputils part headers in " + headerDir + " (--gputils-headers)");
  }
  std::string stem = PartStem(part);
  const PartFamily* family = PlainName(stem) ? FamilyOf(stem) : nullptr;
  std::shared_ptr<const GputilsHeader> read = PlainName(stem) ? HeaderOf(stem, headerDir) : nullptr;
  bool fromHeader = family == nullptr || family->kind == PortKind::FromHeader;
  if (read != nullptr) {
    PartProfile profile;
    profile.part = Upper(stem);
    profile.header = read;
    profile.headerStem = stem;
    profile.ports = UsartsInHeader(*profile.header);
    profile.family = family;
    if (!profile.ports.empty() || fromHeader) {
      if (profile.ports.empty()) {
        throw PartError("the part " + profile.part + " has no USART");
      }
      return profile;
    }
  }
  if (!fromHeader) {
    PartProfile profile;
    profile.part = DisplayPartName(stem);
    profile.ports = PortsOfFamily(*family, choices);
    profile.family = family;
    profile.assemblable = read != nullptr;
    profile.header = read;
    profile.headerStem = read != nullptr ? stem : "";
    // A part of the family that the table does not list (a newer one, say) matches the
    // family's pattern: it is checked by the family's ports, and the note says so.
    const std::vector<std::string>& members = family->members;
    if (std::find(members.begin(), members.end(), CanonicalPartName(stem)) == members.end()) {
      profile.note = profile.part + " is not among the " + family->name +
                     " parts the table lists; it is taken to have the family's " +
                     std::to_string(family->ports) + " " +
                     (profile.ports.empty() ? "serial port" : profile.ports.front()->KindName()) +
                     (family->ports == 1 ? "" : "s");
    }
    return profile;
  }
  if (std::string line = FamilyLineOf(stem); !line.empty()) {
    throw PartError("no part data for " + DisplayPartName(stem) + ": it is a " + line +
                    " part, but the engine's table has no row for its family");
  }
  if (PlainName(stem) && BuiltInPartWithoutSerialPort(stem)) {
    throw PartError("the part " + Upper(stem) + " has no USART");
  }
  std::string near = PlainName(stem) ? NearNames(stem, headerDir) : "";
  throw PartError("no part " + part + " among the parts the engine knows" +
                  (headerDir.empty() ? "" : " and the gputils headers in " + headerDir) +
                  (near.empty() ? "" : "; near names: " + near));
}

}  // namespace brg::engine
