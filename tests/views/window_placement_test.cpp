// Window placement on the available screen area, and the dual-panel viewer's
// left-list share: rules tested on plain rectangles.
#include "views/window_placement.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/common/case_table.h"
#include "views/viewer_split_share.h"

namespace kestrin {
namespace {

std::string Text(const ScreenRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

ScreenRect Rect(const std::string& text) {
  ScreenRect r{};
  std::sscanf(text.c_str(), "%d,%d %dx%d", &r.left, &r.top, &r.width, &r.height);
  return r;
}

const ScreenRect kScreen{0, 0, 1600, 1000};

TEST(WindowPlacementTest, AWindowIsShrunkAndMovedIntoTheAvailableArea) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/window_fits.txt")) {
    EXPECT_EQ(Text(FitInside(Rect(c[0]), kScreen)), c[1]) << c.Where();
  }
}

TEST(WindowPlacementTest, TheLegendGoesRightThenLeftAndNeverOverTheButtons) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/legend_places.txt")) {
    const ScreenRect viewer = Rect(c[0]);
    const ScreenRect buttons{viewer.left, viewer.top, 500, 50};
    const ScreenRect legend = PlaceBeside(viewer, buttons, 300, 400, kScreen, 8);
    EXPECT_EQ(Text(legend), c[1]) << c.Where();
    EXPECT_FALSE(legend.Overlaps(buttons)) << c.Where();
  }
}

TEST(WindowPlacementTest, TheFindDialogMovesOffTheSelectedRow) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/find_dialog_places.txt")) {
    const ScreenRect placed = PlaceClearOf(Rect(c[0]), Rect(c[1]), kScreen);
    EXPECT_EQ(Text(placed), c[2]) << c.Where();
    EXPECT_FALSE(placed.Overlaps(Rect(c[1]))) << c.Where();
  }
}

TEST(ViewerSplitShareTest, ListsShareEquallyUntilAStoredOrDraggedWidthKeepsItsShare) {
  ViewerSplitShare share;
  EXPECT_EQ(share.LeftWidth(600), 300);
  EXPECT_EQ(share.LeftWidth(1200), 600) << "the halves grow with the window";

  share.SetStoredWidth(200);
  EXPECT_EQ(share.LeftWidth(800), 200) << "a stored width is taken at the first room";
  EXPECT_EQ(share.LeftWidth(1600), 400) << "then kept as a share";

  share.Dragged(1200, 1600);
  EXPECT_EQ(share.LeftWidth(800), 600);
  share.Dragged(2000, 1600);
  EXPECT_EQ(share.LeftWidth(1000), 1000) << "a drag past the room takes all of it";
  share.Dragged(0, 1);
  EXPECT_EQ(share.LeftWidth(1000), 0) << "a room of one takes the drag";

  share.SetStoredWidth(5000);
  EXPECT_EQ(share.LeftWidth(1000), 900) << "a stored width wider than the room leaves room";
}

}  // namespace
}  // namespace kestrin
