#include "polish_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace calc {

bool InstallPolishQtTranslations(QCoreApplication& app) {
  auto translator = std::make_unique<QTranslator>();
  const QLocale polish(QLocale::Polish, QLocale::Poland);
  if (!translator->load(polish, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  translator->setParent(&app);  // the application owns it from here on
  return QCoreApplication::installTranslator(translator.release());
}

}  // namespace calc
