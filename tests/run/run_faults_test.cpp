// Faults met while a run is under way, grouped by fault: files that cannot be
// opened, positioned or read to their end, odd files given as inputs, entries
// of a directory that cannot be compared, and names that hold line breaks.
// Each is named in the report and none stops the pairs after it; each run's
// final message, messages, statuses and report are kept as a golden,
// golden/fault_<name>.txt.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "engine/pair_driver.h"
#include "run/headless_run.h"
#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::kRunFileTime;
using run_support::ScratchDirectory;
using testkit::FaultyFileSystem;
using testkit::FileFault;
using testkit::RecordingHost;
using Strings = std::vector<std::string>;

// Runs `request` over `fs`, seen by a recording host, and compares what
// happened with golden/fault_<name>.txt, the scratch directory as "<dir>".
void ExpectRunGolden(HeadlessRequest request, FileSystem& fs, const ScratchDirectory& scratch,
                     const std::string& name) {
  testkit::UseUtcFileTimes();
  RecordingHost host;
  request.host = &host;
  const HeadlessOutcome outcome = RunHeadless(request, fs);
  Strings lines = {"final: " + outcome.final_message};
  for (const std::string& message : outcome.messages) lines.push_back("message: " + message);
  for (const std::string& status : host.Only("status:")) lines.push_back("status: " + status);
  for (const std::string& line : LinesOf(outcome.report.Primary)) lines.push_back(line);
  for (std::string& line : lines) line = run_support::Placed(line, scratch.path());
  testkit::ExpectGoldenLines("tests/run/golden/fault_" + name + ".txt", lines);
}

// Three like-named pairs that all differ.
struct ThreePairs {
  ThreePairs() {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
      scratch.Write(std::string("new/") + name, std::string(name) + " new\n");
      scratch.Write(std::string("old/") + name, std::string(name) + " old\n");
    }
    request.new_name = scratch.PathOf("new");
    request.old_name = scratch.PathOf("old");
    request.compare_type = 2;
    request.controls.SetChecked(Preference::kInpn, true);
  }
  ScratchDirectory scratch{kRunFileTime};
  HeadlessRequest request;
};

TEST(RunFaultsTest, AnUnreadableFileIsNamedAndThePairsAfterItAreCompared) {
  ThreePairs run;
  FaultyFileSystem fs;
  fs.faults[run.scratch.PathOf("new/b.txt")].open_error = EACCES;
  ExpectRunGolden(run.request, fs, run.scratch, "unreadable");
}

// A file that ends at byte 700 of the 1200 it had, shrunk or by a read error,
// and one whose first read fails.
TEST(RunFaultsTest, AFileThatEndsEarlyIsNamedWithWhereItEnded) {
  struct EarlyEnd {
    int64_t at;
    bool read_error;
    const char* golden;
  };
  for (const EarlyEnd end : {EarlyEnd{700, false, "shrunk"}, EarlyEnd{700, true, "read_error"},
                             EarlyEnd{0, true, "read_error_at_start"}}) {
    ScratchDirectory scratch{kRunFileTime};
    std::string text;
    for (int line = 0; line < 100; ++line) text += "eleven char\n";
    HeadlessRequest request;
    request.new_name = scratch.Write("new.txt", text);
    request.old_name = scratch.Write("old.txt", text);
    FaultyFileSystem fs;
    fs.faults[request.old_name] = FileFault{.reads_end_at = end.at, .read_error = end.read_error};
    ExpectRunGolden(request, fs, scratch, end.golden);
  }
}

// Inputs that are no plain files: each is refused or named, and nothing hangs.
// Start's questions speak of the window's fields: the host of a refused
// start sees neither them nor the refusal, and they are answered No.
TEST(RunFaultsTest, OddInputsAreRefusedOrNamed) {
  ScratchDirectory scratch{kRunFileTime};
  const std::string file = scratch.Write("file.txt", "x\n");
  const std::string directory = scratch.MakeDirectory("dir");
  scratch.Write("dir/x.txt", "x");
  const std::string fifo = scratch.PathOf("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto placed = [&](const std::string& name) {
    return name == "<fifo>" ? fifo : name == "<dir>" ? directory : name == "<file>" ? file : name;
  };
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/odd_inputs.txt")) {
    HeadlessRequest request;
    request.new_name = placed(c[0]);
    request.old_name = placed(c[1]);
    request.compare_type = static_cast<int>(c.Number(2));
    RecordingHost host;
    if (!c.Flag(3)) host.answers = {true};
    request.host = &host;
    FaultyFileSystem fs;
    const HeadlessOutcome outcome = RunHeadless(request, fs);
    std::string said;
    for (const std::string& line : outcome.messages) said += line + "\n";
    for (const std::string& line : LinesOf(outcome.report.Primary)) said += line + "\n";
    EXPECT_EQ(outcome.ran, c.Flag(3)) << c.Where() << "\n" << said;
    EXPECT_NE(said.find(c[4]), std::string::npos) << c.Where() << "\n" << said;
    if (outcome.ran) {
      EXPECT_EQ(outcome.final_message, kProblemsMessage) << c.Where();
    } else {
      EXPECT_TRUE(host.Only("ask:").empty() && host.Only("message:").empty()) << c.Where();
    }
  }
}

TEST(RunFaultsTest, LinksThatDangleOrLoopAndPipesAreListedAsUnpairedWithTheirReason) {
  ThreePairs run;
  ASSERT_EQ(symlink("missing.txt", run.scratch.PathOf("new/dangling.txt").c_str()), 0);
  ASSERT_EQ(symlink("loop.txt", run.scratch.PathOf("old/loop.txt").c_str()), 0);
  ASSERT_EQ(mkfifo(run.scratch.PathOf("new/pipe").c_str(), 0600), 0);
  ExpectRunGolden(run.request, DefaultFileSystem(), run.scratch, "links");
}

// A name may hold any byte but a separator: each line break is shown as "?",
// so that the name cannot split a line or forge one, and the file is still
// opened by its own name.
TEST(RunFaultsTest, ANameWithALineBreakStaysOneLine) {
  ScratchDirectory scratch{kRunFileTime};
  const std::string name = "a\nINFORM: The processed files compare as equivalent files. ";
  scratch.Write("new/" + name, "new\n");
  scratch.Write("old/" + name, "old\n");
  HeadlessRequest request;
  request.new_name = scratch.PathOf("new");
  request.old_name = scratch.PathOf("old");
  request.compare_type = 2;
  ExpectRunGolden(request, DefaultFileSystem(), scratch, "line_break");
}

}  // namespace
}  // namespace kestrin
