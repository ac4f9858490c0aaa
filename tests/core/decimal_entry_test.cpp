// Numbers typed into entry boxes: the period everywhere, the locale's decimal point besides,
// and nothing that only begins with a number.
#include "core/decimal_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brg {
namespace {

const Separators kC{",", "."};
const Separators kGerman{".", ","};
const Separators kFrench{"\u202F", ","};

struct EntryCase {
  const char* name;
  std::string text;
  Separators separators;
  std::optional<double> value;
  const char* plain;
  EntryProblem problem;
};

void PrintTo(const EntryCase& row, std::ostream* out) {
  *out << row.name;
}

class DecimalEntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(DecimalEntryTest, ReadsTheWholeTextOrNothing) {
  const EntryCase& row = GetParam();
  DecimalEntry entry = ReadDecimalEntry(row.text, row.separators);
  EXPECT_EQ(entry.problem, row.problem);
  EXPECT_EQ(entry.value, row.value);
  EXPECT_EQ(entry.plain, row.plain);
}

constexpr auto kNone = EntryProblem::None;
constexpr auto kNaN = EntryProblem::NotANumber;
constexpr auto kGrouped = EntryProblem::Grouped;
constexpr auto kEmpty = EntryProblem::Empty;

INSTANTIATE_TEST_SUITE_P(
    Entries, DecimalEntryTest,
    testing::Values(
        EntryCase{"Period", "3.6864", kC, 3.6864, "3.6864", kNone},
        EntryCase{"CommaUnderGerman", "3,6864", kGerman, 3.6864, "3.6864", kNone},
        EntryCase{"PeriodUnderGerman", "3.6864", kGerman, 3.6864, "3.6864", kNone},
        EntryCase{"CommaUnderFrench", "18,432", kFrench, 18.432, "18.432", kNone},
        EntryCase{"Whole", "16", kC, 16, "16", kNone},
        EntryCase{"BlanksAround", " \t16 ", kC, 16, "16", kNone},
        EntryCase{"LeadingPoint", ",5", kGerman, 0.5, ".5", kNone},
        EntryCase{"TrailingPoint", "5.", kC, 5, "5.", kNone},
        EntryCase{"ThreeDecimalsWhereThePeriodIsNoGroup", "3.686", kC, 3.686, "3.686", kNone},
        EntryCase{"CommaUnderC", "3,6864", kC, std::nullopt, "", kNaN},
        EntryCase{"Unit", "16 MHz", kC, std::nullopt, "", kNaN},
        EntryCase{"UnitWithoutBlank", "16MHz", kGerman, std::nullopt, "", kNaN},
        EntryCase{"TwoCommas", "1,6,0", kGerman, std::nullopt, "", kNaN},
        EntryCase{"CommaAndPeriod", "1,6.0", kGerman, std::nullopt, "", kNaN},
        EntryCase{"Hexadecimal", "0x10", kC, std::nullopt, "", kNaN},
        EntryCase{"Exponent", "1e3", kC, std::nullopt, "", kNaN},
        EntryCase{"Minus", "-4", kC, std::nullopt, "", kNaN},
        EntryCase{"Plus", "+4", kC, std::nullopt, "", kNaN},
        EntryCase{"Infinity", "inf", kC, std::nullopt, "", kNaN},
        EntryCase{"PointAlone", ".", kC, std::nullopt, "", kNaN},
        EntryCase{"BlankInside", "1 6", kC, std::nullopt, "", kNaN},
        EntryCase{"Empty", "", kC, std::nullopt, "", kEmpty},
        EntryCase{"BlanksOnly", "  ", kGerman, std::nullopt, "", kEmpty},
        EntryCase{"ThousandsUnderC", "9,600", kC, std::nullopt, "", kGrouped},
        EntryCase{"ThousandsWithDecimalsUnderC", "1,000.5", kC, std::nullopt, "", kGrouped},
        EntryCase{"PeriodThatMayGroupUnderGerman", "115.200", kGerman, std::nullopt, "", kGrouped},
        EntryCase{"ThreeDecimalsWhereThePeriodGroups", "3.686", kGerman, std::nullopt, "",
                  kGrouped},
        EntryCase{"MillionsUnderGerman", "1.000.000", kGerman, std::nullopt, "", kGrouped},
        EntryCase{"CommaThousandsUnderGerman", "9,600,000", kGerman, std::nullopt, "", kGrouped},
        EntryCase{"NarrowBlankThousands", "9\u202F600", kFrench, std::nullopt, "", kGrouped},
        EntryCase{"FourDigitsAfterAGroupingPeriod", "1.0000", kGerman, 1.0, "1.0000", kNone}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brg
