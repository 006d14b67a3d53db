// Save As end to end without a screen: dialogs answered by recorders, files
// written in a temporary directory. Each test's saves and what followed each
// -- the dialogs' requests, questions, messages, busy changes, focus, OutFn,
// SbsRp and the text file saved -- are kept in golden/save_<test>.txt.
#include "views/save_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/scratch_directory.h"
#include "tests/run/run_support.h"
#include "tests/views/print_support.h"
#include "views/save_as.h"

namespace kestrin {
namespace {

using print_testing::DualReport;
using print_testing::RecordingPorts;
using print_testing::SingleReport;
using run_support::Joined;
using testkit::ReadFile;

class SaveOperationsTest : public ::testing::Test {
 protected:
  // Saves from `panel` into the dialog's answer `name` ("-" cancels) and
  // writes down what followed.
  void Save(PrintPanel panel, const std::string& name) {
    RecordingPorts recorders(nullptr);
    recorders.save_dialog.answer = name == "-" ? std::nullopt : std::optional(name);
    recorders.sbs_dialog.answer = sbs_answer_;
    recorders.feedback.answers = {yes_};
    const ReportLines report = panel == PrintPanel::kSingle
                                   ? SingleReport({"I - a"}, {"Totals"})
                                   : DualReport({"I - a"}, {"D - b"}, {"Totals"});
    SaveReport(panel, {report, "Cap", "stamp", std::nullopt, "8", true, directory_.path() + "/"},
               {out_fn_, sbs_rp_}, recorders.ports);
    Note("save " + std::string(panel == PrintPanel::kSingle ? "single" : "dual") + " to " + name);
    for (const SaveDialogRequest& request : recorders.save_dialog.requests) {
      Note("dialog at " + request.start_directory + " proposing " + request.proposed_name +
           (request.confirm_replace ? ", confirming" : ""));
    }
    for (const SbsRequest& request : recorders.sbs_dialog.requests) {
      Note("layout asked: stacked " + std::to_string(request.stacked) + " exists " +
           std::to_string(request.file_exists));
    }
    Note("asked [" + Joined(recorders.feedback.Only("ask:"), "|") + "] told [" +
         Joined(recorders.feedback.Only("message:"), "|") + "] " +
         Joined(recorders.feedback.Only("busy:"), "|") + " focus " +
         std::to_string(recorders.feedback.log.Count("focus")) + " OutFn " + out_fn_ + " SbsRp " +
         std::to_string(sbs_rp_));
    if (name != "-" && !name.empty() && !IsRtfName(name)) {
      Note("holds [" + ReadFile(CompleteSaveName(name)) + "]");
    }
  }
  void Note(const std::string& line) {
    transcript_.push_back(run_support::Placed(line, directory_.path()));
  }
  void TearDown() override {
    testkit::ExpectGoldenLines(std::string("tests/views/golden/save_") +
                                   testing::UnitTest::GetInstance()->current_test_info()->name() +
                                   ".txt",
                               transcript_);
  }

  testkit::ScratchDirectory directory_;
  std::optional<SbsAnswer> sbs_answer_;
  bool yes_ = true;
  std::string out_fn_ = "previous";
  bool sbs_rp_ = false;
  std::vector<std::string> transcript_;
};

TEST_F(SaveOperationsTest, ACancelledDialogWritesNothing) { Save(PrintPanel::kSingle, "-"); }

TEST_F(SaveOperationsTest, AnEmptyNameWritesNothing) { Save(PrintPanel::kSingle, ""); }

TEST_F(SaveOperationsTest, TheSinglePanelSavesItsRowsAsText) {
  Save(PrintPanel::kSingle, directory_.PathOf("report"));
}

TEST_F(SaveOperationsTest, TheSinglePanelAsksBeforeTxtMakesItReplaceAFile) {
  directory_.Write("report.txt", "keep me");
  yes_ = false;
  Save(PrintPanel::kSingle, directory_.PathOf("report"));
  yes_ = true;
  Save(PrintPanel::kSingle, directory_.PathOf("report"));
}

// Saving keeps the row numbers even with "Print No Ref#" checked.
TEST_F(SaveOperationsTest, AnRtfNameSavesTheColouredReport) {
  Save(PrintPanel::kSingle, directory_.PathOf("report.RTF"));
  testkit::ExpectGoldenText("tests/views/golden/saved_single.rtf",
                            ReadFile(directory_.PathOf("report.RTF")));
}

// Side by side with a title, then stacked and appended after the first save.
TEST_F(SaveOperationsTest, TheDualPanelWritesTheChosenLayout) {
  sbs_rp_ = true;
  sbs_answer_ = SbsAnswer{false, "My title", false};
  Save(PrintPanel::kDual, directory_.PathOf("dual.txt"));
  sbs_answer_ = SbsAnswer{true, std::nullopt, true};
  Save(PrintPanel::kDual, directory_.PathOf("dual.txt"));
  testkit::ExpectGoldenText("tests/views/golden/saved_dual_twice.txt",
                            ReadFile(directory_.PathOf("dual.txt")));
}

TEST_F(SaveOperationsTest, AFileThatCannotBeWrittenStopsWithAMessage) {
  Save(PrintPanel::kSingle, directory_.MakeDirectory("sub.txt"));
  sbs_answer_ = SbsAnswer{true, std::nullopt, false};
  Save(PrintPanel::kDual, directory_.PathOf("sub.txt"));
  Save(PrintPanel::kDual, directory_.MakeDirectory("sub.rtf"));
}

}  // namespace
}  // namespace kestrin
