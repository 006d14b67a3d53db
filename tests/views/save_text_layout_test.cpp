// The text layouts of a saved report: single panel, stacked and side by side,
// with the width rules of the side-by-side lines.
#include "views/save_text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"

namespace kestrin {
namespace {

using print_testing::DualReport;
using print_testing::Rows;
using print_testing::SingleReport;

// Collects the lines; refuses every line after `limit` of them.
struct CollectingSink : LineSink {
  bool WriteLine(std::string_view line) override {
    if (lines.size() >= limit) return false;
    lines.emplace_back(line);
    return true;
  }
  size_t limit = SIZE_MAX;
  std::vector<std::string> lines;
};

ReportLines WithLongestLines(ReportLines report, bool fscl, int longest_new, int longest_old) {
  report.settings.Fscl = fscl;
  report.totals.longest_new_line = longest_new;
  report.totals.longest_old_line = longest_old;
  return report;
}

TEST(SaveTextLayoutTest, WidthsFollowFsclAndTheLongestLines) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/save_widths.txt")) {
    const SaveWidths widths =
        DualSaveWidths(WithLongestLines(ReportLines(), c.Flag(0), c.Number(1), c.Number(2)));
    EXPECT_EQ(widths.inserts, c.Number(3)) << c.Where();
    EXPECT_EQ(widths.deletes, c.Number(4)) << c.Where();
    EXPECT_EQ(widths.Stacked(), c.Number(5)) << c.Where();
    EXPECT_EQ(widths.SideBySide(), c.Number(6)) << c.Where();
  }
}

// The lines are W wide, the deletes side starting at its own column:
// golden/side_by_side.txt (without Fscl) and side_by_side_fscl.txt.
TEST(SaveTextLayoutTest, SideBySideLinesAreExactlyWWide) {
  for (const bool fscl : {false, true}) {
    const ReportLines report =
        WithLongestLines(DualReport({"I - a", "    c"}, {"D - b"}, {"Totals"}), fscl, 100, 60);
    CollectingSink sink;
    EXPECT_TRUE(WriteSideBySideText(report, "stamp", DualSaveWidths(report), sink));
    testkit::ExpectGoldenLines(
        std::string("tests/views/golden/side_by_side") + (fscl ? "_fscl" : "") + ".txt",
        sink.lines);
  }
}

// The layouts of cases/save_layouts.txt, each line written as "[<line>]",
// and the line each write stopped at: golden/save_layouts.txt.
TEST(SaveTextLayoutTest, LayoutsMatchTheirGolden) {
  std::vector<std::string> written;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/save_layouts.txt")) {
    const ReportLines report =
        c[0] == "single" ? SingleReport(Rows(c[1]), Rows(c[3]))
                         : WithLongestLines(DualReport(Rows(c[1]), Rows(c[2]), Rows(c[3])), false,
                                            c.Number(4), c.Number(5));
    CollectingSink sink;
    sink.limit = c[6] == "-" ? SIZE_MAX : c.Number(6);
    const bool whole = c[0] == "single" ? WriteSinglePanelText(report, "Cap", sink)
                       : c[0] == "stacked"
                           ? WriteStackedText(report, "06/12/24 09:41", sink)
                           : WriteSideBySideText(report, "stamp", DualSaveWidths(report), sink);
    written.push_back("case " + c.Where() + (whole ? ": whole" : ": stopped"));
    for (const std::string& line : sink.lines) written.push_back("[" + line + "]");
  }
  testkit::ExpectGoldenLines("tests/views/golden/save_layouts.txt", written);
}

}  // namespace
}  // namespace kestrin
