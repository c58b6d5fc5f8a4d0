// VORkulator: the one calculator window and its event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "kalkulator_form.h"
#include "polish_translations.h"
#include "program_icon.h"

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

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs("VORkulator: no display (DISPLAY and WAYLAND_DISPLAY are unset); it needs a desktop session.\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Windows"));  // the classic look the layout was drawn for
  calc::InstallPolishQtTranslations(app);
  QApplication::setWindowIcon(calc::ProgramIcon());
  QApplication::setDesktopFileName(QStringLiteral("vorkulator"));  // Wayland finds the icon through it
  calc::TKalkulator_Form form;
  form.show();
  return QApplication::exec();
}
