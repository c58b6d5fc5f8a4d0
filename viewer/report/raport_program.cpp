#include "raport_program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "polish_translations.h"
#include "program_icon.h"
#include "raport_form.h"
#include "viewer_dialogs.h"

namespace viewer {
namespace {

// Qt aborts with a long message when it finds no display; say it in one line instead.
bool HasDisplay() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int RunRaportWindow(int& argc, char** argv, std::optional<std::string> task) {
  if (!HasDisplay()) {
    std::fputs("RaportVOR: no display (DISPLAY and WAYLAND_DISPLAY are unset); "
               "use \"RaportVOR --print TASK\" to print a report without one.\n",
               stderr);
    return 1;
  }
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
