// The single-panel viewer on the offscreen platform: opening a real report,
// and its own modal show with its legend.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "report/report_rows.h"
#include "tests/ui/common/ui_support.h"
#include "ui/common/display_text.h"

namespace kestrin::ui_testing {
namespace {

TEST(ViewerSinglePanelTest, RealRunOpensTheSinglePanelWithCaptionHeaderAndRows) {
  const ReportLines report = RealReport(false);
  ASSERT_TRUE(report.Secondary.empty());
  ViewerRig rig;
  rig.main_window.new_directory = "/data/new.c";
  rig.main_window.old_directory = "/data/old.c";
  rig.Show(report, [&](ViewerWindow& viewer) {
    auto& single = dynamic_cast<TFrmVList&>(viewer);
    EXPECT_EQ(viewer.Caption(), viewer.windowTitle().toStdString());
    EXPECT_TRUE(single.Pane().Header().isVisible());
    EXPECT_EQ(single.Pane().Header().Text(), DisplayText(kSingleHeader));
    EXPECT_EQ(single.List().model()->rowCount(), static_cast<int>(report.Primary.size()));
    EXPECT_EQ(single.SelectedRow(), 0);
    EXPECT_EQ(viewer.NewDirectoryText().text(), QStringLiteral("/data/new.c"));
    EXPECT_EQ(viewer.OldDirectoryText().text(), QStringLiteral("/data/old.c"));
    // Each row shows its text in the colour of its change flag.
    for (const auto& [flag, colour] :
         {std::pair{"I - ", QColor(0, 0, 255)}, {"DM- ", QColor(255, 0, 0)}}) {
      int row = 0;
      while (row < single.List().model()->rowCount() && !report.Primary[row].starts_with(flag))
        ++row;
      ASSERT_LT(row, single.List().model()->rowCount()) << flag;
      const QModelIndex index = single.List().model()->index(row, 0);
      EXPECT_EQ(index.data().toString(), DisplayText(RowText(report, report.Primary, row))) << flag;
      EXPECT_EQ(index.data(Qt::ForegroundRole).value<QBrush>().color(), colour) << flag;
    }
  });
  EXPECT_EQ(rig.main_window.exit_focus_count, 1);
  EXPECT_GT(std::stoi(rig.layout.VLWide1), 634) << "wide enough for the ruler line";
  EXPECT_EQ(rig.layout.VLHt1, "465");
}

// The legend opens beside the modal viewer, as a window of its own that
// stays usable, and closes with it.
TEST(ViewerSinglePanelTest, ModalShowWaitsUntilReturnClosesTheViewerAndItsLegend) {
  ViewerRig rig;  // the viewers' own modal show
  TFrmVList& single = rig.Viewers().SingleViewer();
  TFrmChgFlag& legend = rig.Viewers().Legend();
  bool was_modal = false;
  QTimer::singleShot(0, &single, [&] {
    was_modal = single.isVisible() && QApplication::activeModalWidget() == &single;
    single.LegendButton().click();
    EXPECT_TRUE(legend.isVisible());
    EXPECT_TRUE(legend.isWindow());
    EXPECT_EQ(legend.parentWidget(), &single);
    // A window whose transient parent is the modal viewer stays usable.
    const QWindow* handle = legend.windowHandle();
    EXPECT_EQ(handle ? handle->transientParent() : nullptr, single.windowHandle());
    EXPECT_EQ(single.Finder().parentWidget(), &single);
    single.ReturnButton().click();
  });
  rig.Viewers().ShowReportViewer(FilledReport(NumberedLines(5)));
  EXPECT_TRUE(was_modal);
  EXPECT_FALSE(single.isVisible());
  EXPECT_FALSE(legend.isVisible());
  EXPECT_EQ(rig.main_window.exit_focus_count, 1);
}

}  // namespace
}  // namespace kestrin::ui_testing
