// The report line store: adding and writing lines, cleaning, routing with
// Sbsl, the lazy heading and its ruler, Equalize, progress and a full store.
#include "report/report_store.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "report/report_sink.h"
#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
#include "tests/common/scratch_directory.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::RecordingHost;

PairHeading TestHeading() {
  testkit::UseUtcFileTimes();
  return PairHeading{"new/a.txt", testkit::kFixedFileTime, "old/a.txt", testkit::kFixedFileTime,
                     10};
}

// Keeps what a sink is given, list by list.
struct RecordingSink : ReportSink {
  void TakeLine(ReportList list, std::string_view line) override {
    (list == ReportList::kPrimary ? primary : secondary).emplace_back(line);
  }
  std::vector<std::string> primary;
  std::vector<std::string> secondary;
};

struct StoreFixture {
  explicit StoreFixture(size_t capacity = kUnlimitedLines, ReportSink* sink = nullptr)
      : store(lines, host, capacity, sink) {
    store.SetPair(0, 1, TestHeading());
  }
  ReportLines lines;
  RecordingHost host;
  ReportStore store;
};

TEST(CleanListingLineTest, ReplacesControlCharactersAfterTheFlagColumn) {
  testkit::ForEachCase("tests/report/cases/cleaned_lines.txt", [&](const testkit::TableCase& c) {
    CompareSettings settings;
    settings.Subc = c[1] != "no";
    settings.SubcChar = c[1][0];
    settings.Xtab = c[2] != "no";
    settings.TabSize = settings.Xtab ? static_cast<int32_t>(c.Number(2)) : 4;
    EXPECT_EQ(CleanListingLine(c[0], settings), c[3]);
  });
}

TEST(ReportStoreTest, ProgressTextEverySixtyListingLines) {
  StoreFixture f;
  f.store.SetPair(2, 5, TestHeading());
  for (int k = 0; k < 130; ++k) f.store.WriteListingLine("    line");
  f.store.AddLine("not counted");
  EXPECT_EQ(f.lines.OutputLineCount, 130);
  testkit::ExpectGoldenLines("tests/report/golden/store_progress.txt", f.host.log.events);
}

TEST(ReportStoreTest, FullStoreShowsOneMessageAndTakesNoMoreLines) {
  StoreFixture f(3);
  f.store.AddLine("1");
  f.store.AddLine("2");
  f.store.WriteListingLine("    3");
  EXPECT_FALSE(f.lines.ReportFull);
  f.store.WriteListingLine("    4");
  f.store.AddLine("5");
  EXPECT_TRUE(f.lines.ReportFull);
  EXPECT_EQ(LinesOf(f.lines.Primary), (std::vector<std::string>{"1", "2", "    3"}));
  EXPECT_EQ(f.host.Only("message:").size(), 1u);
  EXPECT_EQ(f.lines.OutputLineCount, 1);
}

TEST(ReportStoreTest, SinkGetsTheLinesTheListsWouldHold) {
  const auto write = [](StoreFixture& f) {
    f.lines.settings.Sbsl = true;
    f.store.ArmHeading();
    for (const char* line : {"I - a", "D - b", "D - c", "    d", "RN- e", "IM- f", "DM- g"}) {
      f.store.WriteListingLine(line);
    }
    f.store.WriteListingLine("    " + std::string(140, 'h'));
    f.store.Equalize();
    f.lines.SummaryStarted = true;
    f.store.AddLine("summary");
    f.store.AppendFinalLine("final");
  };
  StoreFixture kept;
  write(kept);
  RecordingSink sink;
  StoreFixture streamed(kUnlimitedLines, &sink);
  write(streamed);
  // Each flag's side, the heading's and the long line's.
  report_support::ExpectGolden("sbsl_routes.txt", LinesOf(kept.lines.Primary));
  report_support::ExpectGolden("sbsl_routes.secondary.txt", LinesOf(kept.lines.Secondary));
  EXPECT_EQ(sink.primary, LinesOf(kept.lines.Primary));
  EXPECT_EQ(sink.secondary, LinesOf(kept.lines.Secondary));
  EXPECT_EQ(streamed.store.PrimaryLineCount(), kept.lines.Primary.size());
  EXPECT_TRUE(streamed.lines.Primary.empty());
  EXPECT_TRUE(streamed.lines.Secondary.empty());
}

}  // namespace
}  // namespace kestrin
