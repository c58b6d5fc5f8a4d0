#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "arithmetic_fault.h"
#include "extended_bits.h"
#include "number_text.h"

namespace calc {
namespace {

using testing::BitsOf;
using testing::ExtendedBits;

constexpr long double kInf = std::numeric_limits<long double>::infinity();

// Texts of at most 19 digits scaled by at most 10^27 take a single rounding, so their
// value is the nearest extended value, which is what the compiler makes of the literal.
TEST(ParseOperand, AcceptedTextsAndTheirValues) {
  struct Case {
    const char* raw;
    const char* cleaned;
    long double value;
  };
  const Case cases[] = {
      {"", "0", 0.0L},
      {" \t\r\n ", "0", 0.0L},
      {"  2,5  ", "2.5", 2.5L},
      {"0,1", "0.1", 0.1L},
      {"3.", "3.", 3.0L},
      {".5", ".5", 0.5L},
      {".", ".", 0.0L},
      {"-.", "-.", -0.0L},
      {"e5", "e5", 0.0L},
      {"E-3", "E-3", 0.0L},
      {".e2", ".e2", 0.0L},
      {"+e5", "+e5", 0.0L},
      {"1E+3", "1E+3", 1000.0L},
      {"1e3", "1e3", 1000.0L},
      {"2.5e-3", "2.5e-3", 0.0025L},
      {",5e1", ".5e1", 5.0L},
      {"+7", "+7", 7.0L},
      {"-0", "-0", -0.0L},
      {"123.456", "123.456", 123.456L},
      {"0.1234567890125", "0.1234567890125", 0.1234567890125L},
      {"-1234567890123456789e-27", "-1234567890123456789e-27", -1234567890123456789e-27L},
      {"18446744073709551615", "18446744073709551615", 18446744073709551615.0L},
      {"000000000000000000000000000012", "000000000000000000000000000012", 12.0L},
      {"1e+0000000000000000000000003", "1e+0000000000000000000000003", 1000.0L},
  };
  for (const Case& c : cases) {
    const ParsedOperand p = ParseOperand(c.raw);
    EXPECT_EQ(p.status, 0) << c.raw;
    EXPECT_EQ(p.text, c.cleaned) << c.raw;
    EXPECT_EQ(BitsOf(p.value), BitsOf(c.value)) << c.raw;
  }
}

TEST(ParseOperand, RefusedTextsGiveTheCharacterPositionOfTheFault) {
  struct Case {
    const char* raw;
    const char* cleaned;
    int status;
  };
  const Case cases[] = {
      {"-", "-", 2},          {"+", "+", 2},        {"1e", "1e", 3},        {"5e+", "5e+", 4},
      {"1e-", "1e-", 4},      {"e", "e", 2},        {"1 000", "1 000", 2},  {"0x1A", "0x1A", 2},
      {"$1A", "$1A", 1},      {"1,5,3", "1.5,3", 4}, {"1.2.3", "1.2.3", 4}, {"--1", "--1", 2},
      {"1e+-5", "1e+-5", 4},  {"1e5.0", "1e5.0", 4}, {"1e5e5", "1e5e5", 4}, {"inf", "inf", 1},
      {"NaN", "NaN", 1},      {"1-", "1-", 2},      {"1+1", "1+1", 2},      {"1\t5", "1\t5", 2},
      {"  12x ", "12x", 3},   {"ą1", "ą1", 1},      {"1ą", "1ą", 2},        {"12e5ż", "12e5ż", 5},
      {"1.5\xc2\xa0", "1.5\xc2\xa0", 4},  // a trailing no-break space is not trimmed
      {"Błąd", "Błąd", 1},    {"1 Błąd", "1 Błąd", 2}, {"1d5", "1d5", 2},   {"1,", "1.", 0},
  };
  for (const Case& c : cases) {
    const ParsedOperand p = ParseOperand(c.raw);
    EXPECT_EQ(p.status, c.status) << c.raw;
    EXPECT_EQ(p.text, c.cleaned) << c.raw;
  }
}

TEST(ParseOperand, RangeRules) {
  struct Case {
    const char* text;
    long double value;
  };
  const std::string longZeros = "0." + std::string(300, '0') + "1";
  const Case cases[] = {
      {"1e5120", kInf},
      {"-1e9999", -kInf},
      {"-7e9999", -kInf},
      {"0e6000", kInf},
      {"0.0e5125", kInf},  // the scale counts digits after the point: 5125 - 1
      {"1e-5120", 0.0L},
      {"-1e-5120", -0.0L},
      {"1e-4952", 0.0L},  // below half the smallest denormal: quietly zero
      {"1e4932", 1e4932L},
      {"0e4933", 0.0L},
      {"1e99999999999999999999999999", kInf},
      {"-1e-99999999999999999999999999", -0.0L},
  };
  for (const Case& c : cases) {
    const ParsedOperand p = ParseOperand(c.text);
    EXPECT_EQ(p.status, 0) << c.text;
    EXPECT_EQ(BitsOf(p.value), BitsOf(c.value)) << c.text;
  }
  EXPECT_EQ(BitsOf(ParseOperand(longZeros).value), BitsOf(1e-301L));
}

TEST(ParseOperand, FiniteTextsBeyondTheLargestValueFault) {
  const std::string hugeMantissa = std::string(5000, '9');
  for (const std::string& text : {std::string("1e4933"), std::string("-2e4932"), std::string("1e5119"),
                                  std::string("1.5e5119"), std::string("1.18973149536E+4932"), hugeMantissa}) {
    try {
      ParseOperand(text);
      ADD_FAILURE() << text << " did not fault";
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.Kind(), FaultKind::Overflow) << text;
    }
  }
}

TEST(ParseOperand, ImplausibleTextsStillReadSafely) {
  const std::string digits(20000, '7');
  EXPECT_EQ(ParseOperand(digits + "e-6000").value, 0.0L);
  EXPECT_EQ(ParseOperand("1" + digits + "e99999999999999999999999").value, kInf);
  EXPECT_EQ(ParseOperand("." + digits + "e9999999999").value, kInf);
  EXPECT_EQ(ParseOperand("." + digits).value, 0.0L);  // scale far below the range
  EXPECT_EQ(ParseOperand(digits + "x").status, 20001);
}

// «1e2460» is one unit in the last place below the extended value nearest to 10^2460.
TEST(ParseOperand, SquareLimitText) {
  EXPECT_EQ(BitsOf(ParseOperand("1e2460").value), (ExtendedBits{false, 0xF61A262F55225307ULL, 8171}));
  EXPECT_EQ(BitsOf(ParseOperand("-1e2460").value), (ExtendedBits{true, 0xF61A262F55225307ULL, 8171}));
}

// Each step M·10 + digit is rounded once, and the scaling steps round again: longer
// texts need not read as the nearest extended value.
TEST(ParseOperand, LongTextsFollowTheRoundingSteps) {
  EXPECT_EQ(BitsOf(ParseOperand("12.000000000000000000000000000").value), (ExtendedBits{false, 0xC000000000000001ULL, 3}));
  // The pi key's text reads one unit below the extended value nearest to pi.
  EXPECT_EQ(BitsOf(ParseOperand("3.14159265358979323846").value), (ExtendedBits{false, 0xC90FDAA22168C234ULL, 1}));
  EXPECT_EQ(BitsOf(ParseOperand("1.18973149535E+4932").value), (ExtendedBits{false, 0xFFFFFFFFF9510EFDULL, 16383}));
  // M·10 + digit rounded twice would give significand E8B394642FE9E64C.
  EXPECT_EQ(BitsOf(ParseOperand("67071635982607948077").value), (ExtendedBits{false, 0xE8B394642FE9E64BULL, 65}));
  EXPECT_EQ(BitsOf(ParseOperand("3.64519953188E-4951").value), BitsOf(std::numeric_limits<long double>::denorm_min()));
}

}  // namespace
}  // namespace calc
