#include "engine/check/setup_rules.h"

#include <cmath>

#include <algorithm>

#include "core/brg_arithmetic.h"
#include "core/display_formats.h"
#include "core/text.h"
#include "engine/check/chip_clock.h"
#include "engine/check/config_words.h"
#include "engine/check/pin_rules.h"
#include "engine/check/setup_readers.h"
#include "engine/check/source_text.h"
#include "engine/errors.h"

namespace brg::engine {
namespace {

std::string SettingText(const ModeSetting& setting) {
  Separators plain;
  return "mode " + std::string(InfoOf(setting.mode).name) +
         " with n = " + std::to_string(setting.n) + " gives " +
         FormatErrorPercent(setting.errorRatio, plain);
}

// The BASIC compiler's clock without DEFINE OSC.
constexpr double kCompilersDefaultClock = 4;

class Judgement {
 public:
  Judgement(const SourceFacts& facts, const CheckOptions& options, const SerialPort& port,
            SetupReport& report)
      : facts_(facts),
        options_(options),
        port_(port),
        report_(report),
        config_(ConfigNumbersNamed(
            facts.config, options.part != nullptr ? options.part->header.get() : nullptr)) {}

  void Run() {
    report_.findings = facts_.findings;
    report_.workings = facts_.workings;
    report_.portFrom = options_.portFrom;
    ChooseOscillator();
    ChooseWantedRate();
    CheckFits();
    PortReading reading = port_.Read(Values());
    for (const PortFinding& finding : reading.findings) {
      if (Known(finding.reg)) {
        Add(Line(finding.reg), finding.message, finding.kind);
      }
    }
    for (Finding& finding : PinFindings(facts_, options_.part, port_, reading)) {
      report_.findings.push_back(std::move(finding));
    }
    if (facts_.sends && !reading.transmitterOff.empty()) {
      Add(facts_.sends->line, "the code sends through " + facts_.sends->from + ", but " +
                                  reading.transmitterOff + ": nothing goes out");
    }
    if (facts_.rateDefineLine && Has(reading.rateRegister)) {
      Add(*facts_.rateDefineLine,
          "a rate DEFINE and an SPBRG DEFINE both set the rate: they conflict (line " +
              std::to_string(Line(reading.rateRegister)) + ")");
    }
    report_.clockMHz = report_.oscMHz / reading.clockDivisor.value_or(BusDivider());
    report_.rateLine = Line(reading.rateRegister);
    if (!Has(reading.rateRegister)) {
      CompilersRate(reading);
      return;
    }
    if (!Known(reading.rateRegister)) {
      report_.rateUnknown = true;
      return;
    }
    report_.setting =
        EvaluateMode(report_.clockMHz, report_.wantedBaud.value_or(1), reading.mode, reading.n);
    if (report_.wantedBaud) {
      CheckRate(*report_.setting, Line(reading.rateRegister));
    }
    if (assumedClock_) {
      ClockTheCodeAssumes(*report_.setting, reading);
    }
  }

 private:
  bool Has(std::size_t reg) const { return facts_.registers.count(reg) != 0; }
  bool Known(std::size_t reg) const { return !Has(reg) || facts_.registers.at(reg).known; }
  int Line(std::size_t reg) const { return Has(reg) ? facts_.registers.at(reg).line : 0; }
  void Add(int line, const std::string& message, FindingKind kind = FindingKind::Fault) {
    report_.findings.push_back({line, kind, message});
  }

  // The port's divider of the oscillator; on PIC32 the bus divider the source sets or its
  // clock macros assume, where --pbdiv does not say it. Both said and different is a fault.
  double BusDivider() {
    double divisor = port_.Clock().divisor;
    if (port_.Clock().name.rfind("PBCLK", 0) != 0) {
      return divisor;
    }
    const std::optional<Named>& set = facts_.busDivider;
    const std::optional<Named>& assumed = facts_.assumedBusDivider;
    auto differs = [](double a, double b) { return std::fabs(a - b) > 1e-9 * b; };
    if (set && assumed && differs(set->value, assumed->value)) {
      Add(assumed->line, assumed->from + " differs from the bus divider " +
                             DecimalText(set->value) + " that " + set->from + " (line " +
                             std::to_string(set->line) + ") sets");
    }
    const std::optional<Named>& said = set ? set : assumed;
    if (options_.busDividerGiven) {
      if (said && differs(said->value, divisor)) {
        Add(said->line, said->from + " differs from --pbdiv " + DecimalText(divisor));
      }
      return divisor;
    }
    if (said) {
      report_.workings.push_back(Finding{said->line, FindingKind::Note,
                                         port_.Clock().name + " is the oscillator / " +
                                             DecimalText(said->value) + ": " + said->from});
      return said->value;
    }
    return divisor;
  }

  // What the registers hold: what the source writes (the one rate register written, what the
  // source meant before it narrowed it, for the port to tell a lost high byte); with DEFINEs
  // the compiler writes its own defaults into the registers the source leaves alone.
  RegisterValues Values() const {
    RegisterValues values(port_.Registers().size());
    if (facts_.usesDefines && port_.Defines() != nullptr) {
      for (const auto& [reg, value] : port_.Defines()->defaults) {
        values[reg] = value;
      }
    }
    std::vector<std::size_t> rateRegisters = RateRegisters(port_);
    std::size_t ratesWritten = 0;
    for (std::size_t reg : rateRegisters) {
      ratesWritten += Has(reg) ? 1 : 0;
    }
    for (const auto& [reg, written] : facts_.registers) {
      bool onlyRate = ratesWritten == 1 && std::find(rateRegisters.begin(), rateRegisters.end(),
                                                     reg) != rateRegisters.end();
      values[reg] = onlyRate ? written.intended.value_or(written.value) : written.value;
    }
    return values;
  }

  bool RateRegisterWritten() const {
    for (std::size_t reg : RateRegisters(port_)) {
      if (Has(reg)) {
        return true;
      }
    }
    return false;
  }

  // The rate DEFINE alone: the compiler works n out itself, from its own clock, rounded to the
  // nearest value of the mode the registers select.
  // Without a rate DEFINE it takes its default, 2400 baud.
  void CompilersRate(const PortReading& reading) {
    if (!facts_.usesDefines || InfoOf(reading.mode).brg16 || InfoOf(reading.mode).sync) {
      return;
    }
    constexpr double kCompilersDefaultRate = 2400;
    double rate = facts_.rateDefine.value_or(kCompilersDefaultRate);
    int line = facts_.rateDefineLine.value_or(facts_.rate ? facts_.rate->line : 0);
    bool brgh = InfoOf(reading.mode).brgh;
    double compilerClock = facts_.clock ? facts_.clock->value : kCompilersDefaultClock;
    std::int32_t n = 0;
    try {
      n = std::clamp(EstimateSpbrg(compilerClock, rate, brgh), 0, 255);
    } catch (const ArithmeticFault&) {
      return;
    }
    report_.setting =
        EvaluateMode(report_.clockMHz, report_.wantedBaud.value_or(rate), reading.mode, n);
    report_.compilerWorksOut = true;
    report_.workings.push_back(Finding{
        line, FindingKind::Note,
        "the compiler works n = " + std::to_string(n) + " out from " +
            (facts_.rateDefine ? "the rate DEFINE" : "its default of 2400 baud") +
            ", rounded to the nearest value of mode " + std::string(InfoOf(reading.mode).name) +
            " at " + DecimalText(compilerClock) + " MHz"});
    if (report_.wantedBaud) {
      CheckRate(*report_.setting, line);
    }
  }

  // The clock the chip runs where the source tells it (its internal oscillator): the truth,
  // against which --osc and the source's clock name are faults where they differ.
  bool ChipRunsTheClockTheSourceTells(const std::optional<Named>& source) {
    const OscillatorFamily* family =
        options_.part != nullptr ? OscillatorFamilyOf(options_.part->part) : nullptr;
    std::optional<ChipClock> chip =
        family != nullptr ? WorkOutChipClock(*family, facts_, config_) : std::nullopt;
    if (!chip) {
      return false;
    }
    if (chip->mhz <= 0) {
      report_.workings.push_back({chip->line, FindingKind::Note,
                                  "the configuration selects an external oscillator (" + chip->how +
                                      "): its frequency is --osc or the source's clock name"});
      return false;
    }
    chip_ = chip;
    report_.workings.push_back({chip->line, FindingKind::Note, chip->how});
    if (options_.oscMHz && std::fabs(*options_.oscMHz - chip->mhz) > 1e-6 * chip->mhz) {
      Add(0, "--osc " + DecimalText(*options_.oscMHz) + " differs from the clock the chip runs, " +
                 FrequencyText(chip->mhz) + ", by its internal oscillator: the rate is judged at " +
                 FrequencyText(chip->mhz));
    }
    if (source && std::fabs(source->value - chip->mhz) > 1e-6 * chip->mhz) {
      assumedClock_ = source;
    }
    report_.oscMHz = chip->mhz;
    report_.oscFrom = "the internal oscillator";
    report_.clockWorkedOut = chip->how;
    report_.oscLine = chip->line;
    return true;
  }

  // A clock name that differs from the clock the chip runs: the rate at both clocks, and what
  // would make them agree.
  void ClockTheCodeAssumes(const ModeSetting& setting, const PortReading& reading) {
    const Named& assumed = *assumedClock_;
    double divisor = reading.clockDivisor.value_or(BusDivider());
    ModeSetting there = EvaluateMode(assumed.value / divisor, report_.wantedBaud.value_or(1),
                                     setting.mode, setting.n);
    Separators plain;
    std::string field = chip_->FieldFor(assumed.value);
    std::string name = assumed.from == "DEFINE OSC" ? "DEFINE OSC" : assumed.from;
    // an instruction clock (FCY) names the oscillator divided by the port's divider
    double cycle = InstructionClockName(name) ? port_.Clock().divisor : 1;
    std::string says = cycle > 1 ? FrequencyText(assumed.value / cycle) + " (an oscillator of " +
                                       FrequencyText(assumed.value) + ")"
                                 : FrequencyText(assumed.value);
    Add(assumed.line,
        name + " says " + says + ", but the chip runs " + FrequencyText(chip_->mhz) + " (" +
            chip_->how + "): the rate is " + FormatBaudRate(setting.actualBaud, plain) +
            " baud, not the " + FormatBaudRate(there.actualBaud, plain) + " baud of " +
            FrequencyText(assumed.value) + "; " +
            (field.empty()
                 ? ""
                 : "make it run " + FrequencyText(assumed.value) + " (" + field +
                       (chip_->mhz > assumed.value * 2 ? ", without the PLL" : "") + ") or ") +
            "give " + name + " " + FrequencyText(chip_->mhz / cycle));
  }

  // The real clock is --osc; a clock in the source that differs from it is a fault, since the
  // compiler times delays and rates with it. DEFINEs without DEFINE OSC compile for 4 MHz.
  void ChooseOscillator() {
    std::optional<Named> source = facts_.clock;
    if (!source && facts_.usesDefines) {
      source = Named{kCompilersDefaultClock, 0, "the compiler's own default (no DEFINE OSC)"};
    }
    if (ChipRunsTheClockTheSourceTells(source)) {
      if (options_.part != nullptr) {
        if (std::string refusal = options_.part->ClockRefusal(report_.oscMHz); !refusal.empty()) {
          Add(report_.oscLine, "the oscillator " + refusal);
        }
      }
      return;
    }
    if (source && options_.oscMHz &&
        std::fabs(source->value - *options_.oscMHz) > 1e-6 * *options_.oscMHz) {
      std::string what = source->from == "DEFINE OSC"
                             ? "DEFINE OSC " + DecimalText(source->value)
                             : source->from + " " + DecimalText(source->value) + " MHz";
      // The compiler's own clock matters to the rate only when it works n out itself.
      bool rateOfItsOwn = !facts_.clock && RateRegisterWritten();
      Add(source->line,
          what + " differs from --osc " + DecimalText(*options_.oscMHz) +
              (rateOfItsOwn ? ": PAUSE and the like are timed for it" : ""),
          rateOfItsOwn ? FindingKind::Note : FindingKind::Fault);
    }
    NoConfiguration(source);
    if (options_.oscMHz) {
      report_.oscMHz = *options_.oscMHz;
    } else if (source) {
      report_.oscMHz = source->value;
      report_.oscFrom = source->from;
      report_.oscLine = source->line;
    } else {
      throw NotASetup(
          "no oscillator: give --osc MHZ (or name the clock in the source: _XTAL_FREQ, FOSC, "
          "DEFINE OSC)");
    }
    if (options_.part != nullptr) {
      if (std::string refusal = options_.part->ClockRefusal(report_.oscMHz); !refusal.empty()) {
        Add(options_.oscMHz || !source ? 0 : source->line, "the oscillator " + refusal);
      }
    }
  }

  // A source without configuration words (a file of a larger project) leaves the oscillator
  // they select unknown: the clock is taken as given, and the report says so.
  void NoConfiguration(const std::optional<Named>& source) {
    auto number = std::find_if(config_.begin(), config_.end(), UnnamedNumber);
    if (options_.part == nullptr || OscillatorFamilyOf(options_.part->part) == nullptr ||
        (!config_.empty() && number == config_.end()) || (!options_.oscMHz && !source)) {
      return;
    }
    report_.workings.push_back(
        {number == config_.end() ? 0 : number->line, FindingKind::Note,
         (number == config_.end()
              ? "the source gives no configuration words, so the oscillator they select is "
                "unknown: "
              : "the configuration word " + number->value +
                    " is a number whose word the part's configuration does not tell, so the "
                    "oscillator it selects is unknown: ") +
             "the clock is taken as given, " +
             (options_.oscMHz ? DecimalText(*options_.oscMHz) + " MHz by --osc"
                              : DecimalText(source->value) + " MHz by " + source->from)});
  }

  void ChooseWantedRate() {
    if (options_.baud) {
      report_.wantedBaud = options_.baud;
    } else if (facts_.rate) {
      report_.wantedBaud = facts_.rate->value;
      report_.wantedLine = facts_.rate->line;
      report_.wantedFrom = facts_.rate->from;
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
    if (!Passes(setting, Budget{options_.maxErrorPercent, options_.oscTolerancePercent})) {
      std::string tolerance =
          options_.oscTolerancePercent > 0
              ? " with the oscillator's " + DecimalText(options_.oscTolerancePercent) + "%"
              : "";
      Add(line,
          "the error " + FormatErrorPercent(setting.errorRatio, plain) + tolerance + " is above " +
              DecimalText(options_.maxErrorPercent) + "%" + WhyAbove(setting),
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

  // Why a setting misses: n worked out for another mode's divider than the one the bits
  // select, as a formula that divides by 16 while BRGH = 1 makes the generator divide by 4.
  std::string WhyAbove(const ModeSetting& setting) const {
    Budget budget{options_.maxErrorPercent, options_.oscTolerancePercent};
    const ModeInfo& set = InfoOf(setting.mode);
    if (set.sync || report_.compilerWorksOut || assumedClock_) {  // the clock says why
      return "";
    }
    for (BrgMode mode : port_.Modes()) {
      const ModeInfo& other = InfoOf(mode);
      if (other.sync || other.divisor == set.divisor || other.offset != set.offset) {
        continue;
      }
      if (Passes(EvaluateMode(report_.clockMHz, *report_.wantedBaud, mode, setting.n), budget)) {
        return ": n = " + std::to_string(setting.n) + " suits mode " + std::string(other.name) +
               ", whose formula divides by " + std::to_string(other.divisor) + ", but " +
               port_.ModeBits(setting.mode) + " selects mode " + std::string(set.name) +
               ", which divides by " + std::to_string(set.divisor);
      }
    }
    return "";
  }

  std::optional<ChipClock> chip_;
  std::optional<Named> assumedClock_;  // a clock name of the source that is not the chip's
  const SourceFacts& facts_;
  const CheckOptions& options_;
  const SerialPort& port_;
  SetupReport& report_;
  std::vector<ConfigSetting> config_;  // the source's settings with its numbers named
};

// The faults of another arm of a run-time branch that the report does not have yet, said with
// the arm they belong to.
void AddFaultsOfArm(const OtherArm& arm, const CheckOptions& options, const SerialPort& port,
                    SetupReport& report) {
  SetupReport other;
  try {
    Judgement(*arm.facts, options, port, other).Run();
  } catch (const NotASetup&) {
    return;  // that arm sets nothing up
  }
  for (const Finding& finding : other.findings) {
    bool known =
        std::any_of(report.findings.begin(), report.findings.end(), [&](const Finding& had) {
          return had.line == finding.line && had.message == finding.message;
        });
    // the rate is judged against the arm's own rate only: one the report measures by too
    // is not that arm's
    bool ownRate = other.wantedBaud && other.wantedBaud != report.wantedBaud;
    bool lifted =
        finding.kind == FindingKind::Fault || (finding.kind == FindingKind::Tolerance && ownRate);
    if (lifted && !known) {
      report.findings.push_back({finding.line, finding.kind, arm.where + ": " + finding.message});
    }
  }
}

}  // namespace

SetupReport JudgeSetup(const SourceFacts& facts, const CheckOptions& options,
                       const SerialPort& port) {
  SetupReport report;
  Judgement(facts, options, port, report).Run();
  for (const OtherArm& arm : facts.otherArms) {
    AddFaultsOfArm(arm, options, port, report);
  }
  return report;
}

}  // namespace brg::engine
