// The Chng context buffer: up to six unchanged lines before and after each
// change, and the Not Shown lines for what it skips.
#include "report/context_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/line_lists.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::RecordingHost;

// Feeds a pattern of lines ("." unchanged, "I" a change) to the writer of a
// pair whose heading was armed, and returns what reached the store.
std::vector<std::string> Listed(const std::string& pattern) {
  ReportLines lines;
  RecordingHost host;
  ReportStore store(lines, host);
  ContextWriter writer(store);
  PairResult pair;
  pair.skipping = true;  // armed heading
  writer.StartPair();
  writer.SetPair(pair);
  for (size_t k = 0; k < pattern.size(); ++k) {
    const std::string number = std::to_string(k + 1);
    writer.Write(pattern[k] == 'I' ? "I - " + number : "    " + number);
  }
  writer.FinishPair();
  return LinesOf(lines.Primary);
}

std::string NotShown(int count) {
  return "   ************* " + std::to_string(count) +
         " New File Lines Not Shown *****************************";
}

TEST(ContextWriterTest, Patterns) {
  struct Case {
    std::string pattern;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      // A change at the first line: nothing skipped before it.
      {"I..", {"I - 1", "    2", "    3"}},
      // Six lines before a change are all shown, the seventh is not.
      {"......I", {"    1", "    2", "    3", "    4", "    5", "    6", "I - 7"}},
      {".......I", {NotShown(1), "    2", "    3", "    4", "    5", "    6", "    7", "I - 8"}},
      // Two changes twelve lines apart share their context.
      {"I............I",
       {"I - 1", "    2", "    3", "    4", "    5", "    6", "    7", "    8", "    9", "    10",
        "    11", "    12", "    13", "I - 14"}},
      // Thirteen lines apart: one line is not shown between the two contexts.
      {"I.............I",
       {"I - 1", "    2", "    3", "    4", "    5", "    6", "    7", NotShown(1), "    9",
        "    10", "    11", "    12", "    13", "    14", "I - 15"}},
      // Seven lines after the last change: the seventh is announced.
      {"I.......", {"I - 1", "    2", "    3", "    4", "    5", "    6", "    7", NotShown(1)}},
  };
  for (const Case& c : cases) EXPECT_EQ(Listed(c.pattern), c.expected) << c.pattern;
}

}  // namespace
}  // namespace kestrin
