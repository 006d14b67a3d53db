#include "engine/side_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine_support.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using engine_support::OpenSideFile;
using engine_support::ReadRemainingLines;
using engine_support::ScratchDirectory;

// The lines of `bytes` joined by "|", then the flags the reader raised.
std::string ReadAll(const std::string& bytes, bool ieof) {
  ScratchDirectory scratch;
  SideFile side;
  side.Ieof = ieof;
  OpenSideFile(DefaultFileSystem(), scratch.Write("in.txt", bytes), side);
  std::string text = ReadRemainingLines(side);
  text += " lines=" + std::to_string(side.LinesRead);
  if (side.SawEofChar) text += " eofchar";
  if (side.LineSplit) text += " split";
  return text;
}

// A file with every kind of line start: split lines, each line end, empty
// lines, tabs and end-of-file characters inside lines.
std::string MixedLines() {
  std::string bytes;
  for (int i = 0; i < 3000; ++i) {
    const std::string number = std::to_string(i);
    const std::string kinds[] = {"cr line " + number + "\r",
                                 "lf\tline " + number + "\n",
                                 "\r\n",
                                 std::string(2048 + i, static_cast<char>('a' + i % 26)) + "\r\n",
                                 "eof\x1ainside " + number + "\n",
                                 "\n"};
    bytes += kinds[i % 6];
  }
  return bytes;
}

// LinesRead, the flags and the next 40 lines once positioned.
std::string Positioned(SideFile& side, int32_t section_start) {
  side.SectionStart = section_start;
  EXPECT_TRUE(PositionSide(side));
  std::string text = "at=" + std::to_string(side.LinesRead) + " ";
  for (int i = 0; i < 40 && !side.AtEof; ++i) {
    ReadLine(side);
    text += side.AtEof ? "<eof>" : std::string(side.LineBuffer, side.line_length) + "|";
  }
  return text + (side.LineSplit ? " split" : "") + (side.SawEofChar ? " eofchar" : "");
}

TEST(SideFileTest, ReadsEveryLineEndAndEndOfFileCase) {
  testkit::ForEachCase("tests/engine/cases/line_ends.txt", [&](const testkit::TableCase& c) {
    EXPECT_EQ(ReadAll(c[0], c.Flag(1)), c[2]);
  });
}

TEST(SideFileTest, PositioningByRecordedOffsetsGivesWhatARereadGives) {
  ScratchDirectory scratch;
  const std::string path = scratch.Write("mixed.txt", MixedLines());
  for (const bool ieof : {false, true}) {
    SideFile recorded;
    recorded.Ieof = ieof;
    OpenSideFile(DefaultFileSystem(), path, recorded);
    recorded.line_starts.push_back(0);
    for (ReadLine(recorded); !recorded.AtEof; ReadLine(recorded)) {
      recorded.line_starts.push_back(NextLineOffset(recorded));
    }
    const auto line_count = static_cast<int32_t>(recorded.line_starts.size()) - 1;
    for (const int32_t start :
         {0, 1, 2, 3, 4, 5, 6, 7, 100, 997, line_count - 3, line_count, line_count + 5}) {
      SideFile reread;
      reread.Ieof = ieof;
      OpenSideFile(DefaultFileSystem(), path, reread);
      const std::string from_byte_0 = Positioned(reread, start);
      const std::string by_offset = Positioned(recorded, start);
      // The flags of the first read stay raised; the re-read raises them too
      // when it passes the lines that raise them.
      EXPECT_EQ(by_offset.substr(0, by_offset.find("<eof>")),
                from_byte_0.substr(0, from_byte_0.find("<eof>")))
          << "start " << start << " ieof " << ieof;
    }
  }
}

TEST(SideFileTest, AShrunkFileSimplyEndsSooner) {
  ScratchDirectory scratch;
  const std::string path = scratch.Write("shrinks.txt", engine_support::NumberedLines(1000));
  SideFile side;
  OpenSideFile(DefaultFileSystem(), path, side);
  side.line_starts.push_back(0);
  for (ReadLine(side); !side.AtEof; ReadLine(side)) {
    side.line_starts.push_back(NextLineOffset(side));
  }
  std::filesystem::resize_file(path, 25);  // "line 1\r\n" ... "line 3\r\n" "l"
  EXPECT_EQ(Positioned(side, 800), "at=800 <eof>");
  EXPECT_EQ(Positioned(side, 2), "at=2 line 3|l|<eof>");
  side.line_starts.clear();
  EXPECT_EQ(Positioned(side, 2), "at=2 line 3|l|<eof>");
  // Read from byte 0, the file ends after its fourth line.
  EXPECT_EQ(Positioned(side, 900), "at=4 ");
}

TEST(SideFileTest, AGrownFileIsReadAsItWasWhenOpened) {
  ScratchDirectory scratch;
  const std::string path = scratch.Write("grows.txt", "one\ntwo\n");
  SideFile side;
  OpenSideFile(DefaultFileSystem(), path, side);
  scratch.Write("grows.txt", "one\ntwo\nthree\n");
  EXPECT_EQ(ReadRemainingLines(side), "one|two");
}

TEST(SideFileTest, ClearKeepsOnlyRangesAndIeof) {
  SideFile side;
  side.Ieof = true;
  side.ranges.start1 = 5;
  side.LineSplit = true;
  side.line_starts = {0, 10};
  side.SectionStart = 7;
  side.Clear();
  EXPECT_TRUE(side.Ieof);
  EXPECT_EQ(side.ranges.start1, 5);
  EXPECT_FALSE(side.LineSplit);
  EXPECT_TRUE(side.line_starts.empty());
  EXPECT_EQ(side.SectionStart, 0);
}

}  // namespace
}  // namespace kestrin
