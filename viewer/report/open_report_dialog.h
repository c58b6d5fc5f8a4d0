#pragma once
// The open-report dialog ("OpenDialog1"): title, filter and default suffix are
// set afresh each time it is made.
#include <QFileDialog>
#include <QString>

#include <memory>

namespace viewer {

inline const QString kOpenReportTitle = QStringLiteral("Otwórz plik raportu");
// One entry; two blanks before the parenthesis belong to the description.
inline const QString kOpenReportFilter = QStringLiteral("Pliki raportów VORa  (*.rpt)");
inline const QString kOpenReportSuffix = QStringLiteral("rpt");

// Qt's own (not the desktop's) dialog, so its texts follow the program's Polish
// translation and it behaves the same everywhere.
std::unique_ptr<QFileDialog> MakeOpenReportDialog(QWidget* parent);

}  // namespace viewer
