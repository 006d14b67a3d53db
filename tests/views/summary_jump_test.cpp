// From a pair row of a directory report's summary table to the pair's
// listing heading.
#include "views/summary_jump.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"

namespace kestrin {
namespace {

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
