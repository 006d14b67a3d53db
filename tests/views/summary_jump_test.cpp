// From a pair row of a directory report's summary table to the pair's
// listing heading.
#include "views/summary_jump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/directory_summary.h"
#include "report/report_texts.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

constexpr char kStamp[] = "  01/02/24 03:04:05";
const std::string kLongName = "a-rather-long-source-name.c";

// A two-pair directory report: a.txt and the long name differ and are
// listed, b.txt is equal and has no listing; `two_names` gives the table of
// compare type 4.
ReportLines DirectoryReport(bool two_names) {
  ReportLines report;
  const std::string table_long =
      two_names ? "*     " + Shorten(kLongName, 16) + std::string(17 - Shorten(kLongName, 16).size(), ' ') + "x"
                : "*     " + Shorten(kLongName, 20) + "    3    3";
  report.Primary = {
      "New File = new/a.txt" + std::string(kStamp),              // 0
      "Old File = old/a.txt" + std::string(kStamp),              // 1
      "I - two",                                                 // 2
      "New File = new/" + kLongName + kStamp,                    // 3
      "Old File = old/" + kLongName + kStamp,                    // 4
      "D - gone",                                                // 5
  };
  report.SummaryStarted = true;
  report.SummaryStartIndex = static_cast<int32_t>(report.Primary.size());
  const std::vector<std::string> summary = {
      "  ",                                                                  // 6
      std::string(kDirectorySummaryTitle),                                   // 7
      " ",                                                                   // 8
      std::string(two_names ? kPairTableHeadingTwoLists : kPairTableHeading),  // 9
      two_names ? "*     a.txt            a.txt            3" : "*     a.txt                      3",
      "      b.txt                      1",                                  // 11
      table_long,                                                            // 12
      " ",                                                                   // 13
      "Code: \"Blank\" - Equal",                                             // 14
  };
  for (const std::string& line : summary) report.Primary.push_back(line);
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
