#include "font_style.h"

namespace viewer {

namespace {
constexpr std::uint8_t BoldBit = 1;
constexpr std::uint8_t ItalicBit = 2;
constexpr std::uint8_t UnderlineBit = 4;
constexpr std::uint8_t StrikeOutBit = 8;
}  // namespace

FontStyleSet FontStyleFromBits(std::uint8_t bits) {
  return FontStyleSet{
      .bold = (bits & BoldBit) != 0,
      .italic = (bits & ItalicBit) != 0,
      .underline = (bits & UnderlineBit) != 0,
      .strikeOut = (bits & StrikeOutBit) != 0,
  };
}

std::uint8_t FontStyleToBits(FontStyleSet style) {
  return static_cast<std::uint8_t>((style.bold ? BoldBit : 0) | (style.italic ? ItalicBit : 0) |
                                   (style.underline ? UnderlineBit : 0) |
                                   (style.strikeOut ? StrikeOutBit : 0));
}

}  // namespace viewer
