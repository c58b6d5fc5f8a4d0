#pragma once
// The program's title as message boxes show it: the program file's name
// without its extension, every letter after the first in lower case
// ("RaportVOR" gives "Raportvor").
#include <QString>

namespace viewer {

QString ProgramTitleFromFileName(const QString& fileName);

// The title of the running program, from the application's name.
QString ProgramTitle();

}  // namespace viewer
