#pragma once
// A top-level window's outer bounds: position and size of its frame, as the
// settings file keeps them.
#include <QWidget>

namespace viewer {

struct OuterBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const OuterBounds&, const OuterBounds&) = default;
};

OuterBounds OuterBoundsOf(const QWidget& window);

// Sizes the window so that its frame is `bounds`; the frame's own border and
// title bar come off the inner size. Qt keeps the size within the window's
// minimum, so a stored size of 0 cannot make the window vanish.
void SetOuterBounds(QWidget& window, const OuterBounds& bounds);

}  // namespace viewer
