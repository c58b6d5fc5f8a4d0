#include "constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "extended_bits.h"

namespace calc {
namespace {

using testing::BitsOf;
using testing::ExtendedBits;

TEST(Constants, HoldExactlyTheirBits) {
  struct Case {
    const char* name;
    long double value;
    ExtendedBits bits;
  };
  const Case cases[] = {
      {"degree factor", DegreeFactor, {false, 0x8EFA351294E9C8AE, -6}},
      {"full turn", FullTurn, {false, 0xC90FDAA22168C235, 2}},
      {"radian factor", RadianFactor, {false, 0xE52EE0D31E0FBDC3, 5}},
      {"square limit", SquareLimit, {false, 0xF61A262F55225307, 8171}},
      {"logarithm floor", LogarithmFloor, {false, 3, -16382}},  // 3 × 2^-16445, a denormal
      {"exponential limit", ExponentialLimit, {false, 0xB172000000000000, 13}},
  };
  for (const Case& c : cases) EXPECT_EQ(BitsOf(c.value), c.bits) << c.name;
}

// The decimal descriptions agree with the bits (strtold rounds correctly).
TEST(Constants, AreTheNearestToWhatTheyStandFor) {
  EXPECT_EQ(DegreeFactor, std::strtold("0.01745329251994329576923690768488612713", nullptr));
  EXPECT_EQ(FullTurn, std::strtold("6.28318530717958647692528676655900576839", nullptr));
  EXPECT_EQ(RadianFactor, std::strtold("57.2957795130823208767981548141051703324", nullptr));
  EXPECT_EQ(LogarithmFloor, std::strtold("1e-4950", nullptr));
  EXPECT_EQ(std::nextafter(SquareLimit, HUGE_VALL), std::strtold("1e2460", nullptr));
  EXPECT_EQ(PiText.size(), 22U);
}

}  // namespace
}  // namespace calc
