#include "engine/check/setup_recorder.h"

#include "core/text.h"

namespace brg::engine {

SetupRecorder::SetupRecorder(const SerialPort& port, SourceFacts& facts)
    : port_(port), facts_(facts) {}

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

std::optional<std::int64_t> SetupRecorder::FieldValue(std::string_view name) const {
  auto fieldOf = [&](std::string_view reg, std::string_view field)
      -> std::optional<std::pair<std::size_t, PortField>> {
    std::optional<std::size_t> index = RegisterNamed(reg);
    if (!index) {
      return std::nullopt;
    }
    std::optional<PortField> found = port_.Registers()[*index].FieldNamed(field);
    return found ? std::optional(std::pair{*index, *found}) : std::nullopt;
  };
  if (std::size_t dot = name.find('.'); dot != std::string_view::npos) {
    std::string_view reg = name.substr(0, dot);
    if (reg.size() > 4 && Upper(reg.substr(reg.size() - 4)) == "BITS") {
      reg.remove_suffix(4);
    }
    auto found = fieldOf(reg, name.substr(dot + 1));
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

void SetupRecorder::CommentRate(double baud, int line) {
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
