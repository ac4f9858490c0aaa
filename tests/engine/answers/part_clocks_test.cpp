// The clocks a clock search tries for a part: none above its maximum, and the shipped list
// where the engine knows no limits.
#include "engine/answers/part_clocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace brg::engine {
namespace {

struct ClocksCase {
  const char* name;
  std::string part;
  double highestMHz;  // the largest clock tried
  bool shipped;       // the shipped list, for want of the part's limits
};

void PrintTo(const ClocksCase& row, std::ostream* out) {
  *out << row.name;
}

class PartClocksTest : public testing::TestWithParam<ClocksCase> {};

TEST_P(PartClocksTest, WithinWhatThePartRuns) {
  const ClocksCase& row = GetParam();
  PartProfile part = row.part.empty() ? ClassicProfile() : ReadPartProfile(row.part);
  std::vector<Clock> clocks = ClocksToTry(part);
  ASSERT_FALSE(clocks.empty());
  double highest =
      std::max_element(clocks.begin(), clocks.end(), [](const Clock& a, const Clock& b) {
        return a.mhz < b.mhz;
      })->mhz;
  EXPECT_EQ(highest, row.highestMHz);
  EXPECT_EQ(clocks.size() == ShippedClocks().size(), row.shipped);
}

INSTANTIATE_TEST_SUITE_P(Parts, PartClocksTest,
                         testing::Values(ClocksCase{"NoPart", "", 64, true},
                                         ClocksCase{"Pic16F1829", "16F1829", 32, false},
                                         ClocksCase{"Pic16F877A", "16F877A", 20, false},
                                         ClocksCase{"Pic18F47Q43", "PIC18F47Q43", 64, false}),
                         [](const testing::TestParamInfo<ClocksCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace brg::engine
