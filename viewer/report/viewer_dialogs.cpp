#include "viewer_dialogs.h"

#include <QMessageBox>

#include "font_choice_dialog.h"
#include "open_report_dialog.h"

namespace viewer {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

std::optional<QString> QtViewerDialogs::AskReportFile(QWidget* parent) {
  const auto dialog = MakeOpenReportDialog(parent);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first();
}

std::optional<QFont> QtViewerDialogs::AskFont(QWidget* parent, const QFont& start) {
  FontChoiceDialog dialog(start, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedFont();
}

void QtViewerDialogs::ShowErrorBox(QWidget* parent, const QString& caption, const QString& text) {
  ShowBox(parent, QMessageBox::Critical, caption, text);
}

void QtViewerDialogs::ShowWarningBox(QWidget* parent, const QString& caption, const QString& text) {
  ShowBox(parent, QMessageBox::Warning, caption, text);
}

}  // namespace viewer
