#pragma once
// Qt's own texts (dialog buttons, file dialog labels) in Polish.
#include <QCoreApplication>

namespace viewer {

// Loads qtbase_pl from Qt's translations folder and installs it on `app`;
// returns false, leaving Qt's English texts, when the file is not there.
bool InstallPolishQtTranslations(QCoreApplication& app);

}  // namespace viewer
