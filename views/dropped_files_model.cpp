// The placement rule for files dropped onto the main window.
#include "views/dropped_files_model.h"

namespace kestrin {

DroppedFilePlacement PlaceDroppedFiles(const std::vector<std::string>& names, int drop_y,
                                       int old_field_top) {
  DroppedFilePlacement placement;
  if (names.size() >= 2) {
    placement.new_name = names[0];
    placement.old_name = names[1];
  } else if (names.size() == 1) {
    if (drop_y < old_field_top) {
      placement.new_name = names[0];
    } else {
      placement.old_name = names[0];
    }
  }
  return placement;
}

}  // namespace kestrin
