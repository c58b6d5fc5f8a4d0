#pragma once
// Qt's own texts (button labels, the edit fields' context menu) in Polish.
class QCoreApplication;

namespace calc {

// Loads Qt's Polish catalogue when it is installed; false when it is not.
bool InstallPolishQtTranslations(QCoreApplication& app);

}  // namespace calc
