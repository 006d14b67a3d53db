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
using print_testing::Joined;
using print_testing::SingleReport;

// Collects the lines; refuses every line after `limit` of them.
class CollectingSink : public LineSink {
 public:
  explicit CollectingSink(size_t limit = SIZE_MAX) : limit_(limit) {}
  bool WriteLine(std::string_view line) override {
    if (lines.size() >= limit_) return false;
    lines.emplace_back(line);
    return true;
  }
  std::vector<std::string> lines;

 private:
  size_t limit_;
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

TEST(SaveTextLayoutTest, SinglePanelWritesABlankTheCaptionAndEveryRow) {
  CollectingSink sink;
  EXPECT_TRUE(WriteSinglePanelText(SingleReport({"I - a", "D - b"}, {"Totals"}), "Cap", sink));
  EXPECT_EQ(Joined(sink.lines), " |Cap|   1  I - a|   2  D - b| Totals");
}

TEST(SaveTextLayoutTest, StackedWritesInsertsThenDeletesThenTheSummary) {
  CollectingSink sink;
  EXPECT_TRUE(WriteStackedText(DualReport({"I - a", "    c"}, {"D - b", "    c"}, {"Totals"}),
                               "06/12/24 09:41", sink));
  EXPECT_EQ(Joined(sink.lines),
            "Kestrin Double-Stacked Compare Report  06/12/24 09:41|"
            " New Source + Insert Panel Section|   1  I - a|   2      c| |"
            " New Source + Delete Panel Section|   1  D - b|   2      c| Totals");
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

TEST(SaveTextLayoutTest, ADeletesRowLongerThanItsSideIsCut) {
  ReportLines report = DualReport({"I - a"}, {"D - " + std::string(200, 'o')}, {});
  CollectingSink sink;
  EXPECT_TRUE(WriteSideBySideText(report, "stamp", DualSaveWidths(report), sink));
  ASSERT_EQ(sink.lines.size(), 3u);
  const std::string& line = sink.lines[2];
  ASSERT_EQ(line.size(), 182u);
  EXPECT_EQ(line.substr(91), ("   1  D - " + std::string(200, 'o')).substr(0, 90) + " ");
}

TEST(SaveTextLayoutTest, AReportOfOnlyASummaryHasAnEmptyListing) {
  CollectingSink stacked;
  EXPECT_TRUE(WriteStackedText(DualReport({}, {}, {"Totals", "More"}), "s", stacked));
  EXPECT_EQ(Joined(stacked.lines),
            "Kestrin Double-Stacked Compare Report  s| New Source + Insert Panel Section| | "
            "New Source + Delete Panel Section| Totals| More");
}

TEST(SaveTextLayoutTest, WritingStopsAtTheFirstRefusedLine) {
  CollectingSink sink(3);
  EXPECT_FALSE(WriteSinglePanelText(SingleReport({"I - a", "I - b", "I - c"}, {}), "Cap", sink));
  EXPECT_EQ(Joined(sink.lines), " |Cap|   1  I - a");
  CollectingSink side(1);
  EXPECT_FALSE(WriteSideBySideText(DualReport({"I - a"}, {"D - b"}, {}), "s", {90, 90}, side));
  EXPECT_EQ(side.lines.size(), 1u);
}

}  // namespace
}  // namespace kestrin
