// The viewers' stored layout: font sizes, window positions and the splitter,
// each kept as a short decimal text (empty when not stored).
#ifndef KESTRIN_SETTINGS_VIEWER_LAYOUT_H_
#define KESTRIN_SETTINGS_VIEWER_LAYOUT_H_

#include <string>

namespace kestrin {

struct ViewerLayout {
  std::string PFontSz = "8";   // print font size, at most 2 characters
  std::string VLFontSz = "8";  // list font size, at most 2 characters
  // Single-panel viewer, at most 4 characters each.
  std::string VLLeft1, VLTop1, VLWide1, VLHt1;
  // Dual-panel viewer and its splitter (width of the left list).
  std::string VLLeft2, VLTop2, VLWide2, VLHt2, SpSplit;
};

}  // namespace kestrin

#endif  // KESTRIN_SETTINGS_VIEWER_LAYOUT_H_
