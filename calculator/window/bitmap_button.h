#pragma once
// A push button with a picture beside its caption (or a picture alone), the
// two centred together with 4 pixels between them.
#include <QImage>
#include <QPushButton>

namespace calc {

enum class PictureSide { Left, Right };

class BitmapButton : public QPushButton {
  Q_OBJECT
 public:
  BitmapButton(const QString& caption, const QImage& picture, PictureSide side, QWidget* parent);

  const QImage& Picture() const { return picture_; }
  PictureSide Side() const { return side_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  PictureSide side_;
};

}  // namespace calc
