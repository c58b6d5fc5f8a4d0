#include "integer_token.h"

#include <gtest/gtest.h>

#include <string>

namespace viewer {
namespace {

struct TokenCase {
  std::string token;
  std::int32_t value;
  bool valid;
  friend void PrintTo(const TokenCase& c, std::ostream* os) { *os << '"' << c.token << '"'; }
};

class IntegerTokens : public ::testing::TestWithParam<TokenCase> {};

TEST_P(IntegerTokens, Parse) {
  const IntegerToken result = ParseIntegerToken(GetParam().token);
  EXPECT_EQ(result.value, GetParam().value);
  EXPECT_EQ(result.valid, GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, IntegerTokens,
    ::testing::Values(
        // Accepted forms.
        TokenCase{"0", 0, true}, TokenCase{"0012", 12, true}, TokenCase{"+15", 15, true},
        TokenCase{"-15", -15, true}, TokenCase{"2147483647", 2147483647, true},
        TokenCase{"-2147483648", -2147483647 - 1, true}, TokenCase{"$1f", 31, true},
        TokenCase{"$7FFFFFFF", 2147483647, true}, TokenCase{"-$80000000", -2147483647 - 1, true},
        TokenCase{"0x10", 16, true}, TokenCase{"0XfF", 255, true}, TokenCase{"-0x10", -16, true},
        // Refused: the value of the digits before the bad character.
        TokenCase{"12ab", 12, false}, TokenCase{"1.5", 1, false}, TokenCase{"1,5", 1, false},
        TokenCase{"-7-", -7, false}, TokenCase{"$1G", 1, false}, TokenCase{"x12", 0, false},
        TokenCase{"--1", 0, false}, TokenCase{"\xB9", 0, false},
        // Nothing after a sign or a prefix.
        TokenCase{"-", 0, false}, TokenCase{"+", 0, false}, TokenCase{"$", 0, false},
        TokenCase{"0x", 0, false},
        // Out of range: the digit that would leave the range is the bad one.
        TokenCase{"2147483648", 214748364, false}, TokenCase{"-2147483649", -214748364, false},
        TokenCase{"$80000000", 0x8000000, false}, TokenCase{"99999999999", 999999999, false}));

}  // namespace
}  // namespace viewer
