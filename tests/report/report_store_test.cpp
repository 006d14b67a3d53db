// The report line store: adding and writing lines, cleaning, routing with
// Sbsl, the lazy heading and its ruler, Equalize, progress and a full store.
#include "report/report_store.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "report/report_sink.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::ReportHost;

constexpr char kRulerWithColumns[] =
    "ID  ----+----1----+----2----+----3----+----4----+----5----+----6----+----7----+----8 N-REF# "
    "CHNG-TYPE   O-REF# LEN";

PairHeading TestHeading(int32_t longest_line = 10) {
  return PairHeading{"new/a.txt", "01/02/24 03:04:05", "old/a.txt", "01/02/24 03:04:05",
                     longest_line};
}

struct StoreFixture {
  explicit StoreFixture(size_t capacity = kUnlimitedLines) : store(lines, host, capacity) {
    store.SetPair(0, 1, TestHeading());
  }
  ReportLines lines;
  ReportHost host;
  ReportStore store;
};

TEST(CleanListingLineTest, ReplacesControlCharactersAfterTheFlagColumn) {
  struct Case {
    std::string line;
    bool subc;
    char subc_char;
    bool xtab;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {std::string("    a\x01"
                   "b\x09"
                   "c\x7f"
                   "d"),
       false, '.', false,
       "    a.b.c\x7f"
       "d"},
      {std::string("    a\x01"
                   "b\x09"
                   "c\x7f"
                   "d"),
       true, '~', false,
       "    a~b~c\x7f"
       "d"},
      {std::string("\x01\x02\x03\x04\x05"), false, '.', false, "\x01\x02\x03\x04."},
      {std::string("    \x80\xff\x1f"), false, '.', false, "    \x80\xff."},
      // Tab stops at multiples of 4, columns counted from 1: a tab in column 6
      // brings the next character to column 8.
      {std::string("    a\tb"), false, '.', true, "    a  b"},
      {std::string("    abc\td"), false, '.', true, "    abc    d"},
      {std::string("    a\tb"), true, '~', false, "    a~b"},
  };
  for (const Case& c : cases) {
    CompareSettings settings;
    settings.Subc = c.subc;
    settings.SubcChar = c.subc_char;
    settings.Xtab = c.xtab;
    settings.TabSize = 4;
    EXPECT_EQ(CleanListingLine(c.line, settings), c.expected) << "line [" << c.line << "]";
  }
}

TEST(CleanListingLineTest, CutsAt132EvenWhenTabsWiden) {
  CompareSettings settings;
  settings.Xtab = true;
  settings.TabSize = 8;
  const std::string line = "    " + std::string(126, 'x') + "\tyz";
  const std::string cleaned = CleanListingLine(line, settings);
  EXPECT_EQ(cleaned.size(), 132u);
  EXPECT_EQ(cleaned.substr(130), "  ");
}

TEST(RulerLineTest, ThreeForms) {
  struct Case {
    bool fscl;
    int32_t longest;
    size_t length;
    std::string tail;
  };
  const std::vector<Case> cases = {
      {false, 200, 114, " N-REF# CHNG-TYPE   O-REF# LEN"},
      {true, 100, 104, "----8----+----9----+----1"},
      {true, 80, 84, "----+----8"},
      {true, 20, 84, "----+----8"},
      {true, 500, 132, "----11---+----12---+---"},
  };
  for (const Case& c : cases) {
    const std::string ruler = RulerLine(c.fscl, c.longest);
    EXPECT_EQ(ruler.size(), c.length) << "fscl " << c.fscl << " longest " << c.longest;
    EXPECT_TRUE(ruler.ends_with(c.tail)) << ruler;
    EXPECT_TRUE(ruler.starts_with("ID  ----+----1")) << ruler;
  }
  EXPECT_EQ(RulerLine(false, 5), kRulerWithColumns);
}

TEST(ReportStoreTest, HeadingIsWrittenLazilyBeforeThePairsFirstLine) {
  StoreFixture f;
  EXPECT_TRUE(f.store.ArmHeading());
  EXPECT_FALSE(f.store.ArmHeading());
  EXPECT_TRUE(f.lines.Primary.empty());
  f.store.WriteListingLine("I - x");
  const std::vector<std::string> expected = {"New File = new/a.txt  01/02/24 03:04:05",
                                             "Old File = old/a.txt  01/02/24 03:04:05",
                                             kRulerWithColumns, "I - x"};
  EXPECT_EQ(f.lines.Primary, expected);
  EXPECT_FALSE(f.lines.HeaderPending);
  EXPECT_TRUE(f.lines.HeaderArmed);
}

TEST(ReportStoreTest, SecondPairsHeadingFollowsOneBlankLine) {
  StoreFixture f;
  f.store.ArmHeading();
  f.store.AddLine("first pair");
  f.lines.HeaderArmed = false;
  f.store.ArmHeading();
  f.store.AddLine("second pair");
  ASSERT_EQ(f.lines.Primary.size(), 9u);
  EXPECT_EQ(f.lines.Primary[0], "New File = new/a.txt  01/02/24 03:04:05");
  EXPECT_EQ(f.lines.Primary[4], " ");
  EXPECT_EQ(f.lines.Primary[5], "New File = new/a.txt  01/02/24 03:04:05");
}

TEST(ReportStoreTest, LinesAreCutAt132) {
  StoreFixture f;
  f.store.AddLine(std::string(200, 'a'));
  f.store.WriteListingLine("    " + std::string(200, 'b'));
  ASSERT_EQ(f.lines.Primary.size(), 2u);
  EXPECT_EQ(f.lines.Primary[0], std::string(132, 'a'));
  EXPECT_EQ(f.lines.Primary[1], "    " + std::string(128, 'b'));
}

TEST(ReportStoreTest, SbslRoutesByChangeFlag) {
  struct Case {
    bool lorl;
    std::vector<std::string> written;
    std::vector<std::string> primary;
    std::vector<std::string> secondary;
  };
  const std::vector<Case> cases = {
      // Three inserts and two deletes, then a matched line: equal counts.
      {false,
       {"I - 1", "I - 2", "I - 3", "D - a", "D - b", "    m"},
       {"I - 1", "I - 2", "I - 3", "    m"},
       {"D - a", "D - b", " ", "    m"}},
      {false, {"IM- 1", "DM- a", "RN- r"}, {"IM- 1", "RN- r"}, {"DM- a", " "}},
      {true, {"RN- r", "RO- o", "    m"}, {"RN- r", "    m"}, {"RO- o", "    m"}},
      {false, {"D - a", "RN- r"}, {" ", "RN- r"}, {"D - a", " "}},
  };
  for (const Case& c : cases) {
    StoreFixture f;
    f.lines.settings.Sbsl = true;
    f.lines.settings.Lorl = c.lorl;
    for (const std::string& line : c.written) f.store.WriteListingLine(line);
    EXPECT_EQ(f.lines.Primary, c.primary) << "first written " << c.written.front();
    EXPECT_EQ(f.lines.Secondary, c.secondary) << "first written " << c.written.front();
  }
}

TEST(ReportStoreTest, AddLineGoesToBothListsWithSbslUntilTheSummaryStarts) {
  StoreFixture f;
  f.lines.settings.Sbsl = true;
  f.store.AddLine("heading");
  f.lines.SummaryStarted = true;
  f.store.AddLine("summary");
  EXPECT_EQ(f.lines.Primary, (std::vector<std::string>{"heading", "summary"}));
  EXPECT_EQ(f.lines.Secondary, (std::vector<std::string>{"heading"}));
}

TEST(ReportStoreTest, EqualizePadsTheShorterListOnlyWithSbsl) {
  StoreFixture f;
  f.store.WriteListingLine("I - 1");
  f.store.Equalize();
  EXPECT_TRUE(f.lines.Secondary.empty());
  f.lines.settings.Sbsl = true;
  f.store.WriteListingLine("D - 1");
  f.store.WriteListingLine("D - 2");
  f.store.Equalize();
  EXPECT_EQ(f.lines.Primary, (std::vector<std::string>{"I - 1", " "}));
  EXPECT_EQ(f.lines.Secondary, (std::vector<std::string>{"D - 1", "D - 2"}));
}

TEST(ReportStoreTest, ProgressTextEverySixtyListingLines) {
  StoreFixture f;
  f.store.SetPair(2, 5, TestHeading());
  for (int k = 0; k < 130; ++k) f.store.WriteListingLine("    line");
  f.store.AddLine("not counted");
  EXPECT_EQ(f.lines.OutputLineCount, 130);
  const std::vector<std::string> expected = {
      "Writing Report lines Output Line = 60    - Proc File(3) of (5).",
      "Writing Report lines Output Line = 120    - Proc File(3) of (5)."};
  EXPECT_EQ(f.host.statuses, expected);
  EXPECT_EQ(f.host.toggles, 2);
  EXPECT_EQ(f.host.events, 2);
}

TEST(ReportStoreTest, FullStoreShowsOneMessageAndTakesNoMoreLines) {
  StoreFixture f(3);
  f.store.AddLine("1");
  f.store.AddLine("2");
  f.store.WriteListingLine("    3");
  EXPECT_FALSE(f.lines.ReportFull);
  f.store.WriteListingLine("    4");
  f.store.AddLine("5");
  EXPECT_TRUE(f.lines.ReportFull);
  EXPECT_EQ(f.lines.Primary, (std::vector<std::string>{"1", "2", "    3"}));
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0],
            "Results exceeded StingList maximum number of 3.\nOutput results prematurely "
            "suspended.");
  EXPECT_EQ(f.lines.OutputLineCount, 1);
}

// Keeps what a sink is given, list by list.
struct RecordingSink : ReportSink {
  void TakeLine(ReportList list, std::string_view line) override {
    (list == ReportList::kPrimary ? primary : secondary).emplace_back(line);
  }
  std::vector<std::string> primary;
  std::vector<std::string> secondary;
};

TEST(ReportStoreTest, SinkGetsTheLinesTheListsWouldHold) {
  const auto write = [](ReportStore& store, ReportLines& lines) {
    lines.settings.Sbsl = true;
    store.SetPair(0, 1, TestHeading());
    store.ArmHeading();
    for (const char* line : {"I - a", "D - b", "D - c", "    d", "RN- e", "IM- f", "DM- g"}) {
      store.WriteListingLine(line);
    }
    store.WriteListingLine("    " + std::string(140, 'h'));
    store.Equalize();
    lines.SummaryStarted = true;
    store.AddLine("summary");
    store.AppendFinalLine("final");
  };
  StoreFixture kept;
  write(kept.store, kept.lines);
  ReportLines streamed_lines;
  ReportHost host;
  RecordingSink sink;
  ReportStore streamed(streamed_lines, host, kUnlimitedLines, &sink);
  write(streamed, streamed_lines);
  EXPECT_EQ(sink.primary, kept.lines.Primary);
  EXPECT_EQ(sink.secondary, kept.lines.Secondary);
  EXPECT_EQ(streamed.PrimaryLineCount(), kept.lines.Primary.size());
  EXPECT_TRUE(streamed_lines.Primary.empty());
  EXPECT_TRUE(streamed_lines.Secondary.empty());
}

}  // namespace
}  // namespace kestrin
