// Files of more than 2^31 lines: reference numbers and counts keep their
// value, and their columns widen to hold it as the binary sizes' columns do.
// The counters are started near the limit instead of reading such a file.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/directory_summary.h"
#include "report/pair_summary.h"
#include "tests/common/line_lists.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

constexpr int64_t kPastInt32 = int64_t{3'000'000'000};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The columns after the 80-character text of a listing line.
std::string ColumnsOf(const std::string& line) {
  std::string columns = line.substr(0, 4) + "|" + (line.size() > 84 ? line.substr(84) : "");
  while (columns.back() == ' ') columns.pop_back();
  return columns;
}

TEST(LargeCountsTest, ReferenceNumbersPastTwoToTheThirtyFirst) {
  report_support::HandSection s;
  s.new_side.SectionStart = kPastInt32;
  s.old_side.SectionStart = kPastInt32 + 5;
  s.Old("a");
  s.Old("old");
  s.New("a", 1);
  s.New("new");
  std::vector<std::string> columns;
  for (const std::string& line : s.ChangeListing()) columns.push_back(ColumnsOf(line));
  EXPECT_EQ(columns, (std::vector<std::string>{"    | 3000000001              3000000006   1",
                                               "I - | 3000000002 INSERT(NEW)          1",
                                               "D - |       DELETED(OLD) 3000000007   1"}));
}

TEST(LargeCountsTest, SummariesAddCountsPastTwoToTheThirtyFirst) {
  report_support::HandRun hand;
  CompareRun& run = hand.run;
  run.state.pair_count = 2;
  for (int32_t k = 0; k < 2; ++k) {
    hand.pairs.Add("a.txt", "a.txt");
    run.state.CurrentPair = k;
    run.state.directory_entries.push_back(DirItem{.is_text = true});
    run.pair = PairResult();
    run.pair.new_lines_processed = kPastInt32;
    run.pair.old_lines_processed = kPastInt32 - 1;
    run.pair.matches = kPastInt32 - 1;
    run.pair.insertions = 1;
    FoldPair(run, true);
  }
  WritePairSummary(run, hand.info, hand.lines, hand.store);
  WriteDirectorySummary(run, hand.info, hand.lines, hand.store);
  const std::string report = Joined(LinesOf(hand.lines.Primary));
  for (const char* line :
       {"2999999999 Number Of Line Matches          1 Total Changes (Paired+NonPaired Chg) ",
        "3000000000 New File Lines Processed ", "2999999999 Old File Lines Processed ",
        "5999999998 Number Of Line Matches         2 Total Changes (Paired+NonPaired Chg)",
        "6000000000 New File Lines Processed ", "5999999998 Old File Lines Processed "}) {
    EXPECT_NE(report.find(std::string(line) + "\n"), std::string::npos) << line << "\n" << report;
  }
}

}  // namespace
}  // namespace kestrin
