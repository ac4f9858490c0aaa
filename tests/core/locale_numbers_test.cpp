// Plain numbers in the user's separators, and the bit time, at their edges.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/bit_time.h"
#include "core/locale_numbers.h"

namespace brg {
namespace {

const Separators kC{",", "."};
const Separators kGerman{".", ","};

struct NumberCase {
  const char* name;
  std::string plain;
  Separators separators;
  const char* decimal;  // LocaleDecimal
  const char* grouped;  // LocaleNumber
};

void PrintTo(const NumberCase& row, std::ostream* out) {
  *out << row.name;
}

class LocaleNumbersTest : public testing::TestWithParam<NumberCase> {};

TEST_P(LocaleNumbersTest, SwapsTheSeparatorsOnly) {
  const NumberCase& row = GetParam();
  EXPECT_EQ(LocaleDecimal(row.plain, row.separators), row.decimal);
  EXPECT_EQ(LocaleNumber(row.plain, row.separators), row.grouped);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LocaleNumbersTest,
    testing::Values(NumberCase{"Whole", "16", kGerman, "16", "16"},
                    NumberCase{"ThreeDigits", "300", kGerman, "300", "300"},
                    NumberCase{"FourDigits", "9600", kGerman, "9600", "9.600"},
                    NumberCase{"SixDigits", "115200", kC, "115200", "115,200"},
                    NumberCase{"SevenDigits", "5000000", kC, "5000000", "5,000,000"},
                    NumberCase{"Decimals", "3.6864", kGerman, "3,6864", "3,6864"},
                    NumberCase{"GroupedWithDecimals", "9600.5", kGerman, "9600,5", "9.600,5"},
                    NumberCase{"LongDecimalsUngrouped", "0.0001234", kC, "0.0001234", "0.0001234"},
                    NumberCase{"Empty", "", kC, "", ""}),
    [](const testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

struct NameCase {
  const char* name;
  const char* text;
  Separators separators;
  const char* shown;
};

void PrintTo(const NameCase& row, std::ostream* out) {
  *out << row.name;
}

class DecimalsInTextTest : public testing::TestWithParam<NameCase> {};

TEST_P(DecimalsInTextTest, OnlyPointsBetweenDigits) {
  EXPECT_EQ(LocaleDecimalsIn(GetParam().text, GetParam().separators), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    ClockNames, DecimalsInTextTest,
    testing::Values(
        NameCase{"Crystal", "18.432", kGerman, "18,432"},
        NameCase{"CrystalWithPll", "4.9152 x4 PLL", kGerman, "4,9152 x4 PLL"},
        NameCase{"TwoNumbers", "internal 0.031 or 7.3728", kGerman, "internal 0,031 or 7,3728"},
        NameCase{"WholeNumbersStay", "PLL 48 (4-24 MHz crystal)", kGerman,
                 "PLL 48 (4-24 MHz crystal)"},
        NameCase{"NoGrouping", "18432.5", kGerman, "18432,5"},
        NameCase{"PeriodsNotBetweenDigits", ".5 x4. 16. end.", kGerman, ".5 x4. 16. end."},
        NameCase{"CLocaleUnchanged", "3.6864 x4 PLL", kC, "3.6864 x4 PLL"},
        NameCase{"Empty", "", kGerman, ""}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

struct BitTimeCase {
  const char* name;
  double baud;
  Separators separators;
  const char* text;
};

void PrintTo(const BitTimeCase& row, std::ostream* out) {
  *out << row.name;
}

class BitTimeTest : public testing::TestWithParam<BitTimeCase> {};

TEST_P(BitTimeTest, MicrosecondsToThreeDecimals) {
  EXPECT_EQ(FormatBitTime(GetParam().baud, GetParam().separators), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    BitTimes, BitTimeTest,
    testing::Values(BitTimeCase{"NineThousandSixHundred", 9600, kC, "104.167"},
                    BitTimeCase{"RealRateOf16Over4", 16e6 / 140, kGerman, "8,750"},
                    BitTimeCase{"ExactMegabaud", 1e6, kC, "1.000"},
                    BitTimeCase{"OneBaudGroupsThousands", 1, kGerman, "1.000.000,000"},
                    BitTimeCase{"RoundsTheLastDecimalUp", 7, kC, "142,857.143"},
                    BitTimeCase{"Zero", 0, kC, ""}, BitTimeCase{"Negative", -9600, kC, ""},
                    BitTimeCase{"NotFinite", std::numeric_limits<double>::infinity(), kC, ""}),
    [](const testing::TestParamInfo<BitTimeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brg
