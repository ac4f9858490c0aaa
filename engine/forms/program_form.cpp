#include "engine/forms/program_form.h"

#include <algorithm>

#include "core/text.h"
#include "engine/errors.h"
#include "engine/parts/bring_up_data.h"

namespace brg::engine {
namespace {

constexpr const char* kIndent = "    ";

std::string Instruction(const std::string& op, const std::string& operands) {
  return kIndent + Padded(op, 7, false) + " " + operands + "\n";
}

std::string HexLiteral(unsigned value) {
  return "H'" + HexValue(value, 8).substr(2) + "'";
}

bool IsPic18(const PartProfile& part) {
  return part.headerStem.rfind("18", 0) == 0;
}

// The option of a configuration word the program sets, by the names headers give it.
struct ChosenOption {
  std::string symbol;
  std::string what;  // for the comment: "watchdog off"
};

const ConfigOption* OptionNamed(const GputilsHeader& header, const std::string& symbol,
                                std::string& word) {
  for (const ConfigWord& config : header.configWords) {
    for (const ConfigOption& option : config.options) {
      if (option.name == symbol) {
        word = config.name;
        return &option;
      }
    }
  }
  return nullptr;
}

bool HeaderHas(const GputilsHeader& header, const std::string& symbol) {
  std::string word;
  return OptionNamed(header, symbol, word) != nullptr;
}

std::string FirstOption(const GputilsHeader& header, const std::vector<std::string>& symbols) {
  for (const std::string& symbol : symbols) {
    if (HeaderHas(header, symbol)) {
      return symbol;
    }
  }
  return "";
}

// The oscillator mode for `oscMHz`: a crystal up to the part's highest, an external clock
// above it.
std::pair<const OscillatorMode*, std::string> OscillatorOf(const GputilsHeader& header,
                                                           double oscMHz, double maxCrystalMHz) {
  for (const OscillatorMode& mode : OscillatorModes()) {
    double upTo = mode.upToMHz > 0 ? mode.upToMHz : maxCrystalMHz;
    bool fits =
        mode.aboveCrystal ? oscMHz > maxCrystalMHz : oscMHz > mode.aboveMHz && oscMHz <= upTo;
    std::string symbol = fits ? FirstOption(header, mode.symbols) : "";
    if (!symbol.empty()) {
      return {&mode, symbol};
    }
  }
  return {nullptr, ""};
}

std::vector<ChosenOption> ChosenOptions(const PartProfile& part, double oscMHz,
                                        std::string& oscillatorText) {
  const GputilsHeader& header = *part.header;
  double maxCrystal = part.family != nullptr && part.family->clock.maxCrystalMHz > 0
                          ? part.family->clock.maxCrystalMHz
                          : 20;
  auto [mode, symbol] = OscillatorOf(header, oscMHz, maxCrystal);
  if (mode == nullptr) {
    throw PartError("the gputils header of " + part.part + " offers no oscillator mode for " +
                    DecimalText(oscMHz) + " MHz");
  }
  oscillatorText = mode->name + " of " + DecimalText(oscMHz) + " MHz" +
                   (mode->aboveCrystal ? " (above the " + DecimalText(maxCrystal) +
                                             " MHz crystals of its HS mode; a board with a "
                                             "crystal and the PLL needs other oscillator bits)"
                                       : "");
  std::vector<ChosenOption> chosen{{symbol, ""}};
  const std::pair<std::vector<std::string>, const char*> kOthers[] = {
      {{"_PLLCFG_OFF_1H", "_PLLEN_OFF_1H", "_PLLEN_OFF"}, "the PLL off"},
      {{"_CPUDIV_OSC1_PLL2_1L"}, "the CPU clock the oscillator itself"},
      {{"_WDTEN_OFF_2H", "_WDT_OFF_2H", "_WDT_OFF_3", "_WDTE_OFF", "_WDT_OFF", "_WDTEN_OFF"},
       "the watchdog off"},
      {{"_PBADEN_OFF_3H"}, "PORTB digital at reset"},
      {{"_LVP_OFF_4L", "_LVP_OFF"}, "low-voltage programming off (its pin stays a pin)"},
      {{"_XINST_OFF_4L"}, "the extended instruction set off"},
  };
  for (const auto& [symbols, what] : kOthers) {
    if (std::string found = FirstOption(header, symbols); !found.empty()) {
      chosen.push_back(ChosenOption{found, what});
    }
  }
  return chosen;
}

// "__CONFIG _CONFIG1, _FOSC_HS & _WDTE_OFF" for each word the program sets.
std::string ConfigLines(const PartProfile& part, double oscMHz) {
  const GputilsHeader& header = *part.header;
  std::string oscillatorText;
  std::vector<ChosenOption> chosen = ChosenOptions(part, oscMHz, oscillatorText);
  std::string comment = "; Configuration: " + oscillatorText;
  for (const ChosenOption& option : chosen) {
    comment += option.what.empty() ? "" : ", " + option.what;
  }
  std::string text = comment + "; every other option as erased\n";
  if (IsPic18(part)) {
    text += Instruction("errorlevel",
                        "-212  ; __CONFIG with the header's names, which gpasm "
                        "calls deprecated");
  }
  for (const ConfigWord& word : header.configWords) {
    std::string expression;
    for (const ChosenOption& option : chosen) {
      std::string in;
      if (OptionNamed(header, option.symbol, in) != nullptr && in == word.name) {
        expression += (expression.empty() ? "" : " & ") + option.symbol;
      }
    }
    if (expression.empty()) {
      continue;
    }
    std::string address;
    if (word.name != "CONFIG") {
      auto named = header.configAddresses.find("_" + word.name);
      address = named != header.configAddresses.end()
                    ? named->first
                    : HexValue(0x300000 + 2 * (std::stoi(word.name.substr(6)) - 1) +
                                   (word.name.back() == 'H' ? 1 : 0),
                               24);
      address += ", ";
    }
    text += Instruction("__CONFIG", address + expression);
  }
  return text;
}

// ANSEL registers cleared, or ADCON1 set for all digital on the parts without them.
std::string DigitalPins(const GputilsHeader& header) {
  std::string text;
  for (const char* ansel :
       {"ANSEL", "ANSELH", "ANSELA", "ANSELB", "ANSELC", "ANSELD", "ANSELE", "ANSEL0", "ANSEL1"}) {
    if (header.Defines(ansel)) {
      text += Instruction("banksel", ansel) + Instruction("clrf", ansel);
    }
  }
  if (text.empty() && header.Defines("ADCON1")) {
    for (const DigitalAdcon1& layout : DigitalAdcon1Values()) {
      if (header.BitOf("ADCON1", layout.bit)) {
        text += Instruction("banksel", "ADCON1") + Instruction("movlw", HexLiteral(layout.value)) +
                Instruction("movwf", "ADCON1");
        break;
      }
    }
  }
  return text.empty() ? "" : "; Every pin digital (the A/D inputs come up analog)\n" + text;
}

std::string PinName(Pin pin) {
  return std::string("R") + pin.port + std::to_string(pin.bit);
}

std::string PinDirections(const SerialPins& pins, const GputilsHeader& header,
                          const std::string& partName) {
  std::string txTris = std::string("TRIS") + pins.tx.port;
  std::string rxTris = std::string("TRIS") + pins.rx.port;
  if (!header.Defines(txTris) || !header.Defines(rxTris)) {
    throw PartError("the gputils header of " + partName + " has no " + txTris + " or " + rxTris);
  }
  return "; TX (" + PinName(pins.tx) + ") an output, RX (" + PinName(pins.rx) +
         ") an input. Some datasheets say to set the TX\n"
         "; bit too; clearing it works on the silicon of every part, and the simulator needs it "
         "on the\n; classic USART\n" +
         Instruction("banksel", txTris) +
         Instruction("bcf", txTris + ", " + std::to_string(pins.tx.bit)) +
         (rxTris == txTris ? "" : Instruction("banksel", rxTris)) +
         Instruction("bsf", rxTris + ", " + std::to_string(pins.rx.bit));
}

// TX's output code into the pin's RxyPPS register, RX's pin into RXPPS.
std::string PinSelect(const SerialPins& pins, const GputilsHeader& header,
                      const std::string& partName) {
  if (!pins.txPpsCode) {
    return "";
  }
  std::string txPps = PinName(pins.tx) + "PPS";
  if (!header.Defines(txPps) || !header.Defines("RXPPS")) {
    throw PartError("the gputils header of " + partName + " has no " + txPps + " or RXPPS");
  }
  unsigned rxInput = static_cast<unsigned>((pins.rx.port - 'A') * 8 + pins.rx.bit);
  return "; The port's pins through peripheral pin select\n" + Instruction("banksel", txPps) +
         Instruction("movlw", HexLiteral(static_cast<unsigned>(*pins.txPpsCode))) +
         Instruction("movwf", txPps) + Instruction("banksel", "RXPPS") +
         Instruction("movlw", HexLiteral(rxInput)) + Instruction("movwf", "RXPPS");
}

// The interrupt flag that says the transmit register is free again: TXIF in PIR1, TX2IF in
// PIR3, as the header places them.
std::pair<std::string, std::string> TransmitFlag(const GputilsHeader& header, int port) {
  std::vector<const char*> names =
      port == 1 ? std::vector<const char*>{"TXIF", "TX1IF"} : std::vector<const char*>{"TX2IF"};
  for (const char* name : names) {
    for (const auto& [reg, bits] : header.bits) {
      if (reg.rfind("PIR", 0) == 0 && bits.count(name) != 0) {
        return {reg, name};
      }
    }
  }
  return {"", ""};
}

std::string SendLoop(const GputilsHeader& header, int port, const std::string& partName) {
  auto [pir, flag] = TransmitFlag(header, port);
  std::string txreg =
      header.FirstDefined(port == 1 ? std::vector<const char*>{"TXREG", "TXREG1", "TX1REG"}
                                    : std::vector<const char*>{"TXREG2", "TX2REG"});
  if (pir.empty() || txreg.empty()) {
    throw PartError("the gputils header of " + partName + " has no transmit register or flag");
  }
  return "; \"U\" (0x55) whenever the transmit register is free, for ever\n"
         "send\n" +
         Instruction("banksel", pir) + Instruction("btfss", pir + ", " + flag) +
         Instruction("goto", "send") + Instruction("movlw", "H'55'") +
         Instruction("banksel", txreg) + Instruction("movwf", txreg) + Instruction("goto", "send");
}

}  // namespace

std::string ProgramForm(const CodeSetting& code, const PartProfile& part, const SerialPort& port,
                        double oscMHz) {
  if (part.header == nullptr || port.KindName() != "USART") {
    throw PartError(
        "--program writes gpasm programs for the USART and EUSART of the parts "
        "gputils has headers for" +
        (part.part.empty() ? std::string(": give --device PART") : ", not " + part.part));
  }
  std::optional<SerialPins> pins = SerialPinsOf(part.part, port.Number());
  if (!pins) {
    throw PartError("the engine's pin table has no row for " + port.KindName() + " " +
                    std::to_string(port.Number()) + " of " + part.part +
                    ": --program cannot tell its TX and RX pins");
  }
  const GputilsHeader& header = *part.header;
  std::string text = "; Bring-up program for the " + part.part + ", " + port.KindName() + " " +
                     std::to_string(port.Number()) + ": " + SummaryLine(code) + "\n; TX on " +
                     PinName(pins->tx) + " sends \"U\" for ever; assemble with gpasm FILE\n";
  text += Instruction("list", "p=" + part.headerStem);
  text += kIndent + ("#include <p" + part.headerStem + ".inc>\n");
  text += IsPic18(part) ? Instruction("errorlevel",
                                      "-302, -1301  ; banksel is used throughout, "
                                      "gpasm picks access or BSR by address")
                        : Instruction("errorlevel", "-302  ; banksel is used throughout");
  text += ConfigLines(part, oscMHz);
  text += "\n" + Instruction("org", "0");
  text += DigitalPins(header);
  text += PinDirections(*pins, header, part.part);
  text += PinSelect(*pins, header, part.part);
  text += "; The port: " + SummaryLine(code) + "\n" + AsmRegisterWrites(code.setting, port);
  text += SendLoop(header, port.Number(), part.part);
  text += kIndent + std::string("end\n");
  return text;
}

}  // namespace brg::engine
