// The batch program comparing directories (compare types 2 to 4) and taking
// its compare choices from a settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/cli_support.h"

namespace kestrin {
namespace {

using cli_support::BatchResult;
using cli_support::CliScratch;
using cli_support::LinesOf;
using testkit::FaultyFileSystem;

// Two directories: a.txt differs, b.txt is equal, Main.C pairs with main.c
// without regard to case, only_new.txt and only_old.txt are unpaired.
struct DirectoryFixture {
  DirectoryFixture() {
    for (const char* side : {"new", "old"}) std::filesystem::create_directory(scratch.PathOf(side));
    scratch.Write("new/a.txt", "1\n2\nthree\n");
    scratch.Write("old/a.txt", "1\n2\n3\n");
    scratch.Write("new/b.txt", "same\n");
    scratch.Write("old/b.txt", "same\n");
    scratch.Write("new/Main.C", "int main;\n");
    scratch.Write("old/main.c", "int main;\n");
    scratch.Write("new/only_new.txt", "n\n");
    scratch.Write("old/only_old.txt", "o\n");
  }
  BatchResult Run(const std::vector<std::string>& arguments) {
    return cli_support::RunBatchWith(fs, arguments);
  }
  CliScratch scratch;
  FaultyFileSystem fs{scratch.path()};
};

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& each : lines) {
    if (each == line) return true;
  }
  return false;
}

TEST(BatchDirectoryTest, TwoDirectoriesCompareEveryLikeNamedPair) {
  DirectoryFixture f;
  const BatchResult result = f.Run({"--list", "Ovsum", "--options", "Inpn", "new", "old"});
  EXPECT_EQ(result.exit_status, 1) << result.err;
  const std::vector<std::string> lines = LinesOf(result.out);
  EXPECT_TRUE(Holds(lines, "      3 Total New/Old Paired Text Files Processed.")) << result.out;
  EXPECT_TRUE(Holds(lines, "      1 Total UnPaired New Files Not Processed.")) << result.out;
  EXPECT_TRUE(Holds(lines, "      1 Total UnPaired Old Files Not Processed.")) << result.out;
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "INFORM: The processed files have differences.");
}

// A run of two or more hand-picked pairs ends with the directory summary and
// its list of the pairs picked.
TEST(BatchDirectoryTest, SelectionsPickThePairs) {
  DirectoryFixture f;
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string listed;  // a line of the hand-picked pair list
  };
  const std::vector<Case> cases = {
      {{"--list", "Ovsum", "--select", "b.txt;main.c;", "new", "old"}, 0, "  b.txt"},
      {{"--list", "Ovsum", "--select-pairs", "only_new.txt : only_old.txt;b.txt : b.txt;", "new",
        "old"},
       1,
       "  only_new.txt  :  only_old.txt"},
      {{"--list", "Ovsum", "--settings", "picked.ini", "new", "old"}, 0, "  b.txt"},
  };
  f.scratch.Write("picked.ini",
                  "[Kestrin]\nCompareType=3. Select from 1 Like-Name File List ...\n"
                  "SvLList=b.txt;main.c;\n");
  for (const Case& c : cases) {
    const BatchResult result = f.Run(c.arguments);
    EXPECT_EQ(result.exit_status, c.status) << c.arguments[3] << result.err;
    EXPECT_TRUE(Holds(LinesOf(result.out), c.listed)) << c.arguments[3] << "\n" << result.out;
  }
}

TEST(BatchDirectoryTest, MaskLimitsTheListing) {
  DirectoryFixture f;
  const BatchResult result = f.Run({"--list", "Ovsum", "--mask", "*.c", "new", "old"});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_TRUE(Holds(LinesOf(result.out), "      1 Total New/Old Paired Text Files Processed."))
      << result.out;
}

// A run left without a pair says why in the batch program's own words.
TEST(BatchDirectoryTest, RunsWithoutAPairSayWhyWithStatusTwo) {
  DirectoryFixture f;
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--mask", "*.none", "new", "old"},
       "NEW \"new\" and OLD \"old\" have no like-named files under the mask \"*.none\"; nothing "
       "was compared.\n"},
      {{"--select", "gone.txt;", "new", "old"},
       "None of the selected names is a file of both NEW \"new\" and OLD \"old\" under the mask "
       "\"*.*\"; nothing was compared.\n"},
      {{"--select-pairs", "a.txt : gone.txt;", "new", "old"},
       "None of the selected pairs names a file of NEW \"new\" and one of OLD \"old\" under the "
       "mask \"*.*\"; nothing was compared.\n"},
  };
  for (const Case& c : cases) {
    const BatchResult result = f.Run(c.arguments);
    EXPECT_EQ(result.exit_status, 2) << c.arguments[0];
    EXPECT_EQ(result.out, "") << c.arguments[0];
    EXPECT_EQ(result.err, c.message) << c.arguments[0];
  }
}

// The settings file sets what the command line cannot: compare columns, the
// Dudc tag with its embedded choice, the tab size and the listing type.
TEST(BatchSettingsTest, SettingsFileStepsTheCompare) {
  CliScratch scratch;
  scratch.Write("compare.ini",
                "[Kestrin]\r\n"
                "ListType=Long\r\n"
                "OptsUsed=Dudc Xtab Ccol\r\n"
                "XTab=8\r\n"
                "DpEdUdc=%\r\n"
                "UdcYN=Yes\r\n"
                "CmpSt1Col=1:12\r\n"
                "CmpOSt1Col=1:12\r\n");
  scratch.Write("new.cfg",
                "alpha   = 1 % first\n"
                "% a whole comment line\n"
                "beta    = 2       tail differs\n"
                "gamma   = 33\n");
  scratch.Write("old.cfg",
                "alpha   = 1\n"
                "beta    = 2       tail was here\n"
                "gamma   = 3\n");
  FaultyFileSystem fs(scratch.path());
  const BatchResult result =
      cli_support::RunBatchWith(fs, {"--settings", "compare.ini", "new.cfg", "old.cfg"});
  EXPECT_EQ(result.exit_status, 1) << result.err;
  EXPECT_EQ(result.err, "");
  cli_support::ExpectGolden(result.out, "settings_dudc_ccol_long.txt");

  // --list overrides the file's listing type.
  const BatchResult ovsum = cli_support::RunBatchWith(
      fs, {"--settings", "compare.ini", "--list", "Ovsum", "new.cfg", "old.cfg"});
  EXPECT_TRUE(Holds(LinesOf(ovsum.out),
                    "LISTING-TYPE = Ovsum  OPTIONS = Dudc Xtab Ccol  LONGEST-LINE = (30/31)"))
      << ovsum.out;
}

// A settings file the program was told to use is refused, naming it and
// what is wrong with it, unless it only names an unknown listing type, which
// keeps Chng and is warned of.
TEST(BatchSettingsTest, BadSettingsFilesAreNamed) {
  DirectoryFixture f;
  f.scratch.Write("xtab.ini", "[Kestrin]\nOptsUsed=Xtab\nXTab=9\n");
  f.scratch.Write("opts.ini", "[Kestrin]\nOptsUsed=Dcpp Icase\n");
  f.scratch.Write("type4.ini", "[Kestrin]\nCompareType=4. Select from 2 Dir File Name List ...\n");
  f.scratch.Write("list.ini", "[Kestrin]\nListType=Bogus\n");
  struct Case {
    std::string settings;
    int status;
    std::string err;
  };
  const std::vector<Case> cases = {
      {"none.ini", 2, "Cannot read the settings file \"none.ini\": No such file or directory."},
      {"xtab.ini", 2,
       "The settings file \"xtab.ini\" has XTab=9, which is not one of 1, 2, 3, 4, 5, 6, 7, 8 "
       "and is not used."},
      {"opts.ini", 2,
       "The settings file \"opts.ini\" has OptsUsed=Dcpp Icase, in which Icase is no keyword."},
      {"type4.ini", 2,
       "the settings file's compare type \"4. Select from 2 Dir File Name List ...\" has no "
       "saved selection: give --select-pairs TEXT"},
      {"list.ini", 1,
       "The settings file \"list.ini\" has ListType=Bogus, which is not one of Chng, Delta, "
       "Long, Ovsum and is not used."},
  };
  for (const Case& c : cases) {
    const BatchResult result = f.Run({"--settings", c.settings, "new", "old"});
    EXPECT_EQ(result.exit_status, c.status) << c.settings;
    EXPECT_EQ(result.err, c.err + "\n");
    EXPECT_EQ(result.out.empty(), c.status == 2) << c.settings;
  }
}

}  // namespace
}  // namespace kestrin
