#include "engine/check/setup_source.h"

#include <algorithm>
#include <cctype>

#include "core/text.h"
#include "engine/check/setup_readers.h"
#include "engine/check/setup_recorder.h"
#include "engine/check/source_text.h"

namespace brg::engine {

const PortRegister* FollowedRegisters::Named(const std::string& name) const {
  auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : &registers[found->second];
}

void FollowedRegisters::Add(PortRegister reg, std::int64_t reset) {
  if (byName_.count(reg.name) != 0) {
    return;
  }
  resets.resize(registers.size());
  byName_[reg.name] = registers.size();
  registers.push_back(std::move(reg));
  resets.push_back(reset);
}
namespace {

// The first word of an upper-cased line, after a label ending with ':'.
std::string_view OperationOf(std::string_view upper) {
  std::string_view text = Trim(upper);
  std::size_t end = text.find_first_of(" \t");
  std::string_view first = text.substr(0, end);
  if (!first.empty() && first.back() == ':' && end != std::string_view::npos) {
    text = Trim(text.substr(end));
    first = text.substr(0, text.find_first_of(" \t"));
  }
  return first;
}

bool AsmLine(std::string_view upper) {
  static const char* const kWords[] = {"MOVLW", "MOVWF", "BSF",   "BCF",      "BANKSEL",
                                       "CLRF",  "MOVLB", "RADIX", "BANKISEL", "PSECT",
                                       "SETF",  "MOVF",  "IORWF", "ANDWF",    "PAGESEL"};
  std::string_view operation = OperationOf(upper);
  if (operation.rfind("BANKSEL(", 0) == 0) {
    return true;
  }
  for (const char* word : kWords) {
    if (operation == word) {
      return true;
    }
  }
  return upper.find(" EQU ") != std::string_view::npos ||
         upper.find("\tEQU\t") != std::string_view::npos ||
         upper.find("\tEQU ") != std::string_view::npos;
}

bool BasicLine(std::string_view upper) {
  std::string_view operation = OperationOf(upper);
  return operation == "DEFINE" || operation == "REM" || operation == "SYMBOL" ||
         upper.find(" CON ") != std::string_view::npos ||
         upper.find("HSEROUT") != std::string_view::npos ||
         (upper.find('\'') != std::string_view::npos &&
          upper.find("//") == std::string_view::npos && upper.find("/*") == std::string_view::npos);
}

bool CLine(std::string_view line) {
  std::string_view text = Trim(line);
  return (!text.empty() && (text.back() == ';' || text.back() == '{' || text.back() == '}' ||
                            text.front() == '#')) ||
         text.find("//") != std::string_view::npos || text.find("/*") != std::string_view::npos;
}

Dialect DialectOf(const std::vector<SourceLine>& lines) {
  int asmLines = 0;
  int basicLines = 0;
  int cLines = 0;
  for (const SourceLine& line : lines) {
    std::string upper = Upper(line.text);
    bool assembly = AsmLine(upper);
    asmLines += assembly ? 1 : 0;
    basicLines += !assembly && BasicLine(upper) ? 1 : 0;
    cLines += !assembly && CLine(line.text) ? 1 : 0;
  }
  if (asmLines > 0 && asmLines >= cLines && asmLines >= basicLines) {
    return Dialect::Asm;
  }
  // Lines with no mark of C at all (NAME = VALUE one a line) read as BASIC does.
  return basicLines > cLines || cLines == 0 ? Dialect::Basic : Dialect::C;
}

}  // namespace

std::vector<std::size_t> RateRegisters(const SerialPort& port) {
  std::vector<std::size_t> registers;
  for (BrgMode mode : port.Modes()) {
    ModeSetting setting;
    setting.mode = mode;
    setting.n = 0x123;
    for (const RegisterWrite& write : port.Writes(setting)) {
      if (write.rate &&
          std::find(registers.begin(), registers.end(), write.reg) == registers.end()) {
        registers.push_back(write.reg);
      }
    }
  }
  // A register named as the pair (XC8's U1BRG) is a rate register too.
  for (std::size_t reg = 0; reg < port.Registers().size(); ++reg) {
    if (port.Registers()[reg].bits.empty() &&
        std::find(registers.begin(), registers.end(), reg) == registers.end()) {
      registers.push_back(reg);
    }
  }
  return registers;
}

namespace {

// The most readings of other arms one source gets: eight, and fewer for a large source, so
// that all readings together walk at most two mebibytes.
std::size_t MostOtherArms(std::size_t size) {
  constexpr std::size_t kMost = 8;
  constexpr std::size_t kBytes = 2 << 20;
  return std::clamp<std::size_t>(kBytes / std::max<std::size_t>(size, 1), 1, kMost);
}

// The source as each reading takes it: its lines, its language, and C preprocessed once.
struct Source {
  std::vector<SourceLine> lines;
  Dialect dialect = Dialect::C;
  int intBits = 16;
  std::shared_ptr<const PreparedC> c;
  const FollowedRegisters* followed = nullptr;
};

SourceFacts ReadOnce(const Source& source, const SerialPort& port, std::optional<double> baud,
                     Branches& branches) {
  const std::vector<SourceLine>& lines = source.lines;
  SourceFacts facts;
  facts.dialect = source.dialect;
  SetupRecorder recorder(port, facts, source.followed);
  switch (facts.dialect) {
    case Dialect::Asm:
      ReadAsmSetup(lines, port, recorder);
      break;
    case Dialect::Basic:
    case Dialect::Assignments:
      ReadBasicSetup(lines, port, recorder);
      break;
    case Dialect::C:
      ReadCSetup(*source.c, port, recorder, source.intBits, baud, branches);
      break;
  }
  recorder.Finish();
  return facts;
}

// Whether the source names the port's received data or its receive interrupt: U1RXREG, U1RXB,
// U1RXIF, _U1RXInterrupt, URXDA, UART1_Read, or RCREG and RCIF on port 1 of the 8-bit parts.
bool NamesWhatItReceives(std::string_view text, int number) {
  std::string n = std::to_string(number);
  for (const std::string& name : {"U" + n + "RX", "UART" + n + "_Read", std::string("URXDA"),
                                  "RC" + n + "REG", "RC" + n + "IF"}) {
    if (text.find(name) != std::string_view::npos) {
      return true;
    }
  }
  return number == 1 && (text.find("RCREG") != std::string_view::npos ||
                         text.find("RCIF") != std::string_view::npos);
}

}  // namespace

SourceFacts ReadSetupSource(std::string_view text, const SerialPort& port, bool assignments,
                            std::optional<double> baud, bool otherArms,
                            const FollowedRegisters* followed) {
  Source source;
  source.lines = SplitLines(text);
  source.dialect = assignments ? Dialect::Assignments : DialectOf(source.lines);
  source.intBits = port.Toolchain() == "XC32" ? 32 : 16;
  source.followed = followed;
  if (source.dialect == Dialect::C) {
    source.c = PrepareC(source.lines, source.intBits);
  }
  Branches branches;
  SourceFacts facts = ReadOnce(source, port, baud, branches);
  facts.receives = NamesWhatItReceives(text, port.Number());
  std::vector<Branches::Met> met = otherArms ? branches.met : std::vector<Branches::Met>{};
  for (std::size_t k = 0; k < met.size(); ++k) {
    for (std::size_t arm = 1; arm < met[k].arms.size(); ++arm) {
      if (facts.otherArms.size() == MostOtherArms(text.size())) {
        return facts;
      }
      Branches other;
      other.taken.assign(k + 1, 0);
      other.taken[k] = static_cast<int>(arm);
      auto read = std::make_shared<SourceFacts>(ReadOnce(source, port, baud, other));
      facts.otherArms.push_back(
          OtherArm{"where " + met[k].arms[arm] + " (line " + std::to_string(met[k].line) + ")",
                   std::move(read)});
    }
  }
  return facts;
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
