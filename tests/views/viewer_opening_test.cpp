// The decisions of a viewer opening: the viewer chosen, the ruler width, the
// headers, the captions and the date and time stamp; and the jump from a pair
// row of a directory report's summary table to the pair's listing heading.
#include "views/viewer_opening.h"

#include <gtest/gtest.h>

#include <ctime>
#include <iomanip>
#include <sstream>
#include <string>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"
#include "views/summary_jump.h"
#include "views/viewer_run_stamp.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

using print_testing::FilledReport;

TEST(ViewerOpeningTest, DualPanelNeedsTheSbslBoxAndARightSide) {
  const ReportLines side_by_side = FilledReport({"    a"}, {"    a"});
  const ReportLines single = FilledReport({"    a"});
  EXPECT_TRUE(UsesDualPanel(side_by_side, true));
  EXPECT_FALSE(UsesDualPanel(side_by_side, false));
  EXPECT_FALSE(UsesDualPanel(single, true));
}

// The ruler width is the longest line up to 128; the header gets the wide
// ruler up to it under Fscl.
TEST(ViewerOpeningTest, WideRulerIsAddedUnderFsclBeyondColumn80) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/header_rulers.txt")) {
    const DirTotals totals{.longest_new_line = static_cast<int32_t>(c.Number(0)),
                           .longest_old_line = static_cast<int32_t>(c.Number(1))};
    CompareSettings settings;
    settings.Fscl = c.Flag(2);
    for (const std::string_view header : {kSingleHeader, kDeletesHeader}) {
      EXPECT_EQ(HeaderText(header, settings, RulerWidth(totals)), std::string(header) + c[3])
          << c.Where();
    }
  }
}

TEST(ViewerOpeningTest, SingleHeaderOnlyForAReportWithChanges) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/single_headers.txt")) {
    ReportLines report = c[0] == "-" ? ReportLines() : FilledReport({c[0]});
    report.totals = {.reformats = c.Number(3), .insertions = c.Number(1), .deletions = c.Number(2)};
    report.settings.Ovsum = c.Flag(4);
    EXPECT_EQ(SingleHeader(report, 0).value_or("none"), c.Flag(5) ? kSingleHeader : "none")
        << c.Where();
  }
}

TEST(ViewerOpeningTest, RunStampFollowsTheSystemsDateAndTimeForms) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/run_stamps.txt")) {
    std::tm now{};
    std::istringstream(c[4]) >> std::get_time(&now, "%Y-%m-%d %H:%M");
    EXPECT_EQ(FormatRunStamp(now, {c[0], c[1], c[2], c[3]}), c[5]) << c.Where();
  }
}

// With LC_ALL=C the stamp's date is the month, day and year of today.
TEST(ViewerOpeningTest, TheRunStampIsOfToday) {
  const std::time_t seconds = std::time(nullptr);
  char today[16];
  std::strftime(today, sizeof today, "%m/%d/%y ", std::localtime(&seconds));
  EXPECT_TRUE(CurrentRunStamp().starts_with(today)) << CurrentRunStamp() << " on " << today;
}

// data/summary_report.txt: a two-pair directory report, its summary from
// row 6 on: a.txt and a long name differ and are listed, b.txt is equal and
// has no listing; data/summary_report_two_lists.txt has the table of compare
// type 4.
ReportLines DirectoryReport(bool two_names) {
  ReportLines report;
  std::istringstream lines(testkit::ReadFile(std::string(KESTRIN_SOURCE_DIR) +
                                             "/tests/views/data/summary_report" +
                                             (two_names ? "_two_lists" : "") + ".txt"));
  for (std::string line; std::getline(lines, line);) report.Primary.push_back(line);
  report.SummaryStarted = true;
  report.SummaryStartIndex = 6;
  return report;
}

TEST(SummaryJumpTest, APairRowLeadsToItsPairsFirstHeading) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/summary_jumps.txt")) {
    const std::optional<int64_t> listing = PairListingRow(DirectoryReport(c.Flag(0)), c.Number(1));
    EXPECT_EQ(listing ? std::to_string(*listing) : "none", c[2]) << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
