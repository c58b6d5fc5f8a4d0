#include "power_of_ten.h"

#include <gtest/gtest.h>

#include "big_uint.h"
#include "exact_model.h"
#include "extended_bits.h"

namespace calc {
namespace {

using testing::BigUint;
using testing::BitsOf;
using testing::ExtendedBits;
using testing::RoundToExtended;

ExtendedBits Nearest(int k) { return *RoundToExtended(BigUint::PowerOfTen(k), BigUint(1), 0); }

TEST(PowerOfTenTables, EveryEntryIsTheNearestExtendedValue) {
  for (int i = 0; i < 32; ++i) EXPECT_EQ(BitsOf(PowersOfTenUnits[i]), Nearest(i)) << "1e" << i;
  for (int j = 0; j < 16; ++j) EXPECT_EQ(BitsOf(PowersOfTenThirtySeconds[j]), Nearest(32 * j)) << "1e" << 32 * j;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(BitsOf(PowersOfTenFiveTwelfths[i]), Nearest(512 * i)) << "1e" << 512 * i;
}

// A few entries by their bits, independent of the big-integer reference.
TEST(PowerOfTenTables, KnownBits) {
  EXPECT_EQ(BitsOf(PowersOfTenUnits[19]), (ExtendedBits{false, 0x8AC7230489E80000ULL, 63}));  // exact
  EXPECT_EQ(BitsOf(PowersOfTenUnits[28]), (ExtendedBits{false, 0x813F3978F8940984ULL, 93}));  // first inexact
  EXPECT_EQ(BitsOf(PowersOfTenThirtySeconds[1]), (ExtendedBits{false, 0x9DC5ADA82B70B59EULL, 106}));
  EXPECT_EQ(BitsOf(PowersOfTenFiveTwelfths[9]), (ExtendedBits{false, 0xAE3511626ED559F0ULL, 15307}));
  // The extended value nearest to 10^2460, one unit above what «1e2460» reads as.
  EXPECT_EQ(Nearest(2460), (ExtendedBits{false, 0xF61A262F55225308ULL, 8171}));
}

TEST(ScaleByPowerOfTen, AppliesTheThreeStepsInOrder) {
  // 10^4932 = 10^4 · 10^320 · 10^4608, each step rounded.
  const long double expected = (1.0L * PowersOfTenUnits[4] * PowersOfTenThirtySeconds[10]) * PowersOfTenFiveTwelfths[9];
  EXPECT_EQ(BitsOf(ScaleByPowerOfTen(1.0L, 4932)), BitsOf(expected));
  const long double down = ((3.0L / PowersOfTenUnits[7]) / PowersOfTenThirtySeconds[15]) / PowersOfTenFiveTwelfths[1];
  EXPECT_EQ(BitsOf(ScaleByPowerOfTen(3.0L, -(7 + 32 * 15 + 512))), BitsOf(down));
  EXPECT_EQ(ScaleByPowerOfTen(5.0L, 0), 5.0L);
}

}  // namespace
}  // namespace calc
