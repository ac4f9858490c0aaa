#include "engine/check/part_in_source.h"

#include <cctype>

#include "core/text.h"
#include "engine/check/port_from_names.h"
#include "engine/errors.h"

namespace brg::engine {
namespace {

bool PartChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// A part name at the start of `text`: a run of letters and digits that begins PIC, P, dsPIC or a
// family's digits (10, 12, 16, 18, 24, 30, 32, 33) and holds a letter after them.
std::optional<std::string> PartAt(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && PartChar(text[end])) {
    ++end;
  }
  std::string name(text.substr(0, end));
  std::string upper = Upper(name);
  std::string digits = upper;
  for (const char* prefix : {"DSPIC", "PIC", "P"}) {
    if (digits.rfind(prefix, 0) == 0) {
      digits = digits.substr(std::string_view(prefix).size());
      break;
    }
  }
  if (digits.size() < 4) {
    return std::nullopt;
  }
  for (const char* family : {"10", "12", "16", "18", "24", "30", "32", "33"}) {
    if (digits.rfind(family, 0) == 0 && std::isalpha(static_cast<unsigned char>(digits[2])) != 0) {
      return name;
    }
  }
  return std::nullopt;
}

// What stands after `marker` in `upper` (the text upper-cased), from its first letter or digit.
std::optional<std::string> PartAfter(std::string_view text, const std::string& upper,
                                     std::string_view marker) {
  for (std::size_t at = upper.find(marker); at != std::string::npos;
       at = upper.find(marker, at + 1)) {
    std::size_t start = at + marker.size();
    while (start < text.size() && !PartChar(text[start]) && text[start] != '\n') {
      ++start;
    }
    if (auto part = PartAt(text.substr(start))) {
      return part;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> PartNamedIn(std::string_view text) {
  std::string upper = Upper(text);
  for (std::string_view marker : {"<TARGETDEVICE>", "LIST P=", "LIST  P=", "PROCESSOR ", "DEVICE ",
                                  "#INCLUDE <", "#INCLUDE \"", "INCLUDE "}) {
    if (auto part = PartAfter(text, upper, marker)) {
      return part;
    }
  }
  for (std::size_t at = upper.find(" CONFIGURATION BIT SETTINGS"); at != std::string::npos;
       at = upper.find(" CONFIGURATION BIT SETTINGS", at + 1)) {
    std::size_t start = at;
    while (start > 0 && PartChar(text[start - 1])) {
      --start;
    }
    if (auto part = PartAt(text.substr(start))) {
      return part;
    }
  }
  return std::nullopt;
}

std::optional<PartOfSource> PartTheSourceTells(std::string_view text, std::string_view projectFile,
                                               std::optional<double> pbdiv) {
  for (auto [named, where] : {std::pair{PartNamedIn(projectFile), "the MPLAB X project names"},
                              std::pair{PartNamedIn(text), "the source names"}}) {
    if (!named) {
      continue;
    }
    try {
      PartOfSource part{ReadPartProfile(*named, "", ClockChoices{pbdiv}), ""};
      part.note = "checked as " + part.profile.part + ", the part " + where + ", without --device";
      if (!part.profile.note.empty()) {
        part.note += "; " + part.profile.note;
      }
      return part;
    } catch (const PartError&) {
      // a part the engine does not know: the names may still tell the port
    }
  }
  if (std::optional<PortsFromNames> told = PortsTheNamesTell(text, pbdiv)) {
    return PartOfSource{told->profile, told->note};
  }
  return std::nullopt;
}

}  // namespace brg::engine
