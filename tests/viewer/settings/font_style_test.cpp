#include "font_style.h"

#include <gtest/gtest.h>

namespace viewer {
namespace {

TEST(FontStyle, FromBits) {
  const std::pair<std::uint8_t, FontStyleSet> table[] = {
      {0, {}},
      {1, {.bold = true}},
      {2, {.italic = true}},
      {3, {.bold = true, .italic = true}},
      {4, {.underline = true}},
      {8, {.strikeOut = true}},
      {15, {true, true, true, true}},
      {16, {}},  // higher bits carry no style
      {0xF5, {.bold = true, .underline = true}},
  };
  for (const auto& [bits, style] : table) EXPECT_EQ(FontStyleFromBits(bits), style) << int(bits);
}

TEST(FontStyle, ToBitsIsTheInverseForEveryStyle) {
  for (std::uint8_t bits = 0; bits < 16; ++bits) EXPECT_EQ(FontStyleToBits(FontStyleFromBits(bits)), bits);
  EXPECT_EQ(FontStyleToBits(FontStyleFromBits(16)), 0);
}

}  // namespace
}  // namespace viewer
