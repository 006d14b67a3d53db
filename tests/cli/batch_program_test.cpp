// The batch program: its arguments, its report on standard output, its
// messages on standard error and its exit status.
#include "cli/batch_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_host.h"
#include "engine/pair_driver.h"
#include "tests/common/case_table.h"
#include "tests/common/faulty_file_system.h"
#include "tests/common/scratch_directory.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;
using testkit::ReadFile;

struct BatchResult {
  int exit_status = -1;
  std::string out;
  std::string err;
};

// A copy of tests/cli/data, with the names no file holds: a directory, one
// that cannot be read, broken links and a named pipe; the working directory
// while it lives, so that a report names files as the test gave them.
struct BatchFixture {
  BatchFixture() {
    fs::current_path(scratch.path());
    const fs::path data = KESTRIN_SOURCE_DIR "/tests/cli/data";
    for (const auto& entry : fs::recursive_directory_iterator(data)) {
      if (entry.is_regular_file()) {
        scratch.Write(entry.path().lexically_relative(data).string(), ReadFile(entry.path()));
      }
    }
    for (const char* directory : {"dir", "locked"}) scratch.MakeDirectory(directory);
    file_system.locked_directory = "locked";
    fs::create_symlink("gone.txt", scratch.PathOf("dangling"));
    fs::create_symlink("loop", scratch.PathOf("loop"));
    EXPECT_EQ(mkfifo(scratch.PathOf("pipe").c_str(), 0600), 0);
  }
  // Runs the batch program in this process.
  BatchResult Run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exit_status = RunBatch(arguments, out, err, file_system);
    return {exit_status, out.str(), err.str()};
  }
  ~BatchFixture() { fs::current_path(started_in); }
  const fs::path started_in = fs::current_path();
  testkit::ScratchDirectory scratch;
  testkit::FaultyFileSystem file_system;
};

TEST(BatchProgramTest, EachRunOfTheTable) {
  BatchFixture f;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/cli/cases/batch_runs.txt")) {
    testkit::CaseScope scope(c);
    const BatchResult result = f.Run({c.fields.begin() + 3, c.fields.end()});
    EXPECT_EQ(result.exit_status, c.Number(0));
    if (c[1].empty()) {
      EXPECT_EQ(result.out, "");
    } else {
      EXPECT_NE(("\n" + result.out).find("\n" + c[1] + "\n"), std::string::npos)
          << "no line \"" << c[1] << "\" in:\n"
          << result.out;
    }
    if (c[2].ends_with("...")) {
      EXPECT_TRUE(result.err.starts_with(c[2].substr(0, c[2].size() - 3))) << result.err;
    } else {
      EXPECT_EQ(result.err, c[2]);
    }
  }
}

// Whole outputs, from the golden runs' table: the report on standard output
// (the report the windows show), and the Secondary list.
TEST(BatchProgramTest, EachGoldenRunOfTheTable) {
  BatchFixture f;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/cli/cases/golden_runs.txt")) {
    testkit::CaseScope scope(c);
    std::vector<std::string> arguments(c.fields.begin() + 3, c.fields.end());
    for (std::string& argument : arguments) {
      if (argument.starts_with("<dir>/")) argument = f.scratch.PathOf(argument.substr(6));
    }
    const BatchResult result = f.Run(arguments);
    EXPECT_EQ(result.exit_status, c.Number(0));
    EXPECT_EQ(result.err, "");
    testkit::ExpectGoldenText(c[1], result.out);
    if (!c[2].empty()) testkit::ExpectGoldenText(c[2], f.scratch.Read("right.txt"));
  }
}

// The Secondary list never costs a file its contents: without Sbsl nothing
// is written, a compared file (by its name or through a link, the first or a
// later pair of a directory run) is refused before anything is written, and
// a link is replaced, not followed.
TEST(BatchProgramTest, SecondaryFileKeepsWhatItMustNotOverwrite) {
  BatchFixture f;
  const std::string new_file = f.scratch.PathOf("new.txt");
  const std::string old_file = f.scratch.PathOf("old.txt");
  const std::string new_dir = f.scratch.PathOf("new");
  const std::string old_dir = f.scratch.PathOf("old");
  const std::string old_bytes = f.scratch.Read("old.txt");
  f.scratch.Write("kept.txt", "kept\n");
  fs::create_symlink(old_file, f.scratch.PathOf("to_old.txt"));
  fs::create_symlink(f.scratch.PathOf("kept.txt"), f.scratch.PathOf("to_kept.txt"));
  struct Case {
    const char* options;
    std::string secondary;
    std::string new_name;
    std::string old_name;
    int exit_status;
  } const cases[] = {
      {"None", f.scratch.PathOf("kept.txt"), new_file, old_file, 1},
      {"Sbsl", old_file, new_file, old_file, 2},
      {"Sbsl", f.scratch.PathOf("to_old.txt"), new_file, old_file, 2},
      {"Sbsl", f.scratch.PathOf("to_kept.txt"), new_file, old_file, 1},
      {"Sbsl", f.scratch.PathOf("old/a.txt"), new_dir, old_dir, 2},
      {"Sbsl", f.scratch.PathOf("new/b.txt"), new_dir, old_dir, 2},
  };
  for (const Case& c : cases) {
    const BatchResult result =
        f.Run({"--options", c.options, "--secondary", c.secondary, c.new_name, c.old_name});
    const bool refused = c.exit_status == 2;
    EXPECT_EQ(result.exit_status, c.exit_status) << c.secondary;
    EXPECT_EQ(result.err, refused ? "The Secondary list would overwrite the compared file \"" +
                                        c.secondary + "\"; nothing was written.\n"
                                  : "")
        << c.secondary;
    EXPECT_EQ(result.out.empty(), refused) << c.secondary;
    EXPECT_EQ(f.scratch.Read("old.txt"), old_bytes) << c.secondary;
    EXPECT_EQ(f.scratch.Read("kept.txt"), "kept\n") << c.secondary;
  }
  EXPECT_FALSE(fs::is_symlink(f.scratch.PathOf("to_kept.txt")));
}

// A Secondary list that cannot be made, or cannot take the place of what
// the name holds, is told; the report still goes to standard output.
TEST(BatchProgramTest, SecondaryFileThatCannotBeWritten) {
  BatchFixture f;
  for (const std::string& secondary :
       {f.scratch.PathOf("no/such/dir/x.txt"), f.scratch.PathOf("dir")}) {
    const BatchResult result =
        f.Run({"--options", "Sbsl", "--secondary", secondary, "new.txt", "old.txt"});
    EXPECT_EQ(result.exit_status, 2) << secondary;
    EXPECT_EQ(result.err, "Cannot write the Secondary list to \"" + secondary + "\".\n");
    EXPECT_FALSE(result.out.empty()) << secondary;
  }
}

// On a terminal each status text rewrites one status line, which a message
// or a question ends first; either tells of trouble, which ends the run with
// status 2.
TEST(BatchProgramTest, HostRewritesItsStatusLineAndCountsTrouble) {
  std::ostringstream terminal;
  BatchHost host(terminal, true, true);
  host.SetStatus("one");
  host.SetStatus("two");
  EXPECT_FALSE(host.ReportedTrouble());
  host.ShowMessage("told");
  EXPECT_TRUE(host.ReportedTrouble());
  host.EndStatusLine();
  EXPECT_EQ(terminal.str(), "\r\x1b[Kone\r\x1b[Ktwo\ntold\n");
  std::ostringstream err;
  BatchHost asked(err, false, false);
  EXPECT_FALSE(asked.AskYesNo("Exit Now?"));
  EXPECT_TRUE(asked.ReportedTrouble());
  EXPECT_EQ(err.str(), "Exit Now? (Yes/No) No\n");
}

// Regression: a file that cannot be processed must not end with the status
// of an equivalent pair, and its failure is named as a problem, not as
// "nothing compared". /proc/self/mem opens but cannot be sought to its end,
// which the engine asks about.
TEST(BatchProgramTest, FileThatCannotBeProcessedEndsWithStatusTwo) {
  if (!fs::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  BatchFixture f;
  const BatchResult result = f.Run({"/proc/self/mem", "old.txt"});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.err,
            "Error code \"22\" while trying to seek Input File. \"/proc/self/mem\". Exit Now? "
            "(Yes/No) No\n");
  EXPECT_TRUE(result.out.ends_with("\n" + std::string(kProblemsMessage) + "\n")) << result.out;
}

// A read error in the middle of a pair is told on standard error and ends
// with status 2; the report keeps what was read before it. Here the new
// file's reads fail after "1\n2\n", so its other lines read as deleted.
TEST(BatchProgramTest, ReadErrorInTheMiddleOfAPair) {
  BatchFixture f;
  f.file_system.faults["new.txt"] = {.reads_end_at = 4, .read_error = true};
  const BatchResult result = f.Run({"--list", "Long", "new.txt", "old.txt"});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.err,
            "Error code \"5\" while trying to read Input File. \"new.txt\". The pair is compared "
            "as far as the file could be read.\n");
  testkit::ExpectGoldenText("tests/cli/golden/read_error_long.txt", result.out);
}

// The built program takes the real file system, with names relative to its
// working directory; on a terminal (which `script` gives it) --progress
// rewrites one status line in place.
TEST(BatchProgramTest, BuiltProgramOnATerminal) {
  if (std::system("command -v script >/dev/null") != 0) GTEST_SKIP() << "no script command";
  BatchFixture f;
  const int status = std::system("script -qec \"'" KESTRIN_BINARY_DIR
                                 "/bin/kestrin-batch' --progress new.txt old.txt >out\" /dev/null "
                                 ">terminal </dev/null");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  EXPECT_EQ(f.scratch.Read("out"), f.Run({"new.txt", "old.txt"}).out);
  const std::string terminal = f.scratch.Read("terminal");
  EXPECT_TRUE(terminal.starts_with("\r\x1b[KExecuting Compare Section.\r\x1b[K")) << terminal;
}

}  // namespace
}  // namespace kestrin
