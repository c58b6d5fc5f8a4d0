#pragma once
// The memo's font as the settings record keeps it, and back. The record speaks
// in the old toolkit's terms: a character set, a colour value 00BBGGRR, a
// height (negative: character height in pixels) and a size in points, of which
// the size, applied last, decides.
#include <QColor>
#include <QFont>

#include <cstdint>

#include "viewer_settings.h"

namespace viewer {

// The East European character set: the one the report's Windows-1250 text
// needs, and the one every font chosen in the font dialog gets.
inline constexpr std::uint8_t kEastEuropeanCharset = 238;

// The memo's and the font dialog's design font: Fixedsys at height -11. Where
// Fixedsys is not installed the typewriter hint brings a fixed-pitch font.
QFont DesignMemoFont();

// `base` with, in this order, the record's height, name, size and style.
// A height or size of 0 leaves the size as it was.
QFont FontFromSettings(const ViewerSettingsRecord& settings, const QFont& base, int dotsPerInch);

QColor ColourFromColorValue(std::uint32_t value);
std::uint32_t ColorValueFromColour(const QColor& colour);

// Height and size of a font as the record keeps them, at `dotsPerInch`.
std::int32_t FontHeightOf(const QFont& font, int dotsPerInch);
std::int32_t FontSizeOf(const QFont& font, int dotsPerInch);

// Copies a memo font into the record in the order charset, colour, height,
// size, style, name.
void StoreFontInSettings(ViewerSettingsRecord& settings, const QFont& font, std::uint8_t charset,
                         const QColor& colour, int dotsPerInch);

}  // namespace viewer
