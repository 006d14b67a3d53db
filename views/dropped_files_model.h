// Where files dropped onto the main window go: the new or the old name field.
#ifndef KESTRIN_VIEWS_DROPPED_FILES_MODEL_H_
#define KESTRIN_VIEWS_DROPPED_FILES_MODEL_H_

#include <optional>
#include <string>
#include <vector>

namespace kestrin {

// The names a drop puts into the two fields; a field without a name keeps
// its text.
struct DroppedFilePlacement {
  std::optional<std::string> new_name;
  std::optional<std::string> old_name;
};

// Two or more names: the first goes to the new field, the second to the old
// field, the rest are ignored. One name: to the new field when `drop_y` lies
// above `old_field_top` (both in the window's coordinates, y growing
// downwards), else to the old field. Names keep their letter case, since each
// must still open its own file.
DroppedFilePlacement PlaceDroppedFiles(const std::vector<std::string>& names, int drop_y,
                                       int old_field_top);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_DROPPED_FILES_MODEL_H_
