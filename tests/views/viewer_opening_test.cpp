// The decisions of a viewer opening: the viewer chosen, the ruler width, the
// headers, the captions and the date and time stamp.
#include "views/viewer_opening.h"

#include <gtest/gtest.h>

#include <string>

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

std::tm TimeOf(int year, int month, int day, int hour, int minute) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  return time;
}

TEST(ViewerOpeningTest, RunStampFollowsTheSystemsDateAndTimeForms) {
  struct Case {
    TimeSamples samples;
    std::tm now;
    std::string expected;
  };
  const Case cases[] = {
      {{"11/22/33", "21:07:05", "09:07:05", ""}, TimeOf(2024, 3, 5, 14, 7), "03/05/24 14:07"},
      {{"22.11.2033", "21:07:05", "09:07:05", ""}, TimeOf(2024, 3, 5, 8, 30), "05.03.24 08:30"},
      {{"2033-11-22", "21:07:05", "9:07:05", ""}, TimeOf(2009, 12, 31, 8, 5), "09-12-31 8:05"},
      {{"11/22/2033", "09:07:05 PM", "09:07:05 AM", "PM"},
       TimeOf(2024, 3, 5, 14, 7),
       "03/05/24 02:07 PM"},
      {{"11/22/2033", "9:07:05 PM", "9:07:05 AM", "AM"},
       TimeOf(2024, 3, 5, 0, 59),
       "03/05/24 12:59 AM"},
      {{"22 Nov 2033", "21:07:05", "09:07:05", ""}, TimeOf(2024, 3, 5, 14, 7), "03/05/24 14:07"},
      // A number that is none of the probe's day, month and year.
      {{"44.11.33", "21:07:05", "09:07:05", ""}, TimeOf(2024, 3, 5, 14, 7), "03/05/24 14:07"},
      {{"22.11.33.11", "21:07:05", "09:07:05", ""}, TimeOf(2024, 3, 5, 14, 7), "03/05/24 14:07"},
      {{"", "", "", ""}, TimeOf(2024, 3, 5, 14, 7), "03/05/24 2:07"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatRunStamp(c.now, c.samples), c.expected)
        << "date sample \"" << c.samples.date_of_2033_11_22 << "\", time sample \""
        << c.samples.time_of_21_07_05 << "\"";
  }
}

}  // namespace
}  // namespace kestrin
