// Placing windows inside the available screen area.
#include "views/window_placement.h"

#include <algorithm>

namespace kestrin {
namespace {

// `start` moved so that `length` pixels from it lie in [low, high), or to
// `low` when they cannot.
int Inside(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

ScreenRect FitInside(const ScreenRect& window, const ScreenRect& available) {
  ScreenRect fitted = window;
  fitted.width = std::min(window.width, available.width);
  fitted.height = std::min(window.height, available.height);
  fitted.left = Inside(window.left, fitted.width, available.left, available.Right());
  fitted.top = Inside(window.top, fitted.height, available.top, available.Bottom());
  return fitted;
}

ScreenRect PlaceBeside(const ScreenRect& owner, const ScreenRect& keep_clear, int width,
                       int height, const ScreenRect& available, int gap) {
  ScreenRect placed{owner.Right() + gap, owner.top, width, height};
  if (placed.Right() > available.Right()) {
    placed.left = owner.left - gap - width;
    if (placed.left < available.left) {
      placed.left = available.Right() - width;
      placed.top = std::max(owner.top, keep_clear.Bottom() + gap);
    }
  }
  return FitInside(placed, available);
}

ScreenRect PlaceClearOf(const ScreenRect& dialog, const ScreenRect& row,
                        const ScreenRect& available) {
  const ScreenRect inside = FitInside(dialog, available);
  if (!inside.Overlaps(row)) return inside;
  ScreenRect moved = inside;
  moved.top = row.Bottom();
  if (moved.Bottom() <= available.Bottom()) return moved;
  moved.top = row.top - inside.height;
  return FitInside(moved, available);
}

}  // namespace kestrin
