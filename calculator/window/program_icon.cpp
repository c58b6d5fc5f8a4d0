#include "program_icon.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <string_view>

namespace calc {

namespace {

// Colours of the 16-colour palette that the picture uses.
const QColor kBlack(0, 0, 0);
const QColor kDarkGrey(128, 128, 128);
const QColor kLightGrey(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

// Three-by-five pixel digits for the display, '#' lit.
constexpr std::string_view kDigitOne = ".#.##..#..#.###";
constexpr std::string_view kDigitTwo = "##...#.#.#..###";
constexpr std::string_view kDigitThree = "##...#.##..###.";

void DrawDigit(QPainter& p, int left, int top, std::string_view pattern) {
  for (int i = 0; i < 15; ++i)
    if (pattern[static_cast<std::size_t>(i)] == '#') p.fillRect(left + i % 3, top + i / 3, 1, 1, kGreen);
}

void DrawCase(QPainter& p) {
  p.fillRect(4, 1, 24, 30, kBlack);
  p.fillRect(5, 2, 22, 28, kLightGrey);
  p.fillRect(5, 2, 22, 1, kWhite);   // lit top edge
  p.fillRect(5, 2, 1, 28, kWhite);   // lit left edge
  p.fillRect(5, 29, 22, 1, kDarkGrey);
  p.fillRect(26, 2, 1, 28, kDarkGrey);
}

void DrawDisplay(QPainter& p) {
  p.fillRect(7, 4, 18, 1, kDarkGrey);
  p.fillRect(7, 4, 1, 9, kDarkGrey);
  p.fillRect(8, 5, 17, 8, kNavy);
  DrawDigit(p, 12, 7, kDigitOne);
  DrawDigit(p, 16, 7, kDigitTwo);
  DrawDigit(p, 20, 7, kDigitThree);
}

// Four rows of four keys, each a raised 3 x 3 cap; the last key is red.
void DrawKeys(QPainter& p) {
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      const int left = 7 + col * 5;
      const int top = 14 + row * 4;
      const bool clearKey = row == 0 && col == 3;
      p.fillRect(left, top, 4, 3, kBlack);
      p.fillRect(left, top, 3, 2, clearKey ? kRed : kWhite);
    }
  }
}

}  // namespace

QImage DrawProgramIconImage(int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, side % 32 != 0);  // pixel edges fall between pixels only then
  p.scale(side / 32.0, side / 32.0);
  DrawCase(p);
  DrawDisplay(p);
  DrawKeys(p);
  return image;
}

QIcon ProgramIcon() { return QIcon(QPixmap::fromImage(DrawProgramIconImage())); }

}  // namespace calc
