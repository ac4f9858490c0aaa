// Small text helpers that every front end and the engine share: trimming, case, UTF-8, the
// distance between names, plain decimal numbers and the texts of numbers in messages.
//
// Pure functions; none of them looks at the C library's locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace brg {

// Without the blanks (space, tab, carriage return) at both ends.
std::string_view Trim(std::string_view text);

// ASCII letters in upper case; every other byte as it is.
std::string Upper(std::string_view text);

// The same text but for the case of ASCII letters.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// A C identifier: a letter or '_', then letters, digits and '_'.
bool IsIdentifier(std::string_view text);

// Whether `text` uses the identifier `name` as a whole word (BAUD in "FOSC/(16*BAUD)", not in
// "BAUDCTL").
bool UsesIdentifier(std::string_view text, std::string_view name);

// Edits between two names, a swap of neighbouring characters counting as one: how near a
// mistyped part or DEFINE name is to a known one.
std::size_t NameDistance(std::string_view a, std::string_view b);

// A plain decimal number: digits with at most one period, nothing before or after it.
std::optional<double> PlainDecimal(std::string_view text);

// A JSON string: in quotes, with the quote, the backslash and control characters escaped; other
// bytes (UTF-8) as they are.
std::string JsonQuoted(std::string_view text);

// An argument as a message shows it: in quotes, control characters escaped, so that the
// message stays on one line.
std::string Quoted(std::string_view text);

// A decimal as people write it, up to six places and without trailing zeros: 18.432, 64,
// 5000000.
std::string DecimalText(double value);

// A frequency given in MHz as people write it: "8 MHz", "39.61375 MHz", below 1 MHz in kHz
// ("31.25 kHz", "500 kHz").
std::string FrequencyText(double mhz);
// The same as a number and its unit, for a text in the locale's separators: (31.25, "kHz").
std::pair<double, const char*> FrequencyInUnit(double mhz);

// The shortest text that reads back as the same double.
std::string PlainNumber(double value);

// A register value in hexadecimal with two digits for each byte of its width: 0x06, 0x8008.
std::string HexValue(std::uint32_t value, int widthBits = 8);

// UTF-8: the character appended; the last character removed; the characters of a text (a
// broken sequence gives what its bytes spell); the number of characters.
void AppendUtf8(std::string& text, char32_t character);
void RemoveLastUtf8Character(std::string& text);
std::u32string DecodeUtf8(std::string_view text);
std::size_t Utf8Length(std::string_view text);

// Padded with spaces to a width in characters, on the left (right-aligned) or on the right.
std::string Padded(std::string_view text, std::size_t width, bool right);

}  // namespace brg
