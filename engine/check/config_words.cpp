#include "engine/check/config_words.h"

#include <cctype>
#include <map>
#include <optional>
#include <string>

#include "core/text.h"

namespace brg::engine {
namespace {

// 0X3FE4, H'3FE4', 3FE4H, 0B1010, B'1010' or decimal; nothing for anything else.
std::optional<unsigned> NumberOf(const std::string& text) {
  std::string digits = text;
  int base = 10;
  auto strip = [&](std::size_t front, std::size_t back, int newBase) {
    digits = text.substr(front, text.size() - front - back);
    base = newBase;
  };
  if (text.size() > 2 && text[0] == '0' && text[1] == 'X') {
    strip(2, 0, 16);
  } else if (text.size() > 3 && text[0] == 'H' && text[1] == '\'' && text.back() == '\'') {
    strip(2, 1, 16);
  } else if (text.size() > 2 && text[0] == '0' && text[1] == 'B') {
    strip(2, 0, 2);
  } else if (text.size() > 3 && text[0] == 'B' && text[1] == '\'' && text.back() == '\'') {
    strip(2, 1, 2);
  } else if (text.size() > 1 && text.back() == 'H' &&
             std::isdigit(static_cast<unsigned char>(text[0])) != 0) {
    strip(0, 1, 16);
  }
  if (digits.empty() || digits.size() > 8) {
    return std::nullopt;
  }
  unsigned value = 0;
  for (char c : digits) {
    int digit = std::isdigit(static_cast<unsigned char>(c)) != 0 ? c - '0'
                : c >= 'A' && c <= 'F'                           ? c - 'A' + 10
                                                                 : 99;
    if (digit >= base) {
      return std::nullopt;
    }
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  return value;
}

// The word a number is given for: by name (_CONFIG1, CONFIG1H), by address (0X8007), or the
// part's only word.
const ConfigWord* WordOf(const ConfigSetting& setting, const GputilsHeader& header) {
  if (setting.word.empty()) {
    return header.configWords.size() == 1 ? &header.configWords.front() : nullptr;
  }
  std::string name = setting.word;
  while (!name.empty() && name.front() == '_') {
    name.erase(0, 1);
  }
  std::optional<unsigned> address = NumberOf(setting.word);
  for (const ConfigWord& word : header.configWords) {
    if (Upper(word.name) == name) {
      return &word;
    }
    auto at = header.configAddresses.find("_" + word.name);
    if (address && at != header.configAddresses.end() && at->second == *address) {
      return &word;
    }
  }
  return nullptr;
}

// _FOSC_INTOSC -> (FOSC, INTOSC); _FOSC_INTIO67_1H -> (FOSC, INTIO67).
std::pair<std::string, std::string> SettingOfOption(const std::string& option) {
  std::string text = Upper(option);
  while (!text.empty() && text.front() == '_') {
    text.erase(0, 1);
  }
  std::size_t split = text.find('_');
  if (split == std::string::npos) {
    return {};
  }
  return {text.substr(0, split), WithoutConfigByte(text.substr(split + 1))};
}

// The settings a number holds: for each setting of the word, the option whose bits agree.
std::vector<ConfigSetting> SettingsIn(unsigned number, const ConfigWord& word, int line) {
  struct Group {
    unsigned first = 0;
    unsigned mask = 0;
    std::vector<std::pair<std::string, unsigned>> options;
  };
  std::map<std::string, Group> groups;
  for (const ConfigOption& option : word.options) {
    auto [setting, value] = SettingOfOption(option.name);
    if (setting.empty()) {
      continue;
    }
    Group& group = groups[setting];
    if (group.options.empty()) {
      group.first = option.value;
    }
    group.mask |= option.value ^ group.first;
    group.options.emplace_back(value, option.value);
  }
  std::vector<ConfigSetting> settings;
  for (const auto& [setting, group] : groups) {
    if (group.mask == 0) {
      continue;
    }
    for (const auto& [value, bits] : group.options) {
      if ((bits & group.mask) == (number & group.mask)) {
        settings.push_back(ConfigSetting{setting, value, line});
        break;
      }
    }
  }
  return settings;
}

}  // namespace

std::string WithoutConfigByte(std::string value) {
  std::size_t suffix = value.rfind('_');
  if (suffix != std::string::npos && value.size() - suffix == 3 &&
      std::isdigit(static_cast<unsigned char>(value[suffix + 1])) != 0) {
    value.resize(suffix);  // _1H, _2L
  }
  return value;
}

bool UnnamedNumber(const ConfigSetting& setting) {
  return setting.name.empty() && NumberOf(setting.value).has_value();
}

std::vector<ConfigSetting> ConfigNumbersNamed(const std::vector<ConfigSetting>& config,
                                              const GputilsHeader* header) {
  std::vector<ConfigSetting> named;
  for (const ConfigSetting& setting : config) {
    std::optional<unsigned> number = setting.name.empty() ? NumberOf(setting.value) : std::nullopt;
    const ConfigWord* word = number && header != nullptr ? WordOf(setting, *header) : nullptr;
    if (word == nullptr) {
      named.push_back(setting);
      continue;
    }
    for (ConfigSetting& held : SettingsIn(*number, *word, setting.line)) {
      named.push_back(std::move(held));
    }
  }
  return named;
}

}  // namespace brg::engine
