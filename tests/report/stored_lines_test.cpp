// The report's line list: lines read back as written, in memory and from the
// spill file; the spill file's life; stale spill files; a spill that fails.
#include "report/stored_lines.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "report/report_lines.h"
#include "report/report_store.h"
#include "tests/common/line_lists.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"

namespace kestrin {
namespace {

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

std::string SpillName(pid_t pid, int number = 0) {
  return "kestrin-report-" + std::to_string(pid) + "-" + std::to_string(number) + ".spill";
}

TEST(StoredLinesTest, ReadsBackWhatWasWrittenAndRemovesItsSpillFile) {
  const testkit::ScratchDirectory scratch;
  // 30000 lines are over a MiB of text: lines run across the blocks the
  // text is kept in, and across those read from the file. A list spills from
  // its first line on, from the threshold on, or never.
  const std::vector<std::string> lines = MixedLines(30000);
  for (const size_t threshold : {size_t{0}, size_t{4096}, kSpillThreshold}) {
    SCOPED_TRACE(threshold);
    const bool spills = threshold != kSpillThreshold;
    StoredLines stored(threshold, scratch.path());
    for (const std::string& line : lines) stored.push_back(line);
    ASSERT_EQ(stored.size(), lines.size());
    // Backwards, so that reads from the file leave the block they read last.
    for (size_t i = lines.size(); i-- > 0;) ASSERT_EQ(stored[i], lines[i]) << "line " << i;
    EXPECT_EQ(LinesOf(stored), lines);
    EXPECT_EQ(stored.back(), lines.back());
    EXPECT_EQ(stored.LongestLine(), 132u);

    const std::string spill = stored.SpillPath();
    struct stat status {};
    const bool made = stat(spill.c_str(), &status) == 0;
    EXPECT_EQ(made, spills) << spill;
    EXPECT_EQ(made ? status.st_mode & 0777 : 0600u, 0600u) << spill;
    {
      const StoredLines copy = stored;  // its own file, removed with it
      EXPECT_EQ(LinesOf(copy), lines);
      EXPECT_TRUE(copy.SpillPath().empty() || copy.SpillPath() != spill);
    }
    if (spills) {
      // A file cut short by someone else gives empty lines, never a hang.
      ASSERT_EQ(truncate(spill.c_str(), 0), 0) << spill;
      EXPECT_EQ(stored[15001], "");
    }
    stored.clear();
    EXPECT_TRUE(stored.empty());
    EXPECT_TRUE(spill.empty() || !std::filesystem::exists(spill)) << spill;
    stored.push_back("after clear");
    EXPECT_EQ(LinesOf(stored), std::vector<std::string>{"after clear"});
  }
  // Every spill file went with its list, the copies' too.
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

// The file's last read block can hold a single byte: one line of one
// character, written to the file just as it was kept.
TEST(StoredLinesTest, ReadsALineFromABlockOfOneByte) {
  const testkit::ScratchDirectory scratch;
  // The first line goes to the file as the second passes the threshold; the
  // last one starts a read block and fills the text kept to a whole block.
  const std::vector<std::string> lines = {"a", std::string((size_t{1} << 20) - 1, 'x'), "y"};
  StoredLines stored(1, scratch.path());
  for (const std::string& line : lines) stored.push_back(line);
  EXPECT_EQ(stored[2], "y");
  EXPECT_EQ(LinesOf(stored), lines);
}

TEST(StoredLinesTest, KeepsInMemoryWhatTheSpillFileCannotTakeAndTellsOnce) {
  const testkit::ScratchDirectory scratch;
  const std::vector<std::string> lines = MixedLines(30000);
  // The spill directory is missing, or the file is full after its first lines
  // (and then holds them).
  for (const bool file_full : {false, true}) {
    SCOPED_TRACE(file_full ? "file full" : "directory missing");
    ReportLines report;
    report.Primary = StoredLines(64, file_full ? scratch.path() : scratch.PathOf("missing"));
    testkit::RecordingHost host;
    ReportStore store(report, host);
    {
      const testkit::FileSizeLimit limit(file_full ? 64 << 10 : UINT64_MAX);
      for (const std::string& line : lines) store.AppendFinalLine(line);
    }
    EXPECT_TRUE(report.Primary.SpillFailed());
    EXPECT_EQ(!report.Primary.SpillPath().empty(), file_full);
    EXPECT_EQ(LinesOf(report.Primary), lines);
    EXPECT_EQ(host.Only("message").size(), 1u);
    EXPECT_FALSE(report.ReportFull);
  }
}

TEST(StoredLinesTest, RemovesOnlyTheSpillFilesOfEndedProcesses) {
  const testkit::ScratchDirectory scratch;
  const pid_t ended = fork();
  if (ended == 0) _exit(0);
  ASSERT_GT(ended, 0);
  ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
  const std::string ended_prefix = "kestrin-report-" + std::to_string(ended);
  const std::vector<std::string> kept = {
      SpillName(getpid()),       SpillName(ended) + ".txt",       ended_prefix + "-.spill",
      ended_prefix + "_0.spill", "kestrin-report-x-0.spill",      "notes.txt",
      ended_prefix + "-0.spilx", "x" + SpillName(ended).substr(1),
      ended_prefix + "-99999999999999999999.spill"};
  for (const std::string& name : kept) scratch.Write(name, "kept");
  scratch.Write(SpillName(ended), "stale");

  EXPECT_EQ(RemoveStaleSpillFiles(scratch.path()), 1);
  EXPECT_FALSE(std::filesystem::exists(scratch.PathOf(SpillName(ended))));
  for (const std::string& name : kept)
    EXPECT_TRUE(std::filesystem::exists(scratch.PathOf(name))) << name;
}

TEST(StoredLinesTest, SpillsIntoTheFirstTemporaryDirectorySet) {
  const char* const variables[] = {"XDG_RUNTIME_DIR", "TMPDIR"};
  std::optional<std::string> saved[2];
  const auto set = [&](int i, const char* value) {
    value != nullptr ? setenv(variables[i], value, 1) : unsetenv(variables[i]);
  };
  for (int i = 0; i < 2; ++i) {
    if (const char* value = std::getenv(variables[i])) saved[i] = value;
  }
  const char* const cases[][3] = {{"/run/user/7", "/var/tmp", "/run/user/7"},
                                  {"", "/var/tmp", "/var/tmp"},
                                  {nullptr, nullptr, "/tmp"}};
  for (const auto& c : cases) {
    set(0, c[0]);
    set(1, c[1]);
    EXPECT_EQ(SpillDirectory(), c[2]);
  }
  for (int i = 0; i < 2; ++i) set(i, saved[i] ? saved[i]->c_str() : nullptr);
}

// A name taken by a file of someone else is passed over for the next one.
TEST(StoredLinesTest, ASpillFileNameTakenIsLeftToItsFile) {
  const testkit::ScratchDirectory scratch;
  StoredLines first(0, scratch.path());
  first.push_back("first");
  const std::string first_path = first.SpillPath();
  ASSERT_FALSE(first_path.empty());
  const int next = std::stoi(first_path.substr(first_path.rfind('-') + 1)) + 1;
  const std::string taken = SpillName(getpid(), next);
  scratch.Write(taken, "kept");
  StoredLines second(0, scratch.path());
  second.push_back("second");
  EXPECT_FALSE(second.SpillFailed());
  EXPECT_NE(second.SpillPath(), scratch.PathOf(taken));
  EXPECT_EQ(LinesOf(second), std::vector<std::string>{"second"});
  EXPECT_EQ(scratch.Read(taken), "kept");
}

}  // namespace
}  // namespace kestrin
