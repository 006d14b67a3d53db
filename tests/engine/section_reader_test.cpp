#include "engine/section_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "engine_support.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using engine_support::NumberedLines;
using engine_support::OpenSideFile;
using engine_support::PairFixture;
using engine_support::ReadRemainingLines;

// A compare run over two files whose sides are opened and ready to read.
struct SectionFixture : PairFixture {
  void Open(const std::string& new_bytes, const std::string& old_bytes) {
    OpenSideFile(fs, scratch.Write("new.txt", new_bytes), run.new_side);
    OpenSideFile(fs, scratch.Write("old.txt", old_bytes), run.old_side);
    run.new_side.Ieof = run.old_side.Ieof = run.settings.Ieof;
    run.new_side.ranges = run.settings.new_ranges;
    run.old_side.ranges = run.settings.old_ranges;
  }

  CompareRun run{pairs, halt, host, fs};
};

TEST(SectionReaderTest, IdentityTestSetsDiffersOnAnyDifference) {
  testkit::ForEachCase("tests/engine/cases/identical_pairs.txt", [&](const testkit::TableCase& c) {
    SectionFixture fixture;
    fixture.Open(c[0], c[1]);
    ReadSection(fixture.run);
    EXPECT_EQ(fixture.run.pair.Differs, c.Flag(2));
    EXPECT_TRUE(fixture.run.pair.PairDone);
    const Section& section = fixture.run.new_section;
    EXPECT_TRUE(section.line[section.count + 1].end_sentinel);
    EXPECT_EQ(section.line[section.count + 1].Link, fixture.run.old_section.count + 1);
  });
}

// Read in step or with the sides apart on two threads, alike.
TEST(SectionReaderTest, SectionsHoldAtMost7999LinesAndShowReadProgress) {
  for (const bool apart : {false, true}) {
    SectionFixture fixture;
    fixture.Open(NumberedLines(8500), NumberedLines(8500));
    if (apart) {
      fixture.run.side_worker = std::make_unique<SideWorker>();
      fixture.run.sides_apart = true;
    }
    ReadSection(fixture.run);
    EXPECT_EQ(fixture.run.new_section.count, 7999);
    EXPECT_EQ(fixture.run.old_section.count, 7999);
    EXPECT_FALSE(fixture.run.pair.PairDone);
    testkit::ExpectGoldenLines("tests/engine/golden/read_status.txt", fixture.host.log.events);
    EXPECT_EQ(fixture.run.new_side.line_starts.size(), 8000u);
  }

  // The old side alone fills a section to the same bound.
  SectionFixture longer_old;
  longer_old.Open(NumberedLines(10), NumberedLines(8500));
  ReadSection(longer_old.run);
  EXPECT_EQ(longer_old.run.old_section.count, 7999);
}

TEST(SectionReaderTest, HaltStopsTheReadAtTheNextLine) {
  SectionFixture fixture;
  fixture.Open(NumberedLines(3000), NumberedLines(3000));
  fixture.host.halt_at_events = 2;
  ReadSection(fixture.run);
  EXPECT_EQ(fixture.run.new_section.count, 1000);
  EXPECT_EQ(fixture.run.old_section.count, 1000);
}

TEST(SectionReaderTest, SelectColumnsTakesTheRangesOfEachLine) {
  testkit::ForEachCase("tests/engine/cases/selected_columns.txt", [&](const testkit::TableCase& c) {
    SideFile side;
    side.ranges = ParseCcolRanges(c[0], c[1], "1:eol", "")->new_side;
    InputLine line;
    line.Text = c[2];
    line.RawLen = static_cast<int16_t>(line.Text.size());
    int64_t blank_count = 0;
    SelectColumns(side, line, blank_count);
    const bool blank = c.Flag(4);
    EXPECT_EQ(line.Text.substr(0, line.CmpLen), c[3]);
    EXPECT_EQ(line.CcolBlank, blank);
    EXPECT_EQ(side.CcolWarn, blank);
    EXPECT_EQ(blank_count, blank ? 1 : 0);
    EXPECT_EQ(side.MaxCmpLen, blank ? 0 : line.CmpLen);
  });
}

TEST(SectionReaderTest, CcolCountsShortLinesPerSide) {
  SectionFixture fixture;
  fixture.run.settings.Ccol = true;
  fixture.run.settings.new_ranges = ParseCcolRanges("5:eol", "", "5:eol", "")->new_side;
  fixture.run.settings.old_ranges = fixture.run.settings.new_ranges;
  fixture.Open("abc\nabcdefg\nab\n", "abcdefg\nxy\n");
  ReadSection(fixture.run);
  EXPECT_EQ(fixture.run.pair.new_ccol_blank_count, 2);
  EXPECT_EQ(fixture.run.pair.old_ccol_blank_count, 1);
  const InputLine& second = fixture.run.new_section.line[2];
  EXPECT_EQ(second.Text.substr(0, second.CmpLen), "efg");
}

TEST(SectionReaderTest, ASideThatCannotBePositionedIsReadAsEmpty) {
  SectionFixture fixture;
  fixture.Open("a\nb\n", "a\nb\n");
  fixture.fs.faults[fixture.run.old_side.file_name].seek_fails = true;
  ReadSection(fixture.run);
  EXPECT_EQ(fixture.host.Only("message:"),
            std::vector<std::string>{"Error while trying to open \"" +
                                     fixture.run.old_side.file_name + "\" File"});
  EXPECT_TRUE(fixture.run.old_side.OpenFailed);
  EXPECT_EQ(fixture.run.new_section.count, 2);
  EXPECT_EQ(fixture.run.old_section.count, 0);
  EXPECT_TRUE(fixture.run.pair.Differs);
  EXPECT_TRUE(fixture.run.pair.PairDone);
}

TEST(SectionReaderTest, RereadAfterTheFileShrankEndsWithoutHarm) {
  SectionFixture fixture;
  fixture.Open(NumberedLines(9000), NumberedLines(9000));
  ReadSection(fixture.run);
  fixture.run.new_side.SectionStart = fixture.run.old_side.SectionStart = 7999;
  ReadSection(fixture.run);
  std::filesystem::resize_file(fixture.run.new_side.file_name, 100);
  std::filesystem::remove(fixture.run.old_side.file_name);
  // The section read last is still in the read block: it is read again as
  // it was compared, whatever became of the files since.
  PositionBothSides(fixture.run);
  EXPECT_EQ(ReadRemainingLines(fixture.run.new_side).substr(0, 21), "line 8000|line 8001|l");
  EXPECT_EQ(ReadRemainingLines(fixture.run.old_side).substr(0, 21), "line 8000|line 8001|l");
  // A section elsewhere is read from the files as they are now: the new
  // file's 100 bytes hold lines 11, 12 and the start of 13.
  fixture.run.new_side.SectionStart = fixture.run.old_side.SectionStart = 10;
  ReadSection(fixture.run);
  EXPECT_EQ(fixture.run.new_section.count, 3);
  EXPECT_EQ(fixture.run.old_section.count, 7999);
  EXPECT_TRUE(fixture.run.pair.PairDone);
}

}  // namespace
}  // namespace kestrin
