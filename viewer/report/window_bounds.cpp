#include "window_bounds.h"

namespace viewer {

OuterBounds OuterBoundsOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

void SetOuterBounds(QWidget& window, const OuterBounds& bounds) {
  const QSize frameExtra = window.frameGeometry().size() - window.size();
  window.resize(bounds.width - frameExtra.width(), bounds.height - frameExtra.height());
  window.move(bounds.left, bounds.top);  // a top-level window moves by its frame
}

}  // namespace viewer
