#include "mnemonic_label.h"

#include <QPainter>
#include <QStyle>

namespace calc {

MnemonicLabel::MnemonicLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setTextFormat(Qt::PlainText);
}

void MnemonicLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  style()->drawItemText(&p, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), text(), foregroundRole());
}

}  // namespace calc
