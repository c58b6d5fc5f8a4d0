#include "power.h"

#include <gtest/gtest.h>

namespace calc {
namespace {

// Whole exponents go by repeated squaring with a rounding at each product and
// one final reciprocal, not through logarithms.
TEST(RaiseToPower, WholeExponentsRoundEachProductOnly) {
  struct Case {
    long double base, exponent, expected;
  };
  const Case cases[] = {
      {3, 40, 12157665459056928801.0L},  // every partial power is exact
      {10, -2, 1.0L / 100},              // 1/(10·10), rounded once
      {10, 27, 1e27L},                   // 10^27 is exact in 64 bits; so is each partial power
      {1, 2147483647, 1},
      {0.5L, -3, 8},
      {0, -0.0L, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RaiseToPower(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
  }
}

}  // namespace
}  // namespace calc
