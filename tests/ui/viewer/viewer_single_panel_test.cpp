// The single-panel viewer on the offscreen platform: opening a real report,
// the empty report, navigation, find, the font size box, the legend and the
// controls of its top band.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include "report/report_rows.h"
#include "tests/ui/common/viewer_support.h"
#include "ui/common/display_text.h"

namespace kestrin {
namespace {

using viewer_testing::FilledReport;
using viewer_testing::NumberedLines;
using viewer_testing::RealReport;
using viewer_testing::ViewerRig;

QString Q(std::string_view text) { return DisplayText(text); }

int RowIndexOf(const ReportLines& report, const std::string& start) {
  for (size_t i = 0; i < report.Primary.size(); ++i) {
    if (report.Primary[i].starts_with(start)) return static_cast<int>(i);
  }
  return -1;
}

TEST(ViewerSinglePanelTest, RealRunOpensTheSinglePanelWithCaptionHeaderAndRows) {
  const ReportLines report = RealReport(KESTRIN_BINARY_DIR "/viewer_single_files", false);
  ASSERT_GT(report.Primary.size(), 30u);
  ASSERT_TRUE(report.Secondary.empty());
  ViewerRig rig;
  rig.main_window.new_directory = "/data/new.c";
  rig.main_window.old_directory = "/data/old.c";
  bool shown = false;
  rig.Show(report, [&](ViewerWindow& viewer) {
    shown = true;
    ASSERT_EQ(&viewer, &rig.Viewers().SingleViewer());
    TFrmVList& single = rig.Viewers().SingleViewer();
    EXPECT_EQ(viewer.Caption(), viewer.windowTitle().toStdString());
    ASSERT_TRUE(single.Header().has_value());
    EXPECT_EQ(*single.Header(), std::string(kSingleHeader));
    EXPECT_TRUE(single.Pane().Header().isVisible());
    EXPECT_EQ(single.Pane().Header().Text(), Q(kSingleHeader));
    EXPECT_EQ(single.List().model()->rowCount(), static_cast<int>(report.Primary.size()));
    EXPECT_EQ(single.SelectedRow(), 0);
    EXPECT_EQ(single.List().TopRow(), 0);
    EXPECT_EQ(viewer.NewDirectoryText().text(), QStringLiteral("/data/new.c"));
    EXPECT_EQ(viewer.OldDirectoryText().text(), QStringLiteral("/data/old.c"));

    const int inserted = RowIndexOf(report, "I - ");
    const int moved_out = RowIndexOf(report, "DM- ");
    ASSERT_GE(inserted, 0);
    ASSERT_GE(moved_out, 0);
    const QModelIndex row = single.List().model()->index(inserted, 0);
    EXPECT_EQ(row.data().toString(), DisplayText(RowText(report, report.Primary, inserted)));
    EXPECT_EQ(row.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
    EXPECT_EQ(
        single.List().model()->index(moved_out, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
        QColor(255, 0, 0));
  });
  EXPECT_TRUE(shown);
  EXPECT_FALSE(rig.Viewers().SingleViewer().isVisible());
  EXPECT_EQ(rig.main_window.exit_focus_count, 1);
  EXPECT_GT(std::stoi(rig.layout.VLWide1), 634) << "wide enough for the ruler line";
  EXPECT_EQ(rig.layout.VLHt1, "465");
}

TEST(ViewerSinglePanelTest, LegendShowsBesideTheViewerAndClosesWithIt) {
  const ReportLines report = FilledReport(NumberedLines(5));
  ViewerRig rig;
  TFrmChgFlag& legend = rig.Viewers().Legend();
  rig.Show(report, [&](ViewerWindow& viewer) {
    viewer.LegendButton().click();
    EXPECT_TRUE(legend.isVisible());
    EXPECT_EQ(legend.parentWidget(), &viewer);
    EXPECT_TRUE(legend.isWindow());
    // A window whose transient parent is the modal viewer stays usable.
    ASSERT_NE(legend.windowHandle(), nullptr);
    EXPECT_EQ(legend.windowHandle()->transientParent(), viewer.windowHandle());
    EXPECT_EQ(viewer.Finder().parentWidget(), &viewer);
  });
  EXPECT_FALSE(legend.isVisible());
}

TEST(ViewerSinglePanelTest, ModalShowWaitsUntilReturnClosesTheViewer) {
  const ReportLines report = FilledReport(NumberedLines(5));
  ViewerRig rig;  // the viewers' own modal show
  TFrmVList& single = rig.Viewers().SingleViewer();
  bool was_modal = false;
  QTimer::singleShot(0, &single, [&] {
    was_modal = single.isVisible() && QApplication::activeModalWidget() == &single;
    single.LegendButton().click();
    single.ReturnButton().click();
  });
  rig.Viewers().ShowReportViewer(report);
  EXPECT_TRUE(was_modal);
  EXPECT_FALSE(single.isVisible());
  EXPECT_FALSE(rig.Viewers().Legend().isVisible());
  EXPECT_EQ(rig.main_window.exit_focus_count, 1);
}

}  // namespace
}  // namespace kestrin
