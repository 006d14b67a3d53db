// The side-by-side save preference window without its widgets: what it is
// shown with, the state of its controls, and the choice it hands back.
#ifndef KESTRIN_VIEWS_SBS_PREFERENCE_H_
#define KESTRIN_VIEWS_SBS_PREFERENCE_H_

#include <optional>
#include <string>

namespace kestrin {

// What a dual-panel text save shows the window.
struct SbsRequest {
  bool stacked = false;        // SbsRp: the layout chosen at the last save
  int stacked_width = 0;       // shown in SbsCapNorm
  int side_by_side_width = 0;  // shown in SbsCapSbs
  bool file_exists = false;    // the append box is enabled only then
};

// The window's controls. The title, title box and append box keep their
// state from one save to the next; the rest is set for every save.
struct SbsControls {
  bool stacked = false;
  bool title_checked = false;
  std::string title_text;
  bool append_checked = false;
  bool append_enabled = false;
};

// The choice of "&Use".
struct SbsAnswer {
  bool stacked = false;
  std::optional<std::string> title;  // the first line to write, when wanted
  bool append = false;               // add to the existing file
};

// Sets the layout choice and the append box's state for `request`.
void PrepareSbsControls(SbsControls& controls, const SbsRequest& request);

// The choice the controls show: a title only when its box is checked and it
// is not empty, appending only when the append box is enabled and checked.
SbsAnswer SbsAnswerFrom(const SbsControls& controls);

// Sample: "Output save line length = 182".
std::string SaveLineLengthCaption(int width);

// The window, as print and save reach it.
class SbsPreferenceDialog {
 public:
  virtual ~SbsPreferenceDialog() = default;
  // Shows the window modally for `request`. Returns nullopt when cancelled.
  virtual std::optional<SbsAnswer> AskSbsPreference(const SbsRequest& request) = 0;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_SBS_PREFERENCE_H_
