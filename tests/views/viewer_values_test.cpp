// How report bytes are displayed; how the viewers read and write their
// stored layout values and font sizes; window placement on the available
// screen area, and the dual-panel viewer's left-list share, tested on plain
// rectangles.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "views/display_text.h"
#include "views/viewer_layout_values.h"
#include "views/viewer_split_share.h"
#include "views/window_placement.h"

namespace kestrin {
namespace {

// `units` as UTF-8, written out here so that the cases can spell what
// they expect as text.
std::string Utf8Of(const std::u16string& units) {
  std::string text;
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t code = units[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < units.size()) {
      code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
    }
    int trailing = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    text += static_cast<char>(
        trailing == 0 ? code : ((0xFF << (7 - trailing)) & 0xFF) | (code >> 6 * trailing));
    while (trailing-- > 0) text += static_cast<char>(0x80 | ((code >> 6 * trailing) & 0x3F));
  }
  return text;
}

TEST(ViewerValuesTest, DisplayTextDecodesUtf8AndKeepsOtherBytesAsLatin1) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/display_units.txt")) {
    EXPECT_EQ(Utf8Of(DisplayUnits(c[0])), c[1]) << c.Where();
  }
}

std::string Shown(const std::optional<int>& number) {
  return number ? std::to_string(*number) : "none";
}

TEST(ViewerValuesTest, StoredNumbersAreSignedDecimalsOnly) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/stored_numbers.txt")) {
    EXPECT_EQ(Shown(StoredNumber(c[0])), c[1]) << c.Where();
  }
}

TEST(ViewerValuesTest, RestoreSkipsEmptyValuesAndStopsAtTheFirstBadOne) {
  const std::string top = "10", empty, bad = "x1", width = "300";
  std::vector<std::string> applied;
  const auto apply = [&applied](std::string name) {
    return [&applied, name](int value) { applied.push_back(name + " " + std::to_string(value)); };
  };
  EXPECT_FALSE(RestoreStoredValues({{top, apply("top")},
                                    {empty, apply("height")},
                                    {bad, apply("left")},
                                    {width, apply("width")}}));
  EXPECT_EQ(applied, std::vector<std::string>{"top 10"});
  applied.clear();
  EXPECT_TRUE(RestoreStoredValues({{empty, apply("any")}, {width, apply("width")}}));
  EXPECT_EQ(applied, std::vector<std::string>{"width 300"});
}

TEST(ViewerValuesTest, FontSizesAreWholeNumbersFrom1To99) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/font_sizes.txt")) {
    const FontSizeChoice choice = ReadFontSize(c[0]);
    EXPECT_EQ(Shown(choice.points), c[1]) << c.Where();
    EXPECT_EQ(choice.refusal, c[2]) << c.Where();
  }
  EXPECT_EQ(FontSizeText(""), "8");
  EXPECT_EQ(FontSizeText("11"), "11");
}

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
