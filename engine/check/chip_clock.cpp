#include "engine/check/chip_clock.h"

#include <cmath>

#include "core/text.h"

namespace brg::engine {
namespace {

std::string Binary(std::int64_t value, int width) {
  std::string text;
  for (int bit = width - 1; bit >= 0; --bit) {
    text += ((value >> bit) & 1) != 0 ? '1' : '0';
  }
  return text;
}

std::string Frequency(double mhz) {
  return mhz < 1 ? DecimalText(mhz * 1000) + " kHz" : DecimalText(mhz) + " MHz";
}

// A configuration setting of the source by its name: FOSC = INTOSC, or the token _FOSC_INTOSC
// (with a PIC18 word's suffix _1H), or an alias of one of `aliases` standing alone.
std::optional<ConfigSetting> Given(const SourceFacts& facts, const std::string& name,
                                   const std::vector<OscillatorSetting>& aliases = {}) {
  std::optional<ConfigSetting> found;
  for (const ConfigSetting& setting : facts.config) {
    if (setting.name == name) {
      found = setting;
    } else if (setting.name.empty() && setting.value.rfind(name + "_", 0) == 0) {
      std::string value = setting.value.substr(name.size() + 1);
      std::size_t suffix = value.rfind('_');
      if (suffix != std::string::npos && value.size() - suffix == 3 &&
          std::isdigit(static_cast<unsigned char>(value[suffix + 1])) != 0) {
        value.resize(suffix);  // _1H: the configuration byte
      }
      found = ConfigSetting{name, value, setting.line};
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

class Working {
 public:
  Working(const OscillatorFamily& family, const SourceFacts& facts)
      : family_(family), facts_(facts) {}

  std::optional<ChipClock> Run() {
    std::optional<ConfigSetting> given = Given(facts_, family_.setting, family_.values);
    bool configured = given.has_value() || !facts_.config.empty();
    if (!configured && facts_.followed.empty()) {
      return std::nullopt;
    }
    clock_.family = &family_;
    if (configured) {
      std::string value = given ? given->value : family_.erased;
      setting_ = SettingOf(value);
      Say(given ? family_.setting + " = " + value + " (line " + std::to_string(given->line) + ")"
                : family_.setting + " not set: its erased value " + family_.erased,
          given ? given->line : 0);
    }
    return family_.sourceField.empty() ? BySelect() : BySource();
  }

 private:
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

  int Width(const std::string& name) const {
    for (const PortRegister& reg : family_.registers) {
      if (std::optional<PortField> field = reg.FieldNamed(name)) {
        return field->width;
      }
    }
    return 1;
  }

  // The internal frequency: the field as written, else its reset value.
  std::optional<double> InternalFrequency(int resetCode) {
    std::optional<std::pair<std::int64_t, int>> code = Field(family_.frequencyField);
    std::int64_t value = code ? code->first : resetCode;
    int width = Width(family_.frequencyField);
    if (value < 0 || static_cast<std::size_t>(value) >= family_.frequencies.size() ||
        family_.frequencies[static_cast<std::size_t>(value)] <= 0) {
      return std::nullopt;
    }
    frequencyCode_ = value;
    double mhz = family_.frequencies[static_cast<std::size_t>(value)];
    Say(family_.frequencyField + " " + Binary(value, width) + " (" +
            (code ? "line " + std::to_string(code->second) : "its reset value") +
            "): " + Frequency(mhz),
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
      Say(family_.selectField + " " + Binary(select->first, Width(family_.selectField)) +
              " (line " + std::to_string(select->second) + "): the internal oscillator",
          select->second);
    } else if (!setting_) {
      return std::nullopt;  // the configuration is not in the source
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
    if (!switched && frequencyCode_ == family_.pllFrequencyCode && PllOn()) {
      clock_.mhz *= 4;
      Say("the 4x PLL: " + Frequency(clock_.mhz), 0);
    }
    return clock_;
  }

  bool PllOn() {
    if (family_.pllSetting.empty()) {
      return false;
    }
    if (std::optional<std::pair<std::int64_t, int>> bit = Field(family_.pllBit);
        bit && bit->first == 1) {
      Say(family_.pllBit + " = 1 (line " + std::to_string(bit->second) + ")", bit->second);
      return true;
    }
    std::optional<ConfigSetting> pll = Given(facts_, family_.pllSetting);
    bool on = pll ? pll->value == "ON" : family_.pllErasedOn;
    if (on) {
      Say(pll ? family_.pllSetting + " = ON (line " + std::to_string(pll->line) + ")"
              : family_.pllSetting + " not set: its erased value ON",
          pll ? pll->line : 0);
    }
    return on;
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
      for (const auto& [value, meaning] : family_.sourceCodes) {
        if (value == code->first) {
          source = meaning;
        }
      }
      Say(family_.sourceField + " " + Binary(code->first, Width(family_.sourceField)) + " (line " +
              std::to_string(code->second) + ")",
          code->second);
    }
    if (std::optional<std::pair<std::int64_t, int>> code = Field(family_.dividerField)) {
      divider = 1 << std::min<std::int64_t>(code->first, 9);
      Say(family_.dividerField + " " + Binary(code->first, Width(family_.dividerField)) +
              " (line " + std::to_string(code->second) + "): divided by " + std::to_string(divider),
          code->second);
    } else if (divider > 1) {
      Say("divided by " + std::to_string(divider) + " at reset", 0);
    }
    if (!source) {
      return std::nullopt;
    }
    clock_.source = *source;
    if (*source == ClockSource::Internal) {
      std::optional<double> mhz = InternalFrequency(frequency);
      if (!mhz) {
        return std::nullopt;
      }
      clock_.mhz = *mhz / divider;
    } else if (*source == ClockSource::Lfintosc) {
      clock_.mhz = 0.031 / divider;
    } else if (*source == ClockSource::Sosc) {
      clock_.mhz = 0.032768 / divider;
    }
    if (clock_.mhz > 0) {
      Say("the chip runs " + Frequency(clock_.mhz), 0);
    }
    return clock_;
  }

  const OscillatorFamily& family_;
  const SourceFacts& facts_;
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
      int width = 1;
      for (const PortRegister& reg : family->registers) {
        if (std::optional<PortField> field = reg.FieldNamed(family->frequencyField)) {
          width = field->width;
        }
      }
      return family->frequencyField + " " + Binary(static_cast<std::int64_t>(code), width);
    }
  }
  return "";
}

std::optional<ChipClock> WorkOutChipClock(const OscillatorFamily& family,
                                          const SourceFacts& facts) {
  return Working(family, facts).Run();
}

}  // namespace brg::engine
