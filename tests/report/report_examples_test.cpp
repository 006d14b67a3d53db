// Whole runs through the engine and the report generator, checked line by
// line: the worked examples of the listings and the report's edge cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::ControlsWith;
using report_support::CountedLines;
using report_support::ReportRun;
using report_support::RunOnePair;

constexpr char kDiffers[] = "INFORM: The processed files have differences.";

std::string Text80(const std::string& text) { return text + std::string(80 - text.size(), ' '); }

// The listing lines of a report: those after the ruler and before the summary.
std::vector<std::string> ListingOf(const ReportLines& lines) {
  const auto ruler = std::find_if(lines.Primary.begin(), lines.Primary.end(),
                                  [](const std::string& line) { return line.starts_with("ID  "); });
  if (ruler == lines.Primary.end()) return {};
  auto end = std::find(ruler, lines.Primary.end(), " ");
  return std::vector<std::string>(ruler + 1, end);
}

TEST(ReportExamplesTest, LongListingOfTwoFiveLineFiles) {
  ReportRun run;
  RunOnePair("1\n2\nthree\n4\n5\n", "1\n2\n3\n4\n5\n", ControlsWith("Long", "None"), run);
  const std::vector<std::string> expected = {
      "    " + Text80("1") + " 00001              00001   2    ",
      "    " + Text80("2") + " 00002              00002",
      "I - " + Text80("three") + " 00003 INSERT(NEW)          1    ",
      "D - " + Text80("3") + "       DELETED(OLD) 00003   1    ",
      "    " + Text80("4") + " 00004              00004   2    ",
      "    " + Text80("5") + " 00005              00005",
  };
  EXPECT_EQ(ListingOf(run.lines), expected);
  EXPECT_NE(std::find(run.lines.Primary.begin(), run.lines.Primary.end(),
                      "      4 Number Of Line Matches          1 Total Changes (Paired+NonPaired "
                      "Chg) "),
            run.lines.Primary.end());
  EXPECT_EQ(run.lines.Primary.back(), kDiffers);
}

TEST(ReportExamplesTest, ChngListingOfAHundredLinesChangedAtFifty) {
  const std::string old_bytes = CountedLines("row", 1, 100);
  const std::string new_bytes =
      CountedLines("row", 1, 49) + "row fifty\n" + CountedLines("row", 51, 50);
  ReportRun run;
  RunOnePair(new_bytes, old_bytes, ControlsWith("Chng", "None"), run);
  const std::vector<std::string> listing = ListingOf(run.lines);
  ASSERT_EQ(listing.size(), 16u);
  EXPECT_EQ(listing[0],
            "   ************* 43 New File Lines Not Shown *****************************");
  EXPECT_EQ(listing[1].substr(0, 10), "    row 44");
  EXPECT_EQ(listing[6].substr(0, 10), "    row 49");
  EXPECT_EQ(listing[7].substr(0, 13), "I - row fifty");
  EXPECT_EQ(listing[8].substr(0, 10), "D - row 50");
  EXPECT_EQ(listing[9].substr(0, 10), "    row 51");
  EXPECT_EQ(listing[14].substr(0, 10), "    row 56");
  EXPECT_EQ(listing[15],
            "   ************* 44 New File Lines Not Shown *****************************");
}

TEST(ReportExamplesTest, DeltaCarriesAnUnchangedSectionIntoTheNextBlockLine) {
  // The first 7999 lines form an identical section; the insertion after line
  // 8500 is in the second.
  const std::string old_bytes = CountedLines("line", 1, 9000);
  const std::string new_bytes =
      CountedLines("line", 1, 8500) + "inserted\n" + CountedLines("line", 8501, 500);
  ReportRun run;
  RunOnePair(new_bytes, old_bytes, ControlsWith("Delta", "None"), run);
  const std::vector<std::string> listing = ListingOf(run.lines);
  ASSERT_EQ(listing.size(), 3u);
  EXPECT_EQ(listing[0], std::string(88, ' ') + "Mat/Ins/Del/Rfm=(8500,1,0,0)");
  EXPECT_EQ(listing[1].substr(0, 12), "I - inserted");
  EXPECT_EQ(listing[1].substr(84), " 08501 INSERT(NEW)          1    ");
  EXPECT_EQ(listing[2], std::string(88, ' ') + "Mat/Ins/Del/Rfm=(500,0,0,0)");
}

// Regression: the lines of an identical first section, counted but never
// listed, are part of the Not Shown count before the first change.
TEST(ReportExamplesTest, ChngCountsAnUnlistedIdenticalSectionAsNotShown) {
  const std::string old_bytes = CountedLines("line", 1, 9500);
  const std::string new_bytes =
      CountedLines("line", 1, 8999) + "line nine thousand\n" + CountedLines("line", 9001, 500);
  ReportRun run;
  RunOnePair(new_bytes, old_bytes, ControlsWith("Chng", "None"), run);
  const std::vector<std::string> listing = ListingOf(run.lines);
  ASSERT_EQ(listing.size(), 16u);
  EXPECT_EQ(listing[0],
            "   ************* 8993 New File Lines Not Shown *****************************");
  EXPECT_EQ(listing[1].substr(0, 13), "    line 8994");
  EXPECT_EQ(listing[15],
            "   ************* 494 New File Lines Not Shown *****************************");
}

TEST(ReportExamplesTest, InsertsAgainstDeletes) {
  struct Case {
    std::string old_middle;
    std::vector<std::string> flags;
    std::string paired_line;
  };
  const std::vector<Case> cases = {
      {"x\ny\nz\n",
       {"I - ", "D - ", "I - ", "D - ", "I - ", "D - "},
       "      0 Reformatted Lines               3 Paired Changes (Refm+Paired Ins/Del)"},
      {"x\ny\n",
       {"I - ", "I - ", "I - ", "D - ", "D - "},
       "      0 Reformatted Lines               2 Paired Changes (Refm+Paired Ins/Del)"},
  };
  for (const Case& c : cases) {
    ReportRun run;
    RunOnePair("top\na\nb\nc\nbottom\n", "top\n" + c.old_middle + "bottom\n",
               ControlsWith("Long", "None"), run);
    std::vector<std::string> flags;
    for (const std::string& line : ListingOf(run.lines)) {
      if (line[0] != ' ') flags.push_back(line.substr(0, 4));
    }
    EXPECT_EQ(flags, c.flags) << c.old_middle;
    EXPECT_NE(std::find(run.lines.Primary.begin(), run.lines.Primary.end(), c.paired_line),
              run.lines.Primary.end())
        << c.old_middle;
  }
}

TEST(ReportExamplesTest, IdenticalChngPairHasNoHeading) {
  ReportRun run;
  RunOnePair("a\nb\n", "a\nb\n", ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.lines.Primary.front(),
            "INDIVIDUAL PAIRED FILE COMPARE TOTALS AND STATISTICS SECTION");
  EXPECT_EQ(run.lines.SummaryStartIndex, 0);
}

TEST(ReportExamplesTest, OvsumWritesNoListingLine) {
  ReportRun run;
  RunOnePair("a\nb\n", "a\nc\n", ControlsWith("Ovsum", "None"), run);
  EXPECT_TRUE(ListingOf(run.lines).empty());
  EXPECT_EQ(run.lines.OutputLineCount, 0);
  EXPECT_EQ(run.lines.totals.insertions, 1);
}

TEST(ReportExamplesTest, DcppPartCommentLineUnderXdpl) {
  struct Case {
    std::string options;
    std::string shown;
  };
  const std::vector<Case> cases = {{"Dcpp", "x = 1; // new note"}, {"Dcpp Xdpl", "x = 1;"}};
  for (const Case& c : cases) {
    ReportRun run;
    RunOnePair("x = 1; // new note\ny = 2;\n", "x = 1;\ny = 3;\n", ControlsWith("Long", c.options),
               run);
    const std::vector<std::string> listing = ListingOf(run.lines);
    ASSERT_FALSE(listing.empty()) << c.options;
    EXPECT_EQ(listing[0].substr(0, 4 + c.shown.size() + 2), "    " + c.shown + "  ") << c.options;
    EXPECT_EQ(run.lines.totals.new_part_dp, 1) << c.options;
    EXPECT_EQ(run.lines.totals.matches, 1) << c.options;
  }
}

// Regression: the listing follows a double-quoted string left open at the end
// of a line into the next line, as the compare did, so the comment cut from
// the next line is the one the compare cut.
TEST(ReportExamplesTest, DcppStringOpenAcrossLinesCutsTheRightComment) {
  const std::string bytes = "s = \"abc\ndef\"; // note\n";
  ReportRun run;
  RunOnePair(bytes, bytes + "extra\n", ControlsWith("Long", "Dcpp Xdpl"), run);
  const std::vector<std::string> listing = ListingOf(run.lines);
  ASSERT_GE(listing.size(), 2u);
  EXPECT_EQ(listing[1].substr(0, 18), "    def\";         ");
}

TEST(ReportExamplesTest, FullStoreStopsThePairWithOneMessage) {
  ReportRun run;
  report_support::RunReport({{"new.txt", CountedLines("n", 1, 50), "old.txt", "x\n"}},
                            ControlsWith("Long", "None"), DirectoryRunInfo(), run, 20);
  ASSERT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messages[0],
            "Results exceeded StingList maximum number of 20.\nOutput results prematurely "
            "suspended.");
  EXPECT_EQ(run.lines.Primary.size(), 20u);
  EXPECT_TRUE(run.lines.ReportFull);
}

TEST(ReportExamplesTest, SbslKeepsBothListsAligned) {
  ReportRun run;
  RunOnePair("top\na\nb\nc\nbottom\n", "top\nx\ny\nbottom\n", ControlsWith("Long", "Sbsl"), run);
  const std::vector<std::string>& left = run.lines.Primary;
  const std::vector<std::string>& right = run.lines.Secondary;
  // The summary of a one-pair run goes to Primary only.
  ASSERT_EQ(static_cast<size_t>(run.lines.SummaryStartIndex), right.size());
  std::vector<std::string> pairs;
  for (size_t k = 3; k < right.size(); ++k)
    pairs.push_back(left[k].substr(0, 4) + right[k].substr(0, 4));
  const std::vector<std::string> expected = {"        ", "I - D - ", "I - D - ", "I -  ",
                                             "        "};
  EXPECT_EQ(pairs, expected);
}

}  // namespace
}  // namespace kestrin
