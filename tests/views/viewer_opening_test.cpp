// The decisions of a viewer opening: the viewer chosen, the ruler width, the
// headers, the captions and the date and time stamp.
#include "views/viewer_opening.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "tests/common/case_table.h"
#include "tests/views/print_support.h"
#include "views/viewer_run_stamp.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

using print_testing::FilledReport;

TEST(ViewerOpeningTest, RulerWidthIsTheLongestLineUpTo128) {
  struct Case {
    int32_t longest_new, longest_old, expected;
  };
  const Case cases[] = {{0, 0, 0}, {100, 60, 100}, {60, 100, 100}, {200, 10, 128}, {128, 129, 128}};
  for (const Case& c : cases) {
    DirTotals totals;
    totals.longest_new_line = c.longest_new;
    totals.longest_old_line = c.longest_old;
    EXPECT_EQ(RulerWidth(totals), c.expected) << c.longest_new << "/" << c.longest_old;
  }
}

TEST(ViewerOpeningTest, DualPanelNeedsTheSbslBoxAndARightSide) {
  const ReportLines side_by_side = FilledReport({"    a"}, {"    a"});
  const ReportLines single = FilledReport({"    a"});
  EXPECT_TRUE(UsesDualPanel(side_by_side, true));
  EXPECT_FALSE(UsesDualPanel(side_by_side, false));
  EXPECT_FALSE(UsesDualPanel(single, true));
}

TEST(ViewerOpeningTest, WideRulerIsAddedUnderFsclBeyondColumn80) {
  CompareSettings fscl;
  fscl.Fscl = true;
  const CompareSettings plain;
  const std::string base(kSingleHeader);
  EXPECT_EQ(base.size(), 90u);
  EXPECT_EQ(kWideRuler.size(), 120u);
  struct Case {
    const CompareSettings* settings;
    int32_t width;
    std::string expected;
  };
  const Case cases[] = {
      {&fscl, 100, base + "----+----9----+----1"},
      {&fscl, 128, base + std::string(kWideRuler.substr(0, 48))},
      {&fscl, 80, base},
      {&fscl, 81, base + "-"},
      {&plain, 128, base},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HeaderText(kSingleHeader, *c.settings, c.width), c.expected)
        << "width " << c.width << (c.settings->Fscl ? " Fscl" : "");
  }
  DirTotals long_lines;
  long_lines.longest_new_line = 200;
  EXPECT_EQ(HeaderText(kDeletesHeader, fscl, RulerWidth(long_lines)),
            std::string(kDeletesHeader) + std::string(kWideRuler.substr(0, 48)));
}

TEST(ViewerOpeningTest, SingleHeaderOnlyForAReportWithChanges) {
  ReportLines changed = FilledReport({"I - x"});
  ASSERT_TRUE(SingleHeader(changed, 0).has_value());
  EXPECT_EQ(*SingleHeader(changed, 0), std::string(kSingleHeader));

  ReportLines matched = FilledReport({"    x"});
  matched.totals = DirTotals();
  EXPECT_FALSE(SingleHeader(matched, 0).has_value());

  ReportLines reformatted = matched;
  reformatted.totals.reformats = 1;
  EXPECT_TRUE(SingleHeader(reformatted, 0).has_value());
  ReportLines deleted = matched;
  deleted.totals.deletions = 3;
  EXPECT_TRUE(SingleHeader(deleted, 0).has_value());

  ReportLines overall = changed;
  overall.settings.Ovsum = true;
  EXPECT_FALSE(SingleHeader(overall, 0).has_value());

  const ReportLines empty;
  EXPECT_FALSE(SingleHeader(empty, 0).has_value());
}

TEST(ViewerOpeningTest, RunStampFollowsTheSystemsDateAndTimeForms) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/run_stamps.txt")) {
    std::tm now{};
    std::istringstream(c[4]) >> std::get_time(&now, "%Y-%m-%d %H:%M");
    EXPECT_EQ(FormatRunStamp(now, {c[0], c[1], c[2], c[3]}), c[5]) << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
