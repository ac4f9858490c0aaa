// Doubles to text and back: the forms every build uses against what they must give, and the
// portable forms of the WebAssembly build against the standard library's over many values, so
// that the two builds write and read every number alike.
#include "core/float_chars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace brg {
namespace {

struct TextRow {
  double value;
  std::string fixed3;
  std::string scientific14;
  std::string shortest;
};

void PrintTo(const TextRow& row, std::ostream* out) {
  *out << row.shortest;
}

class FloatTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(FloatTextTest, BothFormsWriteAsTheStandardDoes) {
  const TextRow& row = GetParam();
  for (auto* fixed : {&FixedText, &portable::FixedText}) {
    EXPECT_EQ(fixed(row.value, 3), row.fixed3);
  }
  for (auto* scientific : {&ScientificText, &portable::ScientificText}) {
    EXPECT_EQ(scientific(row.value, 14), row.scientific14);
  }
  for (auto* shortest : {&ShortestText, &portable::ShortestText}) {
    EXPECT_EQ(shortest(row.value), row.shortest);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, FloatTextTest,
    testing::Values(
        TextRow{9600, "9600.000", "9.60000000000000e+03", "9600"},
        TextRow{0.1, "0.100", "1.00000000000000e-01", "0.1"},
        TextRow{104.1666666666666, "104.167", "1.04166666666667e+02", "104.1666666666666"},
        TextRow{0.0625, "0.062", "6.25000000000000e-02", "0.0625"},  // a tie rounds to even
        TextRow{0.0005, "0.001", "5.00000000000000e-04", "5e-04"},   // 0.0005 is just above
        TextRow{-2.5, "-2.500", "-2.50000000000000e+00", "-2.5"},
        TextRow{0, "0.000", "0.00000000000000e+00", "0"},
        TextRow{100000, "100000.000", "1.00000000000000e+05", "1e+05"},
        TextRow{123456, "123456.000", "1.23456000000000e+05", "123456"},
        TextRow{1.7433745265184057e20, "174337452651840569344.000", "1.74337452651841e+20",
                "174337452651840569344"},  // a whole number: every digit, the nearest
        TextRow{1e22, "10000000000000000000000.000", "1.00000000000000e+22", "1e+22"},
        TextRow{1.5e-7, "0.000", "1.50000000000000e-07", "1.5e-07"},
        TextRow{0.001, "0.001", "1.00000000000000e-03", "0.001"},
        TextRow{5e-324, "0.000", "4.94065645841247e-324", "5e-324"},
        TextRow{std::numeric_limits<double>::max(),
                "179769313486231570814527423731704356798070567525844996598917476803157260780028538"
                "760589558632766878171540458953514382464234321326889464182768467546703537516986049"
                "910576551282076245490090389328944075868508455133942304583236903222948165808559332"
                "123348274797826204144723168738177180919299881250404026184124858368.000",
                "1.79769313486232e+308", "1.7976931348623157e+308"}));

struct ReadRow {
  std::string text;
  double value;
  std::size_t used;
  bool outOfRange;
};

void PrintTo(const ReadRow& row, std::ostream* out) {
  *out << row.text;
}

class FloatReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(FloatReadTest, BothFormsReadAsTheStandardDoes) {
  const ReadRow& row = GetParam();
  for (auto* read : {&ReadDecimal, &portable::ReadDecimal}) {
    ReadDouble got = read(row.text);
    EXPECT_EQ(got.used, row.used);
    EXPECT_EQ(got.outOfRange, row.outOfRange);
    if (row.used > 0) {
      EXPECT_EQ(got.value, row.value);
      EXPECT_EQ(std::signbit(got.value), std::signbit(row.value));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FloatReadTest,
    testing::Values(
        ReadRow{"3.6864", 3.6864, 6, false}, ReadRow{"9600 baud", 9600, 4, false},
        ReadRow{".5", 0.5, 2, false}, ReadRow{"5.", 5, 2, false}, ReadRow{"-0", -0.0, 2, false},
        ReadRow{"1e3x", 1000, 3, false}, ReadRow{"1e", 1, 1, false}, ReadRow{"1e+", 1, 1, false},
        ReadRow{"2E-2", 0.02, 4, false}, ReadRow{"0x10", 0, 1, false}, ReadRow{"", 0, 0, false},
        ReadRow{".", 0, 0, false}, ReadRow{"-", 0, 0, false}, ReadRow{"+1", 0, 0, false},
        ReadRow{" 1", 0, 0, false}, ReadRow{"inf", 0, 0, false}, ReadRow{"nan", 0, 0, false},
        ReadRow{"1e400", 0, 5, true}, ReadRow{"-1e400", 0, 6, true}, ReadRow{"1e-400", 0, 6, true},
        ReadRow{"0e-400", 0, 6, false}, ReadRow{"4.9e-324", 5e-324, 8, false},
        ReadRow{"0.1000000000000000055511151231257827", 0.1, 36, false},
        ReadRow{"2e308", 0, 5, true}));

// Random doubles of every magnitude: the portable forms give the standard's texts and read
// them back to the same double.
TEST(PortableFloatChars, AgreeWithTheStandardOverManyValues) {
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
      continue;
    }
    if (i % 2 == 0) {  // also values near the rates and clocks people type
      value = std::ldexp(static_cast<double>(bits >> 11), -static_cast<int>(bits % 60));
    }
    SCOPED_TRACE(ShortestText(value));
    ASSERT_EQ(portable::ShortestText(value), ShortestText(value));
    ASSERT_EQ(portable::ScientificText(value, 14), ScientificText(value, 14));
    if (std::fabs(value) < 1e30) {
      ASSERT_EQ(portable::FixedText(value, 6), FixedText(value, 6));
    }
    ReadDouble read = portable::ReadDecimal(ShortestText(value));
    ASSERT_EQ(read.value, value);
    ASSERT_FALSE(read.outOfRange);
  }
}

}  // namespace
}  // namespace brg
