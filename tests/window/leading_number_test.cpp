// Reading numbers from entry texts: the leading-number rule, its overflow and its speed class.
#include "window/leading_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "window/window_failure.h"

namespace brg {
namespace {

struct ReadCase {
  std::string text;
  double value;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
  *out << '"' << c.text << '"';
}

class LeadingNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    testing::Values(
        ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{".", 0}, ReadCase{"-", 0}, ReadCase{"+", 0},
        ReadCase{"e5", 0}, ReadCase{"E", 0}, ReadCase{"-5", -5}, ReadCase{"+5", 5},
        ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"  20", 20}, ReadCase{"2 0", 20},
        ReadCase{"1 843 200", 1843200}, ReadCase{"4.9152", 4.9152}, ReadCase{"4,9152", 4},
        ReadCase{"1,8432", 1}, ReadCase{"1e3", 1000}, ReadCase{"1D3", 1000},
        ReadCase{"1d-3", 0.001}, ReadCase{"1E+3x", 1000}, ReadCase{"12E", 12}, ReadCase{"12E+", 12},
        ReadCase{"12e-", 12}, ReadCase{"&H20", 32}, ReadCase{"&hffff", -1},
        ReadCase{"&H8000", -32768}, ReadCase{"&H7FFF", 32767}, ReadCase{"&H10000", 65536},
        ReadCase{"&HFFFFFFFF", -1}, ReadCase{"&H80000000", -2147483648.0}, ReadCase{"&H", 0},
        ReadCase{"&Hxyz", 0}, ReadCase{"&O17", 15}, ReadCase{"&o8", 0}, ReadCase{"&o177777", -1},
        ReadCase{"& H 1 0", 16}, ReadCase{"&5", 0}, ReadCase{"9600baud", 9600},
        ReadCase{"115200 bauds", 115200}, ReadCase{"20MHz", 20}, ReadCase{"\t4\n8", 48},
        ReadCase{"4\r8", 4}, ReadCase{"1.2.3", 1.2}, ReadCase{"--5", 0}, ReadCase{"$5", 0},
        ReadCase{"0.1", 0.1}, ReadCase{"-0", 0}, ReadCase{"0.30000000000000001665", 0.3},
        ReadCase{"0.30000000000000001666", 0.30000000000000004},
        ReadCase{"9007199254740993", 9007199254740992.0},
        ReadCase{"9007199254740993.0000000000000000001", 9007199254740994.0}, ReadCase{"1e-400", 0},
        ReadCase{"-1e-400", 0}, ReadCase{"1.7976931348623157e308", 1.7976931348623157e308}),
    [](const testing::TestParamInfo<ReadCase>& info) {
      return "row" + std::to_string(info.index);
    });

TEST(LeadingNumber, SubnormalIsNoFailure) {
  EXPECT_EQ(LeadingNumber("1e-310"), 1e-310);
  EXPECT_EQ(LeadingNumber("4.9e-324"), 4.9406564584124654e-324);
}

TEST(LeadingNumber, IgnoresTheLocaleDecimalSeparator) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  // Whether or not a comma locale is installed here, the period stays the separator.
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(LeadingNumber("4.9152"), 4.9152);
  EXPECT_EQ(LeadingNumber("4,9152"), 4);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

struct OverflowCase {
  std::string text;
  bool negative;
};

TEST(LeadingNumber, OverflowFailsWithTheSignOfTheNumber) {
  for (const OverflowCase& c : {OverflowCase{"1e999", false},
                                {"-1e999", true},
                                {"1.8e308", false},
                                {"-2e308", true},
                                {"1e99999999999999999999", false},
                                {"&H100000000", false},
                                {"&O40000000000", false},
                                {"0.0000001e316", false},
                                {std::string(400, '9'), false}}) {
    try {
      LeadingNumber(c.text);
      ADD_FAILURE() << c.text << " did not overflow";
    } catch (const NumberOverflow& overflow) {
      EXPECT_EQ(overflow.negative(), c.negative) << c.text;
    }
  }
}

TEST(LeadingNumber, LongTextsAreReadWhole) {
  std::string digits = "1" + std::string(1 << 20, '0');
  EXPECT_THROW(LeadingNumber(digits), NumberOverflow);
  std::string fraction = "0." + std::string(1 << 20, '0') + "1";
  EXPECT_EQ(LeadingNumber(fraction), 0);
  std::string hexZeros = "&H" + std::string(100000, '0') + "1F";
  EXPECT_EQ(LeadingNumber(hexZeros), 31);
  std::string hexDigits = "&H" + std::string(100000, 'F');
  EXPECT_THROW(LeadingNumber(hexDigits), NumberOverflow);
  std::string spaced;
  for (int i = 0; i < 100000; ++i) {
    spaced += i == 0 ? "4 " : "  ";
  }
  EXPECT_EQ(LeadingNumber(spaced + "8"), 48);
  std::string tail = "9600" + std::string(1 << 20, 'x');
  EXPECT_EQ(LeadingNumber(tail), 9600);
}

}  // namespace
}  // namespace brg
