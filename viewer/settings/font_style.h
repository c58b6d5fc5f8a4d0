#pragma once
// The font style as the window sees it, and its stored form: bits 1 bold,
// 2 italic, 4 underline, 8 strike-out; higher bits carry no style.
#include <cstdint>

namespace viewer {

struct FontStyleSet {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  friend bool operator==(const FontStyleSet&, const FontStyleSet&) = default;
};

FontStyleSet FontStyleFromBits(std::uint8_t bits);
std::uint8_t FontStyleToBits(FontStyleSet style);

}  // namespace viewer
