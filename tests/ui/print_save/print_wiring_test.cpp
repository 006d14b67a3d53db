// The viewers' SaveAs button connected to save: a real report saved from each
// viewer through the real save dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>

#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

// `Save` shows a real report in `viewer` and answers the save dialog with
// `path`, returning the bytes saved to `saved`.
class PrintWiringTest : public ::testing::Test {
 protected:
  std::string Save(ViewerWindow& viewer, bool side_by_side, const std::string& path,
                   const std::string& saved) {
    rig_.Show(RealReport(side_by_side), [&](ViewerWindow& shown) {
      EXPECT_EQ(&shown, &viewer);
      QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();
      });
      shown.SaveAsButton().click();
    });
    EXPECT_EQ(rig_.out_fn, saved);
    return testkit::ReadFile(saved);
  }

  testkit::ScratchDirectory directory_;
  ViewerRig rig_;
};

TEST_F(PrintWiringTest, TheSinglePanelSavesTheReportOnDisplay) {
  TFrmVList& viewer = rig_.Viewers().SingleViewer();
  const std::string path = directory_.PathOf("single");
  const std::string content = Save(viewer, false, path, path + ".txt");
  EXPECT_TRUE(content.starts_with(" \n" + viewer.Caption() + "\n")) << content;
  EXPECT_NE(content.find("\n   1  "), std::string::npos);
}

TEST_F(PrintWiringTest, TheDualPanelSavesTheChosenLayout) {
  rig_.sbs.answer = SbsAnswer{true, "Dual title", false};
  rig_.main_window.sbsl_checked = true;
  const std::string path = directory_.PathOf("dual.txt");
  const std::string content = Save(rig_.Viewers().DualViewer(), true, path, path);
  EXPECT_TRUE(rig_.sbs_rp);
  ASSERT_EQ(rig_.sbs.requests.size(), 1u);
  EXPECT_FALSE(rig_.sbs.requests[0].file_exists);
  EXPECT_TRUE(content.starts_with("Dual title\nKestrin Double-Stacked Compare Report  "))
      << content;
  EXPECT_NE(content.find("\n New Source + Delete Panel Section\n"), std::string::npos);
}

}  // namespace
}  // namespace kestrin::ui_testing
