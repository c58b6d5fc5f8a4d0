#pragma once
// The pictures of the eight picture buttons: black strokes on a transparent ground.
#include <QImage>

namespace calc {

enum class ButtonPicture { Sqrt, Sqr, Recip, Power, Mnoz, Dziel, Dodaj, Odejmij };

QImage DrawButtonPicture(ButtonPicture picture);

}  // namespace calc
