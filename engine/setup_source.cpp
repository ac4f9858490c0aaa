#include "engine/setup_source.h"

#include <algorithm>
#include <cctype>

#include "core/text.h"

namespace brg::engine {
namespace {

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
      std::optional<double> rate = PlainDecimal(upper.substr(start, end - start));
      if (rate && *rate > 0) {
        return rate;
      }
    }
  }
  return std::nullopt;
}

// Everything one pass over the source collects.
class SourceReader {
 public:
  explicit SourceReader(const SerialPort& port) : port_(port), defines_(port.Defines()) {}

  void ReadLine(std::string_view line, int number) {
    std::string code;
    std::string comment;
    SplitComments(line, code, comment);
    if (!facts.rateLine) {
      if (std::optional<double> rate = RateInComment(comment)) {
        facts.namedRate = rate;
        facts.rateLine = number;
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

  SourceFacts facts;

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
    char op = std::string_view("|&^").find(statement[equals - 1]) != std::string_view::npos
                  ? statement[equals - 1]
                  : '=';
    std::size_t targetEnd = op == '=' ? equals : equals - 1;
    ReadAssignment(Trim(statement.substr(0, targetEnd)), Trim(statement.substr(equals + 1)), op,
                   line);
  }

  void ReadDefine(std::string_view rest, int line) {
    std::size_t space = rest.find_first_of(" \t");
    std::string name = Upper(rest.substr(0, space));
    std::string_view value =
        space == std::string_view::npos ? std::string_view{} : Trim(rest.substr(space));
    value = value.substr(0, value.find_first_of(" \t"));
    if (name == "OSC") {
      if (std::optional<double> mhz = PlainDecimal(value)) {
        facts.defineOsc = std::pair{*mhz, line};
      }
      return;
    }
    if (defines_ == nullptr || name.rfind(defines_->prefix, 0) != 0) {
      NearDefine(name, line);
      return;
    }
    std::string define = name.substr(defines_->prefix.size());
    facts.anything = true;
    facts.usesDefines = true;
    if (define == defines_->rate) {
      facts.rateDefineLine = line;
      if (std::optional<double> rate = PlainDecimal(value); rate && !facts.rateLine) {
        facts.namedRate = rate;
        facts.rateLine = line;
      }
      return;
    }
    for (const PortDefines::Name& known : defines_->registers) {
      if (known.define == define) {
        Write(known.reg, name, value, '=', line);
        return;
      }
    }
    if (std::find(defines_->others.begin(), defines_->others.end(), define) ==
        defines_->others.end()) {
      NearDefine(name, line);
    }
  }

  // An unknown DEFINE close to a known one: the compiler ignores it without a word.
  void NearDefine(const std::string& name, int line) {
    if (defines_ == nullptr) {
      return;
    }
    std::vector<std::string> known;
    for (const PortDefines::Name& define : defines_->registers) {
      known.push_back(define.define);
    }
    known.insert(known.end(), defines_->others.begin(), defines_->others.end());
    for (const std::string& prefix : defines_->prefixes) {
      for (const std::string& define : known) {
        if (name == prefix + define) {
          return;  // a DEFINE of another port
        }
      }
    }
    for (const std::string& prefix : defines_->prefixes) {
      for (const std::string& define : known) {
        std::string candidate = prefix + define;
        if (NameDistance(name, candidate) <= 2) {
          facts.findings.push_back({line, FindingKind::Fault,
                                    "DEFINE " + name + " is no name the compiler knows: " +
                                        candidate + " is meant, and the line does nothing"});
          facts.anything = true;
          facts.usesDefines = true;
          return;
        }
      }
    }
  }

  // `op` is '=' for a plain assignment, '|', '&' or '^' for the compound ones.
  void ReadAssignment(std::string_view target, std::string_view value, char op, int line) {
    std::string_view reg = target;
    std::string_view bit;
    if (std::size_t dot = target.find('.'); dot != std::string_view::npos) {
      reg = target.substr(0, dot);
      bit = target.substr(dot + 1);
      if (reg.size() > 4 && Upper(reg.substr(reg.size() - 4)) == "BITS") {
        reg.remove_suffix(4);  // XC8: the bit fields of a register, NAMEbits.BIT
      }
    }
    if (!IsIdentifier(reg)) {
      return;
    }
    std::optional<std::size_t> index = port_.RegisterNamed(reg);
    if (!index) {
      return;
    }
    facts.anything = true;
    if (bit.empty()) {
      Write(*index, std::string(target), value, op, line);
      return;
    }
    std::optional<int> position = BitPosition(*index, bit);
    std::optional<long> set = ReadLiteral(value);
    if (!position || !set || *set > 1) {
      facts.findings.push_back({line, FindingKind::Fault,
                                std::string(target) + " = " + std::string(value) +
                                    " is no bit of the register set to 0 or 1"});
      return;
    }
    WrittenRegister& written = facts.registers[*index];
    written.value = *set != 0 ? (written.value | (std::int64_t{1} << *position))
                              : (written.value & ~(std::int64_t{1} << *position));
    written.line = line;
    written.name = std::string(reg);
  }

  std::optional<int> BitPosition(std::size_t reg, std::string_view bit) const {
    if (std::optional<long> number = ReadLiteral(bit); number && *number < 8) {
      return static_cast<int>(*number);
    }
    return port_.Registers()[reg].BitPosition(bit);
  }

  void Write(std::size_t reg, const std::string& name, std::string_view text, char op, int line) {
    bool inverted = op != '=' && !text.empty() && text[0] == '~';
    std::optional<long> value = ReadLiteral(inverted ? Trim(text.substr(1)) : text);
    if (!value) {
      facts.findings.push_back({line, FindingKind::Fault,
                                name + " = " + std::string(text) + ": the value is no number"});
      return;
    }
    auto previous = facts.registers.find(reg);
    if (op != '=') {
      std::int64_t before = previous != facts.registers.end() ? previous->second.value : 0;
      std::int64_t operand = inverted ? ~static_cast<std::int64_t>(*value) : *value;
      std::int64_t after = op == '|'   ? (before | operand)
                           : op == '&' ? (before & operand)
                                       : (before ^ operand);
      facts.registers[reg] = WrittenRegister{after & 0xFFFFFFFF, line, name};
      return;
    }
    if (previous != facts.registers.end()) {
      facts.findings.push_back({line, FindingKind::Note,
                                name + " is assigned again (first on line " +
                                    std::to_string(previous->second.line) +
                                    "): the last assignment counts"});
    }
    facts.registers[reg] = WrittenRegister{*value, line, name};
  }

  const SerialPort& port_;
  const PortDefines* defines_;
  bool inBlockComment_ = false;
};

}  // namespace

SourceFacts ReadSetupSource(std::string_view text, const SerialPort& port) {
  SourceReader reader(port);
  int number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    reader.ReadLine(line, ++number);
    if (end == std::string_view::npos) {
      break;
    }
    start = end + 1;
  }
  return reader.facts;
}

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

}  // namespace brg::engine
