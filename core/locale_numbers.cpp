#include "core/locale_numbers.h"

namespace brg {

std::string LocaleDecimal(std::string_view plain, const Separators& separators) {
  std::size_t point = plain.find('.');
  if (point == std::string_view::npos) {
    return std::string(plain);
  }
  return std::string(plain.substr(0, point)) + separators.decimal +
         std::string(plain.substr(point + 1));
}

std::string LocaleNumber(std::string_view plain, const Separators& separators) {
  std::size_t point = plain.find('.');
  std::string_view whole = plain.substr(0, point);
  std::string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) {
      grouped += separators.group;
    }
    grouped += whole[i];
  }
  if (point == std::string_view::npos) {
    return grouped;
  }
  return grouped + separators.decimal + std::string(plain.substr(point + 1));
}

std::string LocaleDecimalsIn(std::string_view text, const Separators& separators) {
  auto digit = [&text](std::size_t i) {
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
  };
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool point = text[i] == '.' && i > 0 && digit(i - 1) && digit(i + 1);
    shown += point ? separators.decimal : std::string(1, text[i]);
  }
  return shown;
}

}  // namespace brg
