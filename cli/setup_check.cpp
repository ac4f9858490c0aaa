#include "cli/setup_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "cli/columns.h"
#include "cli/options.h"
#include "core/display_formats.h"

namespace brg::cli {
namespace {

constexpr std::size_t kLargestSource = 16 << 20;

std::string_view Trim(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return upper;
}

bool IsIdentifier(std::string_view text) {
  return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_') &&
         std::all_of(text.begin(), text.end(), [](char c) {
           return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
         });
}

bool ValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead == 0) {
      return false;
    }
    std::size_t length = lead < 0x80         ? 1
                         : (lead >> 5) == 6  ? 2
                         : (lead >> 4) == 14 ? 3
                         : (lead >> 3) == 30 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) {
      return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        return false;
      }
    }
    i += length;
  }
  return true;
}

// The first "9600 baud" (any case, "Bauds" too) in a comment.
std::optional<double> RateInComment(std::string_view comment) {
  std::string upper = Upper(comment);
  for (std::size_t at = upper.find("BAUD"); at != std::string::npos;
       at = upper.find("BAUD", at + 1)) {
    std::size_t end = at;
    while (end > 0 && upper[end - 1] == ' ') {
      --end;
    }
    std::size_t start = end;
    while (start > 0 && (std::isdigit(static_cast<unsigned char>(upper[start - 1])) != 0 ||
                         upper[start - 1] == '.')) {
      --start;
    }
    if (start < end) {
      std::optional<double> rate = PlainDecimal(std::string(upper.substr(start, end - start)));
      if (rate && *rate > 0) {
        return rate;
      }
    }
  }
  return std::nullopt;
}

const char* const kDefineNames[] = {"RCSTA", "TXSTA", "SPBRG", "SPBRGH", "BAUD", "CLROERR"};

struct Written {
  long value = 0;
  int line = 0;
  std::string name;  // as the source wrote it
};

// Everything one pass over the source collects.
class SourceReader {
 public:
  SourceReader(const UsartProfile& usart)
      : usart_(usart), prefix_(usart.number == 1 ? "HSER_" : "HSER2_") {}

  void ReadLine(std::string_view line, int number) {
    std::string code;
    std::string comment;
    SplitComments(line, code, comment);
    if (!rateLine) {
      if (std::optional<double> rate = RateInComment(comment)) {
        namedRate = rate;
        rateLine = number;
      }
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= code.size(); ++i) {
      if (i == code.size() || code[i] == ':' || code[i] == ';') {
        ReadStatement(Trim(std::string_view(code).substr(start, i - start)), number);
        start = i + 1;
      }
    }
  }

  bool anything() const { return anything_; }
  bool usesDefines() const { return usesDefines_; }
  const std::map<UsartRegister, Written>& registers() const { return registers_; }
  std::optional<std::pair<double, int>> defineOsc;
  std::optional<int> baudDefineLine;
  std::optional<double> namedRate;
  std::optional<int> rateLine;
  std::vector<Finding> findings;

 private:
  // Code and comment of a line: ' and // start a comment, /* */ encloses one (also over lines).
  void SplitComments(std::string_view line, std::string& code, std::string& comment) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (inBlockComment_) {
        if (line.compare(i, 2, "*/") == 0) {
          inBlockComment_ = false;
          ++i;
        } else {
          comment.push_back(line[i]);
        }
      } else if (line.compare(i, 2, "/*") == 0) {
        inBlockComment_ = true;
        ++i;
      } else if (line[i] == '\'' || line.compare(i, 2, "//") == 0) {
        comment.append(line.substr(i));
        return;
      } else {
        code.push_back(line[i]);
      }
    }
  }

  void ReadStatement(std::string_view statement, int line) {
    if (statement.empty()) {
      return;
    }
    std::size_t space = statement.find_first_of(" \t");
    if (space != std::string_view::npos && Upper(statement.substr(0, space)) == "DEFINE") {
      ReadDefine(Trim(statement.substr(space)), line);
      return;
    }
    std::size_t equals = statement.find('=');
    if (equals == std::string_view::npos || equals == 0 ||
        statement.compare(equals, 2, "==") == 0 ||
        std::string_view("<>!").find(statement[equals - 1]) != std::string_view::npos) {
      return;
    }
    ReadAssignment(Trim(statement.substr(0, equals)), Trim(statement.substr(equals + 1)), line);
  }

  void ReadDefine(std::string_view rest, int line) {
    std::size_t space = rest.find_first_of(" \t");
    std::string name = Upper(rest.substr(0, space));
    std::string_view value =
        space == std::string_view::npos ? std::string_view{} : Trim(rest.substr(space));
    value = value.substr(0, value.find_first_of(" \t"));
    if (name == "OSC") {
      if (std::optional<double> mhz = PlainDecimal(std::string(value))) {
        defineOsc = std::pair{*mhz, line};
      }
      return;
    }
    if (name.rfind(prefix_, 0) != 0) {
      NearDefine(name, line);
      return;
    }
    std::string define = name.substr(prefix_.size());
    anything_ = true;
    usesDefines_ = true;
    if (define == "BAUD") {
      baudDefineLine = line;
      if (std::optional<double> rate = PlainDecimal(std::string(value)); rate && !rateLine) {
        namedRate = rate;
        rateLine = line;
      }
      return;
    }
    static const std::map<std::string, UsartRegister> kDefined{{"RCSTA", UsartRegister::Rcsta},
                                                               {"TXSTA", UsartRegister::Txsta},
                                                               {"SPBRG", UsartRegister::Spbrg},
                                                               {"SPBRGH", UsartRegister::Spbrgh}};
    auto found = kDefined.find(define);
    if (found != kDefined.end()) {
      Write(found->second, name, value, line);
    } else if (define != "CLROERR") {
      NearDefine(name, line);
    }
  }

  // An unknown DEFINE close to a known one: the compiler ignores it without a word.
  void NearDefine(const std::string& name, int line) {
    for (const std::string& prefix : {std::string("HSER_"), std::string("HSER2_")}) {
      for (const char* known : kDefineNames) {
        std::string candidate = prefix + known;
        if (candidate != name && NameDistance(name, candidate) <= 2) {
          findings.push_back({line, FindingKind::Fault,
                              "DEFINE " + name + " is no name the compiler knows: " + candidate +
                                  " is meant, and the line does nothing"});
          anything_ = true;
          return;
        }
      }
    }
  }

  void ReadAssignment(std::string_view target, std::string_view value, int line) {
    std::string_view reg = target;
    std::string_view bit;
    if (std::size_t dot = target.find('.'); dot != std::string_view::npos) {
      reg = target.substr(0, dot);
      bit = target.substr(dot + 1);
      if (reg.size() > 4 && Upper(reg.substr(reg.size() - 4)) == "BITS") {
        reg.remove_suffix(4);  // XC8: BAUDCONbits.BRG16
      }
    }
    if (!IsIdentifier(reg)) {
      return;
    }
    std::optional<UsartRegister> role = RegisterOf(reg, usart_);
    if (!role) {
      return;
    }
    anything_ = true;
    if (bit.empty()) {
      Write(*role, std::string(target), value, line);
      return;
    }
    std::optional<int> position = BitPosition(*role, bit);
    std::optional<long> set = ReadLiteral(value);
    if (!position || !set || *set > 1) {
      findings.push_back({line, FindingKind::Fault,
                          std::string(target) + " = " + std::string(value) +
                              " is no bit of the register set to 0 or 1"});
      return;
    }
    Written& written = registers_[*role];
    written.value =
        *set != 0 ? (written.value | (1L << *position)) : (written.value & ~(1L << *position));
    written.line = line;
    written.name = std::string(reg);
  }

  std::optional<int> BitPosition(UsartRegister role, std::string_view bit) {
    if (std::optional<long> number = ReadLiteral(bit); number && *number < 8) {
      return static_cast<int>(*number);
    }
    std::string name = Upper(bit);
    const std::pair<UsartRegister, std::pair<const char*, int>> bits[] = {
        {UsartRegister::Txsta, {"TXEN", usart_.txen}},
        {UsartRegister::Txsta, {"BRGH", usart_.brgh}},
        {UsartRegister::Txsta, {"SYNC", usart_.sync}},
        {UsartRegister::Txsta, {"CSRC", usart_.csrc}},
        {UsartRegister::Rcsta, {"SPEN", usart_.spen}},
        {UsartRegister::Rcsta, {"CREN", usart_.cren}},
        {UsartRegister::Baudcon, {"BRG16", usart_.brg16}}};
    for (const auto& [owner, named] : bits) {
      if (owner == role && name == named.first) {
        return named.second;
      }
    }
    return std::nullopt;
  }

  void Write(UsartRegister role, const std::string& name, std::string_view text, int line) {
    std::optional<long> value = ReadLiteral(text);
    if (!value) {
      findings.push_back({line, FindingKind::Fault,
                          name + " = " + std::string(text) + ": the value is no number"});
      return;
    }
    auto previous = registers_.find(role);
    if (previous != registers_.end()) {
      findings.push_back({line, FindingKind::Note,
                          name + " is assigned again (first on line " +
                              std::to_string(previous->second.line) +
                              "): the last assignment counts"});
    }
    registers_[role] = Written{*value, line, name};
  }

  const UsartProfile& usart_;
  std::string prefix_;
  std::map<UsartRegister, Written> registers_;
  bool inBlockComment_ = false;
  bool anything_ = false;
  bool usesDefines_ = false;
};

bool BitSet(long value, int position) {
  return ((value >> position) & 1) != 0;
}

// The mode that TXSTA and BAUDCON select.
BrgMode SelectedMode(long txsta, bool brg16, const UsartProfile& usart) {
  if (BitSet(txsta, usart.sync)) {
    return brg16 ? BrgMode::Sync16 : BrgMode::Sync8;
  }
  bool brgh = BitSet(txsta, usart.brgh);
  if (brg16) {
    return brgh ? BrgMode::Async16Div4 : BrgMode::Async16Div16;
  }
  return brgh ? BrgMode::Async8Div16 : BrgMode::Async8Div64;
}

std::string SettingText(const ModeSetting& setting) {
  Separators plain;
  return "mode " + std::string(InfoOf(setting.mode).name) +
         " with n = " + std::to_string(setting.n) + " gives " +
         FormatErrorPercent(setting.errorRatio, plain);
}

class Evaluation {
 public:
  Evaluation(const SourceReader& source, const CheckOptions& options, const UsartProfile& usart,
             SetupReport& report)
      : source_(source), options_(options), usart_(usart), report_(report) {}

  void Run() {
    report_.findings = source_.findings;
    ChooseOscillator();
    ChooseWantedRate();
    long txsta = Value(UsartRegister::Txsta);
    long rcsta = Value(UsartRegister::Rcsta);
    bool brg16 = BitSet(Value(UsartRegister::Baudcon), usart_.brg16);
    CheckFits();
    CheckPortSwitches(txsta, rcsta);
    if (source_.baudDefineLine && Has(UsartRegister::Spbrg)) {
      Fault(*source_.baudDefineLine,
            "a rate DEFINE and an SPBRG DEFINE both set the rate: they conflict (line " +
                std::to_string(Line(UsartRegister::Spbrg)) + ")");
    }
    if (!Has(UsartRegister::Spbrg)) {
      return;  // HSER_BAUD alone: the compiler works SPBRG out
    }
    std::int32_t n = RegisterPair(brg16);
    BrgMode mode = SelectedMode(txsta, brg16, usart_);
    report_.setting = EvaluateMode(report_.oscMHz, report_.wantedBaud.value_or(1), mode, n);
    if (report_.wantedBaud) {
      CheckRate(*report_.setting);
    }
  }

 private:
  bool Has(UsartRegister role) const { return source_.registers().count(role) != 0; }
  // A register the source leaves alone keeps its reset value, 0; with DEFINEs the compiler
  // writes its own defaults, RCSTA 90h and TXSTA 20h.
  long Value(UsartRegister role) const {
    if (Has(role)) {
      return source_.registers().at(role).value;
    }
    if (source_.usesDefines()) {
      return role == UsartRegister::Rcsta ? 0x90 : role == UsartRegister::Txsta ? 0x20 : 0;
    }
    return 0;
  }
  int Line(UsartRegister role) const { return Has(role) ? source_.registers().at(role).line : 0; }
  void Fault(int line, const std::string& message, FindingKind kind = FindingKind::Fault) {
    report_.findings.push_back({line, kind, message});
  }

  void ChooseOscillator() {
    if (source_.defineOsc && options_.oscMHz && source_.defineOsc->first != *options_.oscMHz) {
      Fault(source_.defineOsc->second, "DEFINE OSC " + DecimalText(source_.defineOsc->first) +
                                           " differs from --osc " + DecimalText(*options_.oscMHz));
    }
    if (options_.oscMHz) {
      report_.oscMHz = *options_.oscMHz;
    } else if (source_.defineOsc) {
      report_.oscMHz = source_.defineOsc->first;
    } else {
      throw NotASetup("no oscillator: give --osc MHZ (or a DEFINE OSC line in the source)");
    }
  }

  void ChooseWantedRate() {
    if (options_.baud) {
      report_.wantedBaud = options_.baud;
    } else if (source_.namedRate) {
      report_.wantedBaud = source_.namedRate;
      report_.wantedLine = *source_.rateLine;
    }
  }

  void CheckFits() {
    for (const auto& [role, written] : source_.registers()) {
      if (written.value > 0xFF) {
        Fault(written.line, written.name + " = " + std::to_string(written.value) +
                                " does not fit the 8-bit register");
      }
    }
  }

  void CheckPortSwitches(long txsta, long rcsta) {
    bool sync = BitSet(txsta, usart_.sync);
    if (!BitSet(rcsta, usart_.spen)) {
      Fault(Line(UsartRegister::Rcsta), "SPEN is off in RCSTA: the port stays switched off");
    }
    if (!BitSet(txsta, usart_.txen) && !BitSet(rcsta, usart_.cren) && !sync) {
      Fault(Line(UsartRegister::Txsta),
            "neither TXEN (TXSTA) nor CREN (RCSTA) is on: the port neither sends nor receives");
    }
  }

  std::int32_t RegisterPair(bool brg16) {
    long low = Value(UsartRegister::Spbrg);
    long high = Value(UsartRegister::Spbrgh);
    if (!brg16) {
      if (high != 0) {
        Fault(Line(UsartRegister::Spbrgh),
              "SPBRGH is " + std::to_string(high) + " while BRG16 is off: it is not used");
      }
      return static_cast<std::int32_t>(std::min(low, 255L));
    }
    if (low > 0xFF && !Has(UsartRegister::Spbrgh)) {
      Fault(Line(UsartRegister::Spbrg),
            "n = " + std::to_string(low) + " is above 255 with BRG16 on, but no SPBRGH is written");
    }
    return static_cast<std::int32_t>(((std::min(high, 255L)) << 8) | (low & 0xFF));
  }

  void CheckRate(const ModeSetting& setting) {
    Separators plain;
    double percent = std::fabs(setting.errorRatio) * 100;
    int line = Line(UsartRegister::Spbrg);
    if (percent > options_.maxErrorPercent) {
      Fault(line,
            "the error " + FormatErrorPercent(setting.errorRatio, plain) + " is above " +
                DecimalText(options_.maxErrorPercent) + "%",
            FindingKind::Tolerance);
    }
    ModeSetting best = BestInMode(report_.oscMHz, *report_.wantedBaud, setting.mode);
    if (std::fabs(best.errorRatio) < std::fabs(setting.errorRatio)) {
      Fault(line, "a better setting in the same mode: " + SettingText(best),
            FindingKind::Tolerance);
    }
    for (BrgMode mode : kAsyncModes) {
      if (InfoOf(setting.mode).sync || (InfoOf(mode).brg16 && !options_.partHasBrg16)) {
        continue;
      }
      ModeSetting other = BestInMode(report_.oscMHz, *report_.wantedBaud, mode);
      if (other.reach == Reach::Within &&
          std::fabs(other.errorRatio) < std::fabs(best.errorRatio) / 2 &&
          std::fabs(best.errorRatio) * 100 >= 0.5) {
        Fault(line, "another mode does better: " + SettingText(other), FindingKind::Note);
        return;
      }
    }
  }

  const SourceReader& source_;
  const CheckOptions& options_;
  const UsartProfile& usart_;
  SetupReport& report_;
};

}  // namespace

std::optional<long> ReadLiteral(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
    text.remove_prefix(2);
    base = 2;
  } else if (text.size() > 1 && text[0] == '$') {
    text.remove_prefix(1);
    base = 16;
  } else if (text.size() > 1 && text[0] == '%') {
    text.remove_prefix(1);
    base = 2;
  } else if (text.size() > 1 && (text.back() == 'h' || text.back() == 'H') &&
             std::isdigit(static_cast<unsigned char>(text[0])) != 0) {
    text.remove_suffix(1);
    base = 16;
  }
  if (text.empty() || text.size() > 8) {
    return std::nullopt;
  }
  long value = 0;
  for (char c : text) {
    int digit = std::isdigit(static_cast<unsigned char>(c)) != 0 ? c - '0'
                : std::isxdigit(static_cast<unsigned char>(c)) != 0
                    ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                    : 99;
    if (digit >= base) {
      return std::nullopt;
    }
    value = value * base + digit;
  }
  return value;
}

SetupReport CheckSetup(std::string_view text, const CheckOptions& options,
                       const UsartProfile& usart) {
  if (text.size() > kLargestSource) {
    throw NotASetup("the input is larger than 16 MiB: no source of a serial setup is");
  }
  if (!ValidUtf8(text)) {
    throw NotASetup("the input is binary, not source text");
  }
  SourceReader source(usart);
  int number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    source.ReadLine(line, ++number);
    if (end == std::string_view::npos) {
      break;
    }
    start = end + 1;
  }
  if (!source.anything()) {
    throw NotASetup("nothing in the input sets up USART " + std::to_string(usart.number) +
                    ": no HSER DEFINE and no assignment to its registers");
  }
  SetupReport report;
  Evaluation(source, options, usart, report).Run();
  std::stable_sort(report.findings.begin(), report.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return report;
}

}  // namespace brg::cli
