// Writing saved reports to files: LF line ends, replacing and appending,
// and failures that name the file and the reason.
#include "views/save_text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"

namespace kestrin {
namespace {

using testkit::ReadFile;

std::string Written(const std::string& path, bool append, const std::vector<std::string>& lines) {
  OutputFile file;
  EXPECT_TRUE(file.Open(path, append)) << file.failure();
  for (const std::string& line : lines) EXPECT_TRUE(file.WriteLine(line)) << line;
  EXPECT_TRUE(file.Close()) << file.failure();
  EXPECT_EQ(file.failure(), "");
  return ReadFile(path);
}

TEST(SaveTextFileTest, AppendingFollowsTheLastLine) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/appends.txt")) {
    testkit::ScratchDirectory directory;
    EXPECT_EQ(Written(directory.Write("a.txt", c[0]), true, {"Title", "x"}), c[1]) << c.Where();
  }
}

TEST(SaveTextFileTest, AFileThatCannotBeOpenedIsNamedWithTheReason) {
  testkit::ScratchDirectory directory;
  for (const std::string& path : {directory.path(), directory.PathOf("missing/a.txt")}) {
    OutputFile file;
    EXPECT_FALSE(file.Open(path, false)) << path;
    EXPECT_FALSE(file.WriteLine("x")) << path;
    EXPECT_FALSE(file.Close()) << path;
    EXPECT_EQ(file.failure(),
              "Cannot save to \"" + path + "\": " +
                  (path == directory.path() ? "Is a directory." : "No such file or directory."));
  }
}

TEST(SaveTextFileTest, AFullDeviceStopsTheSaveWithItsReason) {
  OutputFile file;
  ASSERT_TRUE(file.Open("/dev/full", false));
  bool written = true;
  for (int i = 0; i < 10000 && written; ++i) written = file.WriteLine("a line of the report");
  EXPECT_FALSE(written && file.Close());
  EXPECT_EQ(file.failure(), "Cannot save to \"/dev/full\": No space left on device.");
}

TEST(SaveTextFileTest, LinesWrittenBeforeAFailureStayInTheFile) {
  testkit::ScratchDirectory directory;
  const std::string path = directory.PathOf("limited.txt");
  std::string expected;
  bool written = true;
  {
    testkit::FileSizeLimit limit(10000);
    ASSERT_TRUE(limit.applied());
    OutputFile file;
    ASSERT_TRUE(file.Open(path, false));
    for (int i = 0; i < 2000 && written; ++i) {
      const std::string line = "row " + std::to_string(i);
      expected += line + "\n";
      written = file.WriteLine(line);
    }
    written = written && file.Close();
    EXPECT_EQ(file.failure(), "Cannot save to \"" + path + "\": File too large.");
  }
  EXPECT_FALSE(written);
  const std::string content = ReadFile(path);
  EXPECT_EQ(content.size(), 10000u);
  EXPECT_EQ(content, expected.substr(0, content.size()));
}

}  // namespace
}  // namespace kestrin
