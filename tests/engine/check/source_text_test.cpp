// What the setup readers take from text before any language: rates in comments, names that stand
// for the rate or the clock, and what is binary.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/check/source_text.h"

namespace brg::engine {
namespace {

struct CommentCase {
  const char* comment;
  std::optional<double> rate;
};

TEST(SourceText, RatesInCommentsInTheWordsPeopleUse) {
  const CommentCase cases[] = {
      {"9600 baud", 9600},
      {"baud set to 2400", 2400},
      {"19200bps", 19200},
      {"~19200 (19231)", 19200},
      {"UART @ 9600", 9600},
      {"9600 @ 16 MHz", 9600},
      {"9600 8N1", 9600},
      {"250 kbaud", 250000},
      {"115.2 kbps", 115200},
      {"RS-232 at 4800", 4800},
      {" 9600", 9600},  // a rate alone beside the register
      {"transmisi\xF3n a 9600 baudios", 9600},
      {"20 MHz crystal", std::nullopt},
      {"wait 1200 ms", std::nullopt},
      {"timer reload 4800", std::nullopt},  // a standard number, but nothing says it is a rate
      {"baud 9600 % off", std::nullopt},
      {"PORTB bit 3", std::nullopt},
      {"BRG = 1041 for 1200 baud", 1200},  // the divisor is no rate
      {"", std::nullopt},
  };
  for (const CommentCase& c : cases) {
    EXPECT_EQ(RateInComment(c.comment), c.rate) << c.comment;
  }
}

TEST(SourceText, NamesThatStandForTheRateOrTheClock) {
  EXPECT_TRUE(RateName("BAUD_RATE"));
  EXPECT_TRUE(RateName("uart_baud"));
  EXPECT_FALSE(RateName("BAUDCON"));
  EXPECT_FALSE(RateName("BAUD_DIVISOR"));
  EXPECT_FALSE(RateName("SPBRG_BAUD_VAL"));
  // Other names only with a standard rate, and never a divisor or a clock.
  EXPECT_TRUE(RateInTheExpression("speed", 19200));
  EXPECT_FALSE(RateInTheExpression("speed", 19201));
  EXPECT_FALSE(RateInTheExpression("DIVIDER", 9600));
  EXPECT_FALSE(RateInTheExpression("FOSC", 1000000));
  EXPECT_FALSE(RateInTheExpression("FCY", 1000000));
  EXPECT_TRUE(ClockName("_XTAL_FREQ"));
  EXPECT_TRUE(ClockName("f_cpu"));
  EXPECT_FALSE(ClockName("BAUD"));
  EXPECT_TRUE(InstructionClockName("FCY"));
  EXPECT_EQ(ClockMHz(20000000), 20);
  EXPECT_EQ(ClockMHz(18.432), 18.432);
  EXPECT_EQ(ClockMHz(32768), 0.032768);
}

TEST(SourceText, BinaryOnlyForNulOrMostlyControlBytes) {
  EXPECT_FALSE(LooksBinary("// transmisi\xF3n \x96 \xB5s\nSPBRG = 25;\n"));
  EXPECT_FALSE(LooksBinary("SPBRG = 25;\f\r\n\t"));
  EXPECT_TRUE(LooksBinary(std::string("SPBRG = 25;\0", 12)));
  EXPECT_TRUE(LooksBinary("\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0eSPBRG"));
  EXPECT_FALSE(LooksBinary("\x01SPBRG = 25; // nine of ten bytes are text"));
}

TEST(SourceText, LinesWithTheirNumbersWhateverTheLineEnds) {
  std::vector<SourceLine> lines = SplitLines("a\r\nb\n\nc\rd");
  ASSERT_GE(lines.size(), 4U);
  EXPECT_EQ(lines[0].text, "a");
  EXPECT_EQ(lines[1].text, "b");
  EXPECT_EQ(lines[2].number, 3);
  EXPECT_EQ(lines.back().number, static_cast<int>(lines.size()));
}

}  // namespace
}  // namespace brg::engine
