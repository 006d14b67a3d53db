// What the batch program adds to compares with subdirectories: --recursive
// and -r on the command line, and the settings file's choice.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/cli_support.h"

namespace kestrin {
namespace {

using cli_support::BatchResult;
using cli_support::CliScratch;

TEST(BatchRecursiveTest, SubdirectoriesAreComparedWhenTheOptionOrTheSettingsSaySo) {
  struct RecursiveCase {
    std::vector<std::string> options;
    bool descends;
  };
  const RecursiveCase cases[] = {
      {{}, false},
      {{"--recursive"}, true},
      {{"-r"}, true},
      {{"--settings", "on.ini"}, true},
      {{"--settings", "off.ini"}, false},
      {{"--settings", "off.ini", "-r"}, true},
  };
  CliScratch scratch;
  std::filesystem::create_directories(scratch.path() + "/new/sub");
  std::filesystem::create_directories(scratch.path() + "/old/sub");
  scratch.Write("new/top.txt", "t\n");
  scratch.Write("old/top.txt", "t\n");
  scratch.Write("new/sub/a.txt", "1\n");
  scratch.Write("old/sub/a.txt", "2\n");
  scratch.Write("on.ini", "[Kestrin]\nInclSubDirs=1\n");
  scratch.Write("off.ini", "[Kestrin]\nInclSubDirs=0\n");
  testkit::FaultyFileSystem fs(scratch.path());
  for (const RecursiveCase& c : cases) {
    std::vector<std::string> arguments = c.options;
    arguments.insert(arguments.end(), {"new", "old"});
    const BatchResult result = cli_support::RunBatchWith(fs, arguments);
    const std::string described = c.options.empty() ? "no option" : c.options.back();
    EXPECT_EQ(result.exit_status, c.descends ? 1 : 0) << described << "\n" << result.err;
    EXPECT_EQ(result.out.find("New File = new/sub/a.txt") != std::string::npos, c.descends)
        << described << "\n" << result.out;
  }
}

}  // namespace
}  // namespace kestrin
