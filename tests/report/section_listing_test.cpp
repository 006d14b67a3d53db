// Counting and listing one section from the matcher's verdict: runs, paired
// inserts and deletes, reformats, moved and Dp lines, Delta blocks.
#include "report/section_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::HandSection;
using report_support::ReportHost;

// The flag column and the columns after the 80-character text of each line.
std::vector<std::string> Shapes(const std::vector<std::string>& lines) {
  std::vector<std::string> shapes;
  for (const std::string& line : lines) {
    std::string shape = line.substr(0, 4) + "|";
    if (line.size() > 84) shape += line.substr(84);
    while (!shape.empty() && shape.back() == ' ') shape.pop_back();
    shapes.push_back(shape);
  }
  return shapes;
}

TEST(SectionListingTest, LongListingOfFiveLinesDifferingInLineThree) {
  HandSection s;
  for (const char* text : {"a", "b", "old 3", "d", "e"}) s.Old(text);
  s.New("a", 1);
  s.New("b", 2);
  s.New("new 3");
  s.New("d", 4);
  s.New("e", 5);
  const std::vector<std::string> expected = {
      "    | 00001              00001   2", "    | 00002              00002",
      "I - | 00003 INSERT(NEW)          1", "D - |       DELETED(OLD) 00003   1",
      "    | 00004              00004   2", "    | 00005              00005",
  };
  EXPECT_EQ(Shapes(s.ChangeListing()), expected);
  EXPECT_EQ(s.pair.matches, 4);
  EXPECT_EQ(s.pair.insertions, 1);
  EXPECT_EQ(s.pair.deletions, 1);
  EXPECT_EQ(s.pair.paired_changes, 1);
}

TEST(SectionListingTest, EqualInsertAndDeleteRunsAreInterleaved) {
  struct Case {
    int deletes;
    std::vector<std::string> flags;
    int paired;
  };
  const std::vector<Case> cases = {
      {3, {"    ", "I - ", "D - ", "I - ", "D - ", "I - ", "D - ", "    "}, 3},
      {2, {"    ", "I - ", "I - ", "I - ", "D - ", "D - ", "    "}, 2},
      {4, {"    ", "I - ", "I - ", "I - ", "D - ", "D - ", "D - ", "D - ", "    "}, 3},
  };
  for (const Case& c : cases) {
    HandSection s;
    s.Old("top");
    for (int k = 0; k < c.deletes; ++k) s.Old("old " + std::to_string(k));
    s.Old("bottom");
    s.New("top", 1);
    for (int k = 0; k < 3; ++k) s.New("new " + std::to_string(k));
    s.New("bottom", c.deletes + 2);
    std::vector<std::string> flags;
    for (const std::string& line : s.ChangeListing()) flags.push_back(line.substr(0, 4));
    EXPECT_EQ(flags, c.flags) << c.deletes << " deletes";
    EXPECT_EQ(s.pair.paired_changes, c.paired) << c.deletes << " deletes";
  }
}

TEST(SectionListingTest, InterleavedPairsCarryContinuationNumbers) {
  HandSection s;
  s.Old("x1");
  s.Old("x2");
  s.New("y1");
  s.New("y2");
  const std::vector<std::string> expected = {
      "I - | 00001 INSERT(NEW)          2",
      "D - |       DELETED(OLD) 00001   2",
      "I - | 00002 INSERT",
      "D - |       DELETED      00002",
  };
  EXPECT_EQ(Shapes(s.ChangeListing()), expected);
}

TEST(SectionListingTest, ExactOrReformat) {
  struct Case {
    std::string new_text;
    std::string old_text;
    bool rovr;
    bool icas;
    bool reformat;
  };
  const std::vector<Case> cases = {
      {"int a;", "int a;  ", false, false, false},  // trailing blanks alone
      {"int  a;", "int a;", false, false, true},    // an inner blank moved
      {"int  a;", "int a;", true, false, false},    // Rovr takes it as exact
      {"INT A;", "int a;", false, true, false},     // Icas folds case
      {"INT A;", "int a;", false, false, true},    {"a b", "ab", false, false, true},
  };
  for (const Case& c : cases) {
    HandSection s;
    s.settings.Rovr = c.rovr;
    s.settings.Icas = c.icas;
    s.Old(c.old_text);
    s.New(c.new_text, 1);
    const std::vector<std::string> lines = s.ChangeListing();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 4), c.reformat ? "RN- " : "    ")
        << "[" << c.new_text << "] against [" << c.old_text << "]";
    EXPECT_EQ(s.pair.reformats, c.reformat ? 1 : 0);
    EXPECT_EQ(s.pair.matches, c.reformat ? 0 : 1);
  }
}

TEST(SectionListingTest, ReformatRunsWithLorl) {
  HandSection s;
  s.settings.Lorl = true;
  for (const char* text : {"a b", "c d", "e"}) s.Old(text);
  s.New("a  b", 1);
  s.New("c  d", 2);
  s.New("e", 3);
  const std::vector<std::string> expected = {
      "RN- | 00001 REFORM(NEW)  00001   2", "RO- | 00001 REFORM(OLD)  00001",
      "RN- | 00002 REFORM(NEW)  00002   1", "RO- | 00002 REFORM(OLD)  00002",
      "    | 00003              00003   1",
  };
  const std::vector<std::string> lines = s.ChangeListing();
  EXPECT_EQ(Shapes(lines), expected);
  EXPECT_EQ(lines[1].substr(4, 3), "a b");
}

// Regression: two reformats whose old partners have a deleted line between
// them are two runs, so the deleted line is listed in its place.
TEST(SectionListingTest, ReformatRunEndsAtADeletedOldLine) {
  HandSection s;
  for (const char* text : {"a b", "gone", "c d"}) s.Old(text);
  s.New("a  b", 1);
  s.New("c  d", 3);
  const std::vector<std::string> expected = {
      "RN- | 00001 REFORM(NEW)  00001   1",
      "D - |       DELETED(OLD) 00002   1",
      "RN- | 00002 REFORM(NEW)  00003   1",
  };
  EXPECT_EQ(Shapes(s.ChangeListing()), expected);
  EXPECT_EQ(s.pair.deletions, 1);
  EXPECT_EQ(s.pair.reformats, 2);
}

TEST(SectionListingTest, MatchedRunBreaksWhereTheOldSideSkips) {
  HandSection s;
  for (const char* text : {"a", "b", "gone", "c"}) s.Old(text);
  s.New("a", 1);
  s.New("b", 2);
  s.New("c", 4);
  const std::vector<std::string> expected = {
      "    | 00001              00001   2",
      "    | 00002              00002",
      "D - |       DELETED(OLD) 00003   1",
      "    | 00003              00004   1",
  };
  EXPECT_EQ(Shapes(s.ChangeListing()), expected);
}

TEST(SectionListingTest, MovedLinesShowTheirPartners) {
  HandSection s;
  s.settings.Fmvl = true;
  for (const char* text : {"moved", "a"}) s.Old(text);
  s.New("a", 2);
  s.New("moved");
  s.Move(2, 1);
  const std::vector<std::string> expected = {
      "DM- | 00002 MOVE(O TO N) 00001",
      "    | 00001              00002   1",
      "IM- | 00002 MOVE(N TO O) 00001",
  };
  EXPECT_EQ(Shapes(s.ChangeListing()), expected);
  EXPECT_EQ(s.pair.moved_lines, 1);
}

TEST(SectionListingTest, DpLinesAreListedUnlessXdplAndDoNotBreakRuns) {
  for (const bool xdpl : {false, true}) {
    HandSection s;
    s.settings.DpActive = true;
    s.settings.Xdpl = xdpl;
    for (const char* text : {"a", "b"}) s.Old(text);
    s.New("a", 1);
    s.NewDp("// note");
    s.New("b", 2);
    std::vector<std::string> expected = {"    | 00001              00001   2"};
    if (!xdpl) expected.push_back("    | 00002 DPLINE(NEW)");
    expected.push_back("    | 00003              00002");
    EXPECT_EQ(Shapes(s.ChangeListing()), expected) << "Xdpl " << xdpl;
    EXPECT_EQ(s.pair.new_dp, 1);
    EXPECT_EQ(s.pair.matches, 2);
  }
}

TEST(SectionListingTest, DeltaCarriesMatchedLinesOfAnUnchangedSectionIntoTheNextBlock) {
  ReportLines lines;
  ReportHost host;
  ReportStore store(lines, host);
  lines.settings.Delta = true;
  int64_t pending = 0;

  HandSection unchanged;
  unchanged.settings.Delta = true;
  for (const char* text : {"a", "b", "c"}) unchanged.Old(text);
  for (int k = 1; k <= 3; ++k) unchanged.New(unchanged.old_lines.line[k].Text, k);
  SectionView first = unchanged.View();
  CountDeletions(first);
  CountInsertionsAndMatches(first);
  WriteDeltaListing(first, false, store, pending);
  EXPECT_TRUE(lines.Primary.empty());
  EXPECT_EQ(pending, 3);

  HandSection changed;
  changed.settings.Delta = true;
  changed.new_side.SectionStart = 3;
  changed.old_side.SectionStart = 3;
  for (const char* text : {"d", "e"}) changed.Old(text);
  changed.New("d", 1);
  changed.New("inserted");
  changed.New("e", 2);
  SectionView second = changed.View();
  CountDeletions(second);
  CountInsertionsAndMatches(second);
  WriteDeltaListing(second, true, store, pending);
  ASSERT_EQ(lines.Primary.size(), 3u);
  EXPECT_EQ(lines.Primary[0], std::string(88, ' ') + "Mat/Ins/Del/Rfm=(4,1,0,0)");
  EXPECT_EQ(Shapes({lines.Primary[1]})[0], "I - | 00005 INSERT(NEW)          1");
  EXPECT_EQ(lines.Primary[2], std::string(88, ' ') + "Mat/Ins/Del/Rfm=(1,0,0,0)");
  EXPECT_EQ(pending, 0);
}

TEST(SectionListingTest, DeltaListsReformatsThenInterleavedChanges) {
  ReportLines lines;
  ReportHost host;
  ReportStore store(lines, host);
  HandSection s;
  s.settings.Delta = true;
  s.settings.Fscl = true;
  for (const char* text : {"same", "x y", "gone"}) s.Old(text);
  s.New("same", 1);
  s.New("x  y", 2);
  s.New("came");
  s.new_side.LongestLine = 10;
  SectionView view = s.View();
  CountDeletions(view);
  CountInsertionsAndMatches(view);
  MarkReformatRuns(view);
  int64_t pending = 0;
  WriteDeltaListing(view, true, store, pending);
  const std::vector<std::string> expected = {"     LRef#=00002 RRef#=00002", "RN- x  y", "I - came",
                                             "D - gone"};
  EXPECT_EQ(lines.Primary, expected);
  EXPECT_EQ(s.pair.paired_changes, 1);
}

}  // namespace
}  // namespace kestrin
