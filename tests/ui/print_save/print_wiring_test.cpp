// The viewers' Print, Color and SaveAs buttons connected to print and save:
// a real report saved from each viewer through the real save dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "tests/ui/common/main_support.h"
#include "tests/ui/common/viewer_support.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"
#include "ui/print_save/print_save_wiring.h"

namespace kestrin {
namespace {

using print_testing::AnsweringSbsDialog;
using testkit::ReadFile;

// Answers the next save dialog with `path` once it is shown.
void AnswerSaveDialog(const std::string& path) {
  QTimer::singleShot(0, [path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(QString::fromStdString(path));
    static_cast<QDialog*>(dialog)->accept();
  });
}

class PrintWiringTest : public ::testing::Test {
 protected:
  testkit::ScratchDirectory directory_;
  viewer_testing::ViewerRig rig_;
  AnsweringSbsDialog sbs_;
  std::string out_fn_;
  bool sbs_rp_ = false;
};

TEST_F(PrintWiringTest, TheSinglePanelSavesTheReportOnDisplay) {
  TFrmVList& viewer = rig_.Viewers().SingleViewer();
  ConnectPrintAndSave(viewer, sbs_, {out_fn_, sbs_rp_});
  const ReportLines report = viewer_testing::RealReport(directory_.PathOf("run"), false);
  const std::string saved = directory_.PathOf("single");
  rig_.Show(report, [&](ViewerWindow& shown) {
    ASSERT_EQ(&shown, &viewer);
    AnswerSaveDialog(saved);
    viewer.SaveAsButton().click();
  });
  EXPECT_EQ(out_fn_, saved + ".txt");
  const std::string content = ReadFile(saved + ".txt");
  const std::string start = " \n" + viewer.Caption() + "\n";
  EXPECT_EQ(content.substr(0, start.size()), start);
  EXPECT_NE(content.find("\n   1  "), std::string::npos);
}

TEST_F(PrintWiringTest, TheDualPanelSavesTheChosenLayout) {
  TFrmVSplit& viewer = rig_.Viewers().DualViewer();
  ConnectPrintAndSave(viewer, sbs_, {out_fn_, sbs_rp_});
  sbs_.answer = SbsAnswer{true, "Dual title", false};
  rig_.main_window.sbsl_checked = true;

  const ReportLines report = viewer_testing::RealReport(directory_.PathOf("run"), true);
  const std::string saved = directory_.PathOf("dual.txt");
  rig_.Show(report, [&](ViewerWindow& shown) {
    ASSERT_EQ(&shown, &viewer);
    AnswerSaveDialog(saved);
    viewer.SaveAsButton().click();
  });
  EXPECT_TRUE(sbs_rp_);
  EXPECT_EQ(out_fn_, saved);
  ASSERT_EQ(sbs_.requests.size(), 1u);
  EXPECT_FALSE(sbs_.requests[0].file_exists);
  const std::string content = ReadFile(saved);
  const std::string start = "Dual title\nKestrin Double-Stacked Compare Report  ";
  EXPECT_EQ(content.substr(0, start.size()), start);
  EXPECT_NE(content.find("\n New Source + Delete Panel Section\n"), std::string::npos);
}

}  // namespace
}  // namespace kestrin
