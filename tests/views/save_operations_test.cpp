// Save As end to end without a screen: dialogs answered by recorders, files
// written in a temporary directory.
#include "views/save_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"

namespace kestrin {
namespace {

using print_testing::DualReport;
using testkit::ReadFile;
using print_testing::Joined;
using print_testing::RecordingPorts;
using print_testing::SingleReport;

class SaveOperationsTest : public ::testing::Test {
 protected:
  ViewerOutputState State(const ReportLines& report) {
    return {report, "Cap", "stamp", std::nullopt, "8", true, directory_.path() + "/"};
  }
  void Save(PrintPanel panel, const ReportLines& report) {
    SaveReport(panel, State(report), {out_fn_, sbs_rp_}, recorders_.ports);
  }

  testkit::ScratchDirectory directory_;
  RecordingPorts recorders_{nullptr};
  std::string out_fn_ = "previous";
  bool sbs_rp_ = false;
  const ReportLines single_ = SingleReport({"I - a"}, {"Totals"});
  const ReportLines dual_ = DualReport({"I - a"}, {"D - b"}, {"Totals"});
};

TEST_F(SaveOperationsTest, ACancelledDialogWritesNothing) {
  Save(PrintPanel::kSingle, single_);
  EXPECT_EQ(out_fn_, "previous");
  EXPECT_EQ(recorders_.feedback.focus_count, 1);
  EXPECT_TRUE(recorders_.feedback.messages.empty());
  ASSERT_EQ(recorders_.save_dialog.requests.size(), 1u);
  EXPECT_EQ(recorders_.save_dialog.requests[0].start_directory, directory_.path() + "/");
}

TEST_F(SaveOperationsTest, TheSinglePanelSavesItsRowsAsText) {
  recorders_.save_dialog.answer = directory_.PathOf("report");
  Save(PrintPanel::kSingle, single_);
  const std::string saved = directory_.PathOf("report.txt");
  EXPECT_EQ(ReadFile(saved), " \nCap\n   1  I - a\n Totals\n");
  EXPECT_EQ(out_fn_, saved);
  EXPECT_EQ(recorders_.feedback.focus_count, 1);
  EXPECT_TRUE(recorders_.feedback.questions.empty());
}

TEST_F(SaveOperationsTest, TheSinglePanelAsksBeforeTxtMakesItReplaceAFile) {
  const std::string existing = directory_.Write("report.txt", "keep me");
  recorders_.save_dialog.answer = directory_.PathOf("report");
  recorders_.feedback.yes = false;
  Save(PrintPanel::kSingle, single_);
  EXPECT_EQ(Joined(recorders_.feedback.questions),
            existing + " already exists.\nDo you want to replace it?");
  EXPECT_EQ(ReadFile(existing), "keep me");
  EXPECT_EQ(out_fn_, "previous");

  recorders_.feedback.yes = true;
  Save(PrintPanel::kSingle, single_);
  EXPECT_EQ(ReadFile(existing), " \nCap\n   1  I - a\n Totals\n");
}

TEST_F(SaveOperationsTest, AnRtfNameSavesTheColouredReport) {
  const std::string name = directory_.PathOf("report.RTF");
  recorders_.save_dialog.answer = name;
  Save(PrintPanel::kSingle, single_);
  EXPECT_EQ(Joined(recorders_.feedback.busy_changes), "busy|idle");
  // Saving keeps the row numbers even with "Print No Ref#" checked.
  testkit::ExpectGoldenText("tests/views/golden/saved_single.rtf", ReadFile(name));
  EXPECT_EQ(out_fn_, name);
  EXPECT_TRUE(recorders_.sbs_dialog.requests.empty());
}

TEST_F(SaveOperationsTest, TheDualPanelWritesTheChosenLayout) {
  const std::string name = directory_.PathOf("dual.txt");
  recorders_.save_dialog.answer = name;
  recorders_.sbs_dialog.answer = SbsAnswer{false, "My title", false};
  sbs_rp_ = true;
  Save(PrintPanel::kDual, dual_);
  EXPECT_FALSE(sbs_rp_);
  EXPECT_EQ(out_fn_, name);

  // Stacked, appended after the first save, and the file now exists.
  recorders_.sbs_dialog.answer = SbsAnswer{true, std::nullopt, true};
  Save(PrintPanel::kDual, dual_);
  EXPECT_TRUE(recorders_.sbs_dialog.requests[1].file_exists);
  EXPECT_FALSE(recorders_.sbs_dialog.requests[1].stacked);
  EXPECT_TRUE(sbs_rp_);
  testkit::ExpectGoldenText("tests/views/golden/saved_dual_twice.txt", ReadFile(name));
}

TEST_F(SaveOperationsTest, AFileThatCannotBeWrittenStopsWithAMessage) {
  const std::string name = directory_.MakeDirectory("sub.txt");
  recorders_.save_dialog.answer = name;
  Save(PrintPanel::kSingle, single_);
  EXPECT_EQ(Joined(recorders_.feedback.messages),
            "Cannot save to \"" + name + "\": Is a directory.");
  recorders_.sbs_dialog.answer = SbsAnswer{true, std::nullopt, false};
  Save(PrintPanel::kDual, dual_);
  EXPECT_EQ(recorders_.feedback.messages.size(), 2u);
  const std::string rtf = directory_.MakeDirectory("sub.rtf");
  recorders_.save_dialog.answer = rtf;
  Save(PrintPanel::kDual, dual_);
  EXPECT_EQ(recorders_.feedback.messages.back(), "Cannot save to \"" + rtf + "\": Is a directory.");
  EXPECT_EQ(recorders_.feedback.focus_count, 3);
}

}  // namespace
}  // namespace kestrin
