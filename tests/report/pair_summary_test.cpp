// The per-pair summary: its lines, conditions and warnings.
#include "report/pair_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::kFixedFileTime;

struct PairSummaryFixture : report_support::HandRun {
  explicit PairSummaryFixture(int32_t pair_count) {
    run.state.pair_count = pair_count;
    run.new_side.file_name = "new/a.txt";
    run.old_side.file_name = "old/a.txt";
    run.new_side.file_age = kFixedFileTime;
    run.old_side.file_age = kFixedFileTime;
    run.new_side.LongestLine = 12;
    run.old_side.LongestLine = 14;
  }
  std::vector<std::string> Write() {
    WritePairSummary(run, info, lines, store);
    return lines.Primary;
  }
};

TEST(PairSummaryTest, OnePairRunOfIdenticalFiles) {
  PairSummaryFixture f(1);
  f.run.pair.matches = 5;
  f.run.pair.new_lines_processed = 5;
  f.run.pair.old_lines_processed = 5;
  const std::vector<std::string> expected = {
      "INDIVIDUAL PAIRED FILE COMPARE TOTALS AND STATISTICS SECTION",
      "New File = new/a.txt  01/02/24 03:04:05",
      "Old File = old/a.txt  01/02/24 03:04:05",
      " ",
      "      5 Number Of Line Matches          0 Total Changes (Paired+NonPaired Chg) ",
      "      0 Reformatted Lines               0 Paired Changes (Refm+Paired Ins/Del)",
      "      0 New File Line Insertions        0 Non-Paired Inserts (Ins Paired-Chg)",
      "      0 Old File Line Deletions         0 Non-Paired Deletes (Del Paired-Chg)",
      "      5 New File Lines Processed ",
      "      5 Old File Lines Processed ",
      "LISTING-TYPE = Chng  OPTIONS = None  LONGEST-LINE = (12/14)",
  };
  EXPECT_EQ(f.Write(), expected);
  EXPECT_TRUE(f.lines.SummaryStarted);
  EXPECT_EQ(f.lines.SummaryStartIndex, 0);
}

TEST(PairSummaryTest, ChangeCountsWithPairedChanges) {
  PairSummaryFixture f(1);
  PairResult& pair = f.run.pair;
  pair.matches = 10;
  pair.reformats = 2;
  pair.insertions = 3;
  pair.deletions = 4;
  pair.paired_changes = 3;
  f.Write();
  EXPECT_TRUE(
      f.Has("     10 Number Of Line Matches          6 Total Changes (Paired+NonPaired Chg) "));
  EXPECT_TRUE(
      f.Has("      2 Reformatted Lines               5 Paired Changes (Refm+Paired Ins/Del)"));
  EXPECT_TRUE(
      f.Has("      3 New File Line Insertions        0 Non-Paired Inserts (Ins Paired-Chg)"));
  EXPECT_TRUE(
      f.Has("      4 Old File Line Deletions         1 Non-Paired Deletes (Del Paired-Chg)"));
}

TEST(PairSummaryTest, DsemCountsDpLinesApart) {
  PairSummaryFixture f(1);
  f.run.settings.DpActive = true;
  f.run.settings.Dsem = true;
  f.info.options_text = "Dsem";
  f.run.pair.new_lines_processed = 10;
  f.run.pair.new_dp = 3;
  f.run.pair.old_lines_processed = 10;
  f.run.pair.old_dp = 3;
  f.run.pair.old_part_dp = 1;
  f.Write();
  EXPECT_TRUE(
      f.Has("      7 New File Lines Processed        3 New Dp/Cmt + 0 Part New Dp/Comments"));
  EXPECT_TRUE(
      f.Has("      7 Old File Lines Processed        3 Old Dp/Cmt + 1 Part Old Dp/Comments"));
  EXPECT_TRUE(f.Has("LISTING-TYPE = Chng  OPTIONS = Dsem  LONGEST-LINE = (12/14)"));
}

TEST(PairSummaryTest, SeveralPairsWithNossAddOnlyOneBlankLine) {
  PairSummaryFixture f(3);
  f.run.settings.Noss = true;
  f.lines.Primary = {"listing"};
  EXPECT_EQ(f.Write(), (std::vector<std::string>{"listing", " "}));
  EXPECT_FALSE(f.lines.SummaryStarted);
}

TEST(PairSummaryTest, SeveralPairsShowLongestLinesOrOptionsForBinary) {
  PairSummaryFixture text_pair(2);
  text_pair.Write();
  EXPECT_TRUE(text_pair.Has("LONGEST-LINE = (12/14)"));

  PairSummaryFixture binary_pair(2);
  binary_pair.info.options_text = "Txal";
  binary_pair.run.totals.binary_pairs = 1;
  binary_pair.run.new_side.LongestLine = 0;
  binary_pair.run.old_side.LongestLine = 0;
  binary_pair.run.pair.new_binary_size = 512;
  binary_pair.run.pair.old_binary_size = 600;
  binary_pair.Write();
  EXPECT_TRUE(binary_pair.Has("OPTIONS = Txal"));
  EXPECT_TRUE(
      binary_pair.Has("    512 New Bin File Size Processed     600 Old Bin File Size Processed"));
}

TEST(PairSummaryTest, TextPairAfterABinaryPairShowsZeroSizes) {
  PairSummaryFixture f(2);
  f.run.totals.binary_pairs = 1;
  f.Write();
  EXPECT_TRUE(f.Has("      0 New Bin File Size Processed       0 Old Bin File Size Processed"));
}

TEST(PairSummaryTest, OnePairBinaryAndAeqf) {
  PairSummaryFixture f(1);
  f.run.totals.binary_pairs = 1;
  f.run.new_side.LongestLine = 0;
  f.run.old_side.LongestLine = 0;
  f.run.pair.EqualByAeqf = true;
  f.info.options_text = "Aeqf";
  f.run.settings.ListingTypeText = "Long";
  f.Write();
  EXPECT_TRUE(f.Has("LISTING-TYPE = Long  OPTIONS = Aeqf"));
  EXPECT_TRUE(
      f.Has("AEqF option & equal \"Time-Date-Length\" suppressed \"Old File\" comparison."));
}

TEST(PairSummaryTest, CompareColumnsOfEachSide) {
  PairSummaryFixture f(1);
  f.run.settings.Ccol = true;
  f.run.new_side.ranges = {true, false, 1, 0, 0, 0};
  f.run.new_side.MaxCmpLen = 40;
  f.run.old_side.ranges = {true, true, 1, 6, 10, 0};
  f.run.old_side.MaxCmpLen = 37;
  f.Write();
  EXPECT_TRUE(f.Has("NEW-COMPARE-COLUMNS (1:eol) MAX-NEW-COMP-LEN = 40"));
  EXPECT_TRUE(f.Has("OLD-COMPARE-COLUMNS (1:6) + (10:eol)  MAX-OLD-COMP-LEN = 37"));
}

TEST(PairSummaryTest, Warnings) {
  PairSummaryFixture f(1);
  f.run.settings.Dudc = true;
  f.run.settings.DpActive = true;
  f.info.dudc_text = "#rem";
  f.info.dudc_embedded = "Yes";
  f.run.new_side.CcolWarn = true;
  f.run.pair.new_ccol_blank_count = 2;
  f.run.new_side.SawEofChar = true;
  f.run.old_side.SawEofChar = true;
  f.run.old_side.LineSplit = true;
  const std::vector<std::string> lines = f.Write();
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  const std::vector<std::string> expected = {
      "WARN: \"CCOL\" start value < some line lengths. New Lines = 2  Old Lines = 0 treated as "
      "null blank lines.",
      "DUDC-DP-OPTION-LEADING-COMMENT-TEXT = \"#rem\". EMBEDDED-USE = \"Yes\".",
      "WARN: New file EOF char(26) prematurely terminated text input.",
      "WARN: Old file EOF char(26) prematurely terminated text input.",
      "WARN: Lines GT. 2048 characters were split off into separate lines before being processed.",
  };
  EXPECT_EQ(tail, expected);

  PairSummaryFixture ieof(1);
  ieof.run.settings.Ieof = true;
  ieof.run.new_side.SawEofChar = true;
  ieof.Write();
  EXPECT_EQ(ieof.lines.Primary.back(),
            "WARN: \"Ieof\" opt allowed premature new file EOF char(26) to be ignored.");
}

TEST(PairSummaryTest, MovedLinesAndSubOptimalNote) {
  PairSummaryFixture f(1);
  f.run.settings.Fmvl = true;
  f.run.pair.moved_lines = 4;
  f.run.pair.MovedSubOptimal = true;
  f.Write();
  EXPECT_TRUE(f.Has("      4 Number of Moved lines detected"));
  EXPECT_TRUE(f.Has("Moved Line detection sub optimal due to compare set size."));
}

}  // namespace
}  // namespace kestrin
