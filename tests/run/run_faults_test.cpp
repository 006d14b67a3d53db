// Faults met while a run is under way, grouped by fault: files that cannot be
// opened, positioned or read to their end, odd files given as inputs, entries
// of a directory that cannot be compared, and names that hold line breaks.
// Each is named in the report and none stops the pairs after it.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "run/headless_run.h"
#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using testkit::FileFault;
using testkit::RecordingHost;
using run_support::kRunFileTime;
using run_support::ScratchDirectory;
using testkit::FaultyFileSystem;
using Strings = std::vector<std::string>;

std::string Joined(const Strings& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

bool HasLine(const Strings& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
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
  const std::string unreadable = run.scratch.PathOf("new/b.txt");
  fs.faults[unreadable].open_error = EACCES;
  const HeadlessOutcome outcome = RunHeadless(run.request, fs);
  const Strings report = LinesOf(outcome.report.Primary);
  ASSERT_TRUE(outcome.ran);
  EXPECT_EQ(outcome.final_message, kProblemsMessage) << Joined(report);
  EXPECT_EQ(outcome.messages,
            Strings{"Error code \"13\" while trying to open New Input File. \"" + unreadable +
                    "\". Exit Now?"});
  EXPECT_TRUE(HasLine(report, "*** Not compared: New Input File \"" + unreadable +
                                  "\" could not be opened: Permission denied"))
      << Joined(report);
  for (const char* listed : {"a.txt new", "c.txt new"}) {
    EXPECT_NE(Joined(report).find(listed), std::string::npos) << listed << "\n" << Joined(report);
  }
}

TEST(RunFaultsTest, AFileThatEndsEarlyIsNamedWithWhereItEnded) {
  struct Case {
    const char* name;
    bool read_error;
    const char* line;  // with <path>
    const char* message;
  } const cases[] = {
      {"shrunk", false,
       "*** Old Input File \"<path>\" ended at byte 700 of the 1200 found when it was opened.",
       kDifferencesMessage},
      {"read error", true,
       "*** Old Input File \"<path>\" could not be read past byte 700: Input/output error",
       kProblemsMessage},
  };
  for (const Case& c : cases) {
    ScratchDirectory scratch{kRunFileTime};
    std::string text;
    for (int line = 0; line < 100; ++line) text += "eleven char\n";  // 1200 bytes
    HeadlessRequest request;
    request.new_name = scratch.Write("new.txt", text);
    request.old_name = scratch.Write("old.txt", text);
    FaultyFileSystem fs;
    fs.faults[request.old_name] = FileFault{.reads_end_at = 700, .read_error = c.read_error};
    RecordingHost host;
    request.host = &host;
    const HeadlessOutcome outcome = RunHeadless(request, fs);
    const Strings statuses = host.Only("status:");
    std::string line = c.line;
    line.replace(line.find("<path>"), 6, request.old_name);
    EXPECT_TRUE(HasLine(LinesOf(outcome.report.Primary), line)) << c.name << "\n"
                                                       << Joined(LinesOf(outcome.report.Primary));
    EXPECT_EQ(outcome.final_message, c.message) << c.name;
    EXPECT_TRUE(HasLine(statuses, "Input File \"" + request.old_name +
                                      "\" ended at byte 700 of 1200."))
        << c.name << "\n"
        << Joined(statuses);
  }
}

// Inputs that are no plain files: each is refused or named, and nothing hangs.
TEST(RunFaultsTest, OddInputsAreRefusedOrNamed) {
  ScratchDirectory scratch{kRunFileTime};
  const std::string file = scratch.Write("file.txt", "x\n");
  const std::string directory = scratch.MakeDirectory("dir");
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
    FaultyFileSystem fs;
    const HeadlessOutcome outcome = RunHeadless(request, fs);
    const std::string said = Joined(outcome.messages) + Joined(LinesOf(outcome.report.Primary));
    EXPECT_EQ(outcome.ran, c.Flag(3)) << c.Where() << "\n" << said;
    EXPECT_NE(said.find(c[4]), std::string::npos) << c.Where() << "\n" << said;
    if (outcome.ran) {
      EXPECT_EQ(outcome.final_message, kProblemsMessage) << c.Where();
    }
  }
}

TEST(RunFaultsTest, LinksThatDangleOrLoopAndPipesAreListedAsUnpairedWithTheirReason) {
  ThreePairs run;
  ASSERT_EQ(symlink("missing.txt", run.scratch.PathOf("new/dangling.txt").c_str()), 0);
  ASSERT_EQ(symlink("loop.txt", run.scratch.PathOf("old/loop.txt").c_str()), 0);
  ASSERT_EQ(mkfifo(run.scratch.PathOf("new/pipe").c_str(), 0600), 0);
  const HeadlessOutcome outcome = RunHeadless(run.request, DefaultFileSystem());
  const Strings report = LinesOf(outcome.report.Primary);
  EXPECT_EQ(outcome.final_message, kDifferencesMessage);
  for (const char* line :
       {"      2 Total UnPaired New Files Not Processed.",
        "      1 Total UnPaired Old Files Not Processed.",
        " dangling.txt                              (New) No such file or directory",
        " pipe                                      (New) named pipe, not a regular file",
        " loop.txt                                  (Old) Too many levels of symbolic links"}) {
    EXPECT_TRUE(HasLine(report, line)) << line << "\n" << Joined(report);
  }
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
  RecordingHost host;
  request.host = &host;
  const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
  const Strings statuses = host.Only("status:");
  const Strings report = LinesOf(outcome.report.Primary);
  EXPECT_EQ(outcome.final_message, kDifferencesMessage);
  EXPECT_EQ(std::count(report.begin(), report.end(), report.back()), 1) << Joined(report);
  const std::string shown = "a?INFORM: The processed files compare as equivalent files. ";
  EXPECT_NE(Joined(report).find("New File = " + scratch.PathOf("new/" + shown)),
            std::string::npos)
      << Joined(report);
  for (const Strings* lines : {&report, &statuses}) {
    for (const std::string& line : *lines) {
      EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace kestrin
