#include "window_bounds.h"

#include <QScreen>
#include <algorithm>

namespace viewer {
namespace {

// No window is larger than the whole desktop, as on the system the settings file
// comes from, which limits a window's size to about its screens. A damaged file's
// sizes (up to 2^31 - 1) would otherwise ask for a window buffer of terabytes.
QSize LargestWindowSize(const QWidget& window) {
  const QScreen* screen = window.screen();
  return screen ? screen->virtualSize() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

}  // namespace

OuterBounds OuterBoundsOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

void SetOuterBounds(QWidget& window, const OuterBounds& bounds) {
  const QSize largest = LargestWindowSize(window);
  const int width = std::clamp(bounds.width, 0, largest.width());
  const int height = std::clamp(bounds.height, 0, largest.height());
  const QSize frameExtra = window.frameGeometry().size() - window.size();
  window.resize(width - frameExtra.width(), height - frameExtra.height());
  window.move(bounds.left, bounds.top);  // a top-level window moves by its frame
}

}  // namespace viewer
