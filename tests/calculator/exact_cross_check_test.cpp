// The engine against the exact big-integer reference, on texts and values drawn from a
// fixed-seed generator: every accepted text must read as the exact value the reading
// steps define, and every value must show exactly the text its decimal expansion gives.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "arithmetic_fault.h"
#include "exact_model.h"
#include "extended_bits.h"
#include "number_text.h"

namespace calc {
namespace {

using testing::BitsOf;
using testing::FromBits;
using testing::ModelFormat;
using testing::ModelReadValue;

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : rng_(seed) {}

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Uniform(1, 100) <= percent; }

  std::string Digits(int count) {
    std::string digits;
    const int style = Uniform(0, 3);  // random, nines, zeros with a tail, a repeated digit
    const char repeated = static_cast<char>('0' + Uniform(0, 9));
    for (int i = 0; i < count; ++i) {
      char d = static_cast<char>('0' + Uniform(0, 9));
      if (style == 1 && Chance(90)) d = '9';
      if (style == 2 && i + 2 < count) d = '0';
      if (style == 3) d = repeated;
      digits += d;
    }
    return digits;
  }

  // A text of the operand grammar, from plain decimals to the edges of the range.
  std::string OperandText() {
    std::string text;
    if (Chance(30)) text += Chance(50) ? "-" : "+";
    const int integerDigits = Uniform(0, Chance(10) ? 40 : 20);
    text += Digits(integerDigits);
    if (Chance(60)) text += "." + Digits(Uniform(0, Chance(10) ? 40 : 20));
    if (text.empty() || text == "-" || text == "+" || Chance(70)) {
      text += Chance(50) ? "e" : "E";
      if (Chance(60)) text += Chance(50) ? "-" : "+";
      const int range = Uniform(0, 3);
      const int magnitude = range == 0 ? Uniform(0, 40) : range == 1 ? Uniform(0, 5200) : Uniform(4900, 4990);
      text += std::to_string(magnitude);
    }
    return text;
  }

  long double Value() {
    const bool negative = Chance(50);
    const std::uint64_t bits = rng_();
    const int kind = Uniform(0, 3);
    if (kind == 0) {  // anywhere in the format, denormals included
      const int exponent = Uniform(-16383, 16383);
      const std::uint64_t significand = exponent == -16383 ? bits >> 1 : bits | (1ULL << 63);
      return FromBits(negative, significand, exponent == -16383 ? -16382 : exponent);
    }
    if (kind == 1) {  // where the fixed form and the form boundaries are
      return FromBits(negative, bits | (1ULL << 63), Uniform(-5, 21));
    }
    // Short decimals, many of them at or near a rounding boundary of the display.
    const std::string text = Digits(Uniform(1, 15)) + (Chance(50) ? "5" : "") + "e" + std::to_string(Uniform(-30, 30));
    const long double value = ParseOperand(text).value;
    return negative ? -value : value;
  }

 private:
  std::mt19937_64 rng_;
};

TEST(ExactCrossCheck, ReadingMatchesTheExactSteps) {
  Generator gen(20240611);
  int overflows = 0;
  for (int i = 0; i < 4000; ++i) {
    const std::string text = gen.OperandText();
    const auto expected = ModelReadValue(text);
    try {
      const ParsedOperand parsed = ParseOperand(text);
      ASSERT_EQ(parsed.status, 0) << text;
      ASSERT_TRUE(expected.has_value()) << text << " should fault";
      ASSERT_EQ(BitsOf(parsed.value), BitsOf(*expected)) << text;
    } catch (const ArithmeticFault& fault) {
      ASSERT_FALSE(expected.has_value()) << text << " faulted: " << fault.what();
      EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
      ++overflows;
    }
  }
  EXPECT_GT(overflows, 0) << "the generator should reach the overflow fault";
}

TEST(ExactCrossCheck, DisplayMatchesTheExactDecimalExpansion) {
  Generator gen(77);
  for (int i = 0; i < 4000; ++i) {
    const long double value = gen.Value();
    ASSERT_EQ(FormatResult(value), ModelFormat(value)) << BitsOf(value);
  }
}

// Every value text except the infinite ones reads back as the number it shows; the
// largest magnitudes round above the largest extended value and fault instead.
TEST(ExactCrossCheck, EveryValueTextReadsBackAsTheNumberItShows) {
  Generator gen(5);
  const long double largestReadable = ParseOperand("1.18973149535E+4932").value;
  for (int i = 0; i < 4000; ++i) {
    const long double value = gen.Value();
    const std::string text = FormatResult(value);
    if (std::fabs(value) > largestReadable) {
      EXPECT_THROW(ParseOperand(text), ArithmeticFault) << text;
      continue;
    }
    const ParsedOperand parsed = ParseOperand(text);
    ASSERT_EQ(parsed.status, 0) << text;
    ASSERT_EQ(BitsOf(parsed.value), BitsOf(*ModelReadValue(parsed.text))) << text;
    // Shown again, the number read gives a text that reads as the same number (the text
    // itself may change form: « 1.00000000000E-01» reads as the value shown «0.100000000000»).
    ASSERT_EQ(BitsOf(ParseOperand(FormatResult(parsed.value)).value), BitsOf(parsed.value)) << text;
  }
  EXPECT_EQ(ParseOperand(FormatResult(std::numeric_limits<long double>::infinity())).status, 2);  // «+Inf» trimmed: «I» is refused
  EXPECT_EQ(ParseOperand(FormatResult(-std::numeric_limits<long double>::infinity())).status, 2);  // «+Inf» trimmed: «I» is refused
}

}  // namespace
}  // namespace calc
