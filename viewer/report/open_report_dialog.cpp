#include "open_report_dialog.h"

#include <QComboBox>

namespace viewer {
namespace {

// QFileDialog folds blank runs in filter names; the filter keeps its two blanks
// on screen by relabelling the file-type list's one entry (filtering goes by
// the dialog's own copy of the filter, so this changes only the label).
void LabelFilterAsGiven(QFileDialog& dialog) {
  auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  if (types != nullptr && types->count() == 1) types->setItemText(0, kOpenReportFilter);
}

}  // namespace

std::unique_ptr<QFileDialog> MakeOpenReportDialog(QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent, kOpenReportTitle);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  // A typed name need not exist yet: the viewer then shows nothing new but
  // later reloads refer to that name.
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setNameFilter(kOpenReportFilter);
  dialog->setDefaultSuffix(kOpenReportSuffix);
  LabelFilterAsGiven(*dialog);
  return dialog;
}

}  // namespace viewer
