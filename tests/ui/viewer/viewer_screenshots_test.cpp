// Pictures of both viewers as the program shows them after a real run (print
// and save connected), of a listing of UTF-8 and Latin-1 text, and of the
// legend, saved under the build tree's screenshots folder to be looked at.
#include <gtest/gtest.h>

#include <QPushButton>

#include "run/headless_run.h"
#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

TEST(ViewerScreenshotsTest, SinglePanelAndLegend) {
  ViewerRig rig;
  rig.Show(RealReport(false), [&](ViewerWindow& viewer) {
    EXPECT_TRUE(viewer.PrintButton().isEnabled());
    SaveScreenshot(viewer, "viewer_single_panel.png");
    viewer.LegendButton().click();
    SaveScreenshot(rig.Viewers().Legend(), "viewer_legend.png");
  });
}

// The UTF-8 sample pair: UTF-8 lines, wide characters and a Latin-1 line.
TEST(ViewerScreenshotsTest, Utf8Listing) {
  HeadlessRequest request;
  request.new_name = KESTRIN_SOURCE_DIR "/tests/report/data/utf8/new.txt";
  request.old_name = KESTRIN_SOURCE_DIR "/tests/report/data/utf8/old.txt";
  request.controls.listing_type_text = "Long";
  ViewerRig rig;
  rig.Show(RunHeadless(request, DefaultFileSystem()).report,
           [&](ViewerWindow& viewer) { SaveScreenshot(viewer, "viewer_utf8.png"); });
}

TEST(ViewerScreenshotsTest, DualPanel) {
  ViewerRig rig;
  rig.main_window.sbsl_checked = true;
  rig.Show(RealReport(true), [&](ViewerWindow& viewer) {
    EXPECT_TRUE(viewer.SaveAsButton().isEnabled());
    viewer.resize(1100, 520);
    SaveScreenshot(viewer, "viewer_dual_panel.png");
    viewer.BottomButton().click();
    SaveScreenshot(viewer, "viewer_dual_panel_bottom.png");
  });
}

}  // namespace
}  // namespace kestrin::ui_testing
