#include <gtest/gtest.h>
#include "core/brg_arithmetic.h"
TEST(Placeholder, Builds) { EXPECT_EQ(brg::EstimateSpbrg(4, 9600, true), 25); }
