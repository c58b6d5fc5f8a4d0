#pragma once
// The program icon: a pocket calculator, 32 x 32 in the 16 standard colours.
#include <QIcon>
#include <QImage>

namespace calc {

QImage DrawProgramIconImage();
QIcon ProgramIcon();

}  // namespace calc
