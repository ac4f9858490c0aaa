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
  std::optional<std::size_t> index = RegisterNamed(reg);
  if (!index) {
    return BitWrite::NoRegister;
  }
  facts_.anything = true;
  std::optional<int> position;
  if (std::optional<long> number = ReadLiteral(bit); number && *number < 32) {
    position = static_cast<int>(*number);
  } else {
    position = port_.Registers()[*index].BitPosition(bit);
  }
  if (!position) {
    return BitWrite::NoSuchBit;
  }
  WrittenRegister& written = facts_.registers[*index];
  std::int64_t mask = std::int64_t{1} << *position;
  written.value = set ? (written.value | mask) : (written.value & ~mask);
  written.line = line;
  written.name = std::string(reg);
  written.intended.reset();
  return BitWrite::Written;
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
