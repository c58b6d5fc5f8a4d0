#pragma once
// A caption label whose "&" marks an underlined letter although it is linked
// to no control (QLabel shows the "&" itself when it has no buddy).
#include <QLabel>

namespace calc {

class MnemonicLabel : public QLabel {
  Q_OBJECT
 public:
  MnemonicLabel(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace calc
