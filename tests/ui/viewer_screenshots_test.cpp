// Pictures of both viewers showing a real report with every change flag, and
// of the legend, saved under the build tree's screenshots folder to be looked
// at.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QString>

#include "tests/ui/viewer_support.h"

namespace kestrin {
namespace {

using viewer_testing::RealReport;
using viewer_testing::SettleWindows;
using viewer_testing::ViewerRig;

QString ScreenshotPath(const char* name) {
  const QString folder = QStringLiteral(KESTRIN_BINARY_DIR "/screenshots");
  QDir().mkpath(folder);
  return folder + QLatin1Char('/') + QString::fromLatin1(name);
}

void Save(QWidget& window, const char* name) {
  SettleWindows();
  const QPixmap picture = window.grab();
  ASSERT_FALSE(picture.isNull()) << name;
  EXPECT_TRUE(picture.save(ScreenshotPath(name))) << name;
}

#define KESTRIN_SCREENSHOT_FILES KESTRIN_BINARY_DIR "/viewer_screenshot_files"

// Viewers opened as after a run of the two sample files.
class ViewerScreenshotsTest : public ::testing::Test {
 protected:
  ViewerScreenshotsTest() {
    rig.main_window.new_directory = KESTRIN_SCREENSHOT_FILES "/new.c";
    rig.main_window.old_directory = KESTRIN_SCREENSHOT_FILES "/old.c";
  }

  ViewerRig rig;
};

TEST_F(ViewerScreenshotsTest, SinglePanelAndLegend) {
  const ReportLines report = RealReport(KESTRIN_SCREENSHOT_FILES, false);
  rig.Show(report, [&](ViewerWindow& viewer) {
    viewer.resize(900, 640);
    Save(viewer, "viewer_single_panel.png");
    viewer.LegendButton().click();
    Save(rig.Viewers().Legend(), "viewer_legend.png");
  });
}

TEST_F(ViewerScreenshotsTest, DualPanel) {
  const ReportLines report = RealReport(KESTRIN_SCREENSHOT_FILES, true);
  rig.main_window.sbsl_checked = true;
  rig.Show(report, [&](ViewerWindow& viewer) {
    viewer.resize(1100, 520);
    Save(viewer, "viewer_dual_panel.png");
    viewer.BottomButton().click();
    Save(viewer, "viewer_dual_panel_bottom.png");
  });
}

}  // namespace
}  // namespace kestrin
