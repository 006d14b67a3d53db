// Pictures of both viewers as the program shows them after a real run (print
// and save connected), of a listing of UTF-8 and Latin-1 text, and of the
// legend, saved under the build tree's screenshots folder to be looked at.
#include <gtest/gtest.h>

#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <string>

#include "run/headless_run.h"
#include "tests/ui/common/main_support.h"
#include "tests/ui/common/viewer_support.h"
#include "ui/print_save/print_save_wiring.h"
#include "ui/print_save/sbs_window.h"

namespace kestrin {
namespace {

using main_testing::ScreenshotPath;
using viewer_testing::RealReport;
using viewer_testing::SettleWindows;
using viewer_testing::ViewerRig;

void Save(QWidget& window, const char* name) {
  SettleWindows();
  const QPixmap picture = window.grab();
  ASSERT_FALSE(picture.isNull()) << name;
  EXPECT_TRUE(picture.save(ScreenshotPath(name))) << name;
}

#define KESTRIN_SCREENSHOT_FILES KESTRIN_BINARY_DIR "/viewer_screenshot_files"

// The report of the UTF-8 sample pair: UTF-8 lines, wide characters and a
// Latin-1 line.
ReportLines Utf8Report() {
  HeadlessRequest request;
  request.new_name = KESTRIN_SOURCE_DIR "/tests/report/data/utf8/new.txt";
  request.old_name = KESTRIN_SOURCE_DIR "/tests/report/data/utf8/old.txt";
  request.controls.listing_type_text = "Long";
  return RunHeadless(request, DefaultFileSystem()).report;
}

// Viewers opened as after a run, with print and save connected as the main
// window connects them.
class ViewerScreenshotsTest : public ::testing::Test {
 protected:
  ViewerScreenshotsTest() {
    rig.main_window.new_directory = KESTRIN_SCREENSHOT_FILES "/new.c";
    rig.main_window.old_directory = KESTRIN_SCREENSHOT_FILES "/old.c";
    ConnectPrintAndSave(rig.Viewers().SingleViewer(), sbs, {out_fn, sbs_rp});
    ConnectPrintAndSave(rig.Viewers().DualViewer(), sbs, {out_fn, sbs_rp});
  }

  ViewerRig rig;
  TFrmSbS sbs;
  std::string out_fn;
  bool sbs_rp = false;
};

TEST_F(ViewerScreenshotsTest, SinglePanelAndLegend) {
  const ReportLines report = RealReport(KESTRIN_SCREENSHOT_FILES, false);
  rig.Show(report, [&](ViewerWindow& viewer) {
    EXPECT_TRUE(viewer.PrintButton().isEnabled());
    Save(viewer, "viewer_single_panel.png");
    viewer.LegendButton().click();
    Save(rig.Viewers().Legend(), "viewer_legend.png");
  });
}

TEST_F(ViewerScreenshotsTest, Utf8Listing) {
  rig.Show(Utf8Report(), [&](ViewerWindow& viewer) { Save(viewer, "viewer_utf8.png"); });
}

TEST_F(ViewerScreenshotsTest, DualPanel) {
  const ReportLines report = RealReport(KESTRIN_SCREENSHOT_FILES, true);
  rig.main_window.sbsl_checked = true;
  rig.Show(report, [&](ViewerWindow& viewer) {
    EXPECT_TRUE(viewer.SaveAsButton().isEnabled());
    viewer.resize(1100, 520);
    Save(viewer, "viewer_dual_panel.png");
    viewer.BottomButton().click();
    Save(viewer, "viewer_dual_panel_bottom.png");
  });
}

}  // namespace
}  // namespace kestrin
