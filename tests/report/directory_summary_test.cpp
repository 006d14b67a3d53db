// The run totals and the directory overall summary.
#include "report/directory_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/report/report_support.h"

namespace kestrin {
namespace {

struct DirectoryFixture : report_support::HandRun {
  DirectoryFixture() {
    info.compare_type = kCompareLikeNamedFiles;
    info.new_directory = "/data/new";
    info.old_directory = "/data/old";
  }
  // Adds a reported text pair with the given counts.
  void AddTextPair(const std::string& name, int32_t lines_processed, int32_t insertions,
                   bool differs) {
    StartPair(name, DirItem{.is_text = true});
    run.pair.new_lines_processed = lines_processed;
    run.pair.old_lines_processed = lines_processed - insertions;
    run.pair.matches = lines_processed - insertions;
    run.pair.insertions = insertions;
    FoldPair(run, differs);
  }
  void AddBinaryPair(const std::string& name, int64_t new_size, int64_t old_size) {
    StartPair(name, DirItem{.is_binary = true});
    run.pair.IsBinary = true;
    run.pair.new_binary_size = new_size;
    run.pair.old_binary_size = old_size;
    run.pair.PairRC = new_size == old_size ? 0 : 1;
    FoldPair(run, new_size != old_size);
  }
  std::vector<std::string> Write() {
    WriteDirectorySummary(run, info, lines, store);
    return lines.Primary;
  }

 private:
  void StartPair(const std::string& name, const DirItem& entry) {
    pairs.Add(name, name);
    run.state.pair_count = static_cast<int32_t>(pairs.new_names.size());
    run.state.CurrentPair = run.state.pair_count - 1;
    run.state.directory_entries.push_back(entry);
    run.pair = PairResult();
  }
};

TEST(ShortenTest, Widths) {
  struct Case {
    std::string name;
    size_t width;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"a-very-long-file-name-here.txt", 20, "a-very-long-fi...txt"},
      {"exactly-twenty-chars", 20, "exactly-twenty-chars"},
      {"short.c", 16, "short.c"},
      {"seventeen-chars.c", 16, "seventeen-..rs.c"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shorten(c.name, c.width), c.expected) << c.name;
    EXPECT_LE(Shorten(c.name, c.width).size(), c.width) << c.name;
  }
}

TEST(DirectorySummaryTest, LikeNamedRunWithATable) {
  DirectoryFixture f;
  f.info.unpaired_new_files = 1;
  f.AddTextPair("a.txt", 10, 0, false);
  f.AddTextPair("b.txt", 10, 2, true);
  f.AddBinaryPair("c.bin", 512, 600);
  f.lines.Primary = {"earlier"};
  const std::vector<std::string> expected = {
      "earlier",
      "  ",
      "Kestrin GROUPED COMPARE SUMMARY FOR NAMED PAIRED FILES TOTALS SECTION",
      "New Dir = /data/new ",
      "Old Dir = /data/old ",
      " ",
      "Code  New/Old-Fi-Name     New-Proc Old-Proc Num-Mat New-Ins Old-Del Num-Refm Tot-Chg "
      "N-DpLns O-DpLns",
      "      a.txt                     10       10      10       0       0        0       0       "
      "0       0",
      "*     b.txt                     10        8       8       2       0        0       2       "
      "0       0",
      "*     c.bin                    512      600   **Binary File**",
      " ",
      "Code: \"Blank\" - Equal, \"* \" - Change File, TDL= - Time-Date-Length equal(files "
      "assummed equal)",
      " ",
      "      2 Total New/Old Paired Text Files Processed.",
      "      1 Total New/Old Paired Binary Files Processed.",
      "      2 Total New/Old Paired Files Processed had Changes.",
      "      1 Total New/Old Paired Files Processed had No Changes.",
      "      4 Total Files in New Directory.",
      "      3 Total Files in Old Directory.",
      "      6 Total New + Old Files Processed.",
      "      1 Total UnPaired New Files Not Processed.",
      "      0 Total UnPaired Old Files Not Processed.",
      " ",
      "Kestrin GROUPED PAIRED TEXT/BINARY FILE COMPARE SUMMARY TOTALS SECTION ",
      "     18 Number Of Line Matches         2 Total Changes (Paired+NonPaired Chg)",
      "      0 Total Reformatted Lines        0 Paired Changes (Refm+Paired Ins/Del)",
      "      2 New File Line Insertions       2 Non-Paired Inserts (Extra Ins in Seq.)",
      "      0 Old File Line Deletions        0 Non-Paired Deletes (Extra Del in Seq.)",
      "     20 New File Lines Processed ",
      "     18 Old File Lines Processed ",
      "    512 New Bin Size Processed       600 Old Bin File Size Processed",
      "LISTING-TYPE = Chng  OPTIONS = None",
  };
  EXPECT_EQ(f.Write(), expected);
  EXPECT_TRUE(f.lines.SummaryStarted);
  EXPECT_EQ(f.lines.SummaryStartIndex, 1);
  EXPECT_EQ(f.run.totals.highest_pair_rc, 1);
  EXPECT_EQ(f.run.totals.changed_pairs, 2);
}

TEST(DirectorySummaryTest, NoTableWhenEveryPairChanged) {
  DirectoryFixture f;
  for (const char* name : {"a", "b", "c"}) f.AddTextPair(name, 5, 1, true);
  f.Write();
  EXPECT_FALSE(f.HasStart("Code  "));
  EXPECT_TRUE(f.Has("      3 Total New/Old Paired Files Processed had Changes."));
  EXPECT_TRUE(f.Has("      0 Total New/Old Paired Files Processed had No Changes."));
}

TEST(DirectorySummaryTest, ChgoListsOnlyChangedPairsAndNoTableWithoutOne) {
  DirectoryFixture without_changes;
  without_changes.run.settings.Chgo = true;
  without_changes.AddTextPair("a", 5, 0, false);
  without_changes.AddTextPair("b", 5, 0, false);
  without_changes.Write();
  EXPECT_FALSE(without_changes.HasStart("Code  "));

  DirectoryFixture with_change;
  with_change.run.settings.Chgo = true;
  with_change.AddTextPair("a", 5, 0, false);
  with_change.AddTextPair("b", 5, 1, true);
  with_change.Write();
  EXPECT_TRUE(with_change.HasStart("Code  "));
  EXPECT_TRUE(with_change.HasStart("*     b "));
  EXPECT_FALSE(with_change.HasStart("      a "));
}

TEST(DirectorySummaryTest, TwoListPicksShowBothNamesAndThePairList) {
  DirectoryFixture f;
  f.info.compare_type = kComparePickedPairs;
  f.AddTextPair("a-rather-long-name.c", 5, 0, false);
  f.pairs.old_names[0] = "other.c";
  f.AddTextPair("b.c", 5, 1, true);
  f.Write();
  EXPECT_TRUE(f.HasStart(
      "Code  New-Fi-Name      Old-Fi-Name     New-Proc Old-Proc Num-Mat New-Ins Old-Del"));
  EXPECT_TRUE(f.HasStart("      a-rather-l..me.c other.c                5 "));
  EXPECT_FALSE(f.HasStart("      4 Total Files in New Directory."));
  const std::vector<std::string> tail(f.lines.Primary.end() - 4, f.lines.Primary.end());
  const std::vector<std::string> expected = {
      "LISTING-TYPE = Chng  OPTIONS = None",
      " USER SELECT FROM UNLIKE/LIKE-NAME FILE LIST -- COMPARE OPTION (4)",
      "  a-rather-long-name.c  :  other.c", "  b.c  :  b.c"};
  EXPECT_EQ(tail, expected);
}

TEST(DirectorySummaryTest, LikeNamePicksListNewNames) {
  DirectoryFixture f;
  f.info.compare_type = kComparePickedLikeNames;
  f.AddTextPair("a.c", 5, 0, false);
  f.Write();
  const std::vector<std::string> tail(f.lines.Primary.end() - 2, f.lines.Primary.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      " USER SELECT FROM LIKE-NAME FILE LIST -- COMPARE OPTION (3)", "  a.c"}));
}

TEST(DirectorySummaryTest, BinarySizeLineWidensWithTheTotals) {
  struct Case {
    int64_t new_bytes;
    int64_t old_bytes;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {10000000, 9999999, "10000000 New Bin Size Processed   9999999 Old Bin File Size Processed"},
      {10000001, 5, "10000001 New Bin Size Processed          5 Old Bin File Size Processed"},
      {100000001, 5, "100000001 New Bin Size Processed           5 Old Bin File Size Processed"},
      {5, 100000000, "        5 New Bin Size Processed   100000000 Old Bin File Size Processed"},
  };
  for (const Case& c : cases) {
    DirectoryFixture f;
    f.AddBinaryPair("a.bin", c.new_bytes, c.old_bytes);
    f.Write();
    EXPECT_TRUE(f.Has(c.expected)) << c.new_bytes << " / " << c.old_bytes;
  }
}

TEST(DirectorySummaryTest, UnpairedFilesSideBySide) {
  struct Case {
    std::vector<std::string> new_files;
    std::vector<std::string> old_files;
    int unpaired_new;
    int unpaired_old;
    std::vector<std::string> rows;
  };
  const std::string blank40(40, ' ');
  const auto left = [](const std::string& name) {
    return " " + name + std::string(40 - name.size(), ' ');
  };
  const std::vector<Case> cases = {
      {{"a", "n1", "n2"}, {"A", "o1"}, 2, 1, {left("n1") + " : o1", left("n2")}},
      {{"a", "n1"},
       {"o1", "a", "o2", "o3"},
       1,
       3,
       {left("n1") + " : o1", " " + blank40 + "  :       o2" + std::string(38, ' '),
        " " + blank40 + "  :       o3" + std::string(38, ' ')}},
      {{"a"}, {"a"}, 0, 0, {"  All New Dir Files and Old Dir Files were Like-Named Paired"}},
  };
  for (const Case& c : cases) {
    DirectoryFixture f;
    f.run.settings.Inpn = true;
    f.info.new_directory_files = c.new_files;
    f.info.old_directory_files = c.old_files;
    f.info.unpaired_new_files = c.unpaired_new;
    f.info.unpaired_old_files = c.unpaired_old;
    f.AddTextPair("a", 5, 0, false);
    const std::vector<std::string> lines = f.Write();
    const auto title =
        std::find(lines.begin(), lines.end(), " LIST OF UNPAIRED NEW AND OLD FILES NOT PROCESSED ");
    ASSERT_NE(title, lines.end());
    std::vector<std::string> rows(title + 1, lines.end() - 1);
    if (c.unpaired_new + c.unpaired_old > 0) {
      EXPECT_EQ(rows.front(), " New File Name (" + std::to_string(c.unpaired_new) +
                                  ")                    Old File Name (" +
                                  std::to_string(c.unpaired_old) + ")");
      rows.erase(rows.begin());
    }
    EXPECT_EQ(rows, c.rows) << c.new_files.size() << " new files";
  }
}

TEST(DirectorySummaryTest, TxfoCountsSkippedPairsOnce) {
  DirectoryFixture f;
  f.run.settings.Txfo = true;
  f.AddTextPair("a.txt", 5, 0, false);
  f.run.totals.txfo_skipped = 2;
  f.AddBinaryPair("c.bin", 0, 0);  // the last pair, skipped but reported
  f.pairs.Add("b.bin", "b.bin");   // skipped earlier, never reported
  f.run.state.pair_count = 3;
  f.Write();
  EXPECT_TRUE(f.Has("      1 Total New/Old Paired Text Files Processed."));
  EXPECT_TRUE(f.Has("      2 Total Paired New/Old Binary Files Not Processed due to Txfo option."));
  EXPECT_TRUE(f.Has("      1 Total New/Old Paired Files Processed had No Changes."));
  EXPECT_TRUE(f.Has("      2 Total New + Old Files Processed."));
}

TEST(DirectorySummaryTest, AeqfCountAndCode) {
  DirectoryFixture f;
  f.run.settings.Aeqf = true;
  f.AddTextPair("a", 5, 0, false);
  f.run.state.directory_entries[0].equal_by_aeqf = true;
  f.run.totals.aeqf_equal_pairs = 1;
  f.AddTextPair("b", 5, 0, false);
  f.Write();
  EXPECT_TRUE(f.HasStart("TDL=  a "));
  EXPECT_TRUE(
      f.Has("      1 Total New/Old Paired Files Processed as Equal-Time-Date-Len Equivalent."));
}

}  // namespace
}  // namespace kestrin
