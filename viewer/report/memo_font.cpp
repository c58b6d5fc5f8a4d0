#include "memo_font.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "font_style.h"
#include "windows_1250.h"

namespace viewer {
namespace {

constexpr int kPointsPerInch = 72;

// Rounded like the old toolkit's MulDiv: halves away from zero.
std::int32_t Scaled(double value, int numerator, int denominator) {
  return static_cast<std::int32_t>(std::lround(value * numerator / denominator));
}

}  // namespace

QFont DesignMemoFont() {
  QFont font(QStringLiteral("Fixedsys"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(11);
  return font;
}

QFont FontFromSettings(const ViewerSettingsRecord& settings, const QFont& base, int dotsPerInch) {
  QFont font = base;
  // A positive height is the character cell; taken here as the character height.
  if (settings.FontHeight != 0) font.setPixelSize(std::abs(settings.FontHeight));
  font.setFamily(QString::fromStdString(Windows1250ToUtf8(settings.FontName)));
  if (settings.FontSize > 0) {
    font.setPointSize(settings.FontSize);
  } else if (settings.FontSize < 0) {
    // A negative size stands for a cell height in points.
    font.setPixelSize(std::max(1, Scaled(-settings.FontSize, dotsPerInch, kPointsPerInch)));
  }
  const FontStyleSet style = FontStyleFromBits(settings.FontStyle);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(style.strikeOut);
  return font;
}

QColor ColourFromColorValue(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t ColorValueFromColour(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
         static_cast<std::uint32_t>(rgb.blue()) << 16;
}

std::int32_t FontHeightOf(const QFont& font, int dotsPerInch) {
  if (font.pixelSize() > 0) return -font.pixelSize();
  return -Scaled(font.pointSizeF(), dotsPerInch, kPointsPerInch);
}

std::int32_t FontSizeOf(const QFont& font, int dotsPerInch) {
  if (font.pointSize() > 0) return font.pointSize();
  return Scaled(font.pixelSize(), kPointsPerInch, dotsPerInch);
}

void StoreFontInSettings(ViewerSettingsRecord& settings, const QFont& font, std::uint8_t charset,
                         const QColor& colour, int dotsPerInch) {
  settings.FontCharset = charset;
  settings.FontColor = ColorValueFromColour(colour);
  settings.FontHeight = FontHeightOf(font, dotsPerInch);
  settings.FontSize = FontSizeOf(font, dotsPerInch);
  settings.FontStyle = FontStyleToBits(FontStyleSet{
      .bold = font.bold(), .italic = font.italic(), .underline = font.underline(), .strikeOut = font.strikeOut()});
  settings.FontName = Utf8ToWindows1250(font.family().toStdString());
}

}  // namespace viewer
