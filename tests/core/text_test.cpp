// The shared text helpers at their edges: near names, plain decimals, quoted arguments, number
// texts and UTF-8.
#include "core/text.h"

#include <gtest/gtest.h>

namespace brg {
namespace {

TEST(Text, NameDistanceCountsASwapAsOneEdit) {
  EXPECT_EQ(NameDistance("16f1829", "16f1829"), 0U);
  EXPECT_EQ(NameDistance("16f1892", "16f1829"), 1U);  // swapped neighbours
  EXPECT_EQ(NameDistance("HSER_CLOERR", "HSER_CLROERR"), 1U);
  EXPECT_EQ(NameDistance("HSER_SPBXX", "HSER_SPBRG"), 2U);
  EXPECT_EQ(NameDistance("", "abc"), 3U);
  EXPECT_EQ(NameDistance("abc", ""), 3U);
  EXPECT_EQ(NameDistance("ab", "ba"), 1U);
  EXPECT_EQ(NameDistance("abcd", "badc"), 2U);
}

TEST(Text, PlainDecimalsOnly) {
  EXPECT_EQ(PlainDecimal("3.6864"), 3.6864);
  EXPECT_EQ(PlainDecimal("9600"), 9600);
  EXPECT_EQ(PlainDecimal(".5"), 0.5);
  EXPECT_EQ(PlainDecimal("5."), 5);
  for (const char* text : {"", ".", "1.2.3", "-4", "+4", "4 ", " 4", "1e3", "0x19", "4,0", "inf"}) {
    EXPECT_FALSE(PlainDecimal(text).has_value()) << text;
  }
}

TEST(Text, QuotedKeepsAMessageOnOneLine) {
  EXPECT_EQ(Quoted("4"), "\"4\"");
  EXPECT_EQ(Quoted("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(Quoted("4\n\x7F"), "\"4\\x0A\\x7F\"");
  EXPECT_EQ(Quoted("\xC3\xA9"), "\"\xC3\xA9\"");
}

TEST(Text, NumberTexts) {
  EXPECT_EQ(DecimalText(18.432), "18.432");
  EXPECT_EQ(DecimalText(64), "64");
  EXPECT_EQ(DecimalText(0.031), "0.031");
  EXPECT_EQ(DecimalText(5000000), "5000000");
  EXPECT_EQ(FrequencyText(8), "8 MHz");
  EXPECT_EQ(FrequencyText(7.37 * 43 / 4), "79.2275 MHz");
  EXPECT_EQ(FrequencyText(1), "1 MHz");
  EXPECT_EQ(FrequencyText(0.03125), "31.25 kHz");
  EXPECT_EQ(FrequencyText(0.5), "500 kHz");
  EXPECT_EQ(FrequencyText(0), "0 MHz");
  EXPECT_EQ(PlainNumber(0.1), "0.1");
  EXPECT_EQ(PlainNumber(9615.384615384615), "9615.384615384615");
  EXPECT_EQ(HexValue(6), "0x06");
  EXPECT_EQ(HexValue(0x90, 8), "0x90");
  EXPECT_EQ(HexValue(0x8008, 16), "0x8008");
  EXPECT_EQ(HexValue(0x12, 16), "0x0012");
}

TEST(Text, TrimCaseAndIdentifiers) {
  EXPECT_EQ(Trim(" \tSPBRG = 25\r"), "SPBRG = 25");
  EXPECT_EQ(Trim(" \t\r"), "");
  EXPECT_EQ(Upper("txSta1_x"), "TXSTA1_X");
  EXPECT_TRUE(IsIdentifier("_TX1STA"));
  EXPECT_FALSE(IsIdentifier("1TXSTA"));
  EXPECT_FALSE(IsIdentifier("TX.STA"));
  EXPECT_FALSE(IsIdentifier(""));
  // Bytes of other encodings are neither letters nor changed by case, in any C locale.
  EXPECT_EQ(Upper("transmisi\xF3n \xC3\xA9"), "TRANSMISI\xF3N \xC3\xA9");
  EXPECT_FALSE(IsIdentifier("transmisi\xF3n"));
  EXPECT_TRUE(SameIgnoringCase("TxSta", "TXSTA"));
  EXPECT_FALSE(SameIgnoringCase("TXSTA", "TXSTA1"));
  EXPECT_FALSE(SameIgnoringCase("\xE9", "\xC9"));
  EXPECT_TRUE(UsesIdentifier("FOSC/(16*BAUD)-1", "BAUD"));
  EXPECT_TRUE(UsesIdentifier("BAUDCTL BAUD", "BAUD"));
  EXPECT_FALSE(UsesIdentifier("BAUDCTL+_BAUD+BAUD2", "BAUD"));
  EXPECT_FALSE(UsesIdentifier("BAUD", ""));
}

TEST(Text, Utf8CharactersNotBytes) {
  std::string text;
  for (char32_t c : std::u32string(U"a\u00e9\u20ac\U0001F600")) {
    AppendUtf8(text, c);
  }
  EXPECT_EQ(text, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8Length(text), 4U);
  EXPECT_EQ(DecodeUtf8(text), U"a\u00e9\u20ac\U0001F600");
  RemoveLastUtf8Character(text);
  EXPECT_EQ(text, "a\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Padded("9.615", 7, true), "  9.615");
  EXPECT_EQ(Padded("9\xE2\x80\xAF"
                   "615",
                   7, true),
            "  9\xE2\x80\xAF"
            "615");
  EXPECT_EQ(Padded("mode", 6, false), "mode  ");
  EXPECT_EQ(Padded("toolong", 3, true), "toolong");
}

}  // namespace
}  // namespace brg
