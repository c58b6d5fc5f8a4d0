#pragma once
// RaportVOR's program icon: a white page of text held up at its sides by two
// yellow hands, drawn in code so the program ships no image files.
#include <QIcon>
#include <QPixmap>

namespace viewer {

// The icon drawn on a square of `side` pixels; the design is laid out on a
// 32-pixel grid and scaled, so every size shows the same picture.
QPixmap DrawProgramIconPixmap(int side);

// The icon in the sizes a desktop asks for (16, 32, 48, 64 pixels).
QIcon ProgramIcon();

}  // namespace viewer
