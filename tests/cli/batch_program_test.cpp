// The batch program: its report on standard output, its messages on standard
// error and its exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/pair_driver.h"
#include "tests/cli/cli_support.h"

namespace kestrin {
namespace {

using cli_support::BatchResult;
using cli_support::CliScratch;
using cli_support::LinesOf;
using testkit::FaultyFileSystem;

constexpr char kDiffers[] = "INFORM: The processed files have differences.";
constexpr char kEquivalent[] = "INFORM: The processed files compare as equivalent files. ";

std::string Text80(const std::string& text) { return text + std::string(80 - text.size(), ' '); }

struct BatchFixture {
  BatchFixture() {
    scratch.Write("new.txt", "1\n2\nthree\n4\n5\n");
    scratch.Write("old.txt", "1\n2\n3\n4\n5\n");
    scratch.Write("same.txt", "1\n2\n3\n4\n5\n");
  }
  BatchResult Run(const std::vector<std::string>& arguments) {
    return cli_support::RunBatchWith(fs, arguments);
  }
  CliScratch scratch;
  FaultyFileSystem fs{scratch.path()};
};

TEST(BatchProgramTest, LongListingOfTwoFilesWithDifferences) {
  BatchFixture f;
  const BatchResult result = f.Run({"--list", "Long", "new.txt", "old.txt"});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err, "");
  const std::vector<std::string> expected = {
      "New File = new.txt  01/02/24 03:04:05",
      "Old File = old.txt  01/02/24 03:04:05",
      "ID  ----+----1----+----2----+----3----+----4----+----5----+----6----+----7----+----8 "
      "N-REF# CHNG-TYPE   O-REF# LEN",
      "    " + Text80("1") + " 00001              00001   2    ",
      "    " + Text80("2") + " 00002              00002",
      "I - " + Text80("three") + " 00003 INSERT(NEW)          1    ",
      "D - " + Text80("3") + "       DELETED(OLD) 00003   1    ",
      "    " + Text80("4") + " 00004              00004   2    ",
      "    " + Text80("5") + " 00005              00005",
      " ",
      "INDIVIDUAL PAIRED FILE COMPARE TOTALS AND STATISTICS SECTION",
      "New File = new.txt  01/02/24 03:04:05",
      "Old File = old.txt  01/02/24 03:04:05",
      " ",
      "      4 Number Of Line Matches          1 Total Changes (Paired+NonPaired Chg) ",
      "      0 Reformatted Lines               1 Paired Changes (Refm+Paired Ins/Del)",
      "      1 New File Line Insertions        0 Non-Paired Inserts (Ins Paired-Chg)",
      "      1 Old File Line Deletions         0 Non-Paired Deletes (Del Paired-Chg)",
      "      5 New File Lines Processed ",
      "      5 Old File Lines Processed ",
      "LISTING-TYPE = Long  OPTIONS = None  LONGEST-LINE = (5/1)",
      kDiffers,
  };
  EXPECT_EQ(LinesOf(result.out), expected);
  EXPECT_TRUE(result.out.ends_with(std::string(kDiffers) + "\n"));
}

TEST(BatchProgramTest, ExitStatusFollowsTheFinalMessage) {
  BatchFixture f;
  f.scratch.Write("empty1.txt", "");
  f.scratch.Write("empty2.txt", "");
  f.scratch.Write("upper.txt", "1\n2\nTHREE\n4\n5\n");
  f.scratch.Write("lower.txt", "1\n2\nthree\n4\n5\n");
  std::string binary(5000, '\0');
  f.scratch.Write("a.bin", binary);
  binary[4999] = 1;
  f.scratch.Write("b.bin", binary);
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string last_line;
  };
  const std::vector<Case> cases = {
      {{"new.txt", "old.txt"}, 1, kDiffers},
      {{"old.txt", "same.txt"}, 0, kEquivalent},
      {{"empty1.txt", "empty2.txt"}, 0, "INFORM: Nothing compared possibly due to filtering. "},
      {{"--options", "Icas", "upper.txt", "lower.txt"},
       0,
       "INFORM: The processed files compare as filtered equivalent files. "},
      {{"a.bin", "b.bin"}, 1, kDiffers},
      {{"a.bin", "a.bin"}, 0, kEquivalent},
  };
  for (const Case& c : cases) {
    const BatchResult result = f.Run(c.arguments);
    EXPECT_EQ(result.exit_status, c.status) << c.arguments.back();
    const std::vector<std::string> lines = LinesOf(result.out);
    ASSERT_FALSE(lines.empty()) << c.arguments.back();
    EXPECT_EQ(lines.back(), c.last_line) << c.arguments.back();
  }
}

TEST(BatchProgramTest, OptionsAndListingTypeInAnyLetterCase) {
  BatchFixture f;
  f.scratch.Write("code.c", "int a; // new\nint b;\n");
  f.scratch.Write("code_old.c", "int a;\nint  b;\n");
  const BatchResult result =
      f.Run({"--list=delta", "--options", "dcpp icas", "code.c", "code_old.c"});
  EXPECT_EQ(result.exit_status, 1);
  const std::vector<std::string> lines = LinesOf(result.out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[3], std::string(88, ' ') + "Mat/Ins/Del/Rfm=(1,0,0,1)");
  EXPECT_EQ(lines.end()[-2], "LISTING-TYPE = Delta  OPTIONS = Dcpp Icas  LONGEST-LINE = (13/7)");
}

TEST(BatchProgramTest, SecondaryListWithSbsl) {
  BatchFixture f;
  const BatchResult result = f.Run({"--options", "Sbsl", "--secondary", f.scratch.PathOf("right.txt"),
                                    "--list", "Long", "new.txt", "old.txt"});
  EXPECT_EQ(result.exit_status, 1);
  const std::vector<std::string> left = LinesOf(result.out);
  const std::vector<std::string> right = LinesOf(f.scratch.Read("right.txt"));
  ASSERT_EQ(right.size(), 8u);
  EXPECT_EQ(right[5], "D - " + Text80("3") + "       DELETED(OLD) 00003   1    ");
  EXPECT_EQ(left[5].substr(0, 9), "I - three");
  for (size_t k : {0u, 1u, 2u, 3u, 4u, 6u, 7u}) EXPECT_EQ(left[k], right[k]) << "line " << k;
}

// The Secondary list never costs a file its contents: without Sbsl nothing
// is written, a compared file (by its name or through a link) is refused
// before anything is written, and a link is replaced, not followed.
TEST(BatchProgramTest, SecondaryFileKeepsWhatItMustNotOverwrite) {
  BatchFixture f;
  const std::string old_file = f.scratch.PathOf("old.txt");
  const std::string old_bytes = f.scratch.Read("old.txt");
  f.scratch.Write("kept.txt", "kept\n");
  std::filesystem::create_symlink(old_file, f.scratch.PathOf("to_old.txt"));
  std::filesystem::create_symlink(f.scratch.PathOf("kept.txt"), f.scratch.PathOf("to_kept.txt"));
  struct Case {
    const char* options;
    std::string secondary;
    int exit_status;
    bool refused;
  } const cases[] = {
      {"None", f.scratch.PathOf("kept.txt"), 1, false},
      {"Sbsl", old_file, 2, true},
      {"Sbsl", f.scratch.PathOf("to_old.txt"), 2, true},
      {"Sbsl", f.scratch.PathOf("to_kept.txt"), 1, false},
  };
  for (const Case& c : cases) {
    const BatchResult result =
        f.Run({"--options", c.options, "--secondary", c.secondary, "new.txt", old_file});
    EXPECT_EQ(result.exit_status, c.exit_status) << c.secondary;
    EXPECT_EQ(result.err, c.refused ? "The Secondary list would overwrite the compared file \"" +
                                          c.secondary + "\"; nothing was written.\n"
                                    : "")
        << c.secondary;
    EXPECT_EQ(result.out.empty(), c.refused) << c.secondary;
    EXPECT_EQ(f.scratch.Read("old.txt"), old_bytes) << c.secondary;
    EXPECT_EQ(f.scratch.Read("kept.txt"), "kept\n") << c.secondary;
  }
  EXPECT_FALSE(std::filesystem::is_symlink(f.scratch.PathOf("to_kept.txt")));
}

TEST(BatchProgramTest, SecondaryFileThatCannotBeWritten) {
  BatchFixture f;
  const std::string secondary = f.scratch.PathOf("no/such/dir/x.txt");
  const BatchResult result =
      f.Run({"--options", "Sbsl", "--secondary", secondary, "new.txt", "old.txt"});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.err, "Cannot write the Secondary list to \"" + secondary + "\".\n");
  EXPECT_FALSE(result.out.empty());
}

TEST(BatchProgramTest, ProgressShowsStatusTextsOnStandardError) {
  BatchFixture f;
  const BatchResult result = f.Run({"--progress", "new.txt", "old.txt"});
  EXPECT_EQ(result.exit_status, 1);
  const std::vector<std::string> lines = LinesOf(result.err);
  for (const char* status :
       {"Reading Data File(0) - Start Line = 1",
        "Generating Report   NFile = new.txt   OFile = old.txt", kDiffers}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), status), lines.end()) << status;
  }
}

// Names that cannot be compared are refused before anything is read, each
// fault naming its side and, where there is one, the system's reason.
TEST(BatchProgramTest, NamesThatCannotBeComparedAreNamed) {
  BatchFixture f;
  for (const char* directory : {"dir", "locked"}) {
    std::filesystem::create_directory(f.scratch.PathOf(directory));
  }
  f.fs.locked_directory = "locked";
  std::filesystem::create_symlink("gone.txt", f.scratch.PathOf("dangling"));
  std::filesystem::create_symlink("loop", f.scratch.PathOf("loop"));
  ASSERT_EQ(mkfifo(f.scratch.PathOf("pipe").c_str(), 0600), 0);
  struct Case {
    std::vector<std::string> arguments;
    std::string err;
  };
  const std::vector<Case> cases = {
      {{"missing.txt", "old.txt"}, "NEW \"missing.txt\": No such file or directory.\n"},
      {{"new.txt", "dangling"},
       "OLD \"dangling\" is a symbolic link that cannot be followed: No such file or "
       "directory.\n"},
      {{"loop", "pipe"},
       "NEW \"loop\" is a symbolic link that cannot be followed: Too many levels of symbolic "
       "links.\nOLD \"pipe\" is a named pipe, neither a file nor a directory.\n"},
      {{"dir", "old.txt"},
       "NEW \"dir\" is a directory and OLD \"old.txt\" a file: give two files or two "
       "directories.\n"},
      {{"new.txt", "dir"},
       "OLD \"dir\" is a directory and NEW \"new.txt\" a file: give two files or two "
       "directories.\n"},
      {{"locked", "dir"},
       "NEW \"locked\" is a directory that cannot be read: Permission denied.\n"},
      {{"--mask", "*.c", "new.txt", "old.txt"},
       "--mask is for directories, and NEW and OLD are files.\n"},
  };
  for (const Case& c : cases) {
    const BatchResult result = f.Run(c.arguments);
    EXPECT_EQ(result.exit_status, 2) << c.err;
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.out, "") << c.err;
  }
}

// Regression: a file that cannot be processed must not end with the status
// of an equivalent pair, and its failure is named as a problem, not as
// "nothing compared". /proc/self/mem opens but cannot be sought to its end,
// which the engine asks about.
TEST(BatchProgramTest, FileThatCannotBeProcessedEndsWithStatusTwo) {
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  BatchFixture f;
  const BatchResult result = f.Run({"/proc/self/mem", "old.txt"});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.err,
            "Error code \"22\" while trying to seek Input File. \"/proc/self/mem\". Exit Now? "
            "(Yes/No) No\n");
  EXPECT_EQ(LinesOf(result.out).back(), kProblemsMessage);
}

TEST(BatchProgramTest, UsageErrors) {
  BatchFixture f;
  struct Case {
    std::vector<std::string> arguments;
    std::string first_line;
  };
  const std::vector<Case> cases = {
      {{}, "two names, NEW and OLD, are needed"},
      {{"new.txt"}, "two names, NEW and OLD, are needed"},
      {{"a", "b", "c"}, "two names, NEW and OLD, are needed"},
      {{"--lsit", "Long", "new.txt", "old.txt"}, "unknown option: --lsit"},
      {{"--list", "Wide", "new.txt", "old.txt"}, "unknown listing type: Wide"},
      {{"new.txt", "old.txt", "--list"}, "missing value for option: --list"},
      {{"--options", "Dcpp Icase", "new.txt", "old.txt"}, "unknown keyword in --options: Icase"},
      {{"--options=Dcpp Icas Dsem", "new.txt", "old.txt"}, "second Dp keyword in --options: Dsem"},
      {{"--list", "Long", "new.txt", "old.txt", "--list=Chng"}, "option given twice: --list"},
      {{"-r", "--recursive", "new", "old"}, "option given twice: --recursive"},
      {{"--select-pairs", "a : b;", "--select", "a;", "new", "old"},
       "--select and --select-pairs cannot be given together"},
  };
  for (const Case& c : cases) {
    const BatchResult result = f.Run(c.arguments);
    EXPECT_EQ(result.exit_status, 2) << c.first_line;
    const std::vector<std::string> lines = LinesOf(result.err);
    ASSERT_GE(lines.size(), 2u) << c.first_line;
    EXPECT_EQ(lines[0], c.first_line);
    EXPECT_EQ(lines[1], "usage: kestrin-batch [options] NEW OLD");
    EXPECT_EQ(result.out, "");
  }
}

TEST(BatchProgramTest, HelpAndVersion) {
  BatchFixture f;
  const BatchResult version = f.Run({"--version"});
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.out, "Kestrin V1.4b\n");
  const BatchResult help = f.Run({"--help"});
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_TRUE(help.out.starts_with("usage: kestrin-batch [options] NEW OLD\n"));
  EXPECT_NE(help.out.find("--secondary FILE"), std::string::npos);
  EXPECT_EQ(help.err, "");
}

TEST(BatchProgramTest, NamesAfterDoubleDashAreFiles) {
  BatchFixture f;
  f.scratch.Write("--odd.txt", "1\n2\n3\n4\n5\n");
  const BatchResult result = f.Run({"--", "--odd.txt", "same.txt"});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(LinesOf(result.out).back(), kEquivalent);
}

// A read error in the middle of a pair is told on standard error and ends
// with status 2; the report keeps what was read before it. Here the new
// file's reads fail after "1\n2\n", so its other lines read as deleted.
TEST(BatchProgramTest, ReadErrorInTheMiddleOfAPair) {
  BatchFixture f;
  f.fs.faults["new.txt"] = {.reads_end_at = 4, .read_error = true};
  const BatchResult result = f.Run({"--list", "Long", "new.txt", "old.txt"});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.err,
            "Error code \"5\" while trying to read Input File. \"new.txt\". The pair is compared "
            "as far as the file could be read.\n");
  cli_support::ExpectGolden(result.out, "read_error_long.txt");
}

// The built program: its arguments, standard streams, exit status and the
// real file system with names relative to its working directory.
TEST(BatchBinaryTest, ComparesTheNamedFiles) {
  BatchFixture f;
  const BatchResult result =
      cli_support::RunProcess(cli_support::BatchProgram(), {"new.txt", "old.txt"}, f.scratch.path());
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, f.Run({"new.txt", "old.txt"}).out);
}

}  // namespace
}  // namespace kestrin
