// Window placement on the available screen area, and the dual-panel viewer's
// left-list share: rules tested on plain rectangles.
#include "views/window_placement.h"

#include <gtest/gtest.h>

#include <string>

#include "views/viewer_split_share.h"

namespace kestrin {
namespace {

std::string Text(const ScreenRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

const ScreenRect kScreen{0, 0, 1600, 1000};

TEST(WindowPlacementTest, AWindowIsShrunkAndMovedIntoTheAvailableArea) {
  struct Case {
    ScreenRect window;
    std::string fitted;
  };
  const Case cases[] = {
      {{100, 100, 800, 600}, "100,100 800x600"},     // inside already
      {{1000, 500, 800, 600}, "800,400 800x600"},    // off the right and bottom edges
      {{-50, -20, 300, 200}, "0,0 300x200"},         // off the left and top edges
      {{400, 300, 1290, 1300}, "310,0 1290x1000"},   // taller than the screen
      {{2000, 2000, 1935, 900}, "0,100 1600x900"},   // wider than the screen, far away
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Text(FitInside(c.window, kScreen)), c.fitted) << Text(c.window);
  }
}

TEST(WindowPlacementTest, TheLegendGoesRightThenLeftAndNeverOverTheButtons) {
  struct Case {
    ScreenRect viewer;
    std::string legend;
  };
  const Case cases[] = {
      {{100, 100, 800, 600}, "908,100 300x400"},    // room on the right
      {{1000, 100, 590, 600}, "692,100 300x400"},   // room only on the left
      {{0, 0, 1600, 1000}, "1300,58 300x400"},      // the viewer fills the screen
  };
  for (const Case& c : cases) {
    const ScreenRect buttons{c.viewer.left, c.viewer.top, 500, 50};
    const ScreenRect legend = PlaceBeside(c.viewer, buttons, 300, 400, kScreen, 8);
    EXPECT_EQ(Text(legend), c.legend) << Text(c.viewer);
    EXPECT_FALSE(legend.Overlaps(buttons)) << Text(c.viewer);
  }
}

TEST(WindowPlacementTest, TheFindDialogMovesOffTheSelectedRow) {
  struct Case {
    ScreenRect dialog, row;
    std::string placed;
  };
  const Case cases[] = {
      {{500, 100, 400, 150}, {0, 400, 1000, 20}, "500,100 400x150"},  // clear already
      {{500, 350, 400, 150}, {0, 400, 1000, 20}, "500,420 400x150"},  // below the row
      {{500, 850, 400, 150}, {0, 900, 1000, 20}, "500,750 400x150"},  // no room below
  };
  for (const Case& c : cases) {
    const ScreenRect placed = PlaceClearOf(c.dialog, c.row, kScreen);
    EXPECT_EQ(Text(placed), c.placed) << Text(c.dialog) << " row " << Text(c.row);
    EXPECT_FALSE(placed.Overlaps(c.row)) << Text(c.dialog);
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

  share.SetStoredWidth(5000);
  EXPECT_EQ(share.LeftWidth(1000), 900) << "a stored width wider than the room leaves room";
}

}  // namespace
}  // namespace kestrin
