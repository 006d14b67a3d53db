// The dual-panel viewer on the offscreen platform: opening a real
// side-by-side report, the right list following the left list's top row,
// To Top and To Btm, find across both lists and the shared font size.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>

#include "tests/ui/viewer_support.h"
#include "ui/common/display_text.h"

namespace kestrin {
namespace {

using viewer_testing::FilledReport;
using viewer_testing::NumberedLines;
using viewer_testing::RealReport;
using viewer_testing::ViewerRig;

constexpr char kDualPrefix[] = "Kestrin V1.4b - Dual Panel Display of Comparison Report  ";

// A side-by-side report of `listing` aligned rows followed by `summary` rows
// on the left only.
ReportLines SideBySide(int listing, int summary) {
  std::vector<std::string> left = NumberedLines(listing, "new");
  std::vector<std::string> right = NumberedLines(listing, "old");
  for (const std::string& line : NumberedLines(summary, "summary")) left.push_back(line);
  ReportLines report = FilledReport(left, right, listing);
  report.settings.Sbsl = true;
  return report;
}

class ViewerDualPanelTest : public ::testing::Test {
 protected:
  ViewerDualPanelTest() { rig.main_window.sbsl_checked = true; }

  TFrmVSplit& Dual() { return rig.Viewers().DualViewer(); }
  ViewerListView& Left() { return Dual().LeftPane().List(); }
  ViewerListView& Right() { return Dual().RightPane().List(); }

  ViewerRig rig;
};

TEST_F(ViewerDualPanelTest, RealSbslRunOpensTheDualPanelWithBothLists) {
  const ReportLines report = RealReport(KESTRIN_BINARY_DIR "/viewer_dual_files", true);
  ASSERT_FALSE(report.Secondary.empty());
  bool shown = false;
  int left_width = 0;
  rig.Show(report, [&](ViewerWindow& viewer) {
    shown = true;
    ASSERT_EQ(&viewer, &Dual());
    const std::string caption = viewer.windowTitle().toStdString();
    EXPECT_TRUE(caption.starts_with(kDualPrefix)) << caption;
    EXPECT_EQ(Left().model()->rowCount(), static_cast<int>(report.Primary.size()));
    EXPECT_EQ(Right().model()->rowCount(), static_cast<int>(report.Secondary.size()));
    EXPECT_GT(Left().model()->rowCount(), Right().model()->rowCount());
    EXPECT_EQ(Dual().LeftPane().Header().Text(), DisplayText(kInsertsHeader));
    EXPECT_EQ(Dual().RightPane().Header().Text(), DisplayText(kDeletesHeader));
    EXPECT_TRUE(Dual().LeftPane().Header().isVisible());
    EXPECT_TRUE(Dual().RightPane().Header().isVisible());
    EXPECT_EQ(Left().SelectedRow(), 0);
    EXPECT_EQ(Right().SelectedRow(), 0);
    EXPECT_EQ(Left().TopRow(), 0);
    EXPECT_EQ(Right().TopRow(), 0);
    // The lists share the width equally.
    EXPECT_LE(std::abs(Dual().LeftPane().width() - Dual().RightPane().width()), 1);
    EXPECT_EQ(Dual().LeftListWidth(), Dual().LeftPane().width());
    left_width = Dual().LeftListWidth();

    // Rows on the deletes side are coloured for that side only.
    for (int row = 0; row < Right().model()->rowCount(); ++row) {
      const std::string& line = report.Secondary[static_cast<size_t>(row)];
      if (!line.starts_with("RO-")) continue;
      EXPECT_EQ(Right().model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                QColor(128, 0, 0));
    }
  });
  EXPECT_TRUE(shown);
  // Two listings with their reference columns are wider than the screen:
  // the first size is the screen's width.
  EXPECT_EQ(rig.layout.VLWide2, "1596");
  EXPECT_EQ(rig.layout.VLHt2, "539");
  EXPECT_EQ(rig.layout.VLLeft2, "0");
  EXPECT_EQ(rig.layout.SpSplit, std::to_string(left_width));
}

TEST_F(ViewerDualPanelTest, RightListFollowsTheLeftListsTopRow) {
  const ReportLines report = SideBySide(200, 100);
  rig.Show(report, [&](ViewerWindow&) {
    struct Case {
      int left_top, right_top;
    };
    // Past the right list's end, its last row rests on top.
    for (const Case& c : {Case{5, 5}, Case{150, 150}, Case{199, 199}, Case{250, 199}, Case{0, 0}}) {
      Left().SetTopRow(c.left_top);
      EXPECT_EQ(Left().TopRow(), c.left_top);
      EXPECT_EQ(Right().TopRow(), c.right_top) << "left top " << c.left_top;
    }
    // The right list's own scrolling does not move the left list.
    Right().SetTopRow(40);
    EXPECT_EQ(Left().TopRow(), 0);
    // Rows that belong together stand level.
    Left().SetTopRow(120);
    const QRect left_row = Left().visualRect(Left().model()->index(125, 0));
    const QRect right_row = Right().visualRect(Right().model()->index(125, 0));
    EXPECT_EQ(left_row.top(), right_row.top());
    EXPECT_EQ(Left().viewport()->mapToGlobal(left_row.topLeft()).y(),
              Right().viewport()->mapToGlobal(right_row.topLeft()).y());
  });
}

TEST_F(ViewerDualPanelTest, ToBtmSelectsEachListsLastRowAndToTopRowZero) {
  const ReportLines report = SideBySide(200, 100);
  rig.Show(report, [&](ViewerWindow& viewer) {
    viewer.BottomButton().click();
    EXPECT_EQ(Left().SelectedRow(), 299);
    EXPECT_EQ(Right().SelectedRow(), 199);
    EXPECT_EQ(Right().TopRow(), 199);
    EXPECT_TRUE(
        Right().viewport()->rect().intersects(Right().visualRect(Right().model()->index(199, 0))));
    viewer.TopButton().click();
    EXPECT_EQ(Left().SelectedRow(), 0);
    EXPECT_EQ(Right().SelectedRow(), 0);
    EXPECT_EQ(Left().TopRow(), 0);
    EXPECT_EQ(Right().TopRow(), 0);
  });
}

TEST_F(ViewerDualPanelTest, FindSelectsTheMatchingRowInBothLists) {
  ReportLines report = SideBySide(200, 20);
  report.Secondary[150] = "D - 00151 only on the deletes side";
  rig.Show(report, [&](ViewerWindow& viewer) {
    viewer.FindButton().click();
    FindDialog& finder = viewer.Finder();
    finder.TextField().setText(QStringLiteral("DELETES side"));
    finder.RequestFindNext();
    EXPECT_EQ(Left().SelectedRow(), 150);
    EXPECT_EQ(Right().SelectedRow(), 150);
    EXPECT_EQ(Right().TopRow(), Left().TopRow());

    finder.TextField().setText(QStringLiteral("summary 7"));
    finder.RequestFindNext();
    EXPECT_EQ(Left().SelectedRow(), 206);
    EXPECT_EQ(Right().SelectedRow(), -1);
    EXPECT_EQ(Right().TopRow(), std::min(Left().TopRow(), 199));

    finder.RequestFindNext();  // no wrap-around
    EXPECT_EQ(Left().SelectedRow(), 206);
    finder.close();
  });
  EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Text Not Found"});
}

TEST_F(ViewerDualPanelTest, DisplayFontSizeChangesBothLists) {
  const ReportLines report = SideBySide(30, 5);
  rig.Show(report, [&](ViewerWindow& viewer) {
    Q_EMIT viewer.ListFontSizeBox().textActivated(QStringLiteral("12"));
    EXPECT_EQ(Left().font().pointSize(), 12);
    EXPECT_EQ(Right().font().pointSize(), 12);
    EXPECT_EQ(Dual().LeftPane().Header().font().pointSize(), 12);
    EXPECT_EQ(Dual().RightPane().Header().font().pointSize(), 12);
  });
  EXPECT_EQ(rig.layout.VLFontSz, "12");
}

TEST_F(ViewerDualPanelTest, FsclWidensBothHeaders) {
  ReportLines report = SideBySide(10, 2);
  report.settings.Fscl = true;
  report.totals.longest_new_line = 100;
  report.totals.longest_old_line = 60;
  rig.Show(report, [&](ViewerWindow&) {
    EXPECT_EQ(Dual().LeftPane().Header().Text(),
              DisplayText(kInsertsHeader) + QStringLiteral("----+----9----+----1"));
    EXPECT_EQ(Dual().RightPane().Header().Text(),
              DisplayText(kDeletesHeader) + QStringLiteral("----+----9----+----1"));
  });
}

TEST_F(ViewerDualPanelTest, TopBandHoldsEveryControlWithItsCaptionAndHint) {
  viewer_testing::ExpectViewerBand(Dual(), kDualBandTexts);
  EXPECT_EQ(Left().objectName(), QStringLiteral("VsListbox2"));
  EXPECT_EQ(Right().objectName(), QStringLiteral("VsListbox3"));
  EXPECT_EQ(Dual().Splitter().objectName(), QStringLiteral("Splitter1"));
  EXPECT_EQ(Dual().ColorButton().objectName(), QStringLiteral("LsButColorPrint"));
  EXPECT_EQ(Dual().SaveAsButton().toolTip(),
            QStringLiteral("Save list box to a selected file (*.txt and *.rft)"));
  EXPECT_EQ(Right().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

}  // namespace
}  // namespace kestrin
