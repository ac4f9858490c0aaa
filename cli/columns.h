// Small text helpers of spbrg's reports: aligned columns and plain numbers.
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>

namespace brg::cli {

// The header row of every CSV that spbrg writes.
inline constexpr const char* kCsvHeader =
    "osc_mhz,baud,mode,n,spbrgh,spbrg,actual_baud,error_percent,verdict,best,registers\n";

// Padded to a width in characters, not bytes: a locale's separator may be several bytes long.
inline std::string Padded(const std::string& text, std::size_t width, bool right) {
  std::size_t characters = 0;
  for (char c : text) {
    characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  std::string padding(characters < width ? width - characters : 0, ' ');
  return right ? padding + text : text + padding;
}

// The shortest text that reads back as the same double, whatever the locale.
inline std::string PlainNumber(double value) {
  std::array<char, 32> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), end);
}

// A decimal as people write it, up to six places and without trailing zeros: 18.432, 64,
// 5000000, whatever the locale.
inline std::string DecimalText(double value) {
  std::array<char, 64> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 6);
  std::string text(buffer.data(), end);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') {
    text.pop_back();
  }
  return text;
}

// A register byte as 0x06.
inline std::string HexByte(std::uint8_t value) {
  std::array<char, 8> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "0x%02X", static_cast<unsigned>(value));
  return buffer.data();
}

}  // namespace brg::cli
