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
#include "tests/ui/viewer_support.h"
#include "ui/common/display_text.h"

namespace kestrin {
namespace {

using viewer_testing::FilledReport;
using viewer_testing::NumberedLines;
using viewer_testing::RealReport;
using viewer_testing::ViewerRig;

constexpr char kSinglePrefix[] = "Kestrin V1.4b - Single Panel Display of Comparison Report  ";

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
    const std::string caption = viewer.windowTitle().toStdString();
    EXPECT_TRUE(caption.starts_with(kSinglePrefix)) << caption;
    EXPECT_EQ(caption.size(), std::string(kSinglePrefix).size() + viewer.RunStamp().size());
    EXPECT_EQ(viewer.Caption(), caption);
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

TEST(ViewerSinglePanelTest, EmptyReportShowsNoRowsNoHeaderAndFindsNothing) {
  const ReportLines report;
  ViewerRig rig;
  rig.main_window.sbsl_checked = true;  // no right side: still the single panel
  rig.Show(report, [&](ViewerWindow& viewer) {
    TFrmVList& single = rig.Viewers().SingleViewer();
    ASSERT_EQ(&viewer, &single);
    EXPECT_EQ(single.List().model()->rowCount(), 0);
    EXPECT_FALSE(single.Header().has_value());
    EXPECT_FALSE(single.Pane().Header().isVisible());
    single.ToTop();
    single.ToBottom();
    EXPECT_EQ(single.SelectedRow(), -1);
    single.OpenFind();
    single.Finder().TextField().setText(QStringLiteral("anything"));
    single.Finder().RequestFindNext();
    single.Finder().close();
  });
  EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Text Not Found"});
}

TEST(ViewerSinglePanelTest, SbslBoxWithoutARightSideOpensTheSinglePanel) {
  const ReportLines report = FilledReport(NumberedLines(3));
  ViewerRig rig;
  rig.main_window.sbsl_checked = true;
  ViewerWindow* opened = nullptr;
  rig.Show(report, [&](ViewerWindow& viewer) { opened = &viewer; });
  EXPECT_EQ(opened, &rig.Viewers().SingleViewer());
}

TEST(ViewerSinglePanelTest, ToTopAndToBtmSelectTheEndsAndBringThemIntoView) {
  const ReportLines report = FilledReport(NumberedLines(500));
  ViewerRig rig;
  rig.Show(report, [&](ViewerWindow& viewer) {
    TFrmVList& single = rig.Viewers().SingleViewer();
    viewer.BottomButton().click();
    EXPECT_EQ(single.SelectedRow(), 499);
    EXPECT_GT(single.List().TopRow(), 400);
    EXPECT_TRUE(single.List().viewport()->rect().intersects(
        single.List().visualRect(single.List().model()->index(499, 0))));
    viewer.TopButton().click();
    EXPECT_EQ(single.SelectedRow(), 0);
    EXPECT_EQ(single.List().TopRow(), 0);
  });
}

TEST(ViewerSinglePanelTest, FindDialogSearchesDownAndUpWithoutWrapping) {
  const ReportLines report =
      FilledReport({"    00001 alpha", "I - 00002 Needle one", "    00003 gamma",
                    "D - 00004 needle two", "    00005 omega"});
  ViewerRig rig;
  rig.Show(report, [&](ViewerWindow& viewer) {
    TFrmVList& single = rig.Viewers().SingleViewer();
    single.List().clearSelection();
    viewer.FindButton().click();
    EXPECT_EQ(single.SelectedRow(), 0);  // the Find button selects row 0 first
    FindDialog& finder = viewer.Finder();
    EXPECT_TRUE(finder.isVisible());
    EXPECT_TRUE(finder.DownChoice().isChecked());
    EXPECT_TRUE(finder.WholeWordBox().isHidden());
    EXPECT_FALSE(finder.MatchCaseBox().isEnabled());
    EXPECT_EQ(viewer.focusWidget(), &viewer.ReturnButton());

    finder.TextField().setText(QStringLiteral("  NEEDLE "));
    finder.RequestFindNext();
    EXPECT_EQ(single.SelectedRow(), 1);
    finder.RequestFindNext();
    EXPECT_EQ(single.SelectedRow(), 3);
    finder.RequestFindNext();  // no wrap-around: the selection stays
    EXPECT_EQ(single.SelectedRow(), 3);
    finder.UpChoice().setChecked(true);
    finder.RequestFindNext();
    EXPECT_EQ(single.SelectedRow(), 1);

    viewer.FindButton().click();  // each opening presets "down" again
    EXPECT_TRUE(finder.DownChoice().isChecked());
    finder.close();
  });
  EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"Text Not Found"});
}

TEST(ViewerSinglePanelTest, ListFontSizeBoxSetsTheFontOrRefusesTheText) {
  const ReportLines report = FilledReport(NumberedLines(20));
  ViewerRig rig;
  rig.Show(report, [&](ViewerWindow& viewer) {
    TFrmVList& single = rig.Viewers().SingleViewer();
    EXPECT_EQ(single.List().font().pointSize(), 8);
    viewer.ListFontSizeBox().setCurrentIndex(viewer.ListFontSizeBox().findText("11"));
    Q_EMIT viewer.ListFontSizeBox().textActivated(QStringLiteral("11"));
    EXPECT_EQ(single.List().font().pointSize(), 11);
    EXPECT_EQ(single.Pane().Header().font().pointSize(), 11);

    viewer.ListFontSizeBox().setEditText(QStringLiteral("1x"));
    Q_EMIT viewer.ListFontSizeBox().lineEdit()->editingFinished();
    EXPECT_EQ(single.List().font().pointSize(), 11);
    EXPECT_EQ(viewer.ListFontSizeBox().currentText(), QStringLiteral("11"));

    viewer.ListFontSizeBox().setEditText(QStringLiteral(" 9 "));
    Q_EMIT viewer.ListFontSizeBox().lineEdit()->editingFinished();
    EXPECT_EQ(single.List().font().pointSize(), 9);
  });
  EXPECT_EQ(rig.messages.shown, std::vector<std::string>{"\"1x\" is not a valid whole number."});
  EXPECT_EQ(rig.layout.VLFontSz, "9");
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
    EXPECT_EQ(legend.windowTitle(), QStringLiteral("Kestrin Change Flagging Legend"));
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

TEST(ViewerSinglePanelTest, EachOpeningSelectsRowZeroAgain) {
  const ReportLines report = FilledReport(NumberedLines(100));
  ViewerRig rig;
  rig.Show(report, [&](ViewerWindow& viewer) { viewer.BottomButton().click(); });
  rig.Show(report, [&](ViewerWindow&) {
    EXPECT_EQ(rig.Viewers().SingleViewer().SelectedRow(), 0);
    EXPECT_EQ(rig.Viewers().SingleViewer().List().TopRow(), 0);
  });
  EXPECT_EQ(rig.main_window.exit_focus_count, 2);
}

TEST(ViewerSinglePanelTest, TopBandHoldsEveryControlWithItsCaptionAndHint) {
  ViewerRig rig;
  TFrmVList& single = rig.Viewers().SingleViewer();
  viewer_testing::ExpectViewerBand(single, kSingleBandTexts);
  EXPECT_EQ(single.List().objectName(), QStringLiteral("VLbListBox1"));
  EXPECT_EQ(single.ReturnButton().text(), QStringLiteral("&Return"));
  EXPECT_EQ(single.PrintButton().text(), QStringLiteral(" &Print..."));
  EXPECT_EQ(single.ListFontSizeBox().toolTip(),
            QStringLiteral("Specify Results ListBox \"Courier New\" Font Size"));
  EXPECT_EQ(single.List().font().family(), QStringLiteral("Courier New"));
}

}  // namespace
}  // namespace kestrin
