// The report's line list: lines read back as written, in memory and from the
// spill file; the spill file's life; stale spill files; a spill that fails.
#include "report/stored_lines.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "report/report_lines.h"
#include "report/report_store.h"
#include "tests/common/line_lists.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"

namespace kestrin {
namespace {

bool Exists(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0;
}

// Empty lines, full 132-character report lines and short ones, each line
// of text numbered.
std::vector<std::string> MixedLines(size_t count) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < count; ++i) {
    const std::string number = std::to_string(i) + ":";
    if (i % 3 == 0) lines.emplace_back();
    if (i % 3 == 1) lines.push_back(number + std::string(132 - number.size(), 'x'));
    if (i % 3 == 2) lines.push_back(number);
  }
  return lines;
}

std::string SpillName(pid_t pid) { return "kestrin-report-" + std::to_string(pid) + "-0.spill"; }

TEST(StoredLinesTest, ReadsBackWhatWasWrittenAndRemovesItsSpillFile) {
  const testkit::ScratchDirectory scratch;
  struct Case {
    const char* name;
    size_t threshold;
    size_t count;
    bool spills;
  };
  // 30000 lines are over a MiB of text: lines run across the blocks the
  // text is kept in, and across those read from the file.
  const Case cases[] = {
      {"in memory", kSpillThreshold, 30000, false},
      {"spilled from the first line", 0, 30000, true},
      {"across the threshold", 4096, 30000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> lines = MixedLines(c.count);
    StoredLines stored(c.threshold, scratch.path());
    for (const std::string& line : lines) stored.push_back(line);
    ASSERT_EQ(stored.size(), lines.size());
    // Backwards, so that reads from the file leave the block they read last.
    for (size_t i = lines.size(); i-- > 0;) ASSERT_EQ(stored[i], lines[i]) << "line " << i;
    EXPECT_EQ(LinesOf(stored), lines);
    EXPECT_EQ(stored.back(), lines.back());
    EXPECT_EQ(stored.LongestLine(), 132u);

    const std::string spill = stored.SpillPath();
    EXPECT_EQ(!spill.empty(), c.spills);
    if (c.spills) {
      struct stat status {};
      ASSERT_EQ(stat(spill.c_str(), &status), 0) << spill;
      EXPECT_EQ(status.st_mode & 0777, 0600u) << spill;
    }
    {
      const StoredLines copy = stored;
      EXPECT_EQ(LinesOf(copy), lines);
      if (c.spills) {
        EXPECT_NE(copy.SpillPath(), spill);
      }
    }
    stored.clear();
    EXPECT_TRUE(stored.empty());
    EXPECT_TRUE(spill.empty() || !Exists(spill)) << spill;
    stored.push_back("after clear");
    EXPECT_EQ(LinesOf(stored), std::vector<std::string>{"after clear"});
  }
  // Every spill file went with its list.
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

TEST(StoredLinesTest, DestroyingTheListRemovesItsSpillFile) {
  const testkit::ScratchDirectory scratch;
  std::string spill;
  {
    StoredLines stored(0, scratch.path());
    stored.push_back("line");
    spill = stored.SpillPath();
    ASSERT_TRUE(Exists(spill)) << spill;
  }
  EXPECT_FALSE(Exists(spill)) << spill;
}

TEST(StoredLinesTest, KeepsEverythingInMemoryAndTellsOnceWhenTheSpillFileCannotBeMade) {
  const testkit::ScratchDirectory scratch;
  const std::vector<std::string> lines = MixedLines(200);
  ReportLines report;
  report.Primary = StoredLines(64, scratch.PathOf("missing"));
  testkit::RecordingHost host;
  ReportStore store(report, host);
  for (const std::string& line : lines) store.AppendFinalLine(line);
  EXPECT_TRUE(report.Primary.SpillFailed());
  EXPECT_EQ(report.Primary.SpillPath(), "");
  EXPECT_EQ(LinesOf(report.Primary), lines);
  EXPECT_EQ(host.Only("message").size(), 1u);
  EXPECT_FALSE(report.ReportFull);
}

TEST(StoredLinesTest, RemovesOnlyTheSpillFilesOfEndedProcesses) {
  const testkit::ScratchDirectory scratch;
  const pid_t ended = fork();
  if (ended == 0) _exit(0);
  ASSERT_GT(ended, 0);
  ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
  const std::vector<std::string> kept = {
      SpillName(getpid()), SpillName(ended) + ".txt", "kestrin-report-x-0.spill", "notes.txt"};
  for (const std::string& name : kept) scratch.Write(name, "kept");
  scratch.Write(SpillName(ended), "stale");

  EXPECT_EQ(RemoveStaleSpillFiles(scratch.path()), 1);
  EXPECT_FALSE(Exists(scratch.PathOf(SpillName(ended))));
  for (const std::string& name : kept) EXPECT_TRUE(Exists(scratch.PathOf(name))) << name;
}

}  // namespace
}  // namespace kestrin
