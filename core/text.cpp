#include "core/text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "core/float_chars.h"

namespace brg {

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && blank(text[first])) {
    ++first;
  }
  while (end > first && blank(text[end - 1])) {
    --end;
  }
  return text.substr(first, end - first);
}

namespace {

char UpperOf(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool NameStart(char c) {
  return (UpperOf(c) >= 'A' && UpperOf(c) <= 'Z') || c == '_';
}

bool NameChar(char c) {
  return NameStart(c) || (c >= '0' && c <= '9');
}

}  // namespace

// ASCII only: source text in any encoding keeps its other bytes, whatever the C locale.
std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    c = UpperOf(c);
  }
  return upper;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return UpperOf(x) == UpperOf(y);
         });
}

bool IsIdentifier(std::string_view text) {
  return !text.empty() && NameStart(text[0]) && std::all_of(text.begin(), text.end(), NameChar);
}

bool UsesIdentifier(std::string_view text, std::string_view name) {
  if (name.empty()) {
    return false;
  }
  for (std::size_t at = text.find(name); at != std::string_view::npos;
       at = text.find(name, at + 1)) {
    std::size_t end = at + name.size();
    if ((at == 0 || !NameChar(text[at - 1])) && (end == text.size() || !NameChar(text[end]))) {
      return true;
    }
  }
  return false;
}

std::size_t NameDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) {
    d[i][0] = i;
  }
  for (std::size_t j = 0; j <= b.size(); ++j) {
    d[0][j] = j;
  }
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

std::optional<double> PlainDecimal(std::string_view text) {
  std::size_t digits = 0;
  std::size_t periods = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++periods;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || periods > 1) {
    return std::nullopt;
  }
  ReadDouble read = ReadDecimal(text);
  if (read.outOfRange || read.used != text.size()) {
    return std::nullopt;
  }
  return read.value;
}

std::string JsonQuoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string DecimalText(double value) {
  std::string text = FixedText(value, 6);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') {
    text.pop_back();
  }
  return text;
}

std::pair<double, const char*> FrequencyInUnit(double mhz) {
  return mhz > 0 && mhz < 1 ? std::pair{mhz * 1000, "kHz"} : std::pair{mhz, "MHz"};
}

std::string FrequencyText(double mhz) {
  auto [value, unit] = FrequencyInUnit(mhz);
  return DecimalText(value) + " " + unit;
}

std::string PlainNumber(double value) {
  return ShortestText(value);
}

std::string HexValue(std::uint32_t value, int widthBits) {
  std::array<char, 16> buffer{};
  int digits = std::max(2, (widthBits + 3) / 4);
  std::snprintf(buffer.data(), buffer.size(), "0x%0*X", digits, static_cast<unsigned>(value));
  return buffer.data();
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (c >> 6)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (c >> 12)));
    text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (c >> 18)));
    text.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

void RemoveLastUtf8Character(std::string& text) {
  while (!text.empty()) {
    bool continuation = (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80;
    text.pop_back();
    if (!continuation) {
      return;
    }
  }
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string characters;
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length && i + k < text.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    characters.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return characters;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t characters = 0;
  for (char c : text) {
    characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  return characters;
}

std::string Padded(std::string_view text, std::size_t width, bool right) {
  std::size_t characters = Utf8Length(text);
  std::string padding(characters < width ? width - characters : 0, ' ');
  return right ? padding + std::string(text) : std::string(text) + padding;
}

}  // namespace brg
