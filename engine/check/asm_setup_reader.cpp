// The assembly reader (MPASM, gpasm, pic-as): the radix (hexadecimal unless list r= or radix
// say otherwise; decimal for pic-as), equ, set, constant and #define names, and the W register
// followed through straight-line code: movlw, movwf, clrf, setf, movf, the literal and the
// register operations, bsf and bcf.
#include <cctype>
#include <map>

#include "core/text.h"
#include "engine/check/setup_readers.h"
#include "engine/check/source_expression.h"

namespace brg::engine {
namespace {

class AsmReader {
 public:
  AsmReader(const SerialPort& port, SetupRecorder& recorder)
      : recorder_(recorder), rateRegisters_(RateRegisters(port)) {
    context_.dialect = ExpressionDialect::Asm;
    context_.value = [this](std::string_view name) -> std::optional<std::int64_t> {
      auto found = names_.find(Upper(name));
      if (found == names_.end()) {
        return std::nullopt;
      }
      return found->second;
    };
    context_.macro = [this](std::string_view name) -> const Macro* {
      auto found = macros_.find(std::string(name));
      return found == macros_.end() ? nullptr : &found->second;
    };
  }

  void Read(const std::vector<SourceLine>& lines) {
    context_.radix = PicAs(lines) ? 10 : 16;
    for (const SourceLine& line : lines) {
      std::string comment;
      std::string code = SplitComment(line.text, comment);
      if (std::optional<double> rate = RateInComment(comment)) {
        recorder_.CommentRate(*rate, line.number, comment);
      }
      if (std::optional<double> mhz = ClockInComment(comment); mhz && !codeClock_) {
        commentClock_ = Named{*mhz, line.number, "a comment"};
      }
      Line(code, line.number);
    }
    if (!codeClock_ && commentClock_) {
      recorder_.Clock(commentClock_->value, commentClock_->line, "a comment");
    }
  }

 private:
  static bool PicAs(const std::vector<SourceLine>& lines) {
    for (const SourceLine& line : lines) {
      std::string upper = Upper(Trim(line.text));
      if (upper.rfind("PSECT", 0) == 0 || upper.rfind("PROCESSOR", 0) == 0 ||
          upper.find("<XC.INC>") != std::string::npos) {
        return true;
      }
    }
    return false;
  }

  // The code and the comment of a line: ; starts the comment outside a string ("a;b"), a
  // character (';') and a quoted literal (D'5', H'3B').
  static std::string SplitComment(std::string_view line, std::string& comment) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '"' || line[i] == '\'') {
        i = ClosingQuote(line, i);
      } else if (line[i] == ';') {
        comment = std::string(line.substr(i + 1));
        return std::string(line.substr(0, i));
      }
    }
    return std::string(line);
  }

  // Where the string, character or quoted literal opened at `open` closes (a backslash escapes
  // the character after it); `open` itself when it does not close.
  static std::size_t ClosingQuote(std::string_view line, std::size_t open) {
    for (std::size_t i = open + 1; i < line.size(); ++i) {
      if (line[i] == '\\') {
        ++i;
      } else if (line[i] == line[open]) {
        return i;
      }
    }
    return open;
  }

  // The words of a line: label, operation, operands (split at commas outside parentheses).
  struct Parts {
    std::string label;
    std::string operation;
    std::vector<std::string> operands;
  };

  static Parts Split(const std::string& code) {
    Parts parts;
    std::string_view text = code;
    bool labelled = !text.empty() && !std::isspace(static_cast<unsigned char>(text[0]));
    text = Trim(text);
    auto word = [&text]() {
      std::size_t end = text.find_first_of(" \t");
      std::string first(text.substr(0, end));
      text = end == std::string_view::npos ? std::string_view{} : Trim(text.substr(end));
      return first;
    };
    std::string first = word();
    if (!first.empty() && first.back() == ':') {
      parts.label = first.substr(0, first.size() - 1);
      first = word();
    } else if (labelled && !Mnemonic(first) && !first.empty() && first[0] != '#') {
      parts.label = first;
      first = word();
    }
    parts.operation = Upper(first);
    std::string operand;
    int depth = 0;
    for (char c : text) {
      depth += c == '(' ? 1 : c == ')' ? -1 : 0;
      if (c == ',' && depth == 0) {
        parts.operands.emplace_back(Trim(operand));
        operand.clear();
      } else {
        operand += c;
      }
    }
    if (!Trim(operand).empty()) {
      parts.operands.emplace_back(Trim(operand));
    }
    return parts;
  }

  static bool Mnemonic(const std::string& word) {
    static const char* const kWords[] = {
        "MOVLW",    "MOVWF",    "CLRF",    "SETF",    "MOVF",     "BSF",    "BCF",       "IORLW",
        "ANDLW",    "XORLW",    "ADDLW",   "SUBLW",   "IORWF",    "ANDWF",  "XORWF",     "CLRW",
        "BANKSEL",  "BANKISEL", "PAGESEL", "MOVLB",   "LIST",     "RADIX",  "EQU",       "SET",
        "CONSTANT", "VARIABLE", "ORG",     "END",     "RETURN",   "CALL",   "GOTO",      "NOP",
        "BTFSS",    "BTFSC",    "RETLW",   "INCLUDE", "__CONFIG", "CONFIG", "PROCESSOR", "PSECT",
        "GLOBAL",   "CBLOCK",   "ENDC",    "MOVFF",   "MOVWI",    "MOVIW",  "ERRORLEVEL"};
    std::string upper = Upper(word);
    for (const char* known : kWords) {
      if (upper == known) {
        return true;
      }
    }
    return false;
  }

  // A register operand: pic-as writes BANKMASK(SPBRG).
  static std::string RegisterOperand(std::string operand) {
    std::string upper = Upper(operand);
    if (upper.rfind("BANKMASK(", 0) == 0 && operand.back() == ')') {
      operand = operand.substr(9, operand.size() - 10);
    }
    return std::string(Trim(operand));
  }

  // A literal operand, with a note where it cannot be worked out.
  ExpressionResult Evaluate(const std::string& text, int line) {
    ExpressionResult result = EvaluateExpression(text, context_);
    if (!result.value) {
      recorder_.Add(line, FindingKind::Note,
                    text + " cannot be worked out: " +
                        (result.unknown.empty() ? result.problem
                                                : result.unknown + " has no value in the source"));
    }
    return result;
  }

  void Line(const std::string& code, int line) {
    if (recorder_.ConfigDirective(code, line)) {
      return;
    }
    Parts parts = Split(code);
    const std::string& op = parts.operation;
    std::vector<std::string>& operands = parts.operands;
    if (op.empty()) {
      return;
    }
    if (op == "#DEFINE") {
      DefineMacro(code, line);
    } else if (op == "EQU" || op == "SET" || (op == "=" && !parts.label.empty())) {
      if (!operands.empty()) {
        Name(parts.label, operands.front(), line);
      }
    } else if (op == "CONSTANT" || op == "VARIABLE") {
      for (const std::string& operand : operands) {
        std::size_t equals = operand.find('=');
        if (equals != std::string::npos) {
          Name(std::string(Trim(operand.substr(0, equals))), operand.substr(equals + 1), line);
        }
      }
    } else if (op == "LIST") {
      for (const std::string& operand : operands) {
        std::string upper = Upper(operand);
        if (upper.rfind("R=", 0) == 0) {
          Radix(upper.substr(2));
        }
      }
    } else if (op == "RADIX" && !operands.empty()) {
      Radix(Upper(operands.front()));
    } else {
      Instruction(op, operands, line);
    }
  }

  void Radix(const std::string& name) {
    context_.radix = name.rfind("DEC", 0) == 0 ? 10 : name.rfind("OCT", 0) == 0 ? 8 : 16;
  }

  void DefineMacro(const std::string& code, int line) {
    std::string_view text = Trim(code);
    text = Trim(text.substr(text.find_first_of(" \t") == std::string_view::npos
                                ? text.size()
                                : text.find_first_of(" \t")));
    std::size_t end = text.find_first_of(" \t");
    std::string name(text.substr(0, end));
    std::string body = end == std::string_view::npos ? "" : std::string(Trim(text.substr(end)));
    if (!name.empty()) {
      macros_[name] = Macro{false, {}, body};
      Remember(name, body, line);
    }
  }

  void Name(const std::string& name, const std::string& text, int line) {
    ExpressionResult result = EvaluateExpression(text, context_);
    if (!result.value || name.empty()) {
      return;
    }
    names_[Upper(name)] = *result.value;
    Remember(name, text, line);
  }

  // A rate or a clock that a name stands for.
  void Remember(const std::string& name, const std::string& text, int line) {
    nameTexts_[Upper(name)] = Upper(text);
    std::optional<std::int64_t> value = EvaluateExpression(text, context_).value;
    if (!value || *value <= 0) {
      return;
    }
    if (RateName(name)) {
      recorder_.Rate(static_cast<double>(*value), line, RateSource::RateName, name);
      rateNames_[Upper(name)] = Named{static_cast<double>(*value), line, name};
    } else if (ClockName(name) && !codeClock_) {
      codeClock_ = true;
      recorder_.Clock(ClockMHz(static_cast<double>(*value)), line, name);
    } else if (RateInTheExpression(name, *value)) {
      // a rate only where the rate register's literal uses it
      rateNames_[Upper(name)] = Named{static_cast<double>(*value), line, name};
    }
  }

  bool IsRate(const std::string& reg) const {
    std::optional<std::size_t> index = recorder_.RegisterNamed(reg);
    return index &&
           std::find(rateRegisters_.begin(), rateRegisters_.end(), *index) != rateRegisters_.end();
  }

  // The rate names a literal uses, also through the names it is made of.
  void RatesIn(const std::string& text, int depth = 0) {
    std::string upper = Upper(text);
    for (const auto& [name, rate] : rateNames_) {
      if (UsesIdentifier(upper, name)) {
        recorder_.Rate(rate.value, rate.line, RateSource::NameInTheRateExpression, rate.from);
      }
    }
    if (depth < 8) {
      for (const auto& [name, body] : nameTexts_) {
        if (UsesIdentifier(upper, name)) {
          RatesIn(body, depth + 1);
        }
      }
    }
  }

  void Instruction(const std::string& op, const std::vector<std::string>& operands, int line) {
    std::string first = operands.empty() ? "" : RegisterOperand(operands.front());
    if (FileOperation(op) && IntoW(operands)) {
      FileIntoW(op, first);
      return;
    }
    if (op != "MOVF" && op != "MOVWF" && op != "CLRF" && op != "SETF") {
      files_.erase(Upper(first));  // a variable changed in ways not followed
    }
    if (op == "MOVLW" && !operands.empty()) {
      ExpressionResult literal = Evaluate(operands.front(), line);
      w_ = literal.value;
      wIntended_ = literal.Intended();  // only what movlw loads: an n narrowed to its byte
      wText_ = operands.front();
      if (w_ && literal.beforeNarrowing) {
        recorder_.Working(line, "movlw " + operands.front() + " is " + std::to_string(*w_) +
                                    " of " + std::to_string(*literal.beforeNarrowing));
      }
    } else if (op == "CLRW") {
      w_ = 0;
      wIntended_.reset();
      wText_.clear();
    } else if ((op == "IORLW" || op == "ANDLW" || op == "XORLW" || op == "ADDLW" ||
                op == "SUBLW") &&
               !operands.empty() && w_) {
      std::optional<std::int64_t> k = Evaluate(operands.front(), line).value;
      wIntended_.reset();  // W is the result, no narrowed value
      w_ = !k              ? std::nullopt
           : op == "IORLW" ? std::optional(*w_ | *k)
           : op == "ANDLW" ? std::optional(*w_ & *k)
           : op == "XORLW" ? std::optional(*w_ ^ *k)
           : op == "ADDLW" ? std::optional((*w_ + *k) & 0xFF)
                           : std::optional((*k - *w_) & 0xFF);
      wText_.clear();
    } else if (op == "MOVWF" && !operands.empty()) {
      if (recorder_.Sends(first, line)) {
        return;
      }
      if (!w_) {
        files_.erase(Upper(first));
        if (recorder_.WriteUnknown(first, line)) {
          recorder_.Add(line, FindingKind::Note,
                        "movwf " + first + " writes W, which is not known here");
        }
        return;
      }
      // The assembler keeps the low byte of a literal too wide (with a warning): the value is
      // written as the source gave it, for the fault.
      std::int64_t value = *w_;
      if (recorder_.Write(first, value, '=', line, wIntended_)) {
        if (!wText_.empty() && !ReadNumber(wText_, context_)) {
          recorder_.Working(line, first + " = " + wText_ + " is " + std::to_string(value));
        }
        if (IsRate(first)) {
          RatesIn(wText_);
        }
      } else if (!recorder_.WriteFollowed(first, value, '=', line)) {
        files_[Upper(first)] = value & 0xFF;
      }
    } else if ((op == "CLRF" || op == "SETF") && !operands.empty()) {
      std::int64_t value = op == "CLRF" ? 0 : 0xFF;
      if (!recorder_.Write(first, value, '=', line) &&
          !recorder_.WriteFollowed(first, value, '=', line)) {
        files_[Upper(first)] = value;
      }
    } else if ((op == "IORWF" || op == "ANDWF" || op == "XORWF") && operands.size() >= 2 &&
               (Upper(operands[1]) == "F" || operands[1] == "1") && w_) {
      char kind = op == "IORWF" ? '|' : op == "ANDWF" ? '&' : '^';
      if (!recorder_.Write(first, *w_, kind, line)) {
        recorder_.WriteFollowed(first, *w_, kind, line);
      }
    } else if ((op == "BSF" || op == "BCF") && operands.size() >= 2) {
      std::string bit = operands[1];
      if (std::optional<std::int64_t> number = ReadNumber(bit, context_); number) {
        bit = std::to_string(*number);
      } else if (std::optional<std::int64_t> named = context_.value(bit)) {
        bit = std::to_string(*named);
      }
      SetupRecorder::BitWrite written = recorder_.WriteBit(first, bit, op == "BSF", line);
      if (written == SetupRecorder::BitWrite::NoRegister) {
        recorder_.WriteFollowedField(first, bit, op == "BSF" ? 1 : 0, line);
      } else if (written == SetupRecorder::BitWrite::NoSuchBit) {
        recorder_.Add(line, FindingKind::Fault,
                      Lower(op) + " " + first + "," + operands[1] + ": " + operands[1] +
                          " is no bit of the register");
      }
    } else if ((op == "BSF" || op == "BCF") && operands.size() == 1) {
      recorder_.WriteBareBit(first, op == "BSF", line);  // pic-as: bsf BRGH1, its bit macro
    } else if (op == "MOVFF" || op == "CALL") {
      w_.reset();  // W and the variables as a call leaves them are not followed
      files_.clear();
    }
  }

  // The operations on a file register that take a destination, W or the file.
  static bool FileOperation(const std::string& op) {
    static const char* const kOps[] = {"ADDWF",  "ADDWFC", "ANDWF",  "COMF",   "DECF",  "DECFSZ",
                                       "DCFSNZ", "INCF",   "INCFSZ", "INFSNZ", "IORWF", "MOVF",
                                       "RLF",    "RRF",    "RLCF",   "RRCF",   "RLNCF", "RRNCF",
                                       "SUBWF",  "SUBWFB", "SUBFWB", "SWAPF",  "XORWF"};
    for (const char* known : kOps) {
      if (op == known) {
        return true;
      }
    }
    return false;
  }

  // Whether the destination is W (W or 0). Without one the assemblers take the file, with a
  // message (305).
  bool IntoW(const std::vector<std::string>& operands) const {
    if (operands.size() < 2) {
      return false;
    }
    std::string destination = Upper(Trim(operands[1]));
    std::optional<std::int64_t> number = ReadNumber(destination, context_);
    return destination == "W" || (number && *number == 0);
  }

  // What a register or a variable holds here, where it is known.
  std::optional<std::int64_t> FileValue(const std::string& name) const {
    if (std::optional<std::size_t> reg = recorder_.RegisterNamed(name)) {
      return recorder_.Current(*reg);
    }
    auto file = files_.find(Upper(name));
    return file == files_.end() ? std::nullopt : std::optional(file->second);
  }

  // What an operation on a file register gives from the file's value f and W: nothing where
  // a value it needs is unknown, or where it goes through the carry, which is not followed.
  static std::optional<std::int64_t> FileResult(const std::string& op,
                                                std::optional<std::int64_t> f,
                                                std::optional<std::int64_t> w) {
    if (!f) {
      return std::nullopt;
    }
    if (op == "MOVF") {
      return f;
    }
    std::int64_t v = *f & 0xFF;
    if (op == "INCF" || op == "INCFSZ" || op == "INFSNZ") {
      return (v + 1) & 0xFF;
    }
    if (op == "DECF" || op == "DECFSZ" || op == "DCFSNZ") {
      return (v - 1) & 0xFF;
    }
    if (op == "COMF") {
      return ~v & 0xFF;
    }
    if (op == "SWAPF") {
      return ((v << 4) | (v >> 4)) & 0xFF;
    }
    if (op == "RLNCF" || op == "RRNCF") {
      return (op == "RLNCF" ? (v << 1) | (v >> 7) : (v >> 1) | (v << 7)) & 0xFF;
    }
    if (!w) {
      return std::nullopt;
    }
    std::int64_t x = *w & 0xFF;
    return op == "ADDWF"   ? std::optional((v + x) & 0xFF)
           : op == "SUBWF" ? std::optional((v - x) & 0xFF)
           : op == "IORWF" ? std::optional(v | x)
           : op == "ANDWF" ? std::optional(v & x)
           : op == "XORWF" ? std::optional(v ^ x)
                           : std::nullopt;
  }

  // An operation on a file register into W: W is its result where that is known, else
  // unknown, never the W of before; the file is left as it was.
  void FileIntoW(const std::string& op, const std::string& file) {
    w_ = FileResult(op, FileValue(file), w_);
    wIntended_.reset();
    wText_.clear();
  }

  static std::string Lower(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
  }

  SetupRecorder& recorder_;
  std::vector<std::size_t> rateRegisters_;
  ExpressionContext context_;
  std::map<std::string, std::int64_t> names_;
  std::map<std::string, Macro> macros_;
  std::map<std::string, Named> rateNames_;
  std::optional<std::int64_t> w_;
  std::map<std::string, std::int64_t> files_;
  std::map<std::string, std::string> nameTexts_;  // what each equ or #define name stands for  //
                                                  // variables of the program that W went through
  std::optional<std::int64_t> wIntended_;         // what W held before high, low or upper
  std::string wText_;
  bool codeClock_ = false;
  std::optional<Named> commentClock_;
};

}  // namespace

void ReadAsmSetup(const std::vector<SourceLine>& lines, const SerialPort& port,
                  SetupRecorder& recorder) {
  AsmReader(port, recorder).Read(lines);
}

namespace {

// A frequency the words before it in its part of the comment call measured or trimmed, not the
// oscillator the code is for: "measured 7.962 MHz", "trimmed to 7.98 MHz", "actual: 3.99 MHz".
bool MeasuredValue(const std::string& upper, std::size_t start) {
  std::size_t from = upper.find_last_of(",;()", start);
  from = from == std::string::npos ? 0 : from + 1;
  std::string_view before = std::string_view(upper).substr(from, start - from);
  for (const char* word : {"MEASURED", "TRIMMED", "ACTUAL", "CALIBRATED", "SCOPE", "READS"}) {
    if (before.find(word) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<double> ClockInComment(std::string_view comment) {
  std::string upper = Upper(comment);
  for (std::size_t at = upper.find("MHZ"); at != std::string::npos;
       at = upper.find("MHZ", at + 1)) {
    std::size_t end = at;
    while (end > 0 && upper[end - 1] == ' ') {
      --end;
    }
    std::size_t start = end;
    while (start > 0 && (std::isdigit(static_cast<unsigned char>(upper[start - 1])) != 0 ||
                         upper[start - 1] == '.')) {
      --start;
    }
    if (start < end && !MeasuredValue(upper, start)) {
      if (std::optional<double> mhz = PlainDecimal(upper.substr(start, end - start));
          mhz && *mhz > 0) {
        return mhz;
      }
    }
  }
  return std::nullopt;
}

}  // namespace brg::engine
