// Drives the workbench model with any sequence of user actions, from kept values that may be
// anything, in one of three locales, as the pages deliver them: there an exception that escapes
// the model stops the page. Checks after each action that none escaped and that the view keeps
// its promises: the chosen setting within the table, a ranking only while it is shown, the chosen
// finding and its line within the pasted setup, the UART among the part's. A broken promise
// prints the actions that led to it and stops.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "workbench/workbench.h"

namespace {

using namespace brg;
using namespace brg::workbench;

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return position_ >= size_; }
  std::uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }

  // A text users type, or a few raw bytes.
  std::string Text(const std::vector<std::string>& typical) {
    std::uint8_t pick = Byte();
    if (pick < 200) {
      return typical[pick % typical.size()];
    }
    std::string raw;
    for (int length = Byte() % 24; length > 0 && !empty(); --length) {
      raw += static_cast<char>(Byte());
    }
    return raw;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

const std::vector<std::string> kParts{"",
                                      "16F1829",
                                      "pic18f45k22",
                                      "18F47Q43",
                                      "33FJ128GP802",
                                      "32MK1024GPK064",
                                      "16F877A",
                                      "12F675",
                                      "16f18",
                                      "x",
                                      " 16F1829 ",
                                      "P16F628A",
                                      "24FJ64GA002",
                                      "33CK256MP508",
                                      "18F4550",
                                      "16F18877",
                                      "18F26K83",
                                      "dsPIC33EP512MU810",
                                      "PIC32MX250F128B",
                                      "16F15313"};
const std::vector<std::string> kNumbers{
    "16",   "0",     "-1",     "1e308",   "1e-308", "nan",       "inf",      "16,5",
    "16.5", "9.600", "115200", "4",       "64",     "200",       "0.032768", "1,000.5",
    "",     "abc",   "18.432", "79.2275", "2",      "0.5",       "100",      "1e9",
    "  8 ", "9600 ", "1.5.5",  "0x10",    "٣",      "1\u202F000"};
const std::vector<std::string> kRates{"",
                                      "31250",
                                      "31250 9600,5",
                                      ";;;",
                                      "1 2 3 4 5 6 7 8 9 10 11 12",
                                      "9600;115200",
                                      "abc 9600",
                                      "1e12",
                                      "0.001",
                                      "-9600",
                                      "250000 1000000",
                                      "9,600",
                                      "9.600,5"};
const std::vector<std::string> kSetups{
    "",
    "SPBRG = 25;",
    "DEFINE HSER_SPBRG 26\nDEFINE HSER_TXSTA 24h\n",
    "movlw D'25'\nmovwf SPBRG\n",
    "#define _XTAL_FREQ 16000000\nSPBRG = 103; TXSTA = 0x24; BAUDCON = 0x08;\n",
    "U1BRG = 34;\nU1MODE = 0x8008;\n",
    "#pragma config FOSC = HS\nSPBRGH = 1; SPBRG = 160;\n",
    "SPBRG = ;\n\n\n",
    "/* unclosed",
};

class Session {
 public:
  explicit Session(FuzzInput& input) : input_(input) {}

  void Go() {
    Separators locales[] = {{",", "."}, {".", ","}, {"\u202F", ","}};
    hosts_.separators = locales[input_.Byte() % 3];
    if (input_.Byte() & 1) {
      KeptValues kept;
      kept.part = input_.Text(kParts);
      kept.uart = static_cast<int>(input_.Byte()) - 8;
      kept.oscMHz = input_.Text(kNumbers);
      for (int count = input_.Byte() % 4; count > 0; --count) {
        kept.tickedRates.push_back(std::ldexp(input_.Byte() + 1, input_.Byte() % 24 - 4));
      }
      kept.extraRates = input_.Text(kRates);
      hosts_.kept = kept;
    }
    Workbench workbench(hosts_.Hosts());
    Guard(workbench, "start", [&] { workbench.Start(); });
    while (!input_.empty()) {
      Act(workbench);
    }
  }

 private:
  class FuzzHosts : public ClipboardHost, public KeptStore, public LocaleHost {
   public:
    bool Put(std::string_view) override { return true; }
    std::optional<KeptValues> Load() override { return kept; }
    void Save(const KeptValues& values) override { kept = values; }
    Separators CurrentSeparators() const override { return separators; }
    WorkbenchHosts Hosts() { return WorkbenchHosts{*this, *this, *this}; }

    std::optional<KeptValues> kept;
    Separators separators;
  };

  void Act(Workbench& workbench) {
    std::uint8_t kind = input_.Byte() % 16;
    Action action;
    switch (kind) {
      case 0:
        action = action::EditPart{input_.Text(kParts)};
        break;
      case 1:
        action = action::ChooseUart{static_cast<int>(input_.Byte()) - 4};
        break;
      case 2:
        action = action::EditOscillator{input_.Text(kNumbers)};
        break;
      case 3:
        action = action::EditBudget{input_.Text(kNumbers)};
        break;
      case 4:
        action = action::EditTolerance{input_.Text(kNumbers)};
        break;
      case 5: {
        const double standard[] = {300, 9600, 19200, 115200, 250000, 1000000, 12345};
        action = action::TickRate{standard[input_.Byte() % 7], (input_.Byte() & 1) != 0};
        break;
      }
      case 6:
        action = action::EditExtraRates{input_.Text(kRates)};
        break;
      case 7: {
        std::size_t row = input_.Byte() % 8;
        std::uint8_t column = input_.Byte();
        action = action::ChooseCell{
            row, column < 128 ? std::optional<std::size_t>(column % 8) : std::nullopt};
        break;
      }
      case 8:
        action = action::SetOverrunClear{(input_.Byte() & 1) != 0};
        break;
      case 9:
        action = action::SetWholeProgram{(input_.Byte() & 1) != 0};
        break;
      case 10:
        action = action::CopyForm{static_cast<engine::CodeFormKind>(input_.Byte() % 5)};
        break;
      case 11:
        action = action::ShowClocks{(input_.Byte() & 1) != 0};
        break;
      case 12:
        action = action::ChooseClock{input_.Byte() % 64U};
        break;
      case 13:
        action = action::EditSetup{input_.Text(kSetups)};
        break;
      case 14:
        action = action::ChooseFinding{input_.Byte() % 8U};
        break;
      default:
        action = action::PartsFound{{input_.Text(kParts), input_.Text(kParts)}};
        break;
    }
    Guard(workbench, "action " + std::to_string(kind), [&] { workbench.Perform(action); });
  }

  template <typename Step>
  void Guard(const Workbench& workbench, const std::string& name, Step step) {
    steps_ += " " + name;
    try {
      step();
    } catch (const std::exception& escaped) {
      Broken("an exception escaped the model: " + std::string(escaped.what()));
    } catch (...) {
      Broken("something was thrown out of the model");
    }
    Check(workbench);
  }

  void Check(const Workbench& workbench) {
    const WorkbenchState& state = workbench.state();
    const WorkbenchView& view = workbench.view();
    if (view.setting.shown && (view.setting.row >= view.table.rows.size() ||
                               view.setting.column >= view.table.modes.size())) {
      Broken("the chosen setting is outside the table");
    }
    if (!state.clocksShown && !view.clocks.rows.empty()) {
      Broken("a clock ranking while its view is hidden");
    }
    if (state.chosenFinding && *state.chosenFinding >= view.check.findings.size()) {
      Broken("the chosen finding is not among the findings");
    }
    std::size_t lines = 1;
    for (char c : state.setupText) {
      lines += c == '\n' ? 1 : 0;
    }
    if (view.shownLine &&
        (*view.shownLine < 1 || static_cast<std::size_t>(*view.shownLine) > lines)) {
      Broken("the line shown is not a line of the pasted setup");
    }
    if (view.part.port != nullptr && (view.part.uart < 1 || view.part.uart > view.part.ports)) {
      Broken("the UART is not one of the part's");
    }
  }

  [[noreturn]] void Broken(const std::string& what) {
    std::fprintf(stderr, "broken: %s\nafter:%s\n", what.c_str(), steps_.c_str());
    std::abort();
  }

  FuzzInput& input_;
  FuzzHosts hosts_;
  std::string steps_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  FuzzInput input(data, size);
  Session(input).Go();
  return 0;
}
