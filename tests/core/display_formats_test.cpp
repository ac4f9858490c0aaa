// The display formats of the real baud rate and the error, with several locales' separators.
#include "core/display_formats.h"

#include <gtest/gtest.h>

#include <string>

namespace brg {
namespace {

const Separators kEnglish{",", "."};
const Separators kGerman{".", ","};
const Separators kSwiss{"'", "."};
const Separators kFrench{"\u202f", ","};

struct FormatCase {
  double value;
  std::string text;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
  *out << c.value << " -> " << c.text;
}

class BaudRateFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(BaudRateFormatTest, RoundsHalfAwayAndGroupsByThrees) {
  EXPECT_EQ(FormatBaudRate(GetParam().value, kEnglish), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BaudRateFormatTest,
    testing::Values(
        FormatCase{9615.3846, "9,615"}, FormatCase{4882.8125, "4,883"}, FormatCase{62500, "62,500"},
        FormatCase{300.12, "300"}, FormatCase{1234567.5, "1,234,568"}, FormatCase{0.4, ""},
        FormatCase{0, ""}, FormatCase{-0.4, ""}, FormatCase{0.5, "1"}, FormatCase{-0.5, "-1"},
        FormatCase{2.5, "3"}, FormatCase{999.5, "1,000"}, FormatCase{-1234.4, "-1,234"},
        FormatCase{1220.703125, "1,221"}, FormatCase{250000, "250,000"},
        FormatCase{1e12, "1,000,000,000,000"}, FormatCase{1e21, "1,000,000,000,000,000,000,000"},
        FormatCase{1234567.4999999999, "1,234,568"}, FormatCase{0.49999999999999994, "1"}),
    [](const testing::TestParamInfo<FormatCase>& info) {
      return "row" + std::to_string(info.index);
    });

class ErrorFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(ErrorFormatTest, ShowsOneToThreeDecimalsOfThePercentage) {
  EXPECT_EQ(FormatErrorPercent(GetParam().value, kEnglish), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ErrorFormatTest,
    testing::Values(FormatCase{0.0016026, "0.16%"}, FormatCase{-0.0699405, "-6.994%"},
                    FormatCase{0, "0.0%"}, FormatCase{3.0690104, "306.901%"},
                    FormatCase{-0.4574653, "-45.747%"}, FormatCase{-0.1, "-10.0%"},
                    FormatCase{0.75, "75.0%"}, FormatCase{8.765625, "876.563%"},
                    FormatCase{-8.765625, "-876.563%"}, FormatCase{0.1, "10.0%"},
                    FormatCase{0.0416667, "4.167%"}, FormatCase{-0.0354938, "-3.549%"},
                    FormatCase{0.00064041, "0.064%"}, FormatCase{-0.00031990, "-0.032%"},
                    FormatCase{0.0172526, "1.725%"}, FormatCase{-0.000003, "0.0%"},
                    FormatCase{0.000003, "0.0%"}, FormatCase{0.000005, "0.001%"},
                    FormatCase{-0.000005, "-0.001%"}, FormatCase{0.0000049, "0.0%"},
                    FormatCase{0.99999, "99.999%"}, FormatCase{-0.00999951, "-1.0%"},
                    FormatCase{9.9999951, "1000.0%"}, FormatCase{-0.5, "-50.0%"},
                    FormatCase{0.0172526, "1.725%"}, FormatCase{1e10, "1000000000000.0%"},
                    // Ties as read to 15 digits, although their doubles lie just below them.
                    FormatCase{0.097275, "9.728%"}, FormatCase{-0.234625, "-23.463%"},
                    FormatCase{0.0000005, "0.0%"}, FormatCase{0.00005, "0.005%"}),
    [](const testing::TestParamInfo<FormatCase>& info) {
      return "row" + std::to_string(info.index);
    });

TEST(DisplayFormats, FollowTheSeparatorsOfTheLocale) {
  EXPECT_EQ(FormatBaudRate(1234567.5, kGerman), "1.234.568");
  EXPECT_EQ(FormatErrorPercent(-0.0699405, kGerman), "-6,994%");
  EXPECT_EQ(FormatBaudRate(9615.3846, kSwiss), "9'615");
  EXPECT_EQ(FormatErrorPercent(0.0016026, kSwiss), "0.16%");
  EXPECT_EQ(FormatBaudRate(62500, kFrench), "62\u202f500");
  EXPECT_EQ(FormatErrorPercent(3.0690104, kFrench), "306,901%");
  // No grouping in the percentage, whatever its size.
  EXPECT_EQ(FormatErrorPercent(12.345678, kGerman), "1234,568%");
}

TEST(DisplayFormats, SpbrgIsPlainDecimal) {
  EXPECT_EQ(FormatSpbrg(25), "25");
  EXPECT_EQ(FormatSpbrg(1041), "1041");
  EXPECT_EQ(FormatSpbrg(-1), "-1");
  EXPECT_EQ(FormatSpbrg(-2147483647 - 1), "-2147483648");
}

}  // namespace
}  // namespace brg
