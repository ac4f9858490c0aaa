#include "engine/setup_rules.h"

#include <cmath>

#include "core/display_formats.h"
#include "core/text.h"
#include "engine/errors.h"

namespace brg::engine {
namespace {

std::string SettingText(const ModeSetting& setting) {
  Separators plain;
  return "mode " + std::string(InfoOf(setting.mode).name) +
         " with n = " + std::to_string(setting.n) + " gives " +
         FormatErrorPercent(setting.errorRatio, plain);
}

class Judgement {
 public:
  Judgement(const SourceFacts& facts, const CheckOptions& options, const SerialPort& port,
            SetupReport& report)
      : facts_(facts), options_(options), port_(port), report_(report) {}

  void Run() {
    report_.findings = facts_.findings;
    ChooseOscillator();
    ChooseWantedRate();
    CheckFits();
    PortReading reading = port_.Read(Values());
    for (const PortFinding& finding : reading.findings) {
      Add(Line(finding.reg), finding.message, finding.kind);
    }
    if (facts_.rateDefineLine && Has(reading.rateRegister)) {
      Add(*facts_.rateDefineLine,
          "a rate DEFINE and an SPBRG DEFINE both set the rate: they conflict (line " +
              std::to_string(Line(reading.rateRegister)) + ")");
    }
    if (!Has(reading.rateRegister)) {
      return;  // a rate DEFINE alone: the compiler works n out
    }
    report_.clockMHz = report_.oscMHz / reading.clockDivisor.value_or(port_.Clock().divisor);
    report_.setting =
        EvaluateMode(report_.clockMHz, report_.wantedBaud.value_or(1), reading.mode, reading.n);
    if (report_.wantedBaud) {
      CheckRate(*report_.setting, Line(reading.rateRegister));
    }
  }

 private:
  bool Has(std::size_t reg) const { return facts_.registers.count(reg) != 0; }
  int Line(std::size_t reg) const { return Has(reg) ? facts_.registers.at(reg).line : 0; }
  void Add(int line, const std::string& message, FindingKind kind = FindingKind::Fault) {
    report_.findings.push_back({line, kind, message});
  }

  // What the registers hold: what the source writes; with DEFINEs the compiler writes its own
  // defaults into the registers the source leaves alone.
  RegisterValues Values() const {
    RegisterValues values(port_.Registers().size());
    if (facts_.usesDefines && port_.Defines() != nullptr) {
      for (const auto& [reg, value] : port_.Defines()->defaults) {
        values[reg] = value;
      }
    }
    for (const auto& [reg, written] : facts_.registers) {
      values[reg] = written.value;
    }
    return values;
  }

  void ChooseOscillator() {
    if (facts_.defineOsc && options_.oscMHz && facts_.defineOsc->first != *options_.oscMHz) {
      Add(facts_.defineOsc->second, "DEFINE OSC " + DecimalText(facts_.defineOsc->first) +
                                        " differs from --osc " + DecimalText(*options_.oscMHz));
    }
    if (options_.oscMHz) {
      report_.oscMHz = *options_.oscMHz;
    } else if (facts_.defineOsc) {
      report_.oscMHz = facts_.defineOsc->first;
    } else {
      throw NotASetup("no oscillator: give --osc MHZ (or a DEFINE OSC line in the source)");
    }
    if (options_.part != nullptr) {
      if (std::string refusal = options_.part->ClockRefusal(report_.oscMHz); !refusal.empty()) {
        Add(options_.oscMHz || !facts_.defineOsc ? 0 : facts_.defineOsc->second,
            "the oscillator " + refusal);
      }
    }
  }

  void ChooseWantedRate() {
    if (options_.baud) {
      report_.wantedBaud = options_.baud;
    } else if (facts_.namedRate) {
      report_.wantedBaud = facts_.namedRate;
      report_.wantedLine = *facts_.rateLine;
    }
  }

  void CheckFits() {
    for (const auto& [reg, written] : facts_.registers) {
      const PortRegister& known = port_.Registers()[reg];
      if (written.value > static_cast<std::int64_t>(known.Largest())) {
        Add(written.line, written.name + " = " + std::to_string(written.value) +
                              " does not fit the " + std::to_string(known.width) + "-bit register");
      }
    }
  }

  void CheckRate(const ModeSetting& setting, int line) {
    Separators plain;
    if (AboveBudget(setting.errorRatio, options_.maxErrorPercent)) {
      Add(line,
          "the error " + FormatErrorPercent(setting.errorRatio, plain) + " is above " +
              DecimalText(options_.maxErrorPercent) + "%",
          FindingKind::Tolerance);
    }
    ModeSetting best = port_.Best(report_.clockMHz, *report_.wantedBaud, setting.mode);
    if (std::fabs(best.errorRatio) < std::fabs(setting.errorRatio)) {
      Add(line, "a better setting in the same mode: " + SettingText(best), FindingKind::Tolerance);
    }
    if (InfoOf(setting.mode).sync) {
      return;
    }
    for (BrgMode mode : port_.Modes()) {
      if (InfoOf(mode).sync) {
        continue;
      }
      ModeSetting other = port_.Best(report_.clockMHz, *report_.wantedBaud, mode);
      if (other.reach == Reach::Within &&
          std::fabs(other.errorRatio) < std::fabs(best.errorRatio) / 2 &&
          std::fabs(best.errorRatio) * 100 >= 0.5) {
        Add(line, "another mode does better: " + SettingText(other), FindingKind::Note);
        return;
      }
    }
  }

  const SourceFacts& facts_;
  const CheckOptions& options_;
  const SerialPort& port_;
  SetupReport& report_;
};

}  // namespace

SetupReport JudgeSetup(const SourceFacts& facts, const CheckOptions& options,
                       const SerialPort& port) {
  SetupReport report;
  Judgement(facts, options, port, report).Run();
  return report;
}

}  // namespace brg::engine
