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
#include "window/user_actions.h"

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
    if (style != brg::msgbox::kWarningOk && style != brg::msgbox::kInformationYesNo) {
      badStyle = true;
    }
    bool yes = (input_.Byte() & 1) != 0;
    answers += style == brg::msgbox::kWarningOk ? " ok" : yes ? " yes" : " no";
    return yes ? brg::msgbox::kYes : brg::msgbox::kNo;
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

  std::string answers;  // the answers given since the last action, as a script's answer line
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
    // The reproducer is a scenario script that the runner takes as it stands.
    std::fprintf(stderr, "# broken: %s\n# after these actions:\n", promise);
    for (const std::string& action : actions) {
      std::fprintf(stderr, "%s\n", action.c_str());
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

// The next user action, or a change of the world outside the window, with its script line.
std::string Act(brg::CalculatorWindow& window, FuzzHosts& hosts, FuzzInput& input) {
  namespace action = brg::action;
  std::uint8_t op = input.Byte() % 18;
  brg::UserAction next = action::Enter{};
  switch (op) {
    case 0:
    case 1:
    case 2:
      next = action::Type{
          static_cast<unsigned char>(kAlphabet[input.Byte() % (sizeof kAlphabet - 1)])};
      break;
    case 3:
      next = action::Edit{kPastes[input.Byte() % (sizeof kPastes / sizeof kPastes[0])]};
      break;
    case 4:
      next = action::Enter{};
      break;
    case 5:
      next = action::Type{U' '};
      break;
    case 6:
      next = action::Type{U'\b'};
      break;
    case 7:
      next = action::Tab{};
      break;
    case 8:
      next = action::ShiftTab{};
      break;
    case 9:
    case 10:
    case 11:
      next = action::Click{AnyControl(input.Byte())};
      break;
    case 12:
      next = action::MouseDown{AnyControl(input.Byte())};
      break;
    case 13:
      next = action::MouseUp{AnyControl(input.Byte())};
      break;
    case 14:
      next = (input.Byte() & 1) != 0 ? brg::UserAction{action::SwitchAway{}}
                                     : brg::UserAction{action::SwitchBack{}};
      break;
    case 15:
      hosts.clipboardFails = !hosts.clipboardFails;
      return hosts.clipboardFails ? "clipboard fail" : "clipboard ok";
    default:
      hosts.separators = (input.Byte() & 1) != 0 ? brg::Separators{".", ","} : brg::Separators{};
      return "locale " + hosts.separators.group + " " + hosts.separators.decimal;
  }
  hosts.answers.clear();
  brg::Perform(window, next);
  std::string line = brg::ScriptLine(next);
  return hosts.answers.empty() ? line : "answer" + hosts.answers + "\n" + line;
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
    actions.push_back(Act(window, hosts, input));
    ++actionCount;
    checker.CheckAll();
  }
  return 0;
}
