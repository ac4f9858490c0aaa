#include "engine/check/source_expression.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/float_chars.h"
#include "core/text.h"

namespace brg::engine {
namespace {

constexpr int kDeepestMacro = 32;
constexpr std::size_t kMostTokens = std::size_t{1} << 16;  // macros expanded, at the most

// A value with its C type: width in bits and signedness, or a C floating-point value (4.0,
// 0.5, a division with one). The other dialects compute in 64-bit integers.
struct Value {
  std::int64_t v = 0;
  bool isUnsigned = false;
  int bits = 64;
  std::optional<std::int64_t> narrowedFrom;  // a cast, a low-bit mask or low dropped its bits
  bool isFloat = false;
  double real = 0;
  // high or upper took a higher byte of this value: no narrowing of it
  std::optional<std::int64_t> byteOf = std::nullopt;
};

Value FloatValue(double real) {
  Value value;
  value.isFloat = true;
  value.real = real;
  return value;
}

bool Truth(const Value& value) {
  return value.isFloat ? value.real != 0 : value.v != 0;
}

// A C floating constant at the start of `text`: 4.0, .5, 1e6, 3.6864e6, 0.5f; its length.
std::optional<std::pair<Value, std::size_t>> FloatLiteral(std::string_view text) {
  std::size_t end = 0;
  auto digits = [&] {
    std::size_t start = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
      ++end;
    }
    return end - start;
  };
  std::size_t whole = digits();
  bool point = end < text.size() && text[end] == '.';
  std::size_t fraction = 0;
  if (point) {
    ++end;
    fraction = digits();
  }
  if (whole + fraction == 0) {
    return std::nullopt;
  }
  bool exponent = false;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t mark = end++;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
      ++end;
    }
    exponent = digits() > 0;
    if (!exponent) {
      end = mark;
    }
  }
  if (!point && !exponent) {
    return std::nullopt;  // an integer constant
  }
  std::string number(text.substr(0, end));
  if (number.front() == '.') {
    number.insert(number.begin(), '0');
  }
  ReadDouble read = ReadDecimal(number);
  if (read.used != number.size() || read.outOfRange) {
    return std::nullopt;
  }
  if (end < text.size() && std::strchr("fFlL", text[end]) != nullptr) {
    ++end;
  }
  return std::pair{FloatValue(read.value), end};
}

enum class Kind { Number, Name, Op, End };

struct Token {
  Kind kind = Kind::End;
  std::string text;
  Value value;
  int depth = 0;  // how many macro expansions brought the token in
};

bool NameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool NameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::optional<std::int64_t> Digits(std::string_view digits, int base) {
  if (digits.empty() || digits.size() > 20) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (char c : digits) {
    int digit = std::isdigit(static_cast<unsigned char>(c)) != 0 ? c - '0'
                : std::isxdigit(static_cast<unsigned char>(c)) != 0
                    ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                    : 99;
    if (digit >= base || value > (std::numeric_limits<std::uint64_t>::max() >> 4)) {
      return std::nullopt;
    }
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
  }
  return static_cast<std::int64_t>(value);
}

// The C type of an integer constant: int if it fits, else long, else long long; with U unsigned.
Value CConstant(std::int64_t v, bool isUnsigned, bool isLong, bool decimal, int intBits) {
  Value value{v, isUnsigned, isLong ? 32 : intBits, {}};
  auto fits = [&](int bits, bool asUnsigned) {
    if (bits >= 64) {
      return asUnsigned || v >= 0;
    }
    return asUnsigned ? v < (std::int64_t{1} << bits) : v < (std::int64_t{1} << (bits - 1));
  };
  for (int bits : {intBits, 32, 64}) {
    if (bits < value.bits) {
      continue;
    }
    if (fits(bits, value.isUnsigned)) {
      value.bits = bits;
      return value;
    }
    if (!decimal && !value.isUnsigned && fits(bits, true)) {
      value.bits = bits;
      value.isUnsigned = true;
      return value;
    }
  }
  value.bits = 64;
  return value;
}

// One literal at the start of `text`, with its length; C, BASIC and assembler forms.
std::optional<std::pair<Value, std::size_t>> Literal(std::string_view text,
                                                     const ExpressionContext& context) {
  auto quoted = [&](char prefix, int base) -> std::optional<std::pair<Value, std::size_t>> {
    if (text.size() > 3 && std::toupper(static_cast<unsigned char>(text[0])) == prefix &&
        text[1] == '\'') {
      std::size_t close = text.find('\'', 2);
      if (close != std::string_view::npos) {
        if (std::optional<std::int64_t> v = Digits(text.substr(2, close - 2), base)) {
          return std::pair{Value{*v, false, 64, {}}, close + 1};
        }
      }
    }
    return std::nullopt;
  };
  if (context.dialect == ExpressionDialect::Asm) {
    for (auto [prefix, base] : {std::pair{'D', 10}, {'H', 16}, {'B', 2}, {'O', 8}}) {
      if (auto found = quoted(prefix, base)) {
        return found;
      }
    }
    if (text.size() > 1 && text[0] == '.' && std::isdigit(static_cast<unsigned char>(text[1]))) {
      std::size_t end = 1;
      while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
        ++end;
      }
      return std::pair{Value{*Digits(text.substr(1, end - 1), 10), false, 64, {}}, end};
    }
  }
  if (text.size() >= 3 && text[0] == '\'' && text[2] == '\'') {
    return std::pair{Value{static_cast<unsigned char>(text[1]), false, 64, {}}, std::size_t{3}};
  }
  if (context.dialect == ExpressionDialect::C) {
    if (auto real = FloatLiteral(text)) {
      return real;
    }
  }
  if (context.dialect == ExpressionDialect::Basic && text.size() > 1 &&
      (text[0] == '$' || text[0] == '%')) {
    int base = text[0] == '$' ? 16 : 2;
    std::size_t end = 1;
    while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end])) != 0) {
      ++end;
    }
    if (std::optional<std::int64_t> v = Digits(text.substr(1, end - 1), base)) {
      return std::pair{Value{*v, false, 64, {}}, end};
    }
    return std::nullopt;
  }
  if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0])) == 0) {
    return std::nullopt;
  }
  std::size_t end = 0;
  while (end < text.size() && NameChar(text[end])) {
    ++end;
  }
  std::string word = Upper(text.substr(0, end));
  int base = context.dialect == ExpressionDialect::Asm ? context.radix : 10;
  std::string digits = word;
  bool isUnsigned = false;
  bool isLong = false;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'X' || word[1] == 'B')) {
    base = word[1] == 'X' ? 16 : 2;
    digits = word.substr(2);
  } else if (word.back() == 'H' && word.size() > 1 &&
             (word[0] != '0' || word.size() < 2 || (word[1] != 'X' && word[1] != 'B'))) {
    base = 16;
    digits.pop_back();
  } else if (context.dialect == ExpressionDialect::Asm && base != 16 && word.size() > 1 &&
             (word.back() == 'B' || word.back() == 'D' || word.back() == 'O' ||
              word.back() == 'Q')) {
    base = word.back() == 'B' ? 2 : word.back() == 'D' ? 10 : 8;  // pic-as: 0101B, 25D, 17O
    digits.pop_back();
  } else if (context.dialect == ExpressionDialect::C && word.size() > 1 && word[0] == '0') {
    base = 8;
  }
  if (context.dialect == ExpressionDialect::C) {
    while (!digits.empty() && (digits.back() == 'U' || digits.back() == 'L')) {
      (digits.back() == 'U' ? isUnsigned : isLong) = true;
      digits.pop_back();
    }
  }
  std::optional<std::int64_t> v = Digits(digits, base);
  if (!v) {
    return std::nullopt;
  }
  if (context.dialect == ExpressionDialect::C) {
    return std::pair{CConstant(*v, isUnsigned, isLong, base == 10, context.intBits), end};
  }
  return std::pair{Value{*v, false, 64, {}}, end};
}

std::vector<Token> Tokens(std::string_view text, const ExpressionContext& context,
                          std::string& problem) {
  static const char* const kOps[] = {"<<", ">>", "<=", ">=", "==", "!=", "&&", "||", "//",
                                     "+",  "-",  "*",  "/",  "%",  "&",  "|",  "^",  "~",
                                     "!",  "<",  ">",  "?",  ":",  "(",  ")",  ","};
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < text.size();) {
    char c = text[i];
    if (std::isspace(static_cast<unsigned char>(c)) != 0) {
      ++i;
      continue;
    }
    if (auto literal = Literal(text.substr(i), context)) {
      tokens.push_back(
          Token{Kind::Number, std::string(text.substr(i, literal->second)), literal->first});
      i += literal->second;
      continue;
    }
    if (NameStart(c)) {
      std::size_t end = i;
      while (end < text.size() && NameChar(text[end])) {
        ++end;
        // C: a bit field read as one name, OSCCONbits.PBDIV
        if (context.dialect == ExpressionDialect::C && end + 1 < text.size() && text[end] == '.' &&
            NameStart(text[end + 1])) {
          ++end;
        }
      }
      tokens.push_back(Token{Kind::Name, std::string(text.substr(i, end - i)), {}});
      i = end;
      continue;
    }
    bool matched = false;
    for (const char* op : kOps) {
      std::string_view o(op);
      if (text.compare(i, o.size(), o) == 0 &&
          (o != "//" || context.dialect == ExpressionDialect::Basic) &&
          (o != "%" || context.dialect != ExpressionDialect::Basic || true)) {
        tokens.push_back(Token{Kind::Op, std::string(o), {}});
        i += o.size();
        matched = true;
        break;
      }
    }
    if (!matched) {
      problem = "the character " + Quoted(std::string(1, c)) + " is not read";
      return {};
    }
  }
  tokens.push_back(Token{Kind::End, "", {}});
  return tokens;
}

struct CastType {
  int bits;
  bool isUnsigned;
  bool floating = false;
};

// The C types a cast may name, as the compilers of the PIC parts size them.
std::optional<CastType> CastTypeOf(const std::vector<std::string>& words, int intBits) {
  std::string name;
  for (const std::string& word : words) {
    name += (name.empty() ? "" : " ") + word;
  }
  static const std::pair<const char*, CastType> kFixed[] = {
      {"uint8_t", {8, true}},
      {"int8_t", {8, false}},
      {"uint16_t", {16, true}},
      {"int16_t", {16, false}},
      {"uint24_t", {24, true}},
      {"int24_t", {24, false}},
      {"uint32_t", {32, true}},
      {"int32_t", {32, false}},
      {"char", {8, true}},
      {"unsigned char", {8, true}},
      {"signed char", {8, false}},
      {"short", {16, false}},
      {"unsigned short", {16, true}},
      {"short int", {16, false}},
      {"long", {32, false}},
      {"long int", {32, false}},
      {"unsigned long", {32, true}},
      {"unsigned long int", {32, true}},
      {"long long", {64, false}},
      {"unsigned long long", {64, true}},
      {"BYTE", {8, true}},
      {"WORD", {16, true}},
      {"DWORD", {32, true}},
      {"float", {32, false, true}},
      {"double", {64, false, true}},
      {"long double", {64, false, true}},
  };
  for (const auto& [known, type] : kFixed) {
    if (name == known) {
      return type;
    }
  }
  if (name == "int" || name == "signed" || name == "signed int") {
    return CastType{intBits, false};
  }
  if (name == "unsigned" || name == "unsigned int") {
    return CastType{intBits, true};
  }
  return std::nullopt;
}

class Parser {
 public:
  Parser(std::vector<Token> tokens, const ExpressionContext& context, ExpressionResult& result,
         int depth)
      : tokens_(std::move(tokens)), context_(context), result_(result), depth_(depth) {}

  std::optional<Value> Whole() {
    std::optional<Value> value = Conditional();
    if (value && Peek().kind != Kind::End) {
      Fail("the text after " + Quoted(tokens_[at_ > 0 ? at_ - 1 : 0].text) + " is not read");
      return std::nullopt;
    }
    return value;
  }

 private:
  const Token& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(at_ + ahead, tokens_.size() - 1)];
  }
  bool IsOp(const char* op, std::size_t ahead = 0) const {
    return Peek(ahead).kind == Kind::Op && Peek(ahead).text == op;
  }
  bool Accept(const char* op) {
    if (IsOp(op)) {
      ++at_;
      return true;
    }
    return false;
  }
  void Fail(const std::string& problem) {
    if (result_.problem.empty() && result_.unknown.empty()) {
      result_.problem = problem;
    }
  }
  bool C() const { return context_.dialect == ExpressionDialect::C; }

  // The C type two operands meet in, and the value wrapped to it.
  Value Typed(std::int64_t math, const Value& a, const Value& b, const char* op) {
    if (!C()) {
      return Value{math, false, 64, {}};
    }
    int bits = std::max({a.bits, b.bits, context_.intBits});
    bool isUnsigned = (a.isUnsigned && a.bits >= bits) || (b.isUnsigned && b.bits >= bits);
    return Wrap(math, bits, isUnsigned, op, a, b);
  }

  Value Wrap(std::int64_t math, int bits, bool isUnsigned, const char* op, const Value& a,
             const Value& b) {
    if (bits >= 64) {
      return Value{math, isUnsigned, 64, {}};
    }
    std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
    auto raw = static_cast<std::uint64_t>(math) & mask;
    std::int64_t wrapped = static_cast<std::int64_t>(raw);
    if (!isUnsigned && (raw >> (bits - 1)) != 0) {
      wrapped -= std::int64_t{1} << bits;
    }
    if (wrapped != math && !isUnsigned && result_.overflow.empty()) {
      result_.overflow = std::to_string(a.v) + " " + op + " " + std::to_string(b.v) + " is " +
                         std::to_string(math) + ", more than a " + std::to_string(bits) +
                         "-bit int holds: the compiler computes " + std::to_string(wrapped);
    }
    return Value{wrapped, isUnsigned, bits, {}};
  }

  std::optional<Value> Conditional() {
    std::optional<Value> condition = Binary(0);
    if (!condition || !Accept("?")) {
      return condition;
    }
    std::optional<Value> yes = Conditional();
    if (!Accept(":")) {
      Fail("a ? without its :");
      return std::nullopt;
    }
    std::optional<Value> no = Conditional();
    if (!yes || !no) {
      return std::nullopt;
    }
    return Truth(*condition) ? yes : no;
  }

  // The binary operators by precedence, loosest first.
  static int Precedence(const std::string& op) {
    static const std::pair<const char*, int> kLevels[] = {
        {"||", 1}, {"&&", 2}, {"|", 3},  {"^", 4},  {"&", 5},  {"==", 6}, {"!=", 6},
        {"<", 7},  {">", 7},  {"<=", 7}, {">=", 7}, {"<<", 8}, {">>", 8}, {"+", 9},
        {"-", 9},  {"*", 10}, {"/", 10}, {"%", 10}, {"//", 10}};
    for (const auto& [name, level] : kLevels) {
      if (op == name) {
        return level;
      }
    }
    return -1;
  }

  std::optional<Value> Binary(int loosest) {
    std::optional<Value> left = Unary();
    while (left && Peek().kind == Kind::Op) {
      std::string op = Peek().text;
      int level = Precedence(op);
      if (level < 0 || level <= loosest) {
        break;
      }
      ++at_;
      std::optional<Value> right = Binary(level);
      if (!right) {
        return std::nullopt;
      }
      left = Apply(op, *left, *right);
    }
    return left;
  }

  // + - * / % in 64 bits: unsigned ones wrap as C's do, signed ones that leave 64 bits give
  // nothing (the overflow is found, never computed).
  static std::optional<std::int64_t> Arithmetic(const std::string& op, std::int64_t a,
                                                std::int64_t b, bool asUnsigned) {
    if (asUnsigned) {
      auto x = static_cast<std::uint64_t>(a);
      auto y = static_cast<std::uint64_t>(b);
      std::uint64_t r = op == "+"   ? x + y
                        : op == "-" ? x - y
                        : op == "*" ? x * y
                        : op == "/" ? x / y
                                    : x % y;
      return static_cast<std::int64_t>(r);
    }
    std::int64_t r = 0;
    if (op == "+") {
      return __builtin_add_overflow(a, b, &r) ? std::nullopt : std::optional(r);
    }
    if (op == "-") {
      return __builtin_sub_overflow(a, b, &r) ? std::nullopt : std::optional(r);
    }
    if (op == "*") {
      return __builtin_mul_overflow(a, b, &r) ? std::nullopt : std::optional(r);
    }
    if (b == -1) {
      return op == "/" ? (a == std::numeric_limits<std::int64_t>::min() ? std::nullopt
                                                                        : std::optional(-a))
                       : std::optional<std::int64_t>(0);
    }
    return op == "/" ? a / b : a % b;
  }

  // An operation with a floating-point operand: computed in double, as C converts the other.
  std::optional<Value> ApplyFloat(const std::string& op, const Value& a, const Value& b) {
    double x = a.isFloat ? a.real
                         : (a.isUnsigned ? static_cast<double>(static_cast<std::uint64_t>(a.v))
                                         : static_cast<double>(a.v));
    double y = b.isFloat ? b.real
                         : (b.isUnsigned ? static_cast<double>(static_cast<std::uint64_t>(b.v))
                                         : static_cast<double>(b.v));
    if (op == "+")
      return FloatValue(x + y);
    if (op == "-")
      return FloatValue(x - y);
    if (op == "*")
      return FloatValue(x * y);
    if (op == "/") {
      if (y == 0) {
        Fail("a division by zero");
        return std::nullopt;
      }
      return FloatValue(x / y);
    }
    std::int64_t truth = 0;
    if (op == "&&")
      truth = x != 0 && y != 0;
    else if (op == "||")
      truth = x != 0 || y != 0;
    else if (op == "==")
      truth = x == y;
    else if (op == "!=")
      truth = x != y;
    else if (op == "<")
      truth = x < y;
    else if (op == ">")
      truth = x > y;
    else if (op == "<=")
      truth = x <= y;
    else if (op == ">=")
      truth = x >= y;
    else {
      Fail("the operator " + op + " on a floating-point value");
      return std::nullopt;
    }
    return Value{truth, false, context_.intBits, {}};
  }

  // A mask of the low bits, 0xFF or 0xFFFF: 2^k - 1.
  static bool LowBitMask(std::int64_t v) { return v > 0 && (v & (v + 1)) == 0; }

  // The value an & narrowed: the operand whose high bits a low-bit mask drops (519 of
  // 519 & 0xFF), or nothing when no operand is such a mask or it drops no bit (0x3F & 0x19).
  static std::optional<std::int64_t> Narrowed(std::int64_t a, std::int64_t b) {
    if (LowBitMask(b) && (a & b) != a) {
      return a;
    }
    if (LowBitMask(a) && (a & b) != b) {
      return b;
    }
    return std::nullopt;
  }

  // An operand converted to the type two operands meet in, as C's usual arithmetic conversions
  // do: a negative int met by an unsigned int becomes that unsigned type's value, -2 with a
  // 16-bit unsigned is 65534.
  static std::int64_t Converted(std::int64_t v, const Value& type) {
    if (!type.isUnsigned || type.bits >= 64) {
      return v;
    }
    std::uint64_t mask = (std::uint64_t{1} << type.bits) - 1;
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(v) & mask);
  }

  std::optional<Value> Apply(const std::string& op, const Value& a, const Value& b) {
    if (a.isFloat || b.isFloat) {
      return ApplyFloat(op, a, b);
    }
    if ((op == "/" || op == "%" || op == "//") && b.v == 0) {
      Fail("a division by zero");
      return std::nullopt;
    }
    Value common = Typed(0, a, b, "");
    bool asUnsigned = C() && common.isUnsigned;
    std::int64_t x = Converted(a.v, common);
    std::int64_t y = Converted(b.v, common);
    auto unsignedOf = [](std::int64_t v) { return static_cast<std::uint64_t>(v); };
    if (op == "+" || op == "-" || op == "*" || op == "/" || op == "%" || op == "//") {
      std::optional<std::int64_t> math = Arithmetic(op, x, y, asUnsigned);
      if (!math) {
        Fail("a number beyond 64 bits");
        return std::nullopt;
      }
      return Typed(*math, a, b, op == "//" ? "%" : op.c_str());
    }
    if (op == "<<" || op == ">>") {
      if (b.v < 0 || b.v > 62) {
        Fail("a shift by " + std::to_string(b.v));
        return std::nullopt;
      }
      Value left = a;
      if (C()) {
        left.bits = std::max(a.bits, context_.intBits);
      }
      std::optional<std::int64_t> shifted =
          op == "<<" ? Arithmetic("*", a.v, std::int64_t{1} << b.v, left.isUnsigned) : a.v >> b.v;
      if (!shifted) {
        Fail("a number beyond 64 bits");
        return std::nullopt;
      }
      return C() ? Wrap(*shifted, left.bits, left.isUnsigned, op.c_str(), a, b)
                 : Value{*shifted, false, 64, {}};
    }
    if (op == "&") {
      Value masked = Typed(a.v & b.v, a, b, "&");
      masked.narrowedFrom = Narrowed(a.v, b.v);
      return masked;
    }
    if (op == "|")
      return Typed(a.v | b.v, a, b, "|");
    if (op == "^")
      return Typed(a.v ^ b.v, a, b, "^");
    std::int64_t truth = 0;
    if (op == "&&")
      truth = a.v != 0 && b.v != 0;
    if (op == "||")
      truth = a.v != 0 || b.v != 0;
    if (op == "==")
      truth = x == y;
    if (op == "!=")
      truth = x != y;
    if (op == "<")
      truth = asUnsigned ? unsignedOf(x) < unsignedOf(y) : x < y;
    if (op == ">")
      truth = asUnsigned ? unsignedOf(x) > unsignedOf(y) : x > y;
    if (op == "<=")
      truth = asUnsigned ? unsignedOf(x) <= unsignedOf(y) : x <= y;
    if (op == ">=")
      truth = asUnsigned ? unsignedOf(x) >= unsignedOf(y) : x >= y;
    return Value{truth, false, C() ? context_.intBits : 64, {}};
  }

  // A cast "(uint8_t)" at the current place: its type, and how many tokens it takes.
  std::optional<std::pair<CastType, std::size_t>> Cast() const {
    if (!C() || !IsOp("(")) {
      return std::nullopt;
    }
    std::vector<std::string> words;
    std::size_t ahead = 1;
    while (Peek(ahead).kind == Kind::Name) {
      words.push_back(Peek(ahead).text);
      ++ahead;
    }
    if (words.empty() || !IsOp(")", ahead)) {
      return std::nullopt;
    }
    if (std::optional<CastType> type = CastTypeOf(words, context_.intBits)) {
      return std::pair{*type, ahead + 1};
    }
    return std::nullopt;
  }

  std::optional<Value> Unary() {
    if (auto cast = Cast()) {
      at_ += cast->second;
      std::optional<Value> operand = Unary();
      if (!operand) {
        return std::nullopt;
      }
      if (cast->first.floating) {
        return FloatValue(operand->isFloat ? operand->real : static_cast<double>(operand->v));
      }
      if (operand->isFloat && !Truncated(*operand)) {
        return std::nullopt;
      }
      Value narrowed =
          Wrap(operand->v, cast->first.bits, cast->first.isUnsigned, "", *operand, *operand);
      result_.overflow.clear();  // a cast wraps by intent
      if (narrowed.v != operand->v) {
        narrowed.narrowedFrom = operand->v;
      }
      if (narrowed.bits < context_.intBits) {
        narrowed.bits = context_.intBits;  // promoted at once
        narrowed.isUnsigned = false;
      }
      return narrowed;
    }
    for (const char* op : {"-", "+", "~", "!"}) {
      if (Accept(op)) {
        std::optional<Value> operand = Unary();
        if (!operand) {
          return std::nullopt;
        }
        Value v = *operand;
        std::string o = op;
        if (v.isFloat) {
          if (o == "~") {
            Fail("the operator ~ on a floating-point value");
            return std::nullopt;
          }
          return o == "!" ? Value{v.real == 0, false, context_.intBits, {}}
                          : FloatValue(o == "-" ? -v.real : v.real);
        }
        if (o == "-" && v.v == std::numeric_limits<std::int64_t>::min()) {
          Fail("a number beyond 64 bits");
          return std::nullopt;
        }
        std::int64_t math = o == "-" ? -v.v : o == "~" ? ~v.v : o == "!" ? (v.v == 0) : v.v;
        if (o == "!") {
          return Value{math, false, C() ? context_.intBits : 64, {}};
        }
        Value zero{0, false, context_.intBits, {}};
        return C() ? Wrap(math, std::max(v.bits, context_.intBits), v.isUnsigned, op, zero, v)
                   : Value{math, false, 64, {}};
      }
    }
    if (context_.dialect == ExpressionDialect::Asm && Peek().kind == Kind::Name) {
      std::string word = Upper(Peek().text);
      int shift = word == "LOW" ? 0 : word == "HIGH" ? 8 : word == "UPPER" ? 16 : -1;
      if (shift >= 0) {
        ++at_;
        std::optional<Value> operand = Unary();
        if (!operand) {
          return std::nullopt;
        }
        Value byte{(operand->v >> shift) & 0xFF, false, 64, {}};
        if (byte.v != operand->v) {
          // low narrows the value; high and upper take another byte, no narrowed value
          (shift == 0 ? byte.narrowedFrom : byte.byteOf) = operand->v;
        }
        return byte;
      }
    }
    return Primary();
  }

  std::optional<Value> Primary() {
    const Token& token = Peek();
    if (token.kind == Kind::Number) {
      ++at_;
      return token.value;
    }
    if (Accept("(")) {
      std::optional<Value> inner = Conditional();
      if (!Accept(")")) {
        Fail("a ( without its )");
        return std::nullopt;
      }
      return inner;
    }
    if (token.kind == Kind::Name) {
      Token name = token;  // expanding a macro changes the tokens
      ++at_;
      return Named(name);
    }
    Fail(token.kind == Kind::End ? "the expression ends too soon"
                                 : Quoted(token.text) + " is not read here");
    return std::nullopt;
  }

  std::optional<Value> Defined() {
    bool parenthesised = Accept("(");
    if (Peek().kind != Kind::Name) {
      Fail("defined without a name");
      return std::nullopt;
    }
    std::string name = Peek().text;
    ++at_;
    if (parenthesised && !Accept(")")) {
      Fail("defined( without its )");
      return std::nullopt;
    }
    bool known = context_.macro && context_.macro(name) != nullptr;
    return Value{known ? 1 : 0, false, context_.intBits, {}};
  }

  // The tokens of a macro call's arguments, up to its ).
  std::optional<std::vector<std::vector<Token>>> Arguments() {
    std::vector<std::vector<Token>> arguments(1);
    int depth = 0;
    for (;;) {
      Token token = Peek();
      if (token.kind == Kind::End) {
        Fail("a macro call without its )");
        return std::nullopt;
      }
      ++at_;
      if (token.kind == Kind::Op && token.text == "(") {
        ++depth;
      } else if (token.kind == Kind::Op && token.text == ")") {
        if (depth == 0) {
          return arguments;
        }
        --depth;
      } else if (token.kind == Kind::Op && token.text == "," && depth == 0) {
        arguments.emplace_back();
        continue;
      }
      arguments.back().push_back(std::move(token));
    }
  }

  // A floating value converted to an integer type, as C does: toward zero; false when it
  // does not fit 64 bits.
  bool Truncated(Value& value) {
    double whole = std::trunc(value.real);
    if (!std::isfinite(whole) || std::fabs(whole) >= 9.2e18) {
      Fail("a floating-point value beyond 64 bits");
      return false;
    }
    value = Value{static_cast<std::int64_t>(whole), false, 64, {}};
    return true;
  }

  // The C library's rounding functions that rate expressions use: round(x), lround(x), ...
  std::optional<Value> Rounding(const std::string& name) {
    std::optional<std::vector<std::vector<Token>>> arguments = Arguments();
    if (!arguments || arguments->size() != 1) {
      Fail(name + " without its one argument");
      return std::nullopt;
    }
    std::vector<Token> tokens = std::move(arguments->front());
    tokens.push_back(Token{Kind::End, "", {}});
    std::optional<Value> argument = Parser(std::move(tokens), context_, result_, depth_).Whole();
    if (!argument) {
      return std::nullopt;
    }
    double x = argument->isFloat ? argument->real : static_cast<double>(argument->v);
    double rounded = name.find("floor") == 0   ? std::floor(x)
                     : name.find("ceil") == 0  ? std::ceil(x)
                     : name.find("trunc") == 0 ? std::trunc(x)
                                               : std::round(x);
    Value value = FloatValue(rounded);
    if (name[0] == 'l') {  // lround, llround: a long
      if (!Truncated(value)) {
        return std::nullopt;
      }
      value.bits = 32;
    }
    return value;
  }

  static bool IsRounding(const std::string& name) {
    static const char* const kNames[] = {"round",  "roundf", "lround", "llround", "floor",
                                         "floorf", "ceil",   "ceilf",  "trunc",   "truncf"};
    for (const char* known : kNames) {
      if (name == known) {
        return true;
      }
    }
    return false;
  }

  std::optional<Value> Named(const Token& token) {
    const std::string& name = token.text;
    if (context_.preprocessor && name == "defined") {
      return Defined();
    }
    if (C() && IsRounding(name) && IsOp("(") && !(context_.macro && context_.macro(name))) {
      ++at_;
      return Rounding(name);
    }
    if (const Macro* macro = context_.macro ? context_.macro(name) : nullptr) {
      if (!ExpandInPlace(*macro, token)) {
        return std::nullopt;
      }
      return Unary();
    }
    if (context_.value) {
      if (std::optional<std::int64_t> v = context_.value(name)) {
        return Value{*v, false, C() ? 32 : 64, {}};
      }
    }
    if (context_.preprocessor) {
      return Value{0, false, context_.intBits, {}};
    }
    if (result_.unknown.empty() && result_.problem.empty()) {
      result_.unknown = name;
    }
    return std::nullopt;
  }

  // A macro read as the preprocessor reads it, as text: the tokens of its body, each parameter
  // replaced by the tokens of its argument, take the place of its use (the name before at_,
  // and its arguments) and meet the operators around them: K * 5 with K as 4 + 1 is 9.
  bool ExpandInPlace(const Macro& macro, const Token& name) {
    std::size_t use = at_ - 1;
    std::optional<std::vector<std::vector<Token>>> arguments;
    if (macro.functionLike) {
      if (!Accept("(")) {
        Fail("the macro " + name.text + " without its arguments");
        return false;
      }
      arguments = Arguments();
      if (!arguments) {
        return false;
      }
    }
    int depth = name.depth + 1;
    if (depth_ + depth > kDeepestMacro) {
      Fail("macros nested too deep");
      return false;
    }
    std::optional<std::vector<Token>> body = BodyTokens(macro.body);
    if (!body) {
      return false;
    }
    if (arguments) {
      body = Substituted(macro, *body, *arguments);
    }
    if (tokens_.size() + body->size() > kMostTokens) {
      Fail("macros that expand to too long a text");
      return false;
    }
    for (Token& token : *body) {
      token.depth = depth;
    }
    tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(use),
                  tokens_.begin() + static_cast<std::ptrdiff_t>(at_));
    tokens_.insert(tokens_.begin() + static_cast<std::ptrdiff_t>(use), body->begin(), body->end());
    at_ = use;
    return true;
  }

  // The tokens of a macro's body, without the end.
  std::optional<std::vector<Token>> BodyTokens(const std::string& body) {
    std::string problem;
    std::vector<Token> tokens = Tokens(body, context_, problem);
    if (tokens.empty()) {
      Fail(problem);
      return std::nullopt;
    }
    tokens.pop_back();
    return tokens;
  }

  // The body with each parameter replaced by the tokens of its argument, as they are: no
  // parentheses added (SQ(2 + 3) with SQ(x) as x * x is 2 + 3 * 2 + 3).
  static std::vector<Token> Substituted(const Macro& macro, const std::vector<Token>& body,
                                        const std::vector<std::vector<Token>>& arguments) {
    std::vector<Token> tokens;
    for (const Token& token : body) {
      const std::vector<Token>* argument = nullptr;
      for (std::size_t k = 0; k < macro.parameters.size() && k < arguments.size(); ++k) {
        if (token.kind == Kind::Name && token.text == macro.parameters[k]) {
          argument = &arguments[k];
          break;
        }
      }
      if (argument != nullptr) {
        tokens.insert(tokens.end(), argument->begin(), argument->end());
      } else {
        tokens.push_back(token);
      }
    }
    return tokens;
  }

  std::vector<Token> tokens_;
  const ExpressionContext& context_;
  ExpressionResult& result_;
  int depth_;
  std::size_t at_ = 0;
};

}  // namespace

ExpressionResult EvaluateExpression(std::string_view text, const ExpressionContext& context) {
  ExpressionResult result;
  std::vector<Token> tokens = Tokens(text, context, result.problem);
  if (tokens.empty()) {
    return result;
  }
  std::optional<Value> value = Parser(std::move(tokens), context, result, 0).Whole();
  if (value && result.unknown.empty() && result.problem.empty()) {
    if (value->isFloat) {
      // assigned to an integer register: truncated toward zero
      double whole = std::trunc(value->real);
      if (!std::isfinite(whole) || std::fabs(whole) >= 9.2e18) {
        result.problem = "a floating-point value beyond 64 bits";
        return result;
      }
      result.value = static_cast<std::int64_t>(whole);
      return result;
    }
    result.value = value->v;
    result.beforeNarrowing = value->narrowedFrom ? value->narrowedFrom : value->byteOf;
    result.narrowed = value->narrowedFrom.has_value();
  }
  return result;
}

std::optional<std::int64_t> ReadNumber(std::string_view text, const ExpressionContext& context) {
  std::string_view trimmed = Trim(text);
  auto literal = Literal(trimmed, context);
  if (!literal || literal->second != trimmed.size()) {
    return std::nullopt;
  }
  return literal->first.v;
}

}  // namespace brg::engine
