// The print operations end to end without a printer: the print dialog, the
// print font size, and the colour print's job.
#include "views/print_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/scratch_directory.h"
#include "tests/run/run_support.h"
#include "tests/views/print_support.h"
#include "views/print_save_texts.h"

namespace kestrin {
namespace {

using print_testing::RecordingPorts;
using print_testing::RecordingPrintSurface;
using print_testing::SingleReport;
using run_support::Joined;

class PrintOperationsTest : public ::testing::Test {
 protected:
  ViewerOutputState State(const std::string& font_size) {
    return {report_, "Cap", "stamp", "Ref#  ID  header", font_size, false, "/new/"};
  }

  const ReportLines report_ = SingleReport({"I - a"}, {"Totals"});
  RecordingPrintSurface surface_{1000, 1280};
  RecordingPorts recorders_{&surface_};
};

TEST_F(PrintOperationsTest, ACancelledPrintDialogPrintsNothing) {
  RecordingPorts cancelled(nullptr);
  PrintListing(PrintPanel::kSingle, State("8"), cancelled.ports);
  PrintInColour(PrintPanel::kSingle, State("8"), cancelled.ports);
  EXPECT_EQ(cancelled.printer.asked, 2);
  EXPECT_TRUE(cancelled.feedback.Only("message:").empty() &&
              cancelled.feedback.Only("busy:").empty());
  EXPECT_TRUE(cancelled.colour_buffer.print_jobs.empty());
}

// The page's font is print_page_test's.
TEST_F(PrintOperationsTest, PrintsAtThePrintFontSize) {
  PrintListing(PrintPanel::kSingle, State("10"), recorders_.ports);
  EXPECT_EQ(surface_.font_points, 10);
  EXPECT_TRUE(surface_.begun);
  EXPECT_TRUE(surface_.ended);
  testkit::ExpectGoldenLines("tests/views/golden/printed_listing.txt", surface_.texts);
  EXPECT_EQ(recorders_.feedback.log.Count("focus"), 1);
}

// A size that is no number, and one no page of 64 lines can hold.
TEST_F(PrintOperationsTest, AFontSizeThatIsRefusedStopsThePrint) {
  for (const auto& [size, message] :
       {std::pair{"1O", "\"1O\" is not a valid whole number."},
        {"99", "The print font size 99 is too large for the page."}}) {
    RecordingPrintSurface surface(1000, 1280, 10, 20 * 99 / 8);
    RecordingPorts recorders(&surface);
    PrintListing(PrintPanel::kSingle, State(size), recorders.ports);
    EXPECT_EQ(Joined(recorders.feedback.Only("message:")), message) << size;
    EXPECT_FALSE(surface.begun) << size;
    EXPECT_TRUE(surface.texts.empty()) << size;
  }
}

TEST_F(PrintOperationsTest, ColourPrintsAreJobsNamedForTheirPanel) {
  PrintInColour(PrintPanel::kSingle, State("8"), recorders_.ports);
  PrintInColour(PrintPanel::kDual, State("8"), recorders_.ports);
  EXPECT_EQ(recorders_.colour_buffer.print_jobs,
            (std::vector<std::string>{kSingleColourJobTitle, kDualColourJobTitle}));
}

TEST_F(PrintOperationsTest, APrinterThatCannotStartIsReported) {
  surface_.fail_begin = true;
  PrintListing(PrintPanel::kDual, State("8"), recorders_.ports);
  EXPECT_EQ(Joined(recorders_.feedback.Only("message:")),
            "The printer could not start printing \"Cap\".");
  EXPECT_TRUE(surface_.texts.empty());
}

}  // namespace
}  // namespace kestrin
