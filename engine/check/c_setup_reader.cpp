// The C reader: the preprocessor (macros, #if on constants), then the statements of every
// function in file order, with the parameters of an init function bound to its first call
// site's arguments; register writes whole, compound, by bit field or by bare bit name.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "core/text.h"
#include "engine/check/peripheral_bus.h"
#include "engine/check/setup_readers.h"
#include "engine/check/source_expression.h"

namespace brg::engine {
namespace {

struct Tok {
  std::string text;
  int line = 0;
  bool name = false;
};

struct CodeText {
  std::vector<Tok> tokens;
  std::map<int, std::string> comments;  // by line
};

bool NameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}
bool NameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// Where an escape sequence of a character literal ends, from the character after its
// backslash: \x41, \101, \n.
std::size_t EscapeEnd(std::string_view line, std::size_t at) {
  if (line[at] == 'x') {
    ++at;
    while (at < line.size() && std::isxdigit(static_cast<unsigned char>(line[at])) != 0) {
      ++at;
    }
    return at;
  }
  std::size_t end = at;
  while (end < line.size() && end < at + 3 && line[end] >= '0' && line[end] <= '7') {
    ++end;
  }
  return end > at ? end : at + 1;
}

// Whether the ' at `open` starts a character literal ('A', '\n', '\x41', '\101'), not a
// BASIC-style comment.
bool CharacterLiteral(std::string_view line, std::size_t open) {
  if (line.find('\'', open + 1) <= open + 4) {
    return true;
  }
  return open + 2 < line.size() && line[open + 1] == '\\' &&
         line.find('\'', open + 2) == EscapeEnd(line, open + 2);
}

// The code of one line without its comments, and the comments apart; a block comment may run
// on over lines.
std::string StripComments(std::string_view line, bool& inBlock, std::string& comment) {
  if (!inBlock && line.find_first_of("/'\"") == std::string_view::npos) {
    return std::string(line);
  }
  std::string code;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (inBlock) {
      if (line.compare(i, 2, "*/") == 0) {
        inBlock = false;
        ++i;
      } else {
        comment += line[i];
      }
    } else if (line.compare(i, 2, "/*") == 0) {
      inBlock = true;
      ++i;
    } else if (line.compare(i, 2, "//") == 0) {
      comment += std::string(line.substr(i + 2));
      break;
    } else if (line[i] == '\'' && !CharacterLiteral(line, i)) {
      comment += std::string(line.substr(i + 1));  // no character literal: a BASIC comment
      break;
    } else if (line[i] == '"' || line[i] == '\'') {
      char quote = line[i];
      code += quote;
      for (++i; i < line.size() && line[i] != quote; ++i) {
        if (line[i] == '\\') {
          ++i;
        }
      }
      code += quote;
    } else {
      code += line[i];
    }
  }
  return code;
}

// A number as the preprocessor reads one: a digit or a point and a digit, then letters, digits,
// points, and a sign after an exponent's e.
std::string NumberAt(const std::string& code, std::size_t start) {
  std::size_t end = start + 1;
  while (end < code.size()) {
    char c = code[end];
    char before = code[end - 1];
    bool sign = (c == '+' || c == '-') && (before == 'e' || before == 'E') &&
                code.compare(start, 2, "0x") != 0 && code.compare(start, 2, "0X") != 0;
    if (!NameChar(c) && c != '.' && !sign) {
      break;
    }
    ++end;
  }
  return code.substr(start, end - start);
}

void Tokenize(const std::string& code, int line, std::vector<Tok>& tokens) {
  static constexpr std::string_view kOps[] = {
      "<<=", ">>=", "|=", "&=", "^=", "+=", "-=", "*=", "/=", "%=", "==",
      "!=",  "<=",  ">=", "&&", "||", "<<", ">>", "->", "++", "--"};
  static constexpr std::string_view kOpStarts = "<>|&^+-*/%=!";
  for (std::size_t i = 0; i < code.size();) {
    char c = code[i];
    if (std::isspace(static_cast<unsigned char>(c)) != 0) {
      ++i;
      continue;
    }
    bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
    if (digit || (c == '.' && i + 1 < code.size() &&
                  std::isdigit(static_cast<unsigned char>(code[i + 1])) != 0)) {
      tokens.push_back(Tok{NumberAt(code, i), line, false});  // 25, 0x19, 4.0, 1e6, 0.5f
      i += tokens.back().text.size();
      continue;
    }
    if (NameChar(c)) {
      std::size_t end = i;
      while (end < code.size() && NameChar(code[end])) {
        ++end;
      }
      tokens.push_back(Tok{code.substr(i, end - i), line, NameStart(c)});
      i = end;
      continue;
    }
    if (c == '"' || c == '\'') {
      std::size_t end = code.find(c, i + 1);
      end = end == std::string::npos ? code.size() : end + 1;
      tokens.push_back(Tok{code.substr(i, end - i), line, false});
      i = end;
      continue;
    }
    std::string op(1, c);
    if (kOpStarts.find(c) != std::string_view::npos) {
      std::string_view ahead = std::string_view(code).substr(i, 3);
      for (std::string_view multi : kOps) {
        if (ahead.starts_with(multi)) {
          op = multi;
          break;
        }
      }
    }
    tokens.push_back(Tok{op, line, false});
    i += op.size();
  }
}

// A function of the source: its parameters and the tokens of its body.
struct Function {
  std::string name;
  std::vector<std::string> parameters;
  std::size_t bodyStart = 0;  // the token after {
  std::size_t bodyEnd = 0;    // the token of the closing }
};

// A call of a function of the source: its arguments as text, and where.
struct Call {
  std::vector<std::string> arguments;
  int line = 0;
};

}  // namespace

// C source up to its statements, the same for every reading of it: the tokens of the lines the
// preprocessor keeps, the comments, the macros with their lines, and the configuration words.
struct PreparedC {
  CodeText code;
  std::map<std::string, Macro> macros;
  std::map<std::string, int> macroLines;
  PeripheralBus bus;
  std::vector<ConfigSetting> config;  // the #pragma config settings
  // The functions in their order and their first call sites: found by the first reading of
  // the source, taken by the others.
  struct Index {
    std::map<std::string, Function> functions;
    std::vector<std::string> order;
    std::map<std::string, Call> calls;
  };
  mutable std::optional<Index> index;
};

namespace {

class Preprocessor {
 public:
  explicit Preprocessor(int intBits) {
    context_.dialect = ExpressionDialect::C;
    context_.intBits = intBits;
    context_.preprocessor = true;
    context_.macro = [this](std::string_view name) -> const Macro* {
      auto found = macros_.find(std::string(name));
      return found == macros_.end() ? nullptr : &found->second;
    };
  }

  PreparedC Run(const std::vector<SourceLine>& lines) {
    PreparedC prepared;
    prepared.code = Preprocess(lines);
    prepared.macros = std::move(macros_);
    prepared.macroLines = std::move(nameLines_);
    prepared.bus = busDivider_;
    prepared.config = std::move(config_);
    return prepared;
  }

 private:
  CodeText Preprocess(const std::vector<SourceLine>& lines) {
    CodeText code;
    bool inBlock = false;
    std::vector<bool> active{true};
    std::vector<bool> taken{true};
    for (std::size_t i = 0; i < lines.size(); ++i) {
      int number = lines[i].number;
      std::string comment;
      std::string text = StripComments(lines[i].text, inBlock, comment);
      while (!text.empty() && text.back() == '\\' && i + 1 < lines.size()) {
        text.pop_back();
        text += " " + StripComments(lines[++i].text, inBlock, comment);
      }
      if (!comment.empty()) {
        code.comments[number] += comment;
      }
      std::string_view trimmed = Trim(text);
      if (!trimmed.empty() && trimmed[0] == '#') {
        Directive(Trim(trimmed.substr(1)), number, active, taken);
        continue;
      }
      if (active.back()) {
        if (!trimmed.empty() && trimmed[0] == '_') {
          ConfigMacro(trimmed, number);
        }
        Tokenize(text, number, code.tokens);
      }
    }
    return code;
  }

  // The compilers' configuration macros: XC16's _CONFIG2(FNOSC_FRCPLL & POSCMOD_NONE) and
  // _FOSCSEL(FNOSC_FRC & IESO_OFF), and HI-TECH C's __CONFIG(FOSC_INTOSC & WDTE_OFF), whose
  // operands are the words' tokens.
  void ConfigMacro(std::string_view text, int line) {
    std::size_t end = 0;
    while (end < text.size() && NameChar(text[end])) {
      ++end;
    }
    std::string name = Upper(text.substr(0, end));
    bool configMacro = name == "__CONFIG" || name.rfind("_CONFIG", 0) == 0 ||
                       (name.size() > 2 && name.rfind("_F", 0) == 0 && name == text.substr(0, end));
    std::string_view rest = Trim(text.substr(end));
    std::size_t close = rest.rfind(')');
    if (!configMacro || rest.empty() || rest[0] != '(' || close == std::string_view::npos) {
      return;
    }
    ConfigWordTokens operands = ConfigTokensOf(rest.substr(1, close - 1));
    if (operands.word.empty() && name != "__CONFIG") {
      operands.word = text.substr(1, end - 1);  // _CONFIG2: the word CONFIG2
    }
    for (std::string_view token : operands.tokens) {
      config_.push_back({"", Upper(token), line, Upper(operands.word)});
    }
  }

  void Directive(std::string_view text, int line, std::vector<bool>& active,
                 std::vector<bool>& taken) {
    std::size_t end = 0;
    while (end < text.size() && NameChar(text[end])) {
      ++end;
    }
    std::string word(text.substr(0, end));
    std::string_view rest = Trim(text.substr(end));
    bool on = active.back();
    if (word == "ifdef" || word == "ifndef") {
      bool defined = macros_.count(std::string(FirstName(rest))) != 0;
      bool yes = word == "ifdef" ? defined : !defined;
      active.push_back(on && yes);
      taken.push_back(yes);
    } else if (word == "if") {
      bool yes = Condition(rest);
      active.push_back(on && yes);
      taken.push_back(yes);
    } else if (word == "elif" && active.size() > 1) {
      bool parent = active[active.size() - 2];
      bool yes = !taken.back() && Condition(rest);
      active.back() = parent && yes;
      taken.back() = taken.back() || yes;
    } else if (word == "else" && active.size() > 1) {
      active.back() = active[active.size() - 2] && !taken.back();
      taken.back() = true;
    } else if (word == "endif" && active.size() > 1) {
      active.pop_back();
      taken.pop_back();
    } else if (on && word == "define") {
      Define(rest, line);
    } else if (on && word == "pragma" && FirstName(rest) == "config") {
      busDivider_.Config(rest.substr(6), line);
      for (const auto& [name, value] : SettingsOf(rest.substr(6))) {
        config_.push_back({Upper(name), Upper(value), line});
      }
    } else if (on && word == "undef") {
      macros_.erase(std::string(FirstName(rest)));
    }
  }

  static std::string_view FirstName(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && NameChar(text[end])) {
      ++end;
    }
    return text.substr(0, end);
  }

  bool Condition(std::string_view text) {
    ExpressionResult result = EvaluateExpression(text, context_);
    return result.value.value_or(0) != 0;
  }

  void Define(std::string_view text, int line) {
    std::string name(FirstName(text));
    if (name.empty()) {
      return;
    }
    Macro macro;
    std::string_view rest = text.substr(name.size());
    if (!rest.empty() && rest[0] == '(') {
      macro.functionLike = true;
      std::size_t close = rest.find(')');
      std::string_view parameters = rest.substr(1, close - 1);
      for (std::size_t start = 0; start <= parameters.size();) {
        std::size_t comma = parameters.find(',', start);
        std::string_view parameter =
            Trim(parameters.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (!parameter.empty()) {
          macro.parameters.emplace_back(parameter);
        }
        if (comma == std::string_view::npos) {
          break;
        }
        start = comma + 1;
      }
      rest = close == std::string_view::npos ? std::string_view{} : rest.substr(close + 1);
    }
    macro.body = std::string(Trim(rest));
    macros_[name] = macro;
    nameLines_[name] = line;
  }

  ExpressionContext context_;
  std::map<std::string, Macro> macros_;
  std::map<std::string, int> nameLines_;
  PeripheralBus busDivider_;
  std::vector<ConfigSetting> config_;
};

class CReader {
 public:
  CReader(const PreparedC& prepared, const SerialPort& port, SetupRecorder& recorder, int intBits,
          std::optional<double> baud, Branches& branches)
      : prepared_(prepared),
        port_(port),
        recorder_(recorder),
        baud_(baud),
        rateRegisters_(RateRegisters(port)),
        macros_(prepared.macros),
        nameLines_(prepared.macroLines),
        tokens_(prepared.code.tokens),
        branches_(branches),
        comments_(prepared.code.comments),
        config_(prepared.config),
        busDivider_(prepared.bus) {
    context_.dialect = ExpressionDialect::C;
    context_.intBits = intBits;
    context_.macro = [this](std::string_view name) -> const Macro* {
      auto found = macros_.find(std::string(name));
      return found == macros_.end() ? nullptr : &found->second;
    };
    context_.value = [this](std::string_view name) -> std::optional<std::int64_t> {
      for (auto scope = scopes_.rbegin(); scope != scopes_.rend(); ++scope) {
        auto found = scope->find(std::string(name));
        if (found != scope->end()) {
          return found->second;
        }
      }
      if (std::optional<std::size_t> reg = recorder_.RegisterNamed(name)) {
        return recorder_.Current(*reg);  // a register the code has written so far
      }
      if (std::optional<std::int64_t> field = recorder_.FieldValue(name)) {
        return field;
      }
      return busDivider_.FieldValue(name);
    };
    scopes_.emplace_back();
  }

  void Read() {
    for (const ConfigSetting& setting : config_) {
      if (setting.name.empty()) {
        recorder_.ConfigToken(setting.value, setting.line, setting.word);
      } else {
        recorder_.Config(setting.name, setting.value, setting.line);
      }
    }
    for (const auto& [line, comment] : comments_) {
      if (std::optional<double> rate = RateInComment(comment)) {
        recorder_.CommentRate(*rate, line, comment);
      }
      if (std::optional<double> mhz = ClockInComment(comment)) {
        commentClock_ = Named{*mhz, line, "a comment"};
      }
    }
    if (prepared_.index) {
      functions_ = prepared_.index->functions;
      order_ = prepared_.index->order;
      calls_ = prepared_.index->calls;
    } else {
      FindFunctions();
      prepared_.index = PreparedC::Index{functions_, order_, calls_};
    }
    RunTopLevel();
    NameTheClock();
  }

 private:
  // Functions and their call sites.

  std::size_t Matching(std::size_t open) const {
    const std::string& left = tokens_[open].text;
    std::string right = left == "(" ? ")" : left == "{" ? "}" : "]";
    int depth = 0;
    for (std::size_t i = open; i < tokens_.size(); ++i) {
      if (tokens_[i].text == left) {
        ++depth;
      } else if (tokens_[i].text == right && --depth == 0) {
        return i;
      }
    }
    return tokens_.size();
  }

  void FindFunctions() {
    int depth = 0;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
      const std::string& t = tokens_[i].text;
      if (t == "{") {
        ++depth;
      } else if (t == "}") {
        --depth;
      } else if (depth == 0 && tokens_[i].name && i + 1 < tokens_.size() &&
                 tokens_[i + 1].text == "(") {
        std::size_t close = Matching(i + 1);
        if (close + 1 < tokens_.size() && tokens_[close + 1].text == "{") {
          Function function{tokens_[i].text, Parameters(i + 2, close), close + 2,
                            Matching(close + 1)};
          functions_[function.name] = function;
          order_.push_back(function.name);
          i = function.bodyEnd;
        }
      }
    }
    for (std::size_t i = 0; i + 1 < tokens_.size(); ++i) {
      if (tokens_[i].name && tokens_[i + 1].text == "(" && functions_.count(tokens_[i].text) &&
          (i == 0 || !tokens_[i - 1].name)) {
        std::size_t close = Matching(i + 1);
        if (close + 1 < tokens_.size() && tokens_[close + 1].text != "{" &&
            !calls_.count(tokens_[i].text)) {
          calls_[tokens_[i].text] = Call{Arguments(i + 2, close), tokens_[i].line};
        }
      }
    }
  }

  std::vector<std::string> Parameters(std::size_t from, std::size_t to) const {
    std::vector<std::string> names;
    std::string last;
    for (std::size_t i = from; i <= to; ++i) {
      if (i == to || tokens_[i].text == ",") {
        if (!last.empty() && last != "void") {
          names.push_back(last);
        }
        last.clear();
      } else if (tokens_[i].name) {
        last = tokens_[i].text;
      }
    }
    return names;
  }

  std::vector<std::string> Arguments(std::size_t from, std::size_t to) const {
    std::vector<std::string> arguments(1);
    int depth = 0;
    for (std::size_t i = from; i < to; ++i) {
      const std::string& t = tokens_[i].text;
      depth += t == "(" ? 1 : t == ")" ? -1 : 0;
      if (t == "," && depth == 0) {
        arguments.emplace_back();
      } else {
        arguments.back() += " " + t;
      }
    }
    if (arguments.size() == 1 && Trim(arguments.front()).empty()) {
      arguments.clear();
    }
    return arguments;
  }

  // Running the statements.

  void RunTopLevel() {
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
      const std::string& t = tokens_[i].text;
      if (depth == 0 && tokens_[i].name && functions_.count(t) && i + 1 < tokens_.size() &&
          tokens_[i + 1].text == "(" && functions_.at(t).bodyStart > i &&
          functions_.at(t).bodyStart - 2 == Matching(i + 1)) {
        if (calls_.count(t) == 0) {
          RunFunction(functions_.at(t), std::nullopt);  // called by none: runs where it stands
        }
        i = functions_.at(t).bodyEnd;
        start = i + 1;
        continue;
      }
      char punctuation = t.size() == 1 ? t[0] : '\0';
      if (punctuation == '{') {
        ++depth;
      } else if (punctuation == '}') {
        --depth;
      } else if (punctuation == ';' && depth == 0) {
        Statement(start, i);  // a global declaration
        start = i + 1;
      }
    }
  }

  // A function's body with its parameters bound to the arguments of `call`.
  void RunFunction(const Function& function, const std::optional<Call>& call) {
    if (running_.count(function.name) != 0) {
      return;  // recursion: read once
    }
    running_.insert(function.name);
    std::map<std::string, std::int64_t> parameters;
    for (std::size_t k = 0; k < function.parameters.size(); ++k) {
      const std::string& parameter = function.parameters[k];
      if (call && k < call->arguments.size()) {
        ExpressionResult value = EvaluateExpression(call->arguments[k], context_);
        if (value.value) {
          parameters[parameter] = *value.value;
          bound_[parameter] =
              "the call " + function.name + "(" + std::string(Trim(call->arguments[k])) + ")";
          boundLine_[parameter] = call->line;
        }
      } else if (baud_ && RateName(parameter)) {
        parameters[parameter] = static_cast<std::int64_t>(*baud_);
        bound_[parameter] = "--baud";
        boundLine_[parameter] = 0;
      }
    }
    scopes_.push_back(std::move(parameters));
    Block(function.bodyStart, function.bodyEnd);
    scopes_.pop_back();
    for (const std::string& parameter : function.parameters) {
      bound_.erase(parameter);
    }
    running_.erase(function.name);
  }

  // printf and its kin send through UART1 under XC16, whose standard output it is.
  void StandardOutput(std::size_t from, std::size_t to) {
    const std::string& t = tokens_[from].text;
    bool output = t == "printf" || t == "puts" || t == "putchar";
    if (output && from + 1 < to && tokens_[from + 1].text == "(" && functions_.count(t) == 0 &&
        port_.Toolchain() == "XC16" && port_.Number() == 1) {
      recorder_.SendsBy(t + " (XC16's standard output is UART1)", tokens_[from].line);
    }
  }

  // XC16's __builtin_write_OSCCONH(value): the unlock sequence and a write of OSCCON's high
  // byte, where the next oscillator is chosen.
  void OscconBuiltin(std::size_t from, std::size_t to) {
    const std::string& t = tokens_[from].text;
    if ((t != "__builtin_write_OSCCONH" && t != "__builtin_write_OSCCONL") || from + 1 >= to ||
        tokens_[from + 1].text != "(") {
      return;
    }
    std::size_t close = Matching(from + 1);
    ExpressionResult value = EvaluateExpression(Text(from + 2, close), context_);
    if (value.value) {
      recorder_.WriteFollowed(t.substr(t.size() - 7), *value.value, '=', tokens_[from].line);
    }
  }

  // A statement that calls a function of the source: its body runs here.
  void RunCall(std::size_t from, std::size_t to) {
    auto function = functions_.find(tokens_[from].text);
    if (function == functions_.end() || from + 1 >= to || tokens_[from + 1].text != "(") {
      return;
    }
    std::size_t close = Matching(from + 1);
    RunFunction(function->second, Call{Arguments(from + 2, close), tokens_[from].line});
  }

  // The statements from `from` to before `to`.
  void Block(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to;) {
      i = Next(i, to);
    }
  }

  // Runs the statement at `at`; returns the token after it.
  std::size_t Next(std::size_t at, std::size_t to) {
    const std::string& t = tokens_[at].text;
    if (t == "{") {
      std::size_t close = std::min(Matching(at), to);
      scopes_.emplace_back();
      Block(at + 1, close);
      scopes_.pop_back();
      return close + 1;
    }
    if (t == ";") {
      return at + 1;
    }
    if (t == "if" && at + 1 < to && tokens_[at + 1].text == "(") {
      return If(at, to);
    }
    if (t == "switch" && at + 1 < to && tokens_[at + 1].text == "(") {
      return Switch(at, to);
    }
    if ((t == "while" || t == "for") && at + 1 < to && tokens_[at + 1].text == "(") {
      return Next(std::min(Matching(at + 1) + 1, to), to);
    }
    if (t == "do") {
      std::size_t after = Next(at + 1, to);
      while (after < to && tokens_[after].text != ";") {
        ++after;
      }
      return after + 1;
    }
    if (t == "else") {
      return Next(at + 1, to);
    }
    std::size_t end = at;
    int depth = 0;
    while (end < to && !(tokens_[end].text == ";" && depth == 0)) {
      depth += tokens_[end].text == "(" ? 1 : tokens_[end].text == ")" ? -1 : 0;
      ++end;
    }
    Statement(at, end);
    return end + 1;
  }

  std::size_t If(std::size_t at, std::size_t to) {
    std::size_t close = Matching(at + 1);
    std::string text = Text(at + 2, close);
    ExpressionResult condition = EvaluateExpression(text, context_);
    std::size_t thenStart = close + 1;
    std::size_t thenEnd = Skip(thenStart, to);
    bool hasElse = thenEnd < to && tokens_[thenEnd].text == "else";
    std::size_t elseEnd = hasElse ? Skip(thenEnd + 1, to) : thenEnd;
    bool then = condition.value && *condition.value != 0;
    if (!condition.value) {
      if (!Writes(thenStart, elseEnd)) {
        Next(thenStart, thenEnd);  // what neither arm sets up: both are read
        if (hasElse) {
          Next(thenEnd + 1, elseEnd);
        }
        return elseEnd;
      }
      int line = tokens_[at].line;
      then = ArmTaken(line, {"", text + " holds"}) == 1;
      if (branches_.taken.empty()) {
        recorder_.Add(line, FindingKind::Note,
                      "the condition " + text +
                          " cannot be worked out here: each branch is checked, and the setting "
                          "shown is the one " +
                          (hasElse ? "of its else branch" : "without it"));
      }
    }
    if (then) {
      Next(thenStart, thenEnd);
    } else if (hasElse) {
      Next(thenEnd + 1, elseEnd);
    }
    return elseEnd;
  }

  // Whether the statements from `from` to before `to` name a register of the port or call a
  // function of the source, which may.
  bool Writes(std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to && i < tokens_.size(); ++i) {
      const std::string& t = tokens_[i].text;
      if (tokens_[i].name && (functions_.count(t) != 0 || PortName(t))) {
        return true;
      }
    }
    return false;
  }

  // A register of the port by any name code gives it: U1CON0, U1CON0bits, U1MODESET.
  bool PortName(std::string_view name) const {
    if (recorder_.RegisterNamed(name)) {
      return true;
    }
    for (std::string_view suffix : {"bits", "SET", "CLR", "INV"}) {
      if (name.size() > suffix.size() && name.ends_with(suffix) &&
          recorder_.RegisterNamed(name.substr(0, name.size() - suffix.size()))) {
        return true;
      }
    }
    return false;
  }

  // The arm a reading takes at a run-time branch that sets something up, and the branch noted
  // for the readings of its other arms.
  int ArmTaken(int line, std::vector<std::string> arms) {
    std::size_t index = branchesMet_++;
    if (branches_.taken.empty()) {
      branches_.met.push_back(Branches::Met{line, std::move(arms)});
    }
    return index < branches_.taken.size() ? branches_.taken[index] : 0;
  }

  struct Label {
    std::size_t start = 0;  // the token after its colon
    std::string text;       // the case's value as written; "" for default
  };

  // switch: the case of the value, else default; on a value that cannot be worked out, the
  // default arm, each case read as another arm.
  std::size_t Switch(std::size_t at, std::size_t to) {
    std::size_t close = Matching(at + 1);
    std::size_t body = close + 1;
    if (body >= to || tokens_[body].text != "{") {
      return Skip(body, to);
    }
    std::size_t bodyEnd = std::min(Matching(body), to);
    std::string text = Text(at + 2, close);
    ExpressionResult value = EvaluateExpression(text, context_);
    std::vector<Label> labels = Labels(body + 1, bodyEnd);
    std::optional<std::size_t> chosen;
    for (std::size_t k = 0; k < labels.size(); ++k) {
      bool isDefault = labels[k].text.empty();
      if (value.value && !isDefault) {
        ExpressionResult label = EvaluateExpression(labels[k].text, context_);
        if (label.value == value.value) {
          chosen = k;
          break;
        }
      } else if (isDefault && !chosen) {
        chosen = k;
      }
    }
    if (value.value && chosen) {
      NameTheCaseRate(text, *value.value, tokens_[at].line);
    }
    if (!value.value && Writes(body + 1, bodyEnd)) {
      std::vector<std::string> arms{""};
      std::vector<std::size_t> cases;
      for (std::size_t k = 0; k < labels.size(); ++k) {
        if (!labels[k].text.empty()) {
          arms.push_back(text + " is " + labels[k].text);
          cases.push_back(k);
        }
      }
      int arm = ArmTaken(tokens_[at].line, arms);
      if (arm > 0) {
        chosen = cases[static_cast<std::size_t>(arm - 1)];
        ExpressionResult label = EvaluateExpression(labels[*chosen].text, context_);
        if (label.value && IsIdentifier(text)) {
          scopes_.back()[text] = *label.value;  // in this arm the value is the case's
          NameTheCaseRate(text, *label.value, tokens_[at].line);
        }
      }
    }
    if (chosen) {
      RunArm(labels[*chosen].start, bodyEnd);
    }
    return bodyEnd + 1;
  }

  // A switch on a rate parameter names the rate: switch (baud) with baud = 115200.
  void NameTheCaseRate(const std::string& text, std::int64_t value, int line) {
    if (!IsIdentifier(text) || !StandardRate(static_cast<double>(value))) {
      return;
    }
    if (auto bound = bound_.find(text); bound != bound_.end()) {
      recorder_.Rate(static_cast<double>(value), boundLine_[text], RateSource::CallSite,
                     bound->second);
    } else {
      recorder_.Rate(static_cast<double>(value), line, RateSource::NameInTheRateExpression,
                     "the case " + text + " == " + std::to_string(value));
    }
  }

  // The case and default labels of a switch's body, at its own depth.
  std::vector<Label> Labels(std::size_t from, std::size_t to) const {
    std::vector<Label> labels;
    int depth = 0;
    for (std::size_t i = from; i < to; ++i) {
      const std::string& t = tokens_[i].text;
      depth += t == "{" || t == "(" ? 1 : t == "}" || t == ")" ? -1 : 0;
      if (depth != 0 || (t != "case" && t != "default")) {
        continue;
      }
      std::size_t colon = i + 1;
      while (colon < to && tokens_[colon].text != ":") {
        ++colon;
      }
      labels.push_back(Label{colon + 1, t == "case" ? Text(i + 1, colon) : ""});
      i = colon;
    }
    return labels;
  }

  // The statements of a switch from a label to its break, falling through later labels.
  void RunArm(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to;) {
      const std::string& t = tokens_[i].text;
      if (t == "break" || t == "return") {
        return;
      }
      if (t == "case" || t == "default") {
        while (i < to && tokens_[i].text != ":") {
          ++i;
        }
        ++i;
        continue;
      }
      i = Next(i, to);
    }
  }

  // The token after the statement at `at`, without running it.
  std::size_t Skip(std::size_t at, std::size_t to) {
    if (at >= to) {
      return to;
    }
    const std::string& t = tokens_[at].text;
    if (t == "{") {
      return Matching(at) + 1;
    }
    if (t == "if" && at + 1 < to && tokens_[at + 1].text == "(") {
      std::size_t after = Skip(Matching(at + 1) + 1, to);
      return after < to && tokens_[after].text == "else" ? Skip(after + 1, to) : after;
    }
    if ((t == "while" || t == "for" || t == "switch") && at + 1 < to &&
        tokens_[at + 1].text == "(") {
      return Skip(Matching(at + 1) + 1, to);
    }
    std::size_t end = at;
    int depth = 0;
    while (end < to && !(tokens_[end].text == ";" && depth == 0)) {
      depth += tokens_[end].text == "(" ? 1 : tokens_[end].text == ")" ? -1 : 0;
      ++end;
    }
    return end + 1;
  }

  // The tokens as a C programmer spaces them: names and numbers apart, no space inside
  // parentheses.
  std::string Text(std::size_t from, std::size_t to) const {
    std::string text;
    for (std::size_t i = from; i < to && i < tokens_.size(); ++i) {
      const std::string& t = tokens_[i].text;
      bool tight = text.empty() || text.back() == '(' || t == ")" || t == "," ||
                   (t == "(" && i > from && tokens_[i - 1].name) || text.back() == '~' ||
                   text.back() == '!' || t == "." || text.back() == '.';
      text += (tight ? "" : " ") + t;
    }
    return text;
  }

  // One statement: a declaration, an assignment or a call.
  void Statement(std::size_t from, std::size_t to) {
    std::size_t assign = from;
    int depth = 0;
    for (; assign < to; ++assign) {
      const std::string& t = tokens_[assign].text;
      depth += t == "(" || t == "[" ? 1 : t == ")" || t == "]" ? -1 : 0;
      if (depth == 0 &&
          (t == "=" || t == "|=" || t == "&=" || t == "^=" || t == "+=" || t == "-=")) {
        break;
      }
    }
    if (assign == to) {
      RunCall(from, to);
      StandardOutput(from, to);
      OscconBuiltin(from, to);
      return;
    }
    if (assign == from) {
      return;
    }
    std::string op = tokens_[assign].text;
    std::vector<Tok> target(tokens_.begin() + static_cast<std::ptrdiff_t>(from),
                            tokens_.begin() + static_cast<std::ptrdiff_t>(assign));
    std::string value = Text(assign + 1, to);
    int line = tokens_[assign].line;
    Assign(target, op, value, line);
  }

  void Assign(const std::vector<Tok>& target, const std::string& op, const std::string& text,
              int line) {
    // REGbits.BIT, REG.BIT
    if (target.size() >= 3 && target[target.size() - 2].text == ".") {
      std::string reg(WithoutBitsSuffix(target[target.size() - 3].text));
      AssignBit(reg, target.back().text, text, line);
      return;
    }
    const std::string& name = target.back().text;
    bool declaration = target.size() > 1;  // "uint16_t brg", "const int x"
    ExpressionResult result = EvaluateExpression(text, context_);
    if (!declaration && recorder_.Sends(name, line)) {
      return;
    }
    if (!declaration && result.value &&
        recorder_.WriteFollowed(name, *result.value, op == "=" ? '=' : op[0], line)) {
      return;
    }
    if (declaration || (!recorder_.RegisterNamed(name) && !SetClearInvert(name))) {
      if (!BareBit(name, result, line, declaration)) {
        Variable(name, result, op, declaration, text, line);
      }
      return;
    }
    RegisterWrite(name, op, text, result, line);
  }

  // PIC32's UxMODESET, UxMODECLR and UxMODEINV registers.
  bool SetClearInvert(const std::string& name) const {
    for (const char* suffix : {"SET", "CLR", "INV"}) {
      std::string s(suffix);
      if (name.size() > s.size() && name.compare(name.size() - s.size(), s.size(), s) == 0 &&
          recorder_.RegisterNamed(name.substr(0, name.size() - s.size()))) {
        return true;
      }
    }
    return false;
  }

  void RegisterWrite(std::string name, std::string op, const std::string& text,
                     const ExpressionResult& result, int line) {
    char kind = op == "=" ? '=' : op[0];
    bool inverted = false;
    if (!recorder_.RegisterNamed(name)) {
      std::string suffix = name.substr(name.size() - 3);
      name.resize(name.size() - 3);
      kind = suffix == "SET" ? '|' : suffix == "CLR" ? '&' : '^';
      inverted = suffix == "CLR";
    }
    if (kind == '+' || kind == '-') {
      recorder_.Add(line, FindingKind::Note, name + " " + op + " " + text + " is not followed");
      return;
    }
    if (!result.value) {
      Unworkable(name + " " + op + " " + text, result, line);
      recorder_.WriteUnknown(name, line);
      return;
    }
    if (!result.overflow.empty()) {
      OverflowFound(name, text, result, line);
    }
    std::int64_t value = inverted ? ~*result.value : *result.value;
    recorder_.Write(name, value, kind, line, result.Intended());
    if (kind == '=') {
      for (int commentLine : {line - 1, line}) {
        if (auto comment = comments_.find(commentLine); comment != comments_.end()) {
          recorder_.StatedInComment(comment->second, commentLine, name, value, line);
        }
      }
    }
    if (ReadNumber(text, context_) == std::nullopt) {
      recorder_.Working(line, name + " " + op + " " + text + " is " +
                                  std::to_string(*result.value) + ParametersIn(text));
    }
    if (IsRateRegister(name)) {
      NameTheRate(text, line);
    }
  }

  // An int overflow is a fault where it changes what the register receives: where the value
  // worked out without the int's limit differs in the register's bits.
  void OverflowFound(const std::string& name, const std::string& text,
                     const ExpressionResult& result, int line) {
    ExpressionContext unlimited = context_;
    unlimited.intBits = 64;
    ExpressionResult meant = EvaluateExpression(text, unlimited);
    std::uint32_t largest = port_.Registers()[*recorder_.RegisterNamed(name)].Largest();
    bool same = meant.value && (static_cast<std::uint64_t>(*meant.value) & largest) ==
                                   (static_cast<std::uint64_t>(*result.value) & largest);
    recorder_.Add(line, same ? FindingKind::Note : FindingKind::Fault,
                  name + " = " + text + ": " + result.overflow +
                      (same ? ", which leaves the value written as meant" : ""));
  }

  // The parameters an expression was worked out for: " with baud = 9600 from the call
  // UART_Init(9600) on line 12".
  std::string ParametersIn(const std::string& text) const {
    std::string said;
    for (const auto& [parameter, from] : bound_) {
      std::optional<std::int64_t> value = context_.value(parameter);
      if (value && UsesIdentifier(text, parameter)) {
        int callLine = boundLine_.at(parameter);
        said += (said.empty() ? " with " : ", ") + parameter + " = " + std::to_string(*value) +
                " from " + from + (callLine > 0 ? " on line " + std::to_string(callLine) : "");
      }
    }
    return said;
  }

  void AssignBit(const std::string& reg, const std::string& bit, const std::string& text,
                 int line) {
    ExpressionResult result = EvaluateExpression(text, context_);
    if (result.value && busDivider_.FieldWrite(reg, bit, *result.value, line)) {
      return;
    }
    if (recorder_.RegisterNamed(reg)) {
      recorder_.AssignField(reg, bit, reg + "bits." + bit, text, result.value, line);
    } else if (result.value) {
      recorder_.WriteFollowedField(reg, bit, *result.value, line);
    }
  }

  bool BareBit(const std::string& name, const ExpressionResult& result, int line,
               bool declaration) {
    if (declaration || !result.value || (*result.value != 0 && *result.value != 1)) {
      return false;
    }
    return recorder_.WriteBareBit(name, *result.value != 0, line);
  }

  void Variable(const std::string& name, const ExpressionResult& result, const std::string& op,
                bool declaration, const std::string& text, int line) {
    variableTexts_[name] = text;
    nameLines_[name] = line;
    std::map<std::string, std::int64_t>& scope = scopes_.back();
    if (op != "=" || !result.value) {
      for (auto& each : scopes_) {
        each.erase(name);
      }
      return;
    }
    if (declaration) {
      scope[name] = *result.value;
      return;
    }
    for (auto each = scopes_.rbegin(); each != scopes_.rend(); ++each) {
      if (each->count(name)) {
        (*each)[name] = *result.value;
        return;
      }
    }
    scope[name] = *result.value;
  }

  void Unworkable(const std::string& statement, const ExpressionResult& result, int line) {
    std::string why = !result.unknown.empty()
                          ? result.unknown + " has no value in the source (a run-time value?)"
                          : result.problem;
    recorder_.Add(line, FindingKind::Note, statement + " cannot be worked out: " + why);
  }

  bool IsRateRegister(const std::string& name) const {
    std::optional<std::size_t> reg = recorder_.RegisterNamed(name);
    return reg &&
           std::find(rateRegisters_.begin(), rateRegisters_.end(), *reg) != rateRegisters_.end();
  }

  // Every name an expression uses, its macros' names too.
  void NamesIn(const std::string& text, std::set<std::string>& names, int depth = 0) const {
    if (depth > 16) {
      return;
    }
    for (std::size_t i = 0; i < text.size();) {
      if (!NameStart(text[i])) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < text.size() && NameChar(text[end])) {
        ++end;
      }
      std::string name = text.substr(i, end - i);
      if (names.insert(name).second) {
        auto macro = macros_.find(name);
        if (macro != macros_.end()) {
          NamesIn(macro->second.body, names, depth + 1);
        }
        auto variable = variableTexts_.find(name);
        if (variable != variableTexts_.end()) {
          NamesIn(variable->second, names, depth + 1);
        }
      }
      i = end;
    }
  }

  // The rate that the rate register's expression is computed for, and the clock.
  void NameTheRate(const std::string& text, int line) {
    std::set<std::string> names;
    NamesIn(text, names);
    RatesWrittenOut(text, line);
    for (const std::string& name : names) {
      std::optional<std::int64_t> value = ValueOfName(name);
      if (value && *value > 0 && PeripheralClockName(name)) {
        usedBusClock_ = name;
      }
      if (value && *value > 0 && RateInTheExpression(name, *value)) {
        if (auto bound = bound_.find(name); bound != bound_.end()) {
          recorder_.Rate(static_cast<double>(*value), boundLine_[name], RateSource::CallSite,
                         bound->second);
        } else {
          recorder_.Rate(static_cast<double>(*value), nameLines_[name],
                         RateSource::NameInTheRateExpression, name);
        }
      }
      if ((ClockName(name) || InstructionClockName(name)) && value) {
        usedClocks_.insert(name);
      }
    }
  }

  // The bus divider the source's clock macros assume: SYS_FREQ / PB_FREQ.
  void AssumedBusDivider(const std::string& clock, double clockValue) {
    if (usedBusClock_.empty()) {
      return;
    }
    double bus = static_cast<double>(ValueOfName(usedBusClock_).value_or(0));
    if (bus <= 0 || clockValue < bus) {
      return;
    }
    double ratio = clockValue / bus;
    recorder_.facts().assumedBusDivider =
        Named{ratio, nameLines_[usedBusClock_],
              usedBusClock_ + " = " + clock + " / " + DecimalText(ratio)};
  }

  // A standard rate written out as a number in the rate register's expression: 115200 in
  // PBCLK / (16 * 115200) - 1.
  void RatesWrittenOut(const std::string& text, int line) {
    std::vector<Tok> tokens;
    Tokenize(text, line, tokens);
    for (const Tok& token : tokens) {
      std::optional<std::int64_t> value = ReadNumber(token.text, context_);
      if (!token.name && value && *value >= 300 && *value < 1000000 &&
          StandardRate(static_cast<double>(*value))) {
        recorder_.Rate(static_cast<double>(*value), line, RateSource::NumberInTheRateExpression,
                       std::to_string(*value) + " in the expression");
      }
    }
  }

  std::optional<std::int64_t> ValueOfName(const std::string& name) const {
    if (auto macro = macros_.find(name); macro != macros_.end()) {
      bool call = macro->second.functionLike && macro->second.parameters.empty();
      ExpressionResult result = EvaluateExpression(call ? name + "()" : name, context_);
      return result.value;
    }
    return context_.value(name);
  }

  // The clock the source computes with: one used in the rate, else _XTAL_FREQ or another clock
  // name the file defines, else one a comment names.
  void NameTheClock() {
    if (busDivider_.Divider()) {
      recorder_.facts().busDivider = busDivider_.Divider();
    }
    std::vector<std::string> candidates(usedClocks_.begin(), usedClocks_.end());
    if (candidates.empty()) {
      for (const auto& [name, macro] : macros_) {
        if (ClockName(name) || InstructionClockName(name)) {
          candidates.push_back(name);
        }
      }
      std::stable_sort(candidates.begin(), candidates.end(),
                       [](const std::string& a, const std::string&) { return a == "_XTAL_FREQ"; });
    }
    for (const std::string& name : candidates) {
      std::optional<std::int64_t> value = ValueOfName(name);
      if (value && *value > 0) {
        double mhz = ClockMHz(static_cast<double>(*value));
        if (InstructionClockName(name)) {
          mhz *= port_.Clock().divisor;
        }
        recorder_.Clock(mhz, nameLines_[name], name);
        AssumedBusDivider(name, static_cast<double>(*value));
        return;
      }
    }
    if (usedBusClock_.empty() && commentClock_) {
      recorder_.Clock(commentClock_->value, commentClock_->line, "a comment");
    } else if (!usedBusClock_.empty()) {
      // only the bus clock is named: the oscillator is that times the divider
      double divider = busDivider_.Divider() ? busDivider_.Divider()->value : port_.Clock().divisor;
      double bus = static_cast<double>(ValueOfName(usedBusClock_).value_or(0));
      recorder_.Clock(ClockMHz(bus) * divider, nameLines_[usedBusClock_],
                      usedBusClock_ + " times the bus divider " + DecimalText(divider));
    }
    for (const auto& [name, macro] : macros_) {
      if (RateName(name)) {
        if (std::optional<std::int64_t> value = ValueOfName(name); value && *value > 0) {
          recorder_.Rate(static_cast<double>(*value), nameLines_[name], RateSource::RateName, name);
        }
      }
    }
  }

  const PreparedC& prepared_;
  const SerialPort& port_;
  SetupRecorder& recorder_;
  std::optional<double> baud_;
  std::vector<std::size_t> rateRegisters_;
  ExpressionContext context_;
  std::map<std::string, Macro> macros_;
  std::map<std::string, int> nameLines_;              // where each macro or variable was last set
  std::map<std::string, std::string> variableTexts_;  // what each variable was last set to
  std::vector<std::map<std::string, std::int64_t>> scopes_;
  const std::vector<Tok>& tokens_;
  std::map<std::string, Function> functions_;
  std::vector<std::string> order_;
  std::map<std::string, Call> calls_;  // the first call site of each function called
  std::set<std::string> running_;
  std::map<std::string, std::string> bound_;
  std::map<std::string, int> boundLine_;
  Branches& branches_;
  std::size_t branchesMet_ = 0;
  const std::map<int, std::string>& comments_;  // by line
  const std::vector<ConfigSetting>& config_;
  std::set<std::string> usedClocks_;
  std::string usedBusClock_;  // PIC32: the peripheral bus clock the rate is computed with
  PeripheralBus busDivider_;
  std::optional<Named> commentClock_;
};

}  // namespace

std::shared_ptr<const PreparedC> PrepareC(const std::vector<SourceLine>& lines, int intBits) {
  return std::make_shared<const PreparedC>(Preprocessor(intBits).Run(lines));
}

void ReadCSetup(const PreparedC& prepared, const SerialPort& port, SetupRecorder& recorder,
                int intBits, std::optional<double> baud, Branches& branches) {
  CReader(prepared, port, recorder, intBits, baud, branches).Read();
}

}  // namespace brg::engine
