#include "angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "arithmetic_fault.h"
#include "constants.h"
#include "extended_bits.h"
#include "fake_calc_window.h"
#include "number_text.h"
#include "operation_table.h"

namespace calc {
namespace {

using namespace calc::testing;

class ReadAngleTest : public ::testing::Test {
 protected:
  FakeCalcWindow window;
  Calculator calc{window};

  long double Read(int measure, const std::string& text) {
    window.Type(Register::X, text);
    window.SelectAngleIndex(measure);
    long double value = -12345;
    std::int32_t status = -1;
    ReadAngle(calc, value, status);
    EXPECT_EQ(status, 0) << text;
    EXPECT_EQ(window.Journal().back(), "x=" + text) << "the echo shows the text as typed";
    return value;
  }
};

long double Parsed(const std::string& text) { return ParseOperand(text).value; }

TEST_F(ReadAngleTest, ConvertsDegreesAndRemovesWholeTurns) {
  struct Case {
    int measure;
    std::string text;
    long double expected;
  };
  // Ties of the turn count: these texts read as values whose quotient by the
  // full turn is exactly 2.5 and 3.5.
  const std::string twoAndHalfTurns = "15.7079632679489661923472";
  const std::string threeAndHalfTurns = "21.99114857512855266893914";
  ASSERT_EQ(Parsed(twoAndHalfTurns) / FullTurn, 2.5L);
  ASSERT_EQ(Parsed(threeAndHalfTurns) / FullTurn, 3.5L);
  const Case cases[] = {
      {Radians, "6.28", 6.28L},  // at most one turn: unchanged
      {Radians, "7", 7 - FullTurn},
      {Radians, "-7", -(7 - FullTurn)},
      {Radians, "10", 10 - 2 * FullTurn},  // 1.59 turns round to 2
      {Radians, "-0", 0},
      {Degrees, "30", 30 * DegreeFactor},
      {Degrees, "390", 390 * DegreeFactor - FullTurn},
      {2, "7", 7 - FullTurn},  // any index but 1 is radians
      {Radians, twoAndHalfTurns, Parsed(twoAndHalfTurns) - 2 * FullTurn},
      {Radians, threeAndHalfTurns, Parsed(threeAndHalfTurns) - 4 * FullTurn},
      // Counts of 2^31 turns and more are kept whole, not wrapped to 32 bits.
      {Radians, "1e11", 1e11L - 15915494309.0L * FullTurn},
      {Degrees, "-1e15", -(Parsed("1e15") * DegreeFactor - 2777777777778.0L * FullTurn)},
  };
  for (const Case& c : cases) {
    const long double angle = Read(c.measure, c.text);
    EXPECT_EQ(BitsOf(angle), BitsOf(c.expected)) << c.text;
  }
}

// Near 2^63 turns the angle's own spacing exceeds π, so "within half a turn"
// holds only up to that rounding; a wrapped 32-bit count would leave billions of turns.
TEST_F(ReadAngleTest, EveryAngleBelow2To63TurnsIsReducedInFull) {
  for (const char* text : {"1e11", "-3.3e15", "1e18"}) {
    EXPECT_LE(std::fabs(Read(Radians, text)), std::numbers::pi_v<long double>) << text;
  }
  for (const char* text : {"5.7e19", "-5.79e19"}) {
    EXPECT_LT(std::fabs(Read(Radians, text)), FullTurn) << text;
  }
  EXPECT_LT(std::fabs(Read(Degrees, "3.3e21")), FullTurn);
}

TEST_F(ReadAngleTest, InfiniteAnglesAndTooManyTurnsAreInvalid) {
  const struct {
    int measure;
    const char* text;
  } cases[] = {{Radians, "1e20"}, {Radians, "-6e19"}, {Degrees, "3.4e21"},
               {Radians, "1e5120"}, {Degrees, "-1e5120"}, {Radians, "1e4932"}};
  for (const auto& c : cases) {
    window.Type(Register::X, c.text);
    window.SelectAngleIndex(c.measure);
    long double value = 0;
    std::int32_t status = -1;
    try {
      ReadAngle(calc, value, status);
      ADD_FAILURE() << c.text << " did not fault";
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.Kind(), FaultKind::InvalidOperation) << c.text;
    }
    EXPECT_EQ(window.Journal().back(), std::string("x=") + c.text);
  }
}

TEST_F(ReadAngleTest, RefusedTextGivesItsStatus) {
  window.Type(Register::X, "1,5,3");
  long double value = 0;
  std::int32_t status = 0;
  ReadAngle(calc, value, status);
  EXPECT_NE(status, 0);
  EXPECT_EQ(window.Text(Register::X), "1,5,3 Błąd");
  EXPECT_TRUE(window.Journal().empty());
}

}  // namespace
}  // namespace calc
