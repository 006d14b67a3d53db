// The Chng context buffer: up to six unchanged lines before and after each
// change, and the Not Shown lines for what it skips.
#include "report/context_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "report/listing_formats.h"
#include "tests/common/case_table.h"
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

// The lines a picture of the table stands for.
std::vector<std::string> LinesOf(const std::string& picture) {
  std::istringstream in(picture);
  std::vector<std::string> lines;
  for (std::string token; in >> token;) {
    if (token[0] == '*') {
      lines.push_back(NotShownLine(std::stoi(token.substr(1))));
    } else {
      lines.push_back(token[0] == 'I' ? "I - " + token.substr(1) : "    " + token);
    }
  }
  return lines;
}

TEST(ContextWriterTest, Patterns) {
  testkit::ForEachCase("tests/report/cases/context_patterns.txt", [&](const testkit::TableCase& c) {
    EXPECT_EQ(Listed(c[0]), LinesOf(c[1]));
  });
}

}  // namespace
}  // namespace kestrin
