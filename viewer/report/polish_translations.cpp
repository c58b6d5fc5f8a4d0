#include "polish_translations.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace viewer {

bool InstallPolishQtTranslations(QCoreApplication& app) {
  auto translator = std::make_unique<QTranslator>();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QStringLiteral("qtbase_pl"), folder)) return false;
  translator->setParent(&app);  // lives as long as the application
  return QCoreApplication::installTranslator(translator.release());
}

}  // namespace viewer
