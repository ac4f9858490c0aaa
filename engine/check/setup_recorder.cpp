#include "engine/check/setup_recorder.h"

#include <algorithm>

#include "core/text.h"
#include "engine/check/setup_readers.h"

namespace brg::engine {

SetupRecorder::SetupRecorder(const SerialPort& port, SourceFacts& facts,
                             const FollowedRegisters* followed)
    : port_(port), facts_(facts), followed_(followed) {}

const PortRegister* SetupRecorder::FollowedRegister(std::string_view name) const {
  if (followed_ == nullptr || followed_->registers.empty()) {
    return nullptr;
  }
  return followed_->Named(Upper(name));
}

WrittenRegister& SetupRecorder::Followed(const PortRegister& reg) {
  auto written = facts_.followed.find(reg.name);
  if (written != facts_.followed.end()) {
    return written->second;
  }
  WrittenRegister& fresh = facts_.followed[reg.name];
  const std::vector<PortRegister>& registers = followed_->registers;
  auto index = static_cast<std::size_t>(&reg - registers.data());
  fresh.value = index < followed_->resets.size() ? followed_->resets[index] : 0;
  return fresh;
}

bool SetupRecorder::WriteFollowed(std::string_view name, std::int64_t value, char op, int line) {
  const PortRegister* reg = FollowedRegister(name);
  if (reg == nullptr) {
    return false;
  }
  WrittenRegister& written = Followed(*reg);
  std::int64_t before = written.value;
  written.value = op == '|'   ? (before | value)
                  : op == '&' ? (before & value)
                  : op == '^' ? (before ^ value)
                              : value;
  written.bitsWritten |= op == '|' || op == '^' ? value : op == '&' ? ~value : ~std::int64_t{0};
  written.value &= reg->Largest();
  written.line = line;
  written.name = std::string(name);
  return true;
}

bool SetupRecorder::WriteFollowedField(std::string_view reg, std::string_view field,
                                       std::int64_t value, int line) {
  std::string_view name = WithoutBitsSuffix(reg);
  const PortRegister* known = FollowedRegister(name);
  std::optional<PortField> found;
  if (known != nullptr) {
    std::optional<long> number = ReadLiteral(field);
    found =
        number && *number < 8 ? PortField{static_cast<int>(*number), 1} : known->FieldNamed(field);
  }
  if (!found && known != nullptr) {
    // a field of its own register's name: RPOR5bits.RP11R, RPB4Rbits.RPB4R
    const PortRegister* own = FollowedRegister(field);
    if (own != nullptr && own->bits.empty()) {
      return WriteFollowed(field, value, '=', line);
    }
  }
  if (!found || value < 0 || value >= (std::int64_t{1} << found->width)) {
    return false;
  }
  WrittenRegister& written = Followed(*known);
  std::int64_t mask = ((std::int64_t{1} << found->width) - 1) << found->position;
  written.value = (written.value & ~mask) | (value << found->position);
  written.bitsWritten |= mask;
  written.line = line;
  written.name = std::string(name);
  return true;
}

void SetupRecorder::Config(std::string_view name, std::string_view value, int line) {
  facts_.config.push_back(ConfigSetting{Upper(Trim(name)), Upper(Trim(value)), line});
}

bool SetupRecorder::ConfigDirective(std::string_view code, int line) {
  std::string_view text = Trim(code);
  if (text.empty() || (text.front() != '_' && text.front() != 'C' && text.front() != 'c')) {
    return false;  // most lines: no upper-case copy made
  }
  std::size_t end = text.find_first_of(" \t");
  std::string word = Upper(text.substr(0, end));
  std::string_view rest =
      end == std::string_view::npos ? std::string_view{} : Trim(text.substr(end));
  if (word == "__CONFIG") {
    ConfigOperands(rest, line);
    return true;
  }
  if (word != "CONFIG") {
    return false;
  }
  for (const auto& [name, value] : SettingsOf(rest)) {
    Config(name, value, line);
  }
  return true;
}

void SetupRecorder::ConfigOperands(std::string_view operands, int line) {
  ConfigWordTokens operandsOf = ConfigTokensOf(operands);
  for (std::string_view token : operandsOf.tokens) {
    ConfigToken(token, line, operandsOf.word);
  }
}

void SetupRecorder::ConfigToken(std::string_view token, int line, std::string_view word) {
  std::string_view text = Trim(token);
  while (!text.empty() && text.front() == '_') {
    text.remove_prefix(1);
  }
  if (!text.empty()) {
    facts_.config.push_back(ConfigSetting{"", Upper(text), line, Upper(word)});
  }
}

std::optional<std::size_t> SetupRecorder::RegisterNamed(std::string_view name) const {
  return IsIdentifier(name) ? port_.RegisterNamed(name) : std::nullopt;
}

bool SetupRecorder::Write(std::string_view name, std::int64_t value, char op, int line,
                          std::optional<std::int64_t> intended) {
  std::optional<std::size_t> reg = RegisterNamed(name);
  if (!reg) {
    return false;
  }
  facts_.anything = true;
  auto previous = facts_.registers.find(*reg);
  if (op != '=') {
    std::int64_t before = previous != facts_.registers.end() ? previous->second.value : 0;
    std::int64_t after = op == '|'   ? (before | value)
                         : op == '&' ? (before & value)
                                     : (before ^ value);
    facts_.registers[*reg] = WrittenRegister{after & 0xFFFFFFFF, line, std::string(name), {}};
    return true;
  }
  if (previous != facts_.registers.end() && previous->second.line != line) {
    Add(line, FindingKind::Note,
        std::string(name) + " is assigned again (first on line " +
            std::to_string(previous->second.line) + "): the last assignment counts");
  }
  facts_.registers[*reg] = WrittenRegister{value, line, std::string(name), intended};
  return true;
}

bool SetupRecorder::WriteUnknown(std::string_view name, int line) {
  std::optional<std::size_t> reg = RegisterNamed(name);
  if (!reg) {
    return false;
  }
  facts_.anything = true;
  facts_.registers[*reg] = WrittenRegister{0, line, std::string(name), {}, false};
  return true;
}

SetupRecorder::BitWrite SetupRecorder::WriteBit(std::string_view reg, std::string_view bit,
                                                bool set, int line) {
  return WriteField(reg, bit, set ? 1 : 0, line);
}

SetupRecorder::BitWrite SetupRecorder::WriteField(std::string_view reg, std::string_view field,
                                                  std::int64_t value, int line) {
  std::optional<std::size_t> index = RegisterNamed(reg);
  if (!index) {
    return BitWrite::NoRegister;
  }
  facts_.anything = true;
  std::optional<PortField> found;
  if (std::optional<long> number = ReadLiteral(field); number && *number < 32) {
    found = PortField{static_cast<int>(*number), 1};
  } else {
    found = port_.Registers()[*index].FieldNamed(field);
  }
  if (!found) {
    return BitWrite::NoSuchBit;
  }
  std::int64_t largest = (std::int64_t{1} << found->width) - 1;
  if (value < 0 || value > largest) {
    return BitWrite::TooWide;
  }
  WrittenRegister& written = facts_.registers[*index];
  std::int64_t mask = largest << found->position;
  written.value = (written.value & ~mask) | (value << found->position);
  written.line = line;
  written.name = std::string(reg);
  written.intended.reset();
  return BitWrite::Written;
}

void SetupRecorder::AssignField(std::string_view reg, std::string_view field,
                                std::string_view target, std::string_view text,
                                std::optional<std::int64_t> value, int line) {
  std::string written = std::string(target) + " = " + std::string(text);
  if (!value) {
    Add(line, FindingKind::Note, written + " cannot be worked out: the field is not followed");
    Touch(reg, line);
    return;
  }
  switch (WriteField(reg, field, *value, line)) {
    case BitWrite::NoSuchBit:
      Add(line, FindingKind::Fault,
          written + ": " + std::string(field) + " is no bit or field of " + std::string(reg));
      Touch(reg, line);
      break;
    case BitWrite::TooWide: {
      PortField found = *port_.Registers()[*RegisterNamed(reg)].FieldNamed(field);
      Add(line, FindingKind::Fault,
          written + ": " + std::to_string(*value) + " does not fit " + std::string(field) +
              (found.width == 1 ? ", a single bit"
                                : ", a field of " + std::to_string(found.width) + " bits"));
      Touch(reg, line);
      break;
    }
    case BitWrite::NoRegister:
    case BitWrite::Written:
      break;
  }
}

void SetupRecorder::Touch(std::string_view reg, int line) {
  if (std::optional<std::size_t> index = RegisterNamed(reg)) {
    facts_.anything = true;
    WrittenRegister& written = facts_.registers[*index];
    written.line = line;
    written.name = std::string(reg);
  }
}

bool SetupRecorder::WriteBareBit(std::string_view bit, bool set, int line) {
  if (followed_ != nullptr) {
    for (const PortRegister& reg : followed_->registers) {
      if (reg.BitPosition(bit) && !port_.RegisterNamed(reg.name)) {
        bool anyPortHasIt = false;
        for (const PortRegister& portRegister : port_.Registers()) {
          anyPortHasIt = anyPortHasIt || (portRegister.present && portRegister.BitPosition(bit));
        }
        if (!anyPortHasIt) {
          return WriteFollowedField(reg.name, bit, set ? 1 : 0, line);
        }
      }
    }
  }
  std::optional<std::size_t> owner;
  const std::vector<PortRegister>& registers = port_.Registers();
  for (std::size_t reg = 0; reg < registers.size(); ++reg) {
    if (registers[reg].present && registers[reg].BitPosition(bit)) {
      if (owner) {
        return false;  // two registers have it: the name says nothing
      }
      owner = reg;
    }
  }
  if (!owner) {
    return false;
  }
  return WriteBit(registers[*owner].name, bit, set, line) == BitWrite::Written;
}

namespace {

// The value a configurator's word gives a bit: enabled 1, disabled 0, and the like.
std::optional<std::int64_t> BitWord(std::string_view words) {
  std::string upper = Upper(Trim(words));
  static const std::pair<const char*, int> kWords[] = {
      {"ENABLED", 1},         {"DISABLED", 0},       {"ON", 1},           {"OFF", 0},
      {"HIGH SPEED", 1},      {"HI_SPEED", 1},       {"LOW SPEED", 0},    {"LO_SPEED", 0},
      {"16BIT_GENERATOR", 1}, {"8BIT_GENERATOR", 0}, {"ASYNCHRONOUS", 0}, {"SYNCHRONOUS", 1},
      {"NORMAL SPEED", 0},    {"HIGH_SPEED", 1},     {"LOW_SPEED", 0}};
  for (const auto& [word, bit] : kWords) {
    if (upper == word) {
      return bit;
    }
  }
  return std::nullopt;
}

}  // namespace

bool SetupRecorder::ModeBit(std::string_view name) const {
  for (BrgMode mode : port_.Modes()) {
    // "SYNC 0, BRG16 0, BRGH 1": the names before each value
    std::string bits = Upper(port_.ModeBits(mode));
    for (std::size_t at = bits.find(std::string(name) + " "); at != std::string::npos;
         at = bits.find(std::string(name) + " ", at + 1)) {
      if (at == 0 || bits[at - 1] == ' ') {
        return true;
      }
    }
  }
  return false;
}

void SetupRecorder::StatedInComment(std::string_view comment, int commentLine, std::string_view reg,
                                    std::int64_t value, int line) {
  std::optional<std::size_t> index = RegisterNamed(reg);
  if (!index) {
    return;
  }
  const PortRegister& known = port_.Registers()[*index];
  std::string upperReg = Upper(reg);
  std::vector<std::size_t> rateRegisters = RateRegisters(port_);
  bool rateRegister =
      std::find(rateRegisters.begin(), rateRegisters.end(), *index) != rateRegisters.end();
  while (!comment.empty()) {
    std::size_t semicolon = comment.find(';');
    std::string_view item = Trim(comment.substr(0, semicolon));
    comment =
        semicolon == std::string_view::npos ? std::string_view{} : comment.substr(semicolon + 1);
    std::size_t space = item.find(' ');
    if (space == std::string_view::npos) {
      continue;
    }
    std::string name = Upper(item.substr(0, space));
    std::string_view said = Trim(item.substr(space + 1));
    // Only what sets the rate is checked: the value of a rate register, a bit that selects the
    // mode. The configurator's words for the rest are its own ("STSEL 1" for one stop bit), and
    // it writes some switches later ("UARTEN enabled" over a value that clears it).
    std::optional<PortField> field =
        ModeBit(name) ? known.FieldNamed(name) : std::optional<PortField>{};
    bool whole = !field && rateRegister && upperReg.size() >= name.size() && name.size() >= 3 &&
                 upperReg.compare(upperReg.size() - name.size(), name.size(), name) == 0;
    if (!field && !whole) {
      continue;
    }
    std::optional<long> number = ReadLiteral(said);
    std::optional<std::int64_t> stated =
        number ? std::optional<std::int64_t>(*number)
               : (field && field->width == 1 ? BitWord(said) : std::nullopt);
    if (!stated) {
      continue;
    }
    std::int64_t actual =
        whole ? value : (value >> field->position) & ((std::int64_t{1} << field->width) - 1);
    if (actual != *stated) {
      Add(line, FindingKind::Fault,
          "the comment on line " + std::to_string(commentLine) + " says " + std::string(item) +
              ", but " + std::string(reg) + " = " + std::to_string(value) + " makes " +
              (whole ? std::string(reg) : name) + " " + std::to_string(actual));
    }
  }
}

std::optional<std::int64_t> SetupRecorder::FieldValue(std::string_view name) const {
  auto fieldOf = [&](std::string_view reg,
                     std::string_view field) -> std::optional<std::pair<std::size_t, PortField>> {
    std::optional<std::size_t> index = RegisterNamed(reg);
    if (!index) {
      return std::nullopt;
    }
    std::optional<PortField> found = port_.Registers()[*index].FieldNamed(field);
    return found ? std::optional(std::pair{*index, *found}) : std::nullopt;
  };
  if (std::size_t dot = name.find('.'); dot != std::string_view::npos) {
    auto found = fieldOf(WithoutBitsSuffix(name.substr(0, dot)), name.substr(dot + 1));
    if (!found) {
      return std::nullopt;
    }
    std::int64_t value = Current(found->first).value_or(0);
    return (value >> found->second.position) & ((std::int64_t{1} << found->second.width) - 1);
  }
  std::size_t regEnd = name.find('_', 1);
  std::size_t kindStart = name.rfind('_');
  if (name.size() < 4 || name[0] != '_' || regEnd == std::string_view::npos ||
      kindStart <= regEnd + 1) {
    return std::nullopt;
  }
  auto found = fieldOf(name.substr(1, regEnd - 1), name.substr(regEnd + 1, kindStart - regEnd - 1));
  if (!found) {
    return std::nullopt;
  }
  std::string kind = Upper(name.substr(kindStart + 1));
  const PortField& field = found->second;
  if (kind == "MASK") {
    return ((std::int64_t{1} << field.width) - 1) << field.position;
  }
  if (kind == "POSITION" || kind == "POSN") {
    return field.position;
  }
  if (kind == "LENGTH" || kind == "SIZE") {
    return field.width;
  }
  return std::nullopt;
}

bool SetupRecorder::Sends(std::string_view name, int line) {
  std::string upper = Upper(name);
  for (const std::string& transmit : port_.TransmitRegisters()) {
    if (upper == transmit) {
      if (!facts_.sends) {
        facts_.sends = Named{0, line, std::string(name)};
      }
      return true;
    }
  }
  return false;
}

void SetupRecorder::SendsBy(const std::string& what, int line) {
  if (!facts_.sends) {
    facts_.sends = Named{0, line, what};
  }
}

std::optional<std::int64_t> SetupRecorder::Current(std::size_t reg) const {
  auto found = facts_.registers.find(reg);
  if (found == facts_.registers.end()) {
    return std::nullopt;
  }
  return found->second.value;
}

void SetupRecorder::Rate(double baud, int line, RateSource source, const std::string& from) {
  if (!rate_ || source < rate_->first) {
    rate_ = std::pair{source, Named{baud, line, from}};
  }
}

void SetupRecorder::NoteCommentsThatDiffer() {
  for (const Named& comment : commentRates_) {
    bool code = std::find(codeInComments_.begin(), codeInComments_.end(), comment.line) !=
                codeInComments_.end();
    if (comment.value != facts_.rate->value && !code) {
      Add(comment.line, FindingKind::Note,
          "the comment names " + DecimalText(comment.value) + " baud, but " + facts_.rate->from +
              (facts_.rate->line > 0 ? " (line " + std::to_string(facts_.rate->line) + ")" : "") +
              " is " + DecimalText(facts_.rate->value) + ": the code counts");
      return;
    }
  }
}

void SetupRecorder::CommentRate(double baud, int line, std::string_view comment) {
  std::string upper = Upper(comment);
  if (upper.find('=') != std::string::npos || upper.find("DEFINE") != std::string::npos ||
      upper.find(" EQU ") != std::string::npos) {
    codeInComments_.push_back(line);
  }
  commentRates_.push_back(Named{baud, line, "a comment"});
}

void SetupRecorder::Clock(double mhz, int line, const std::string& from) {
  facts_.clock = Named{mhz, line, from};
}

void SetupRecorder::Working(int line, const std::string& text) {
  facts_.workings.push_back(Finding{line, FindingKind::Note, text});
}

void SetupRecorder::Add(int line, FindingKind kind, const std::string& message) {
  facts_.findings.push_back(Finding{line, kind, message});
}

void SetupRecorder::Finish() {
  if (rate_ && rate_->first != RateSource::RateName) {
    facts_.rate = rate_->second;
    NoteCommentsThatDiffer();
    return;
  }
  RegisterValues none(port_.Registers().size());
  std::size_t rateRegister = port_.Read(none).rateRegister;
  auto written = facts_.registers.find(rateRegister);
  if (written != facts_.registers.end()) {
    for (int offset : {0, -1}) {
      for (const Named& comment : commentRates_) {
        if (comment.line == written->second.line + offset) {
          facts_.rate = comment;
          return;
        }
      }
    }
  }
  if (rate_) {
    facts_.rate = rate_->second;
  } else if (!commentRates_.empty()) {
    facts_.rate = commentRates_.front();
  }
}

}  // namespace brg::engine
