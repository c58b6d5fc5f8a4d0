#include "program_title.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace viewer {

QString ProgramTitleFromFileName(const QString& fileName) {
  const QString base = QFileInfo(fileName).completeBaseName();
  if (base.isEmpty()) return base;
  return base.left(1) + base.mid(1).toLower();
}

QString ProgramTitle() { return ProgramTitleFromFileName(QCoreApplication::applicationName()); }

}  // namespace viewer
