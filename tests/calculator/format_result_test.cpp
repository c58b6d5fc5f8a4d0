#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "number_text.h"

namespace calc {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

struct Shown {
  long double value;
  const char* text;
};

void ExpectShown(const Shown& c) {
  EXPECT_EQ(FormatResult(c.value), c.text) << static_cast<double>(c.value);
  EXPECT_LE(FormatResult(c.value).size(), 21U);
}

TEST(FormatResult, FixedForm) {
  const Shown cases[] = {
      {0.8414709848078965067L, "0.841470984808"},
      {1.0L / 3, "0.333333333333"},
      {-1.0L / 3, "-0.333333333333"},
      {2.0L / 3, "0.666666666667"},
      {1.4142135623730950488L, "1.414213562373"},
      {0.78539816339744830962L, "0.785398163397"},
      {123456.789L, "123456.789000000000"},
      {1000000.0L / 3, "333333.333333333333"},
      {0.1L, "0.100000000000"},
      {0.1234567890125L, "0.123456789013"},      // the exact half typed by the user rounds up
      {9.9999999999999L, "10.000000000000"},      // carry adds an integer digit
      {999999.9999999999999L, "1000000.000000000000"},
      {-999999.9999999999999L, "-1000000.000000000000"},
      {99999.99999999999999L, "100000.000000000000"},  // first rounding carries into six digits
      {12.3456789012345L, "12.345678901235"},
      {-999999.5L, "-999999.500000000000"},
      {1.0L, "1.000000000000"},
      {10.0L, "10.000000000000"},
  };
  for (const Shown& c : cases) ExpectShown(c);
}

TEST(FormatResult, ScientificForm) {
  const Shown cases[] = {
      {0.0025L, " 2.50000000000E-03"},
      {0.05L, " 5.00000000000E-02"},
      {1e-7L, " 1.00000000000E-07"},
      {-2.5e300L, "-2.50000000000E+0300"},
      {1e2000L, " 1.00000000000E+2000"},
      {-12345678.9L, "-1.23456789000E+07"},
      {4.5e-300L, " 4.50000000000E-0300"},
      {1000000.0L, " 1.00000000000E+06"},
      {12345678901267.0L, " 1.23456789013E+13"},
      {1234567890126.7L, " 1.23456789013E+12"},
      {1e-99L, " 1.00000000000E-99"},
      {1e100L, " 1.00000000000E+0100"},
      {1e-100L, " 1.00000000000E-0100"},
      {1.18e4932L, " 1.18000000000E+4932"},
      {std::numeric_limits<long double>::denorm_min(), " 3.64519953188E-4951"},
      {std::numeric_limits<long double>::max(), " 1.18973149536E+4932"},
      {-std::numeric_limits<long double>::max(), "-1.18973149536E+4932"},
      {std::nextafter(0.1L, 0.0L), " 1.00000000000E-01"},  // rounds up to the next decade
      {9.99999999999e-5L, " 9.99999999999E-05"},
      {9.999999999995e-5L, " 1.00000000000E-04"},
  };
  for (const Shown& c : cases) ExpectShown(c);
}

TEST(FormatResult, ZeroAndInfinity) {
  const Shown cases[] = {
      {0.0L, "0.0"},
      {-0.0L, "0.0"},
      {kInf, "                +Inf"},
      {-kInf, "                -Inf"},
  };
  for (const Shown& c : cases) ExpectShown(c);
}

// A Polish LC_NUMERIC turns printf's point into a comma; the display must not follow it.
// The whole test program runs under the user's locale (user_locale_environment.cpp).
TEST(FormatResult, RegionalSettingsChangeNothing) {
  const char* const environment = std::getenv("LC_ALL");
  const bool polish = environment != nullptr && std::string(environment).rfind("pl_PL", 0) == 0;
  char probe[32];
  std::snprintf(probe, sizeof probe, "%.1f", 2.5);
  EXPECT_EQ(std::string(probe), polish ? "2,5" : "2.5") << "the C library follows the locale";
  EXPECT_EQ(FormatResult(2.5L), "2.500000000000");
  EXPECT_EQ(FormatResult(-2.5e300L), "-2.50000000000E+0300");
  EXPECT_EQ(FormatResult(123456.789L), "123456.789000000000");
  EXPECT_EQ(ParseOperand("2,5").value, 2.5L);
  EXPECT_EQ(ParseOperand("2.5e1").value, 25.0L);
}

}  // namespace
}  // namespace calc
