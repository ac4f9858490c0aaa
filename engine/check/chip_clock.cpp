#include "engine/check/chip_clock.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"
#include "engine/check/config_words.h"

namespace brg::engine {
namespace {

std::string Binary(std::int64_t value, int width) {
  std::string text;
  for (int bit = width - 1; bit >= 0; --bit) {
    text += ((value >> bit) & 1) != 0 ? '1' : '0';
  }
  return text;
}

// A configuration setting of the source by its name: FOSC = INTOSC, or the token _FOSC_INTOSC
// (with a PIC18 word's suffix _1H), or an alias of one of `aliases` standing alone.
std::optional<ConfigSetting> Given(const std::vector<ConfigSetting>& config,
                                   const std::string& name,
                                   const std::vector<OscillatorSetting>& aliases = {}) {
  std::optional<ConfigSetting> found;
  if (name.empty()) {
    return found;
  }
  for (const ConfigSetting& setting : config) {
    if (setting.name == name) {
      found = setting;
    } else if (setting.name.empty() && setting.value.rfind(name + "_", 0) == 0) {
      found = ConfigSetting{name, WithoutConfigByte(setting.value.substr(name.size() + 1)),
                            setting.line};
    } else if (setting.name.empty()) {
      for (const OscillatorSetting& alias : aliases) {
        if (setting.value == alias.value) {
          found = ConfigSetting{name, setting.value, setting.line};
        }
      }
    }
  }
  return found;
}

// The width of a field of the family's oscillator registers; 1 for a bit or none.
int FieldWidth(const OscillatorFamily& family, const std::string& name) {
  for (const PortRegister& reg : family.registers) {
    if (std::optional<PortField> field = reg.FieldNamed(name)) {
      return field->width;
    }
  }
  return 1;
}

// A configuration setting's value as the source gives it, else its erased value, with the words
// that say which and where.
struct Settled {
  std::string value;
  std::string said;  // "CPUDIV = OSC1_PLL2 (line 3)", "PLLEN not set: its erased value ON"
  int line = 0;
  bool given = false;
};

class Working {
 public:
  Working(const OscillatorFamily& family, const SourceFacts& facts,
          const std::vector<ConfigSetting>& config)
      : family_(family), facts_(facts), config_(config) {}

  std::optional<ChipClock> Run() {
    Settled oscillator = SettingOrErased(family_.setting, family_.erased, family_.values);
    // a word given as a number the part's options do not tell leaves the setting unknown
    bool configured =
        oscillator.given ||
        (!config_.empty() && std::none_of(config_.begin(), config_.end(), UnnamedNumber));
    if (!configured && facts_.followed.empty()) {
      return std::nullopt;
    }
    clock_.family = &family_;
    if (configured) {
      setting_ = SettingOf(oscillator.value);
      Say(oscillator.said, oscillator.line);
    }
    return family_.sourceField.empty() && family_.frcPll == PllKind::None ? BySelect() : BySource();
  }

 private:
  Settled SettingOrErased(const std::string& name, const std::string& erased,
                          const std::vector<OscillatorSetting>& aliases = {}) const {
    if (std::optional<ConfigSetting> given = Given(config_, name, aliases)) {
      return {given->value,
              name + " = " + given->value + " (line " + std::to_string(given->line) + ")",
              given->line, true};
    }
    return {erased, name + " not set: its erased value " + erased, 0, false};
  }

  // A field's value as the source writes it: "IRCF 1110 (line 9)".
  std::string Written(const std::string& name, const std::pair<std::int64_t, int>& code) const {
    return name + " " + Binary(code.first, FieldWidth(family_, name)) + " (line " +
           std::to_string(code.second) + ")";
  }

  OscillatorSetting SettingOf(const std::string& value) const {
    for (const OscillatorSetting& known : family_.values) {
      if (known.value == value) {
        return known;
      }
    }
    return OscillatorSetting{value, ClockSource::External};
  }

  void Say(const std::string& text, int line) {
    clock_.how += (clock_.how.empty() ? "" : "; ") + text;
    clock_.line = std::max(clock_.line, line);
  }

  // A field of the oscillator registers as the source leaves it, with the line; nothing where
  // it is not written.
  std::optional<std::pair<std::int64_t, int>> Field(const std::string& name) const {
    for (const PortRegister& reg : family_.registers) {
      std::optional<PortField> field = reg.FieldNamed(name);
      auto written = facts_.followed.find(reg.name);
      if (field && written != facts_.followed.end()) {
        std::int64_t value =
            (written->second.value >> field->position) & ((std::int64_t{1} << field->width) - 1);
        return std::pair{value, written->second.line};
      }
    }
    return std::nullopt;
  }

  // The internal frequency: the field as written, else its reset value.
  std::optional<double> InternalFrequency(int resetCode,
                                          const std::string& origin = "its reset value") {
    if (family_.frequencyField.empty()) {
      frequencyCode_ = 0;
      Say("its internal oscillator: " + FrequencyText(family_.frequencies.at(0)), 0);
      return family_.frequencies.at(0);
    }
    std::optional<std::pair<std::int64_t, int>> code = Field(family_.frequencyField);
    std::int64_t value = code ? code->first : resetCode;
    int width = FieldWidth(family_, family_.frequencyField);
    if (value < 0 || static_cast<std::size_t>(value) >= family_.frequencies.size() ||
        family_.frequencies[static_cast<std::size_t>(value)] <= 0) {
      return std::nullopt;
    }
    frequencyCode_ = value;
    double mhz = family_.frequencies[static_cast<std::size_t>(value)];
    Say(family_.frequencyField + " " + Binary(value, width) + " (" +
            (code ? "line " + std::to_string(code->second) : origin) + "): " + FrequencyText(mhz),
        code ? code->second : 0);
    return mhz;
  }

  // The PIC16 and older PIC18 way: the configuration selects the oscillator, SCS may switch to
  // the internal one, IRCF sets its frequency, a 4x PLL may multiply one of them.
  std::optional<ChipClock> BySelect() {
    std::optional<std::pair<std::int64_t, int>> select = Field(family_.selectField);
    bool switched = false;
    if (select) {
      for (int code : family_.selectInternal) {
        switched = switched || select->first == code;
      }
    }
    if (switched) {
      Say(Written(family_.selectField, *select) + ": the internal oscillator", select->second);
    } else if (!setting_) {
      return std::nullopt;  // the configuration is not in the source
    } else if (setting_->source == ClockSource::FixedPll) {
      return FixedPll();
    } else if (setting_->source != ClockSource::Internal) {
      clock_.source = setting_->source;
      return clock_;
    }
    std::optional<double> mhz = InternalFrequency(family_.frequencyReset);
    if (!mhz) {
      return std::nullopt;
    }
    clock_.source = ClockSource::Internal;
    clock_.mhz = *mhz;
    bool multiplied = std::find(family_.pllFrequencyCodes.begin(), family_.pllFrequencyCodes.end(),
                                frequencyCode_) != family_.pllFrequencyCodes.end();
    if (!switched && multiplied && PllOn()) {
      clock_.mhz *= 4;
      Say("the 4x PLL: " + FrequencyText(clock_.mhz), 0);
    }
    return clock_;
  }

  // The PLL whose output the configuration fixes, divided by the post divider's setting.
  std::optional<ChipClock> FixedPll() {
    Settled post = SettingOrErased(family_.postDividerSetting, family_.postDividerErased);
    for (const SettingNumber& divider : family_.postDividers) {
      if (divider.value == post.value) {
        clock_.source = ClockSource::FixedPll;
        clock_.mhz = family_.fixedPllMHz / divider.number;
        Say(post.said + ": the " + DecimalText(family_.fixedPllMHz) + " MHz PLL divided by " +
                std::to_string(divider.number) + ", " + FrequencyText(clock_.mhz),
            post.line);
        return clock_;
      }
    }
    return std::nullopt;
  }

  bool PllOn() {
    if (std::optional<std::pair<std::int64_t, int>> bit = Field(family_.pllBit);
        bit && bit->first == 1) {
      Say(family_.pllBit + " = 1 (line " + std::to_string(bit->second) + ")", bit->second);
      return true;
    }
    if (family_.pllSetting.empty()) {
      return false;
    }
    Settled pll = SettingOrErased(family_.pllSetting, family_.pllErasedOn ? "ON" : "OFF");
    if (pll.value == "ON") {
      Say(pll.said, pll.line);
    }
    return pll.value == "ON";
  }

  // The newer way: the configuration sets the source, the frequency and the divider at reset;
  // NOSC, NDIV and FRQ change them at run time.
  std::optional<ChipClock> BySource() {
    std::optional<ClockSource> source;
    int frequency = family_.frequencyReset;
    int divider = 1;
    if (setting_) {
      source = setting_->source;
      if (setting_->frequencyCode >= 0) {
        frequency = setting_->frequencyCode;
        divider = setting_->divider;
      }
    }
    if (std::optional<std::pair<std::int64_t, int>> code = Field(family_.sourceField)) {
      std::string written = Written(family_.sourceField, *code);
      if (SwitchAllowed()) {
        std::optional<ClockSource> chosen;
        for (const auto& [value, meaning] : family_.sourceCodes) {
          if (value == code->first) {
            chosen = meaning;
          }
        }
        if (!chosen) {
          return std::nullopt;  // a source the table does not decode
        }
        source = chosen;
        Say(written, code->second);
      } else {
        Say(written + " switches nothing while " + family_.switchSetting +
                " does not allow clock switching",
            code->second);
      }
    }
    if (std::optional<std::pair<std::int64_t, int>> code = Field(family_.dividerField)) {
      divider = 1 << std::min<std::int64_t>(code->first, 9);
      Say(Written(family_.dividerField, *code) + ": divided by " + std::to_string(divider),
          code->second);
    } else if (divider > 1) {
      Say("divided by " + std::to_string(divider) + " at reset", 0);
    }
    if (!source) {
      return std::nullopt;
    }
    clock_.source = *source;
    if (*source == ClockSource::Internal) {
      bool byTheSetting = setting_ && setting_->frequencyCode >= 0;
      std::optional<double> mhz = InternalFrequency(
          frequency, byTheSetting ? "set by " + family_.setting : "its reset value");
      if (!mhz) {
        return std::nullopt;
      }
      clock_.mhz = *mhz / divider;
    } else if (*source == ClockSource::FrcPll && !PllTakesTheFrc()) {
      clock_.source = ClockSource::ExternalPll4;  // the crystal's frequency is not in the code
    } else if (*source == ClockSource::FrcDivided || *source == ClockSource::FrcDiv16 ||
               *source == ClockSource::FrcPll) {
      std::optional<double> mhz = FastRc(*source);
      if (!mhz) {
        return std::nullopt;
      }
      clock_.mhz = *mhz;
    } else if (*source == ClockSource::Lfintosc) {
      clock_.mhz = 0.031 / divider;
    } else if (*source == ClockSource::Sosc) {
      clock_.mhz = 0.032768 / divider;
    }
    if (clock_.mhz > 0) {
      Say("the chip runs " + FrequencyText(clock_.mhz), 0);
    }
    return clock_;
  }

  // Whether a run-time write of the source field switches the clock: the configuration must
  // allow it where the family says so, and its erased value does not.
  bool SwitchAllowed() {
    if (family_.switchSetting.empty()) {
      return true;
    }
    std::optional<ConfigSetting> given = Given(config_, family_.switchSetting);
    return given && std::find(family_.switchAllowed.begin(), family_.switchAllowed.end(),
                              given->value) != family_.switchAllowed.end();
  }

  // A field of the oscillator registers as the source leaves it, else at its reset value.
  std::optional<std::int64_t> FieldOrReset(const std::string& name) {
    if (std::optional<std::pair<std::int64_t, int>> written = Field(name)) {
      Say(Written(name, *written), written->second);
      return written->first;
    }
    for (std::size_t k = 0; k < family_.registers.size() && k < family_.resets.size(); ++k) {
      if (std::optional<PortField> field = family_.registers[k].FieldNamed(name)) {
        std::int64_t value =
            (family_.resets[k] >> field->position) & ((std::int64_t{1} << field->width) - 1);
        Say(name + " " + Binary(value, field->width) + " (its reset value)", 0);
        return value;
      }
    }
    return std::nullopt;
  }

  // Whether the PLL takes the fast RC oscillator (PIC32MZ's FPLLICLK = PLL_FRC, its erased
  // value) rather than the external one.
  bool PllTakesTheFrc() {
    if (family_.pllInput.name.empty()) {
      return true;
    }
    Settled input = SettingOrErased(family_.pllInput.name, family_.pllInput.erased);
    Say(input.said, input.line);
    return input.value == family_.pllInputFrc;
  }

  // The fast RC oscillator of the 16- and 32-bit parts: divided, by 16, or through the PLL.
  std::optional<double> FastRc(ClockSource source) {
    double frc = family_.frequencies.at(0);
    Say("the fast RC oscillator: " + FrequencyText(frc), 0);
    if (source == ClockSource::FrcDiv16) {
      return frc / 16;
    }
    if (source == ClockSource::FrcPll && family_.frcPll != PllKind::FourTimes) {
      return Pll(frc);
    }
    std::optional<std::int64_t> code = FieldOrReset(family_.frcDividerField);
    if (!code) {
      return std::nullopt;
    }
    double divided = frc / (*code >= 7 ? 256 : 1 << *code);
    return source == ClockSource::FrcPll ? divided * 4 : divided;
  }

  std::optional<double> Pll(double frc) {
    auto field = [this](const char* name) { return FieldOrReset(name); };
    if (family_.frcPll == PllKind::Dspic33F) {
      std::optional<std::int64_t> m = field("PLLDIV");
      std::optional<std::int64_t> n1 = field("PLLPRE");
      std::optional<std::int64_t> n2 = field("PLLPOST");
      if (!m || !n1 || !n2 || *n2 == 2) {
        return std::nullopt;  // PLLPOST 10 is reserved
      }
      return frc * static_cast<double>(*m + 2) /
             static_cast<double>((*n1 + 2) * 2 * (*n2 == 3 ? 4 : *n2 + 1));
    }
    if (family_.frcPll == PllKind::Dspic33C) {
      std::optional<std::int64_t> m = field("PLLFBDIV");
      std::optional<std::int64_t> n1 = field("PLLPRE");
      std::optional<std::int64_t> n2 = field("POST1DIV");
      std::optional<std::int64_t> n3 = field("POST2DIV");
      if (!m || !n1 || !n2 || !n3 || *n1 == 0 || *n2 == 0 || *n3 == 0) {
        return std::nullopt;
      }
      return frc * static_cast<double>(*m) / static_cast<double>(*n1 * *n2 * *n3) / 2;
    }
    if (family_.frcPll == PllKind::Configured && family_.pllSettings.size() == 3) {
      double factors[3] = {};
      for (std::size_t k = 0; k < 3; ++k) {
        Settled setting =
            SettingOrErased(family_.pllSettings[k].name, family_.pllSettings[k].erased);
        std::size_t digits = setting.value.find_last_not_of("0123456789");
        if (digits == std::string::npos || digits + 1 >= setting.value.size()) {
          return std::nullopt;
        }
        factors[k] = std::stod(setting.value.substr(digits + 1));
        Say(setting.said, setting.line);
      }
      return factors[0] > 0 && factors[2] > 0 ? frc / factors[0] * factors[1] / factors[2]
                                              : std::optional<double>{};
    }
    return std::nullopt;
  }

  const OscillatorFamily& family_;
  const SourceFacts& facts_;
  const std::vector<ConfigSetting>& config_;
  std::optional<OscillatorSetting> setting_;
  std::int64_t frequencyCode_ = -1;
  ChipClock clock_;
};

}  // namespace

std::string ChipClock::FieldFor(double wanted) const {
  if (family == nullptr) {
    return "";
  }
  for (std::size_t code = 0; code < family->frequencies.size(); ++code) {
    if (std::fabs(family->frequencies[code] - wanted) < 1e-9) {
      return family->frequencyField + " " +
             Binary(static_cast<std::int64_t>(code), FieldWidth(*family, family->frequencyField));
    }
  }
  return "";
}

std::optional<ChipClock> WorkOutChipClock(const OscillatorFamily& family, const SourceFacts& facts,
                                          const std::vector<ConfigSetting>& config) {
  return Working(family, facts, config).Run();
}

}  // namespace brg::engine
