#include "window_fonts.h"

#include <QStringList>

namespace calc {

QFont CaptionFont(int pixelSize, bool bold) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                 QStringLiteral("DejaVu Sans")});
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

// Arial-metric faces run about 4 % wider than the captions' boxes at 11 px.
QFont SmallCaptionFont() {
  QFont f = CaptionFont(11, false);
  f.setStretch(95);
  return f;
}

QFont FixedFont(int pixelSize) {
  QFont f;
  f.setWeight(QFont::Normal);
  f.setFamilies({QStringLiteral("Terminus (TTF)"), QStringLiteral("DejaVu Sans Mono"),
                 QStringLiteral("Liberation Mono")});
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPixelSize(pixelSize);
  return f;
}

QFont PiFont(int pixelSize) {
  QFont f;
  f.setWeight(QFont::Normal);
  f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                 QStringLiteral("Liberation Sans")});
  f.setStyleHint(QFont::Serif);
  f.setPixelSize(pixelSize);
  return f;
}

}  // namespace calc
