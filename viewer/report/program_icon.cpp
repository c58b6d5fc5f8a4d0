#include "program_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace viewer {
namespace {

// A 16-colour look: a few flat colours, dark outlines, no gradients.
const QColor kOutline(0, 0, 0);
const QColor kPage(255, 255, 255);
const QColor kText(0, 0, 128);
const QColor kHand(255, 255, 0);
const QColor kHandShade(128, 128, 0);
const QColor kCuff(0, 0, 255);

void DrawPage(QPainter& p) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kPage);
  p.drawRect(QRectF(8.5, 2.5, 15, 27));
  // Lines of text of uneven length, like a report.
  p.setPen(QPen(kText, 1));
  const int lengths[] = {11, 9, 12, 7, 11, 10, 12, 8, 11, 6};
  int y = 6;
  for (const int length : lengths) {
    p.drawLine(QPointF(10.5, y + 0.5), QPointF(10.5 + length - 1, y + 0.5));
    y += 2;
    if (y == 12 || y == 20) y += 1;  // paragraph gaps
  }
}

// One hand gripping the page's edge: the palm outside the page, the thumb in
// front of the page and the fingers reaching round its edge.
void DrawHand(QPainter& p, bool left) {
  p.save();
  if (!left) {
    // The right hand is the left one mirrored about the page's middle.
    p.translate(32, 0);
    p.scale(-1, 1);
  }
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kHand);
  QPainterPath palm;
  palm.moveTo(1.5, 22.5);
  palm.lineTo(2.5, 15.5);
  palm.lineTo(6.5, 13.5);
  palm.lineTo(10.5, 13.5);
  palm.lineTo(10.5, 20.5);
  palm.lineTo(6.5, 22.5);
  palm.lineTo(4.5, 25.5);
  palm.closeSubpath();
  p.drawPath(palm);
  // The thumb lies on the page.
  p.drawRoundedRect(QRectF(8.5, 14.5, 5, 3), 1.5, 1.5);
  // Finger tips showing below the thumb.
  p.drawRect(QRectF(8.5, 17.5, 3, 2));
  p.drawRect(QRectF(8.5, 19.5, 2, 2));
  p.setPen(QPen(kHandShade, 1));
  p.drawLine(QPointF(3.5, 18.5), QPointF(7.5, 16.5));
  // A sleeve cuff at the wrist, so the shape reads as a hand.
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kCuff);
  QPainterPath cuff;
  cuff.moveTo(0.5, 22.5);
  cuff.lineTo(2.5, 21.5);
  cuff.lineTo(5.5, 25.5);
  cuff.lineTo(3.5, 27.5);
  cuff.closeSubpath();
  p.drawPath(cuff);
  p.restore();
}

}  // namespace

QPixmap DrawProgramIconPixmap(int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, side > 32);
  p.scale(side / 32.0, side / 32.0);
  DrawPage(p);
  DrawHand(p, true);
  DrawHand(p, false);
  return pixmap;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int side : {16, 32, 48, 64}) icon.addPixmap(DrawProgramIconPixmap(side));
  return icon;
}

}  // namespace viewer
