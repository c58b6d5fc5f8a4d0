#pragma once
// The calculator window's faces, set by pixel size so that captions fit the
// controls' fixed sizes whatever the screen's density.
#include <QFont>

namespace calc {

// Sans-serif with Arial metrics: "Operacje jednoargumentowe" must fit 136 px at 11 px.
QFont CaptionFont(int pixelSize, bool bold);
// Regular 11 px, narrowed to fit the frame captions and the memory label.
QFont SmallCaptionFont();
// The register fields and the journal.
QFont FixedFont(int pixelSize);
// A face with the Greek small letter pi.
QFont PiFont(int pixelSize);

}  // namespace calc
