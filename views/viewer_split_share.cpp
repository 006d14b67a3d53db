// The dual-panel viewer's left-list share.
#include "views/viewer_split_share.h"

#include <algorithm>
#include <cmath>

namespace kestrin {
namespace {

// Neither list may shrink below this share of the room: a stored width from
// a much wider window still leaves the other list readable.
constexpr double kSmallestShare = 0.1;

double Clamped(double share) { return std::clamp(share, kSmallestShare, 1.0 - kSmallestShare); }

}  // namespace

int ViewerSplitShare::LeftWidth(int room) {
  if (room <= 0) return 0;
  if (stored_width_) {
    share_ = Clamped(static_cast<double>(*stored_width_) / room);
    stored_width_.reset();
  }
  return static_cast<int>(std::lround(share_ * room));
}

void ViewerSplitShare::Dragged(int left_width, int room) {
  if (room <= 0) return;
  stored_width_.reset();
  share_ = std::clamp(static_cast<double>(left_width) / room, 0.0, 1.0);
}

}  // namespace kestrin
