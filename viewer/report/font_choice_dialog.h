#pragma once
// The viewer's font dialog: fixed-pitch fonts only, sizes 6 to 14 points, a
// choice of bold and italic but no colour, underline or strike-out (Qt's own
// QFontDialog can neither limit the sizes nor hide the effects).
#include <QDialog>
#include <QFont>

class QDialogButtonBox;
class QFontComboBox;
class QLabel;
class QListWidget;

namespace viewer {

class FontChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSmallestSize = 6;
  static constexpr int kLargestSize = 14;

  // Starts from `start`: its family (or the installed font Qt shows for it),
  // its size (clamped into the offered range) and its bold and italic.
  explicit FontChoiceDialog(const QFont& start, QWidget* parent = nullptr);

  // The font as chosen: family, point size, bold, italic; never underline or
  // strike-out.
  QFont selectedFont() const;

  QFontComboBox* familyBox() const { return family_; }
  QListWidget* sizeList() const { return sizes_; }
  QListWidget* styleList() const { return styles_; }
  QLabel* preview() const { return preview_; }
  QDialogButtonBox* buttons() const { return buttons_; }

 private:
  void UpdatePreview();

  QFont start_;
  QFontComboBox* family_;
  QListWidget* sizes_;
  QListWidget* styles_;
  QLabel* preview_;
  QDialogButtonBox* buttons_;
};

}  // namespace viewer
