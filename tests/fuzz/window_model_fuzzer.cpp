// Drives the window model with any sequence of user actions and checks after each one what the
// window promises: one export button visible, no box left open, results visible, the buttons in
// step with the SPBRG label, the focus on a control that takes it, and the display formats. A
// broken promise prints the actions that led to it and stops.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "window/calculator_window.h"

namespace {

std::uint64_t actionCount = 0;

struct ReportActions {
  ~ReportActions() {
    std::fprintf(stderr, "model actions run: %llu\n", (unsigned long long)actionCount);
  }
} reportAtExit;

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return position_ >= size_; }
  std::uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

class FuzzHosts : public brg::MessageBoxHost, public brg::ClipboardHost, public brg::LocaleHost {
 public:
  explicit FuzzHosts(FuzzInput& input) : input_(input) {}
  int ShowMessage(std::string_view, int style, std::string_view) override {
    ++boxes;
    if (style != brg::msgbox::kWarningOk && style != brg::msgbox::kInformationYesNo) {
      badStyle = true;
    }
    return (input_.Byte() & 1) != 0 ? brg::msgbox::kYes : brg::msgbox::kNo;
  }
  bool Clear() override { return !clipboardFails; }
  bool SetText(std::string_view text) override {
    if (clipboardFails) {
      return false;
    }
    clipboard = std::string(text);
    return true;
  }
  brg::Separators CurrentSeparators() const override { return separators; }

  int boxes = 0;
  bool badStyle = false;
  bool clipboardFails = false;
  std::string clipboard;
  brg::Separators separators;

 private:
  FuzzInput& input_;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool StartsWith(const std::string& text, std::size_t pos, const std::string& part) {
  return text.compare(pos, part.size(), part) == 0;
}

std::size_t Digits(const std::string& text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  return end - pos;
}

bool IsInteger(const std::string& text) {
  std::size_t pos = !text.empty() && text[0] == '-' ? 1 : 0;
  return Digits(text, pos) > 0 && pos + Digits(text, pos) == text.size();
}

// "#,###,###": grouped by threes, no leading zero.
bool IsBaudText(const std::string& text, const std::string& group) {
  std::size_t pos = !text.empty() && text[0] == '-' ? 1 : 0;
  std::size_t lead = Digits(text, pos);
  if (lead == 0 || lead > 3 || text[pos] == '0') {
    return false;
  }
  pos += lead;
  while (pos < text.size()) {
    if (!StartsWith(text, pos, group) || Digits(text, pos + group.size()) != 3) {
      return false;
    }
    pos += group.size() + 3;
  }
  return true;
}

// "0.0##%": at least one digit before the separator, one to three after, no trailing zero
// beyond the first.
bool IsPercentText(const std::string& text, const std::string& decimal) {
  std::size_t pos = !text.empty() && text[0] == '-' ? 1 : 0;
  std::size_t whole = Digits(text, pos);
  if (whole == 0 || !StartsWith(text, pos + whole, decimal)) {
    return false;
  }
  pos += whole + decimal.size();
  std::size_t decimals = Digits(text, pos);
  if (decimals < 1 || decimals > 3 || (decimals > 1 && text[pos + decimals - 1] == '0')) {
    return false;
  }
  return text.substr(pos + decimals) == "%";
}

constexpr char kAlphabet[] = "0123456789012345678901234567890123456789.-+eEdD&HhOoxX, \t\n";
const char* const kPastes[] = {
    "",     "4",   "9600",   "20",     "1200",   "1e999",      "-1e999", "&H100000000", "48",
    "1",    "300", "250000", "115200", "7",      "125000",     "3.6864", "64000",       "4.5056",
    "1000", "0.5", "  ",     "1e-400", "&HFFFF", "250000.001", "4,9152", "9600baud",    "644"};

struct Checker {
  const brg::CalculatorWindow& window;
  const FuzzHosts& hosts;
  const std::vector<std::string>& actions;

  const brg::Control& C(brg::ControlId id) const { return window.control(id); }

  void Require(bool holds, const char* promise) const {
    if (holds) {
      return;
    }
    std::fprintf(stderr, "broken: %s\nafter these actions:\n", promise);
    for (const std::string& action : actions) {
      std::fprintf(stderr, "  %s\n", action.c_str());
    }
    std::abort();
  }

  void CheckAll() const {
    using brg::ControlId;
    Require(C(ControlId::CopyClip).visible != C(ControlId::Cloerr).visible,
            "exactly one export button is visible");
    Require(!window.messageBoxOpen(), "no message box is left open");
    Require(!hosts.badStyle, "boxes have style 48 or 68");
    Require(C(ControlId::lSPBRG).visible && C(ControlId::CBaud).visible &&
                C(ControlId::ErrPercentage).visible,
            "the result labels are visible when no question is open");
    if (C(ControlId::lSPBRG).text.empty()) {
      Require(!C(ControlId::cInc).enabled && !C(ControlId::cDec).enabled &&
                  !C(ControlId::CopyClip).enabled && !C(ControlId::Cloerr).enabled,
              "the stepping and export buttons are disabled while SPBRG is empty");
    }
    Require(window.focus().has_value() && brg::CanTakeFocus(C(*window.focus())),
            "the focus is on a control that can take it");
    Require(C(ControlId::lSPBRG).text.empty() || IsInteger(C(ControlId::lSPBRG).text),
            "SPBRG shows a decimal integer");
    // A label keeps the separators of the locale in force when it was written.
    const std::string& baud = C(ControlId::CBaud).text;
    Require(baud.empty() || IsBaudText(baud, ",") || IsBaudText(baud, "."),
            "the real baud rate has the format #,###,###");
    const std::string& error = C(ControlId::ErrPercentage).text;
    Require(error.empty() || IsPercentText(error, ".") || IsPercentText(error, ","),
            "the error has the format 0.0##%");
    const brg::WindowState& state = window.state();
    Require(!state.SpbrgOverflow, "SpbrgOverflow is false between user actions");
  }
};

brg::ControlId AnyControl(std::uint8_t byte) {
  return static_cast<brg::ControlId>(byte % brg::kControlCount);
}

std::string Act(brg::CalculatorWindow& window, FuzzHosts& hosts, FuzzInput& input) {
  std::uint8_t op = input.Byte() % 16;
  switch (op) {
    case 0:
    case 1:
    case 2: {
      char c = kAlphabet[input.Byte() % (sizeof kAlphabet - 1)];
      window.TypeCharacter(static_cast<unsigned char>(c));
      return std::string("type ") + (c == ' '    ? "\\s"
                                     : c == '\t' ? "\\t"
                                     : c == '\n' ? "\\n"
                                                 : std::string(1, c));
    }
    case 3: {
      const char* text = kPastes[input.Byte() % (sizeof kPastes / sizeof kPastes[0])];
      window.EditFocusedText(text);
      return std::string("paste ") + text;
    }
    case 4:
      window.PressEnter();
      return "enter";
    case 5:
      window.PressSpace();
      return "space";
    case 6:
      window.PressBackspace();
      return "backspace";
    case 7:
      window.PressTab();
      return "tab";
    case 8:
      window.PressShiftTab();
      return "backtab";
    case 9:
    case 10:
    case 11: {
      brg::ControlId id = AnyControl(input.Byte());
      window.ClickControl(id);
      return "click " + std::string(brg::ControlName(id));
    }
    case 12: {
      brg::ControlId id = AnyControl(input.Byte());
      window.MouseDown(id);
      return "mouse-down " + std::string(brg::ControlName(id));
    }
    case 13: {
      brg::ControlId id = AnyControl(input.Byte());
      window.MouseUp(id);
      return "mouse-up " + std::string(brg::ControlName(id));
    }
    case 14:
      hosts.clipboardFails = !hosts.clipboardFails;
      return hosts.clipboardFails ? "clipboard fail" : "clipboard ok";
    default:
      hosts.separators = (input.Byte() & 1) != 0 ? brg::Separators{".", ","} : brg::Separators{};
      return "locale " + hosts.separators.group + " " + hosts.separators.decimal;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  FuzzHosts hosts(input);
  brg::CalculatorWindow window(brg::WindowHosts::Of(hosts));
  window.Form_Load();
  window.ShowWindow();
  std::vector<std::string> actions;
  Checker checker{window, hosts, actions};
  checker.CheckAll();
  while (!input.empty()) {
    int boxesBefore = hosts.boxes;
    actions.push_back(Act(window, hosts, input));
    if (hosts.boxes != boxesBefore) {
      actions.back() += " (" + std::to_string(hosts.boxes - boxesBefore) + " box(es) answered)";
    }
    ++actionCount;
    checker.CheckAll();
  }
  return 0;
}
