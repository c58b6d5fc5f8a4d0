#include "bitmap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace calc {

namespace {

constexpr int kSpacing = 4;

}  // namespace

BitmapButton::BitmapButton(const QString& caption, const QImage& picture, PictureSide side, QWidget* parent)
    : QPushButton(caption, parent), picture_(picture), side_(side) {}

void BitmapButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  p.drawControl(QStyle::CE_PushButtonBevel, option);

  QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (isDown() || isChecked()) {
    area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  }
  const QString caption = text();
  const int textWidth = caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
  const int gap = caption.isEmpty() ? 0 : kSpacing;
  const int total = picture_.width() + gap + textWidth;
  const int left = area.left() + (area.width() - total) / 2;
  const int pictureLeft = side_ == PictureSide::Left ? left : left + textWidth + gap;
  const int textLeft = side_ == PictureSide::Left ? left + picture_.width() + gap : left;
  const int pictureTop = area.top() + (area.height() - picture_.height()) / 2;
  p.drawImage(pictureLeft, pictureTop, picture_);
  if (!caption.isEmpty()) {
    const QRect textRect(textLeft, area.top(), textWidth, area.height());
    p.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                   caption, QPalette::ButtonText);
  }
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace calc
