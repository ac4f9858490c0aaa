#include "engine/check/pin_rules.h"

#include "core/text.h"
#include "engine/check/part_registers.h"

namespace brg::engine {
namespace {

class PinJudgement {
 public:
  PinJudgement(const SourceFacts& facts, const PartProfile* part, const SerialPort& port)
      : facts_(facts), part_(part), port_(port) {}

  std::vector<Finding> Run(const PortReading& reading) {
    if (reading.receiverOn) {
      CheckReceivePin();
    }
    CheckSelectedPins(reading);
    return std::move(findings_);
  }

 private:
  void Add(int line, const std::string& message) {
    findings_.push_back({line, FindingKind::Fault, message});
  }

  // The RX pin of a part with fixed pins, where the source sets up pins at all (a file that
  // touches none may be one of a larger project): left analog, or made an output.
  void CheckReceivePin() {
    std::optional<SerialPinNames> pins =
        part_ != nullptr ? SerialPinNamesOf(*part_, port_) : std::nullopt;
    if (!pins || !SetsUpPins(*pins)) {
      return;
    }
    JudgeReceivePin(pins->rx, "");
  }

  // The RX pin: left analog, or made an output.
  void JudgeReceivePin(const PinNames& rx, const std::string& selectedBy) {
    if (!rx.ansel.empty()) {
      auto ansel = facts_.followed.find(rx.ansel);
      bool written = ansel != facts_.followed.end() && ansel->second.Wrote(rx.pin.bit);
      if (!written || ((ansel->second.value >> rx.pin.bit) & 1) != 0) {
        Add(written ? ansel->second.line : 0,
            "the RX pin " + rx.name + selectedBy + " is left analog: " + rx.anselBit + " in " +
                rx.ansel + " is 1" + (written ? "" : " (its reset value)") +
                ", so the receiver reads only 0s; clear it (" + rx.ansel + "bits." + rx.anselBit +
                " = 0)");
      }
    }
    auto tris = facts_.followed.find(rx.tris);
    if (tris != facts_.followed.end() && ((tris->second.value >> rx.pin.bit) & 1) == 0) {
      Add(tris->second.line, "the RX pin " + rx.name + selectedBy + " is an output: " + rx.trisBit +
                                 " is 0 (" + tris->second.name + "); the receiver needs an input");
    }
  }

  // The pins a part with peripheral pin select routes the port to, where the source sets up
  // pins at all: TX routed to no pin, the RX input tied to no pin, the RX pin left analog or an
  // output, and on the PIC18 UART a TX pin left an input.
  void CheckSelectedPins(const PortReading& reading) {
    std::optional<SelectedPins> selected =
        part_ != nullptr ? SelectedPinsOf(*part_, port_) : std::nullopt;
    if (!selected || !SetsUpSelectedPins()) {
      return;
    }
    if (reading.transmitterOn) {
      CheckTransmitRouting(*selected);
    }
    if (!reading.receiverOn) {
      return;
    }
    if (selected->selection == PinSelection::RemappablePins) {
      // a receiver that is on with the port is judged only where the code uses it
      if (!reading.receiverWithThePort || facts_.receives) {
        CheckRemappableReceiver(*selected);
      }
      return;
    }
    if (selected->selection != PinSelection::PortPins) {
      return;
    }
    auto rx = facts_.followed.find(selected->rxRegister);
    bool written = rx != facts_.followed.end();
    if (!written && !selected->rxAtReset) {
      return;
    }
    Pin pin = written ? PinSelected(rx->second.value) : *selected->rxAtReset;
    std::optional<PinNames> names = PinNamesOf(*part_, pin);
    if (!names && written) {
      Add(rx->second.line, selected->rxRegister + " = " +
                               HexValue(static_cast<unsigned>(rx->second.value)) +
                               " selects no pin of the part: the receiver hears nothing");
    }
    if (!names) {
      return;
    }
    JudgeReceivePin(*names, written ? " (selected by " + selected->rxRegister + ")" : "");
  }

  // The 16-bit parts' RX input: at its reset value or written so, it is tied to Vss.
  void CheckRemappableReceiver(const SelectedPins& selected) {
    auto rx = facts_.followed.find(selected.rxRegister);
    bool written = rx != facts_.followed.end();
    std::int64_t value = written ? rx->second.value & 0xFF : selected.rxTiedToVss.value_or(-1);
    if (!selected.rxTiedToVss || value != *selected.rxTiedToVss) {
      return;
    }
    Add(written ? rx->second.line : 0,
        selected.rxField + " in " + selected.rxRegister + " is " + std::to_string(value) +
            (written ? "" : " (its reset value)") +
            ": the receiver's input is tied to Vss, so it hears nothing; give it the RP pin RX "
            "is on (" +
            selected.rxRegister + "bits." + selected.rxField + " = n for RPn)");
  }

  // TX goes out only on a pin whose output selection holds the port's code.
  void CheckTransmitRouting(const SelectedPins& selected) {
    std::string routed;
    int line = 0;
    for (const auto& [name, written] : facts_.followed) {
      for (const std::string& pin : PinsRoutedTo(name, written.value, selected)) {
        if (written.line >= line) {
          routed = pin;
          line = written.line;
        }
      }
    }
    if (routed.empty()) {
      Add(0, NotRouted(selected));
      return;
    }
    if (selected.selection != PinSelection::PortPins || !selected.txMustBeOutput) {
      return;
    }
    Pin pin{routed[1], routed[2] - '0'};
    std::optional<PinNames> names = PinNamesOf(*part_, pin);
    if (!names) {
      return;
    }
    auto tris = facts_.followed.find(names->tris);
    bool trisWritten = tris != facts_.followed.end() && tris->second.Wrote(pin.bit);
    if (!trisWritten || ((tris->second.value >> pin.bit) & 1) != 0) {
      Add(trisWritten ? tris->second.line : line,
          "the TX pin " + names->name + " is an input: " + names->trisBit + " is 1" +
              (trisWritten ? "" : " (its reset value)") +
              ", and the UART drives TX only where the pin's TRIS bit is cleared; clear it (" +
              names->tris + "bits." + names->trisBit + " = 0)");
    }
  }

  // The pins an output selection register routes the port's TX to: RC6 for RC6PPS, RP11 for
  // RPOR5's high field or RP11R, RPB4 for RPB4R.
  static std::vector<std::string> PinsRoutedTo(const std::string& name, std::int64_t value,
                                               const SelectedPins& selected) {
    std::vector<std::string> pins;
    if (selected.selection == PinSelection::PortPins) {
      if (name.size() == 6 && name[0] == 'R' && name.compare(3, 3, "PPS") == 0 &&
          value == selected.txCode) {
        pins.push_back(name.substr(0, 3));
      }
      return pins;
    }
    if (name.rfind("RPOR", 0) == 0) {
      int k = std::stoi(name.substr(4));
      for (int half = 0; half < 2; ++half) {
        if (((value >> (8 * half)) & 0x3F) == selected.txCode) {
          pins.push_back("RP" + std::to_string(2 * k + half));
        }
      }
    } else if (name.size() > 3 && name.rfind("RP", 0) == 0 && name.back() == 'R' &&
               name.rfind("RPINR", 0) != 0 && value == selected.txCode) {
      pins.push_back(name.substr(0, name.size() - 1));
    }
    return pins;
  }

  static std::string NotRouted(const SelectedPins& selected) {
    std::string code = std::to_string(selected.txCode);
    switch (selected.selection) {
      case PinSelection::PortPins:
        return "TX is routed to no pin: no output selection (RxyPPS) holds the port's TX code " +
               HexValue(static_cast<unsigned>(selected.txCode)) +
               ", so nothing goes out; route it, as RC6PPS = " +
               HexValue(static_cast<unsigned>(selected.txCode)) + " does to RC6";
      case PinSelection::RemappablePins:
        return "TX is routed to no pin: no RPnR field of the RPORx registers holds the port's "
               "TX output function " +
               code + ", so nothing goes out; route it, as RPOR5bits.RP11R = " + code +
               " does to RP11";
      case PinSelection::Pic32Pins:
        break;
    }
    return "TX is routed to no pin: no RPxnR register holds the port's TX output code " + code +
           ", so nothing goes out; route it, as RPB4R = " + code + " does to RPB4";
  }

  // Whether the source sets up pins at all: a direction, analog or pin selection register.
  bool SetsUpSelectedPins() const {
    for (const auto& [name, written] : facts_.followed) {
      if (name.rfind("TRIS", 0) == 0 || name.rfind("ANS", 0) == 0 || name.rfind("RP", 0) == 0 ||
          name.rfind("AD1PCFG", 0) == 0 ||
          (name.size() > 3 && (name.compare(name.size() - 3, 3, "PPS") == 0 ||
                               name.compare(name.size() - 3, 3, "RXR") == 0))) {
        return true;
      }
    }
    return false;
  }

  // Whether the source writes a pin's direction or analog register, and leaves the pins where
  // they are (no APFCON write).
  bool SetsUpPins(const SerialPinNames& pins) const {
    bool touched = false;
    for (const auto& [name, written] : facts_.followed) {
      if (name.rfind("APFCON", 0) == 0) {
        return false;
      }
      touched = touched || name.rfind("TRIS", 0) == 0 || name.rfind("ANSEL", 0) == 0;
    }
    return touched && !pins.rx.name.empty();
  }

  const SourceFacts& facts_;
  const PartProfile* part_;
  const SerialPort& port_;
  std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> PinFindings(const SourceFacts& facts, const PartProfile* part,
                                 const SerialPort& port, const PortReading& reading) {
  return PinJudgement(facts, part, port).Run(reading);
}

}  // namespace brg::engine
