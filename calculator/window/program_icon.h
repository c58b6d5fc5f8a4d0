#pragma once
// The program icon: a pocket calculator, 32 x 32 in the 16 standard colours.
#include <QIcon>
#include <QImage>

namespace calc {

// The icon on a square of `side` pixels. The design is laid out on a 32-pixel
// grid and scaled, so the desktop's larger renderings show the same picture.
QImage DrawProgramIconImage(int side = 32);
QIcon ProgramIcon();

}  // namespace calc
