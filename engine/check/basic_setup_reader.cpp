// The BASIC reader: the compiler's DEFINEs (names are case-sensitive to it), CON and SYMBOL
// constants, register writes whole or by bit; ' and ; and REM start comments, : separates
// statements.
#include <cctype>
#include <map>

#include "core/text.h"
#include "engine/check/setup_readers.h"
#include "engine/check/source_expression.h"

namespace brg::engine {
namespace {

class BasicReader {
 public:
  BasicReader(const SerialPort& port, SetupRecorder& recorder)
      : port_(port),
        recorder_(recorder),
        defines_(port.Defines()),
        rateRegisters_(RateRegisters(port)) {
    context_.dialect = ExpressionDialect::Basic;
    context_.value = [this](std::string_view name) -> std::optional<std::int64_t> {
      auto found = constants_.find(Upper(name));
      if (found == constants_.end()) {
        return std::nullopt;
      }
      return found->second;
    };
  }

  void Read(const std::vector<SourceLine>& lines) {
    for (const SourceLine& line : lines) {
      std::string comment;
      std::string code = SplitComment(line.text, comment);
      if (std::optional<double> rate = RateInComment(comment)) {
        recorder_.CommentRate(*rate, line.number, comment);
      }
      if (recorder_.ConfigDirective(code, line.number)) {
        continue;
      }
      for (const std::string& statement : Statements(code)) {
        Statement(Trim(statement), line.number);
      }
    }
  }

 private:
  // The code and the comment of a line: ' and ; start a comment outside strings.
  static std::string SplitComment(std::string_view line, std::string& comment) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '"') {
        quoted = !quoted;
      } else if (!quoted && (line[i] == '\'' || line[i] == ';')) {
        comment = std::string(line.substr(i + 1));
        return std::string(line.substr(0, i));
      }
    }
    return std::string(line);
  }

  // The statements of a line, split at : outside strings; a REM runs to the end of the line.
  static std::vector<std::string> Statements(const std::string& code) {
    std::vector<std::string> statements(1);
    bool quoted = false;
    for (char c : code) {
      if (c == '"') {
        quoted = !quoted;
      }
      if (c == ':' && !quoted && !Remark(statements.back())) {
        statements.emplace_back();
      } else {
        statements.back() += c;
      }
    }
    return statements;
  }

  // Whether a statement is a REM.
  static bool Remark(std::string_view statement) {
    std::string_view text = Trim(statement);
    return text.size() >= 3 && Upper(text.substr(0, 3)) == "REM" &&
           (text.size() == 3 || std::isspace(static_cast<unsigned char>(text[3])) != 0);
  }

  static std::string FirstWord(std::string_view text, std::string_view& rest) {
    std::size_t end = text.find_first_of(" \t=");
    std::string word(text.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : Trim(text.substr(end));
    return word;
  }

  void Statement(std::string_view statement, int line) {
    if (statement.empty()) {
      return;
    }
    std::string_view rest;
    std::string word = FirstWord(statement, rest);
    std::string upper = Upper(word);
    if (upper == "REM") {
      if (std::optional<double> rate = RateInComment(rest)) {
        recorder_.CommentRate(*rate, line, rest);
      }
      return;
    }
    if (upper == "DEFINE") {
      Define(rest, line);
      return;
    }
    if (upper == "SYMBOL") {
      std::size_t equals = rest.find('=');
      if (equals != std::string_view::npos) {
        Constant(std::string(Trim(rest.substr(0, equals))), Trim(rest.substr(equals + 1)), line);
      }
      return;
    }
    std::string_view afterName;
    FirstWord(rest, afterName);
    if (Upper(FirstWord(rest, afterName)) == "CON") {
      Constant(word, afterName, line);
      return;
    }
    static const char* const kNotAssignments[] = {"IF",     "WHILE",   "UNTIL",  "FOR",
                                                  "SELECT", "CASE",    "ELSEIF", "GOTO",
                                                  "GOSUB",  "HSEROUT", "HSERIN"};
    for (const char* keyword : kNotAssignments) {
      if (upper == keyword) {
        return;
      }
    }
    std::size_t equals = statement.find('=');
    if (equals == std::string_view::npos || equals == 0) {
      return;
    }
    Assign(Trim(statement.substr(0, equals)), Trim(statement.substr(equals + 1)), line);
  }

  void Constant(const std::string& name, std::string_view text, int line) {
    if (std::optional<std::size_t> reg = recorder_.RegisterNamed(text)) {
      aliases_[Upper(name)] = std::string(Trim(text));  // SYMBOL name = a register
      return;
    }
    ExpressionResult result = EvaluateExpression(text, context_);
    if (result.value) {
      constants_[Upper(name)] = *result.value;
      if (RateName(name) && *result.value > 0) {
        recorder_.Rate(static_cast<double>(*result.value), line, RateSource::RateName, name);
      }
    }
  }

  std::string Resolved(std::string_view name) const {
    auto alias = aliases_.find(Upper(name));
    return alias != aliases_.end() ? alias->second : std::string(name);
  }

  void Assign(std::string_view target, std::string_view text, int line) {
    ExpressionResult result = EvaluateExpression(text, context_);
    std::size_t dot = target.find('.');
    if (dot != std::string_view::npos) {
      // the C form, NAMEbits.BIT, among BASIC lines
      std::string reg(WithoutBitsSuffix(Resolved(target.substr(0, dot))));
      std::string_view bit = target.substr(dot + 1);
      if (!recorder_.RegisterNamed(reg)) {
        if (result.value) {
          recorder_.WriteFollowedField(reg, bit, *result.value, line);
        }
        return;
      }
      recorder_.AssignField(reg, bit, target, text, result.value, line);
      return;
    }
    std::string reg = Resolved(target);
    if (!recorder_.RegisterNamed(reg)) {
      if (result.value) {
        recorder_.WriteFollowed(reg, *result.value, '=', line);
      }
      return;
    }
    if (!result.value) {
      recorder_.Add(line, FindingKind::Fault,
                    std::string(target) + " = " + std::string(text) + ": the value is no number");
      recorder_.WriteUnknown(reg, line);
      return;
    }
    recorder_.Write(reg, *result.value, '=', line, result.Intended());
    if (!ReadNumber(text, context_)) {
      recorder_.Working(line, std::string(target) + " = " + std::string(text) + " is " +
                                  std::to_string(*result.value));
    }
  }

  // A DEFINE's value: a literal as the assembler reads it (decimal, 19h, $19), or a constant.
  std::optional<std::int64_t> DefineValue(std::string_view text) {
    std::string_view value = text.substr(0, text.find_first_of(" \t"));
    if (std::optional<std::int64_t> number = ReadNumber(value, context_)) {
      return number;
    }
    ExpressionContext assembler = context_;
    assembler.dialect = ExpressionDialect::Asm;
    assembler.radix = 10;
    if (std::optional<std::int64_t> number = ReadNumber(value, assembler)) {
      return number;
    }
    return EvaluateExpression(value, context_).value;
  }

  void Define(std::string_view rest, int line) {
    std::string_view value;
    std::string name = FirstWord(rest, value);
    valueText_ = std::string(value);
    if (name == "OSC") {
      if (std::optional<double> mhz = PlainDecimal(value.substr(0, value.find_first_of(" \t")))) {
        recorder_.Clock(*mhz, line, "DEFINE OSC");
      }
      return;
    }
    if (defines_ == nullptr || name.rfind(defines_->prefix, 0) != 0) {
      NearDefine(name, line);
      return;
    }
    std::string define = name.substr(defines_->prefix.size());
    facts().anything = true;
    facts().usesDefines = true;
    if (define == defines_->rate) {
      facts().rateDefineLine = line;
      if (std::optional<std::int64_t> rate = DefineValue(value); rate && *rate > 0) {
        facts().rateDefine = static_cast<double>(*rate);
        recorder_.Rate(static_cast<double>(*rate), line, RateSource::RateDefine, name);
      }
      return;
    }
    for (const PortDefines::Name& known : defines_->registers) {
      if (known.define == define) {
        std::optional<std::int64_t> number = DefineValue(value);
        if (!number) {
          recorder_.Add(line, FindingKind::Fault,
                        name + " = " + std::string(value) + ": the value is no number");
          return;
        }
        recorder_.Write(port_.Registers()[known.reg].name, *number, '=', line);
        facts().registers[known.reg].name = name;
        return;
      }
    }
    if (std::find(defines_->others.begin(), defines_->others.end(), define) ==
        defines_->others.end()) {
      NearDefine(name, line);
    }
  }

  // An unknown DEFINE close to a known one, or one in the wrong case: the compiler ignores it
  // without a word.
  void NearDefine(const std::string& name, int line) {
    if (defines_ == nullptr) {
      return;
    }
    std::vector<std::string> known;
    for (const PortDefines::Name& define : defines_->registers) {
      known.push_back(define.define);
    }
    known.insert(known.end(), defines_->others.begin(), defines_->others.end());
    known.push_back("OSC");
    for (const std::string& prefix : defines_->prefixes) {
      for (const std::string& define : known) {
        if (name == prefix + define || name == define) {
          return;  // a DEFINE of another port
        }
      }
    }
    for (const std::string& prefix : defines_->prefixes) {
      for (const std::string& define : known) {
        std::string candidate = define == "OSC" ? define : prefix + define;
        bool wrongCase = Upper(name) == candidate;
        if (wrongCase || NameDistance(name, candidate) <= 2) {
          if (define == defines_->rate) {  // ignored by the compiler, but what the user means
            if (std::optional<std::int64_t> rate = DefineValue(valueText_); rate && *rate > 0) {
              recorder_.Rate(static_cast<double>(*rate), line, RateSource::RateDefine, name);
            }
          }
          recorder_.Add(line, FindingKind::Fault,
                        "DEFINE " + name + " is no name the compiler knows: " + candidate +
                            " is meant" + (wrongCase ? " (DEFINE names are case-sensitive)" : "") +
                            ", and the line does nothing");
          facts().anything = true;
          facts().usesDefines = true;
          return;
        }
      }
    }
  }

  SourceFacts& facts() { return recorder_.facts(); }

  const SerialPort& port_;
  SetupRecorder& recorder_;
  const PortDefines* defines_;
  std::vector<std::size_t> rateRegisters_;
  ExpressionContext context_;
  std::map<std::string, std::int64_t> constants_;
  std::map<std::string, std::string> aliases_;
  std::string valueText_;  // the value of the DEFINE being read
};

}  // namespace

void ReadBasicSetup(const std::vector<SourceLine>& lines, const SerialPort& port,
                    SetupRecorder& recorder) {
  BasicReader(port, recorder).Read(lines);
}

}  // namespace brg::engine
