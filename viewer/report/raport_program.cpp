#include "raport_program.h"

#include <QApplication>

#include "polish_translations.h"
#include "program_icon.h"
#include "raport_form.h"
#include "viewer_dialogs.h"

namespace viewer {

int RunRaportWindow(int& argc, char** argv, std::optional<std::string> task) {
  QApplication app(argc, argv);
  // Message boxes take the program's title from this name, whatever the file is called.
  QCoreApplication::setApplicationName(QStringLiteral("RaportVOR"));
  QApplication::setWindowIcon(ProgramIcon());
  QApplication::setDesktopFileName(QStringLiteral("raportvor"));  // Wayland finds the icon through it
  InstallPolishQtTranslations(app);  // without them Qt's texts stay English
  QtViewerDialogs dialogs;
  TRaport_Form Raport_Form(std::move(task), dialogs);
  Raport_Form.show();
  return QApplication::exec();
}

}  // namespace viewer
