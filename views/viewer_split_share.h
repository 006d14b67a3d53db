// The share of the dual-panel viewer's width that its left list takes: half
// by default, else the stored or dragged width as a share of the room, so the
// lists keep their proportion when the window changes size.
#ifndef KESTRIN_VIEWS_VIEWER_SPLIT_SHARE_H_
#define KESTRIN_VIEWS_VIEWER_SPLIT_SHARE_H_

#include <optional>

namespace kestrin {

class ViewerSplitShare {
 public:
  // A left-list width read from the settings file; it becomes a share of the
  // room the first time the window knows its room.
  void SetStoredWidth(int left_width) { stored_width_ = left_width; }

  // The left list's width in `room` pixels (the splitter's width without its
  // handle); a pending stored width is turned into the share first.
  int LeftWidth(int room);

  // The user moved the splitter: the left list is `left_width` of `room`.
  void Dragged(int left_width, int room);

  double Share() const { return share_; }

 private:
  double share_ = 0.5;
  std::optional<int> stored_width_;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_VIEWER_SPLIT_SHARE_H_
