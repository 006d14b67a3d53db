// The viewers' layout: stored after each close, restored once when the
// viewers are made, a value that is not a number ending the restore, and the
// round trip through the settings file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QScreen>
#include <QSplitter>
#include <filesystem>

#include "engine/file_system.h"
#include "settings/settings_file.h"
#include "tests/ui/viewer_support.h"

namespace kestrin {
namespace {

using viewer_testing::FilledReport;
using viewer_testing::NumberedLines;
using viewer_testing::ViewerRig;

ReportLines SideBySideReport() {
  return FilledReport(NumberedLines(40, "new"), NumberedLines(30, "old"), 30);
}

std::string Describe(const ViewerLayout& layout) {
  return "PFontSz=" + layout.PFontSz + " VLFontSz=" + layout.VLFontSz + " 1:" + layout.VLLeft1 +
         "," + layout.VLTop1 + "," + layout.VLWide1 + "x" + layout.VLHt1 + " 2:" + layout.VLLeft2 +
         "," + layout.VLTop2 + "," + layout.VLWide2 + "x" + layout.VLHt2 + " split " +
         layout.SpSplit;
}

void ChooseFontSizes(ViewerWindow& viewer, const QString& list, const QString& print) {
  Q_EMIT viewer.ListFontSizeBox().textActivated(list);
  viewer.PrintFontSizeBox().setEditText(print);
}

// Shows both viewers once, moving, sizing and setting the font sizes as a
// user would, and returns the layout they stored.
// Moves the splitter as a drag does: the left list `left` wide, the right
// list the rest of the room.
void DragSplitterTo(TFrmVSplit& dual, int left) {
  const QList<int> sizes = dual.Splitter().sizes();
  dual.Splitter().setSizes({left, sizes.value(0) + sizes.value(1) - left});
  Q_EMIT dual.Splitter().splitterMoved(left, 1);
}

ViewerLayout LayoutAfterUse() {
  ViewerRig rig;
  rig.Show(FilledReport(NumberedLines(10)), [](ViewerWindow& viewer) {
    viewer.move(50, 60);
    viewer.resize(700, 500);
    ChooseFontSizes(viewer, QStringLiteral("11"), QStringLiteral("10"));
  });
  rig.main_window.sbsl_checked = true;
  rig.Show(SideBySideReport(), [&](ViewerWindow& viewer) {
    viewer.move(70, 80);
    viewer.resize(800, 600);
    DragSplitterTo(rig.Viewers().DualViewer(), 250);
    ChooseFontSizes(viewer, QStringLiteral("11"), QStringLiteral("10"));
  });
  return rig.layout;
}

TEST(ViewerLayoutTest, EachCloseStoresTheClosingViewersLayout) {
  ViewerRig rig;
  rig.Show(FilledReport(NumberedLines(10)), [](ViewerWindow& viewer) {
    viewer.move(50, 60);
    viewer.resize(700, 500);
    ChooseFontSizes(viewer, QStringLiteral("11"), QStringLiteral("10"));
  });
  EXPECT_EQ(Describe(rig.layout), "PFontSz=10 VLFontSz=11 1:50,60,700x500 2:,,x split ");
  // The font sizes are those of the viewer closed last.
  rig.main_window.sbsl_checked = true;
  rig.Show(SideBySideReport(), [&](ViewerWindow& viewer) {
    viewer.move(70, 80);
    viewer.resize(800, 600);
    DragSplitterTo(rig.Viewers().DualViewer(), 250);
  });
  EXPECT_EQ(Describe(rig.layout), "PFontSz=8 VLFontSz=8 1:50,60,700x500 2:70,80,800x600 split 250");
}

TEST(ViewerLayoutTest, ViewersMadeFromAStoredLayoutTakeItBack) {
  ViewerRig rig(LayoutAfterUse());
  TFrmVList& single = rig.Viewers().SingleViewer();
  TFrmVSplit& dual = rig.Viewers().DualViewer();
  EXPECT_EQ(single.geometry().topLeft(), QPoint(50, 60));
  EXPECT_EQ(single.size(), QSize(700, 500));
  EXPECT_EQ(single.List().font().pointSize(), 11);
  EXPECT_EQ(single.ListFontSizeBox().currentText(), QStringLiteral("11"));
  EXPECT_EQ(single.PrintFontSizeText(), QStringLiteral("10"));
  EXPECT_EQ(dual.pos(), QPoint(70, 80));
  EXPECT_EQ(dual.size(), QSize(800, 600));
  EXPECT_EQ(dual.PrintFontSizeText(), QStringLiteral("10"));
  EXPECT_EQ(dual.LeftPane().List().font().pointSize(), 11);
  EXPECT_EQ(dual.RightPane().List().font().pointSize(), 11);
  rig.main_window.sbsl_checked = true;
  rig.Show(SideBySideReport(), [&](ViewerWindow&) {
    EXPECT_EQ(dual.LeftPane().width(), 250);
    EXPECT_EQ(dual.LeftListWidth(), 250);
  });
}

TEST(ViewerLayoutTest, EmptyStoredValuesKeepTheDesignedLayout) {
  ViewerLayout stored;
  stored.PFontSz.clear();
  stored.VLFontSz.clear();
  ViewerRig rig(stored);
  TFrmVList& single = rig.Viewers().SingleViewer();
  TFrmVSplit& dual = rig.Viewers().DualViewer();
  EXPECT_EQ(single.height(), 465);
  EXPECT_GT(single.width(), 634) << "widened for the ruler line";
  EXPECT_EQ(single.List().font().pointSize(), 8);
  EXPECT_EQ(single.PrintFontSizeText(), QStringLiteral("8"));
  EXPECT_EQ(dual.pos(), QPoint(239, 183));
  EXPECT_EQ(dual.height(), 539);
  EXPECT_GT(dual.width(), single.width()) << "two lists, each with the ruler line";
}

TEST(ViewerLayoutTest, AValueThatIsNotANumberStopsTheRestoreThere) {
  ViewerLayout stored;
  stored.VLTop1 = "40";
  stored.VLHt1 = "4x0";  // stops here: left and width keep their defaults
  stored.VLLeft1 = "30";
  stored.VLWide1 = "900";
  stored.PFontSz = "12";
  stored.VLFontSz = "9";
  stored.SpSplit = "abc";  // stops before the dual panel's geometry
  stored.VLTop2 = "10";
  ViewerRig rig(stored);
  TFrmVList& single = rig.Viewers().SingleViewer();
  EXPECT_EQ(single.pos().y(), 40);
  EXPECT_NE(single.pos().x(), 30);
  EXPECT_EQ(single.size(), QSize(634, 465));
  EXPECT_EQ(single.List().font().pointSize(), 9);
  TFrmVSplit& dual = rig.Viewers().DualViewer();
  EXPECT_EQ(dual.pos(), QPoint(239, 183));
  EXPECT_EQ(dual.LeftListWidth(), 329);
  EXPECT_EQ(dual.LeftPane().List().font().pointSize(), 9);
  EXPECT_EQ(dual.PrintFontSizeText(), QStringLiteral("12"));

  ViewerLayout bad_font;
  bad_font.VLFontSz = "z";  // the single panel stops before everything else
  bad_font.PFontSz = "11";
  bad_font.VLTop1 = "33";
  ViewerRig second(bad_font);
  EXPECT_EQ(second.Viewers().SingleViewer().List().font().pointSize(), 8);
  EXPECT_EQ(second.Viewers().SingleViewer().PrintFontSizeText(), QStringLiteral("8"));
  EXPECT_NE(second.Viewers().SingleViewer().pos().y(), 33);
  // The dual panel shows its print size first.
  EXPECT_EQ(second.Viewers().DualViewer().PrintFontSizeText(), QStringLiteral("11"));
}

TEST(ViewerLayoutTest, AWindowStoredOutsideEveryScreenComesBackOnScreen) {
  ViewerLayout stored;
  stored.VLLeft1 = "9000";
  stored.VLTop1 = "9000";
  ViewerRig rig(stored);
  rig.Show(FilledReport(NumberedLines(3)), [](ViewerWindow& viewer) {
    EXPECT_TRUE(viewer.screen()->availableGeometry().intersects(viewer.frameGeometry()));
  });
}

TEST(ViewerLayoutTest, LayoutSurvivesTheSettingsFile) {
  const std::string path = KESTRIN_BINARY_DIR "/viewer_layout_settings/Kestrin.ini";
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  KestrinSettings settings;
  settings.layout = LayoutAfterUse();
  ASSERT_TRUE(SaveSettings(settings, path, DefaultFileSystem()).saved);

  const KestrinSettings loaded = LoadSettings(path, DefaultFileSystem());
  EXPECT_EQ(Describe(loaded.layout), Describe(settings.layout));
  ViewerRig rig(loaded.layout);
  EXPECT_EQ(rig.Viewers().SingleViewer().pos(), QPoint(50, 60));
  EXPECT_EQ(rig.Viewers().DualViewer().size(), QSize(800, 600));
  EXPECT_EQ(rig.Viewers().DualViewer().LeftListWidth(), 250);
}

}  // namespace
}  // namespace kestrin
