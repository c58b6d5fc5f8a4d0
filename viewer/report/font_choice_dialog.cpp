#include "font_choice_dialog.h"

#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace viewer {
namespace {

struct StyleEntry {
  const char* label;
  bool bold;
  bool italic;
};

const StyleEntry kStyles[] = {
    {"Normalna", false, false},
    {"Kursywa", false, true},
    {"Pogrubiona", true, false},
    {"Pogrubiona kursywa", true, true},
};

// A font set by pixel height has no point size; read it back through the
// screen's resolution, as the size the user would have picked.
int PointSizeOf(const QFont& font) {
  if (font.pointSize() > 0) return font.pointSize();
  const QFontInfo info(font);
  if (info.pointSizeF() > 0) return static_cast<int>(std::lround(info.pointSizeF()));
  return FontChoiceDialog::kSmallestSize;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

FontChoiceDialog::FontChoiceDialog(const QFont& start, QWidget* parent)
    : QDialog(parent),
      start_(start),
      family_(new QFontComboBox),
      sizes_(new QListWidget),
      styles_(new QListWidget),
      preview_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setWindowTitle(QStringLiteral("Czcionka"));

  // Ordinary (Latin) fixed-pitch fonts only: symbol fonts cover no Latin script.
  family_->setWritingSystem(QFontDatabase::Latin);
  family_->setFontFilters(QFontComboBox::MonospacedFonts);
  family_->setEditable(false);
  family_->setCurrentFont(QFont(QFontInfo(start).family()));

  for (int size = kSmallestSize; size <= kLargestSize; ++size) {
    sizes_->addItem(QString::number(size));
  }
  const int startSize = std::clamp(PointSizeOf(start), kSmallestSize, kLargestSize);
  sizes_->setCurrentRow(startSize - kSmallestSize);

  // No style is preselected; without a pick the start font's style stays.
  for (const StyleEntry& style : kStyles) styles_->addItem(QString::fromUtf8(style.label));
  styles_->setCurrentRow(-1);

  preview_->setText(QStringLiteral("AaBbYyZz 0123 ĄąĆćĘęŁłŃńÓóŚśŹźŻż"));
  preview_->setFrameShape(QFrame::StyledPanel);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumHeight(48);

  buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(BuddyLabel(QStringLiteral("&Czcionka:"), family_), 0, 0);
  grid->addWidget(BuddyLabel(QStringLiteral("&Styl:"), styles_), 0, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("&Rozmiar:"), sizes_), 0, 2);
  grid->addWidget(family_, 1, 0, Qt::AlignTop);
  grid->addWidget(styles_, 1, 1);
  grid->addWidget(sizes_, 1, 2);
  // All nine sizes in view at once; the style list as tall.
  const int listHeight = sizes_->sizeHintForRow(0) * sizes_->count() + 2 * sizes_->frameWidth();
  sizes_->setFixedSize(64, listHeight);
  styles_->setFixedHeight(listHeight);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(BuddyLabel(QStringLiteral("Przykład:"), preview_));
  layout->addWidget(preview_);
  layout->addWidget(buttons_);

  connect(family_, &QFontComboBox::currentFontChanged, this, &FontChoiceDialog::UpdatePreview);
  connect(sizes_, &QListWidget::currentRowChanged, this, &FontChoiceDialog::UpdatePreview);
  connect(styles_, &QListWidget::currentRowChanged, this, &FontChoiceDialog::UpdatePreview);
  UpdatePreview();
}

QFont FontChoiceDialog::selectedFont() const {
  QFont font(family_->currentFont().family());
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(kSmallestSize + std::max(sizes_->currentRow(), 0));
  const int style = styles_->currentRow();
  const bool picked = style >= 0;
  font.setBold(picked ? kStyles[style].bold : start_.bold());
  font.setItalic(picked ? kStyles[style].italic : start_.italic());
  return font;
}

void FontChoiceDialog::UpdatePreview() { preview_->setFont(selectedFont()); }

}  // namespace viewer
