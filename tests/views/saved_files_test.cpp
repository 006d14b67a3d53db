// Writing saved reports to files. Text files: LF line ends, replacing and
// appending, and failures that name the file and the reason. RTF: one
// document holding every colour and every kind of character is kept whole in
// golden/rtf_document.rtf (KESTRIN_UPDATE_GOLDEN=1 rewrites it), so that a
// changed table, escape or paragraph shows as the first differing line.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"
#include "views/rtf_buffer.h"
#include "views/rtf_writer.h"
#include "views/save_text_file.h"

namespace kestrin {
namespace {

using testkit::ReadFile;

std::string Written(const std::string& path, bool append, const std::vector<std::string>& lines) {
  OutputFile file;
  EXPECT_TRUE(file.Open(path, append)) << file.failure();
  for (const std::string& line : lines) EXPECT_TRUE(file.WriteLine(line)) << line;
  EXPECT_TRUE(file.Close()) << file.failure();
  EXPECT_EQ(file.failure(), "");
  EXPECT_FALSE(file.WriteLine("a closed file takes no more lines"));
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

// A full disk met only when the last lines are flushed still fails the save.
TEST(SaveTextFileTest, AFullDeviceStopsTheSaveWithItsReason) {
  OutputFile file;
  ASSERT_TRUE(file.Open("/dev/full", false));
  EXPECT_TRUE(file.WriteLine("a line of the report"));
  EXPECT_FALSE(file.Close());
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

constexpr Rgb kRed{255, 0, 0};

// The lines of cases/rtf_lines.txt, each in its colour.
TEST(RtfWriterTest, DocumentMatchesItsGolden) {
  const std::map<std::string, Rgb> colours = {
      {"red", kRed}, {"blue", {0, 0, 255}}, {"teal", {0, 128, 128}}};
  std::vector<ColouredLine> lines;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/rtf_lines.txt")) {
    lines.push_back({c[1], colours.at(c[0])});
  }
  testkit::ExpectGoldenText("tests/views/golden/rtf_document.rtf", RtfDocument(lines));
}

// Regression: the last printable ASCII character is written as itself.
TEST(RtfWriterTest, ATildeIsKeptAsItIs) {
  EXPECT_NE(RtfDocument({{"a~b", kRed}}).find("a~b"), std::string::npos);
}

// A later save replaces the file.
TEST(RtfWriterTest, ClearingPutsTheColourBackToBlack) {
  testkit::ScratchDirectory directory;
  print_testing::RecordingRichText buffer;
  buffer.SetColour(kRed);
  buffer.AddLine("x");
  EXPECT_EQ(buffer.SaveAsRtf(directory.PathOf("a.rtf")), "");
  buffer.Clear();
  buffer.AddLine("y");
  EXPECT_EQ(buffer.SaveAsRtf(directory.PathOf("a.rtf")), "");
  EXPECT_EQ(directory.Read("a.rtf"), RtfDocument({{"y", {0, 0, 0}}}));
}

}  // namespace
}  // namespace kestrin
