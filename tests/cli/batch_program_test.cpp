// The batch program: its arguments, its report on standard output, its
// messages on standard error and its exit status.
#include "cli/batch_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_host.h"
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
// that cannot be read, links (broken ones among them) and a named pipe; the
// working directory while it lives, so that a report names files as the test
// gave them.
struct BatchFixture {
  BatchFixture() {
    fs::current_path(scratch.path());
    const fs::path data = KESTRIN_SOURCE_DIR "/tests/cli/data";
    for (const auto& entry : fs::recursive_directory_iterator(data)) {
      if (!entry.is_regular_file()) continue;
      const std::string name = entry.path().lexically_relative(data).string();
      scratch.Write(name, copied[name] = ReadFile(entry.path()));
    }
    for (const char* directory : {"dir", "locked"}) scratch.MakeDirectory(directory);
    file_system.locked_directory = "locked";
    for (const auto& [link, target] : {std::pair{"dangling", "gone.txt"},
                                       {"loop", "loop"},
                                       {"to_old.txt", "old.txt"},
                                       {"to_kept.txt", "kept.txt"}}) {
      fs::create_symlink(target, scratch.PathOf(link));
    }
    EXPECT_EQ(mkfifo(scratch.PathOf("pipe").c_str(), 0600), 0);
  }
  // `text` with each "<dir>" standing for the copy's full path.
  std::string Expand(std::string text) const {
    constexpr std::string_view kCopy = "<dir>";
    for (size_t at = text.find(kCopy); at != std::string::npos; at = text.find(kCopy)) {
      text.replace(at, kCopy.size(), scratch.path());
    }
    return text;
  }
  // Runs the batch program in this process on the expanded `arguments`.
  BatchResult Run(std::vector<std::string> arguments) {
    for (std::string& argument : arguments) argument = Expand(argument);
    std::ostringstream out;
    std::ostringstream err;
    const int exit_status = RunBatch(arguments, out, err, file_system);
    return {exit_status, out.str(), err.str()};
  }
  ~BatchFixture() { fs::current_path(started_in); }
  const fs::path started_in = fs::current_path();
  testkit::ScratchDirectory scratch;
  testkit::FaultyFileSystem file_system;
  std::map<std::string, std::string> copied;  // the bytes of each copy, by name
};

// Each row of the table; no run changes a file of data/ (a compared file, or
// one a link names, among them).
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
    const std::string err = f.Expand(c[2]);
    if (err.ends_with("...")) {
      EXPECT_TRUE(result.err.starts_with(err.substr(0, err.size() - 3))) << result.err;
    } else {
      EXPECT_EQ(result.err, err);
    }
  }
  for (const auto& [name, bytes] : f.copied) EXPECT_EQ(f.scratch.Read(name), bytes) << name;
  EXPECT_FALSE(fs::is_symlink("to_kept.txt")) << "the Secondary list replaces a link";
}

// Whole outputs, from the golden runs' table: the report on standard output
// (the report the windows show), and the Secondary list.
TEST(BatchProgramTest, EachGoldenRunOfTheTable) {
  BatchFixture f;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/cli/cases/golden_runs.txt")) {
    testkit::CaseScope scope(c);
    const BatchResult result = f.Run({c.fields.begin() + 3, c.fields.end()});
    EXPECT_EQ(result.exit_status, c.Number(0));
    EXPECT_EQ(result.err, "");
    testkit::ExpectGoldenText(c[1], result.out);
    if (!c[2].empty()) testkit::ExpectGoldenText(c[2], f.scratch.Read("right.txt"));
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
