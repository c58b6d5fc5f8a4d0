// Renders the programs' in-code icons to PNG files for the desktop's icon theme,
// so the installed icons are the very pictures the windows show.
//
//   render_program_icons OUTPUT_DIR SIDE...
//
// writes OUTPUT_DIR/vorkulator-SIDE.png and OUTPUT_DIR/raportvor-SIDE.png for
// every SIDE given.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <optional>

// Both windows name their icon header program_icon.h, hence the paths.
#include "../calculator/window/program_icon.h"
#include "../viewer/report/program_icon.h"

namespace {

std::optional<int> ParseSide(const char* text) {
  bool ok = false;
  const int side = QString::fromLocal8Bit(text).toInt(&ok);
  if (!ok || side < 16 || side > 1024) return std::nullopt;
  return side;
}

bool SaveIcon(const QImage& image, const QDir& dir, const char* name, int side) {
  const QString path = dir.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(side));
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "render_program_icons: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fputs("usage: render_program_icons OUTPUT_DIR SIDE...\n", stderr);
    return 2;
  }
  // Pixmaps need a GUI application; no display is needed to draw them.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "render_program_icons: cannot create %s\n", argv[1]);
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    const std::optional<int> side = ParseSide(argv[i]);
    if (!side) {
      std::fprintf(stderr, "render_program_icons: bad size %s\n", argv[i]);
      return 2;
    }
    if (!SaveIcon(calc::DrawProgramIconImage(*side), dir, "vorkulator", *side)) return 1;
    if (!SaveIcon(viewer::DrawProgramIconPixmap(*side).toImage(), dir, "raportvor", *side)) return 1;
  }
  return 0;
}
