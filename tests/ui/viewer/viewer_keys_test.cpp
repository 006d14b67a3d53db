// The viewers as a keyboard user meets them: Return closes the viewer
// whichever button had the focus, Ctrl+F, F3 and Shift+F3 find, Escape closes
// the Find dialog, which opens clear of the selected row; the legend opens
// beside the viewer's buttons; a directory summary row jumps to its pair.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "report/report_texts.h"
#include "tests/ui/common/ui_support.h"
#include "ui/viewer/legend_window.h"
#include "ui/viewer/viewer_list_window.h"

namespace kestrin::ui_testing {
namespace {

// Fires the window's shortcut bound to `key`, as the key would.
void UseShortcut(QWidget& window, const QKeySequence& key) {
  for (QShortcut* shortcut : window.findChildren<QShortcut*>()) {
    if (shortcut->parent() == &window && shortcut->keys().contains(key)) {
      Q_EMIT shortcut->activated();
      return;
    }
  }
  ADD_FAILURE() << "no shortcut " << key.toString().toStdString();
}

TEST(ViewerKeysTest, ReturnClosesTheViewerWhicheverButtonHadTheFocus) {
  for (const auto button_of : {&ViewerWindow::LegendButton, &ViewerWindow::FindButton,
                               &ViewerWindow::TopButton, &ViewerWindow::BottomButton}) {
    ViewerRig rig;
    rig.Show(FilledReport(NumberedLines(5)), [&](ViewerWindow& viewer) {
      QPushButton& button = (viewer.*button_of)();
      SCOPED_TRACE("focus on " + button.objectName().toStdString());
      button.setFocus();
      PressKey(&button, Qt::Key_Return);
      SettleWindows();
      EXPECT_FALSE(viewer.isVisible());
      EXPECT_FALSE(viewer.Finder().isVisible());
      EXPECT_FALSE(rig.Viewers().Legend().isVisible());
      EXPECT_FALSE(button.isDefault());
    });
  }
}

TEST(ViewerKeysTest, CtrlFOpensFindAndF3FindsNextAndPrevious) {
  ViewerRig rig;
  rig.Show(FilledReport({"    alpha", "I - beta", "    gamma", "D - beta", "    delta"}),
           [&](ViewerWindow& viewer) {
             auto& single = dynamic_cast<TFrmVList&>(viewer);
             UseShortcut(viewer, QKeySequence::FindNext);
             EXPECT_TRUE(viewer.Finder().isVisible()) << "F3 with no text opens Find";
             viewer.Finder().close();
             UseShortcut(viewer, QKeySequence::Find);
             ASSERT_TRUE(viewer.Finder().isVisible());
             viewer.Finder().TextField().setText("beta");
             PressKey(&viewer.Finder(), Qt::Key_Escape);
             EXPECT_FALSE(viewer.Finder().isVisible()) << "Escape closes Find";
             UseShortcut(viewer, QKeySequence::FindNext);
             EXPECT_EQ(single.List().SelectedRow(), 1);
             UseShortcut(viewer, QKeySequence::FindNext);
             EXPECT_EQ(single.List().SelectedRow(), 3);
             UseShortcut(viewer, QKeySequence::FindPrevious);
             EXPECT_EQ(single.List().SelectedRow(), 1);
           });
}

TEST(ViewerKeysTest, TheFindDialogOpensClearOfTheSelectedRow) {
  ViewerRig rig;
  rig.Show(FilledReport(NumberedLines(60)), [&](ViewerWindow& viewer) {
    auto& single = dynamic_cast<TFrmVList&>(viewer);
    for (int row : {0, 5, 12}) {
      single.List().SelectRow(row);
      viewer.OpenFind();
      SettleWindows();
      const QRect cell = single.List().visualRect(single.List().model()->index(row, 0));
      const QRect row_band(single.List().viewport()->mapToGlobal(cell.topLeft()),
                           QSize(single.List().viewport()->width(), cell.height()));
      EXPECT_FALSE(viewer.Finder().frameGeometry().intersects(row_band)) << "row " << row;
      viewer.Finder().close();
    }
  });
}

TEST(ViewerKeysTest, TheLegendNeverCoversTheViewersButtons) {
  ViewerRig rig;
  rig.Show(FilledReport(NumberedLines(5)), [&](ViewerWindow& viewer) {
    for (const QRect& place : {QRect(0, 0, 400, 300), QRect(0, 0, 800, 560)}) {
      viewer.setGeometry(place);
      SettleWindows();
      viewer.LegendButton().click();
      SettleWindows();
      const auto on_screen = [](QWidget& w) { return QRect(w.mapToGlobal(QPoint()), w.size()); };
      const QRect buttons =
          on_screen(viewer.ReturnButton()).united(on_screen(viewer.SaveAsButton()));
      EXPECT_FALSE(rig.Viewers().Legend().frameGeometry().intersects(buttons))
          << place.width() << "x" << place.height();
      rig.Viewers().Legend().close();
    }
  });
}

TEST(ViewerKeysTest, ASummaryRowJumpsToItsPairsListingAndBack) {
  const int summary = 3;
  const std::string heading(kPairTableHeading);
  const std::vector<std::string> lines = {"New File = new/a.txt  01/02/24 03:04:05",
                                          "Old File = old/a.txt  01/02/24 03:04:05",
                                          "I - changed",
                                          "  ",
                                          heading,
                                          "*     a.txt                      1",
                                          " "};
  ViewerRig rig;
  rig.Show(FilledReport(lines, {}, summary), [&](ViewerWindow& viewer) {
    auto& single = dynamic_cast<TFrmVList&>(viewer);
    single.List().SelectRow(summary + 2);
    single.List().setFocus();
    PressKey(&single.List(), Qt::Key_Return);
    EXPECT_TRUE(viewer.isVisible()) << "Return on a pair row jumps instead of closing";
    EXPECT_EQ(single.List().SelectedRow(), 1);
    PressKey(&single.List(), Qt::Key_Backspace);
    EXPECT_EQ(single.List().SelectedRow(), summary + 2);
    EXPECT_FALSE(viewer.JumpToPairListing(summary + 1)) << "the table's heading";
  });
}

}  // namespace
}  // namespace kestrin::ui_testing
