// The viewers on the screen: the first size shows the ruler line with its
// reference columns in the list's font, clamped to the screen; the dual
// panel's lists share the width equally and keep their share as it changes.
#include <gtest/gtest.h>

#include <QScreen>
#include <QSplitter>

#include "report/report_heading.h"
#include "report/report_rows.h"
#include "tests/ui/common/ui_support.h"
#include "ui/common/display_text.h"
#include "ui/viewer/viewer_list_window.h"
#include "ui/viewer/viewer_split_window.h"

namespace kestrin::ui_testing {
namespace {

TEST(ViewerScreenTest, TheFirstSizeShowsTheRulerLineClampedToTheScreen) {
  for (const char* font_size : {"8", "10", "16"}) {
    ViewerLayout stored;
    stored.VLFontSz = font_size;
    ViewerRig rig(stored);
    const ReportLines report = FilledReport({"    text", RulerLine(false, 0), "    more"});
    rig.Show(report, [&](ViewerWindow& viewer) {
      auto& single = dynamic_cast<TFrmVList&>(viewer);
      const QRect available = viewer.screen()->availableGeometry();
      EXPECT_TRUE(available.contains(viewer.frameGeometry())) << "font " << font_size;
      const int ruler = single.List().fontMetrics().horizontalAdvance(
          DisplayText(RowText(report, report.Primary, 1)));
      if (viewer.frameGeometry().width() < available.width()) {
        EXPECT_GE(single.List().viewport()->width(), ruler) << "font " << font_size;
      }
    });
  }
}

TEST(ViewerScreenTest, TheDualListsKeepTheirShareAsTheWindowChangesSize) {
  ViewerLayout stored;
  stored.VLWide2 = "800";
  stored.VLHt2 = "500";
  stored.SpSplit = "";
  ViewerRig rig(stored);
  rig.main_window.sbsl_checked = true;
  rig.Show(FilledReport(NumberedLines(20), NumberedLines(20), 20), [&](ViewerWindow& viewer) {
    auto& dual = dynamic_cast<TFrmVSplit&>(viewer);
    const auto share = [&] {
      const QList<int> sizes = dual.Splitter().sizes();
      return static_cast<double>(sizes.value(0)) / (sizes.value(0) + sizes.value(1));
    };
    EXPECT_NEAR(share(), 0.5, 0.01);
    dual.Splitter().setSizes({200, 580});
    Q_EMIT dual.Splitter().splitterMoved(200, 1);
    const double dragged = share();
    dual.resize(1400, 500);
    SettleWindows();
    EXPECT_NEAR(share(), dragged, 0.01);
  });
}

}  // namespace
}  // namespace kestrin::ui_testing
