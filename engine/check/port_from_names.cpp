#include "engine/check/port_from_names.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "core/text.h"
#include "engine/check/source_text.h"
#include "engine/ports/port_kinds.h"
#include "engine/ports/usart_port.h"

namespace brg::engine {
namespace {

bool NameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// Every name of the text in upper case, and every REG.FIELD pair (REGbits.FIELD as REG.FIELD).
struct NamesInText {
  std::set<std::string> names;
  std::set<std::string> fields;

  explicit NamesInText(std::string_view text) {
    std::string previous;
    bool dotAfterPrevious = false;
    for (std::size_t i = 0; i < text.size();) {
      if (!NameChar(text[i])) {
        dotAfterPrevious = text[i] == '.' && !previous.empty();
        if (!dotAfterPrevious && std::isspace(static_cast<unsigned char>(text[i])) == 0) {
          previous.clear();
        }
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < text.size() && NameChar(text[end])) {
        ++end;
      }
      std::string name = Upper(text.substr(i, end - i));
      if (dotAfterPrevious) {
        fields.insert(previous + "." + name);
      }
      name = std::string(WithoutBitsSuffix(name));  // U1MODEbits: U1MODE
      names.insert(name);
      previous = name;
      dotAfterPrevious = false;
      i = end;
    }
  }

  bool Has(const std::string& name) const { return names.count(name) != 0; }
  bool HasField(const std::string& reg, const std::string& field) const {
    return fields.count(reg + "." + field) != 0;
  }
};

// The highest port number n for which a name `prefix` n `suffix` appears, or 0.
int HighestNumbered(const NamesInText& text, const std::string& prefix,
                    std::initializer_list<const char*> suffixes) {
  int highest = 0;
  for (int number = 1; number <= 9; ++number) {
    for (const char* suffix : suffixes) {
      if (text.Has(prefix + std::to_string(number) + suffix)) {
        highest = number;
      }
    }
  }
  return highest;
}

// PIC32 rather than PIC24: its SET, CLR and INV registers, its ON bit, its bus and its clocks.
bool TellsPic32(const NamesInText& text, int ports) {
  for (int number = 1; number <= ports; ++number) {
    std::string u = "U" + std::to_string(number);
    for (const char* reg : {"MODE", "STA", "BRG"}) {
      for (const char* suffix : {"SET", "CLR", "INV"}) {
        if (text.Has(u + reg + suffix)) {
          return true;
        }
      }
    }
    if (text.HasField(u + "MODE", "ON") || text.HasField(u + "STA", "URXEN")) {
      return true;
    }
  }
  for (const char* name : {"FPBDIV", "PBCLK", "PBCLK2", "PB2DIV", "SPLLCON", "__XC32",
                           "__PIC32MX__", "GETPERIPHERALCLOCK", "SYSTEMCONFIGPERFORMANCE"}) {
    if (text.Has(name)) {
      return true;
    }
  }
  return false;
}

// dsPIC33C rather than PIC24: UxMODEH, UxSTAH, UxBRGH, or its bits in UxMODE.
bool TellsDspic33c(const NamesInText& text, int ports) {
  for (int number = 1; number <= ports; ++number) {
    std::string u = "U" + std::to_string(number);
    if (text.Has(u + "MODEH") || text.Has(u + "STAH") || text.Has(u + "BRGH") ||
        text.HasField(u + "MODE", "UTXEN") || text.HasField(u + "MODE", "URXEN") ||
        text.HasField(u + "MODE", "MOD")) {
      return true;
    }
  }
  return text.Has("BCLKSEL") || text.Has("BCLKMOD");
}

PortsFromNames Numbered(int ports, std::shared_ptr<const SerialPort> (*kind)(int),
                        const std::string& note) {
  PortsFromNames told;
  for (int number = 1; number <= ports; ++number) {
    told.profile.ports.push_back(kind(number));
  }
  told.note = note;
  return told;
}

}  // namespace

std::optional<PortsFromNames> PortsTheNamesTell(std::string_view text,
                                                std::optional<double> pbdiv) {
  NamesInText names(text);
  std::string without = ", without --device";
  if (int ports = HighestNumbered(names, "U", {"CON0"});
      ports > 0 && HighestNumbered(names, "U", {"BRGL", "BRG", "CON1"}) > 0) {
    return Numbered(ports, Pic18Uart,
                    "read as the PIC18 UART by its register names UxCON0 and UxBRG" + without);
  }
  if (int ports = HighestNumbered(names, "U", {"MODE", "MODESET", "MODECLR"});
      ports > 0 && HighestNumbered(names, "U", {"BRG", "STA", "STASET"}) > 0) {
    if (TellsPic32(names, ports)) {
      PortsFromNames told;
      for (int number = 1; number <= ports; ++number) {
        told.profile.ports.push_back(Pic32Uart(number, pbdiv.value_or(1), "PBCLK",
                                               "the bus divider is the code's or --pbdiv, else 1"));
      }
      told.note =
          "read as the PIC32 UART by its register names UxMODE, UxBRG and the bus" + without;
      return told;
    }
    if (TellsDspic33c(names, ports)) {
      return Numbered(
          ports, Dspic33cUart,
          "read as the dsPIC33C UART by its register names UxMODE, UxMODEH and UxBRG" + without);
    }
    return Numbered(
        ports, Pic24Uart,
        "read as the UART of PIC24 and dsPIC33F/E by its register names UxMODE and UxBRG" +
            without);
  }
  int eusarts = std::max(
      {HighestNumbered(names, "TX", {"STA"}), HighestNumbered(names, "RC", {"STA"}),
       HighestNumbered(names, "SP", {"BRGL", "BRG"}), HighestNumbered(names, "BAUD", {"CON"})});
  if (eusarts > 2) {
    return Numbered(eusarts, NumberedEusart,
                    "read as the numbered EUSARTs by their register names" + without);
  }
  return std::nullopt;
}

}  // namespace brg::engine
