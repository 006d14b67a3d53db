// Where windows go on the screen: kept inside the available area, a side
// window beside the window it belongs to, a dialog clear of the row it acts
// on. Plain rectangles in screen pixels, so the rules are tested without a
// screen.
#ifndef KESTRIN_VIEWS_WINDOW_PLACEMENT_H_
#define KESTRIN_VIEWS_WINDOW_PLACEMENT_H_

namespace kestrin {

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
  int Right() const { return left + width; }    // first column past the rectangle
  int Bottom() const { return top + height; }   // first row past the rectangle
  bool Overlaps(const ScreenRect& other) const {
    return left < other.Right() && other.left < Right() && top < other.Bottom() &&
           other.top < Bottom();
  }
  bool operator==(const ScreenRect&) const = default;
};

// `window` made no larger than `available` and moved the least distance that
// puts it wholly inside.
ScreenRect FitInside(const ScreenRect& window, const ScreenRect& available);

// Where a side window of `width` x `height` goes beside `owner`: on its right
// when it fits there on `available`, else on its left when it fits there,
// else at the right edge of `available` below `keep_clear` (the owner's
// buttons), which it never covers. `gap` pixels separate it from the owner.
ScreenRect PlaceBeside(const ScreenRect& owner, const ScreenRect& keep_clear, int width,
                       int height, const ScreenRect& available, int gap);

// Where `dialog` goes so that it does not cover `row`: where it is when it is
// clear of the row already, else below the row when it fits there, else
// above it; always inside `available`.
ScreenRect PlaceClearOf(const ScreenRect& dialog, const ScreenRect& row,
                        const ScreenRect& available);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_WINDOW_PLACEMENT_H_
