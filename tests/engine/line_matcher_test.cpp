#include "engine/line_matcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/engine_support.h"
#include "tests/engine/matcher_support.h"

namespace kestrin::matcher_test {
namespace {

// `count` distinct lines "<stem>1", "<stem>2", ...
std::vector<std::string> Numbered(const std::string& stem, int count, int first = 1) {
  std::vector<std::string> lines;
  for (int k = 0; k < count; ++k) lines.push_back(stem + std::to_string(first + k));
  return lines;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> lines;
  for (const auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

// Tokens "=first" .. "=first+count-1", or `count` copies of `unpaired`.
std::string Tokens(int count, int first, const std::string& unpaired = "") {
  std::string out;
  for (int k = 0; k < count; ++k) {
    if (!out.empty()) out += ' ';
    out += unpaired.empty() ? "=" + std::to_string(first + k) : unpaired;
  }
  return out;
}

std::string Spaced(std::initializer_list<std::string> parts) {
  std::string out;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!out.empty()) out += ' ';
    out += part;
  }
  return out;
}

class LineMatcherTest : public ::testing::Test {
 protected:
  // Matches a single-section pair (no later section follows).
  std::string Match(const std::vector<std::string>& new_texts,
                    const std::vector<std::string>& old_texts, MatchOptions options = Last()) {
    pair_.Fill(new_texts, old_texts);
    MatchSection(pair_.fresh, pair_.old, options, host_);
    return DescribeMatch(fresh_, old_);
  }
  static MatchOptions Last() {
    MatchOptions options;
    options.LastSection = true;
    return options;
  }
  static MatchOptions MoreFollow() { return MatchOptions(); }
  static MatchOptions WithMoved() {
    MatchOptions options = Last();
    options.Fmvl = true;
    return options;
  }

  SectionPair pair_;
  Section& fresh_ = pair_.fresh;
  Section& old_ = pair_.old;
  engine_support::RecordingHost host_;
};

enum class With { kNothing, kMoved, kDp, kMovedAndDp };

// A pair of short sections given as words, with the match expected and, where
// set, the lines that start an accepted block.
struct OneLineCase {
  const char* new_words;
  const char* old_words;
  With with;
  const char* expected;
  const char* block_starts;
};

// A line that occurs several times pairs in order: the lowest old copy at or
// after the window start is tried first. "abcd" and "cdab" sum to the same
// 16-bit words, and "AB" + "\xBF\xBD" sum to 0, so equal hashes do not make
// equal lines nor does a prefix. Dp lines are invisible to the matcher.
TEST_F(LineMatcherTest, OneLineCases) {
  const OneLineCase cases[] = {
      // C D is the longer block and is accepted first; A follows before it.
      {"A B C D", "A X C D", With::kNothing, "=1 + =3 =4 | =1 - =3 =4", "1 3 | 1 3"},
      {"X X X", "X X X", With::kNothing, "=1 =2 =3 | =1 =2 =3", nullptr},
      {"X X", "X X X", With::kNothing, "=1 =2 | =1 =2 -", nullptr},
      {"X X X", "X X", With::kNothing, "=1 =2 + | =1 =2", nullptr},
      {"A X", "X A X", With::kNothing, "=2 =3 | - =1 =2", nullptr},
      {"A X B X", "X A X B", With::kNothing, "=2 =3 =4 + | - =1 =2 =3", nullptr},
      {"X A X B X", "X A X B X", With::kNothing, "=1 =2 =3 =4 =5 | =1 =2 =3 =4 =5", nullptr},
      {"a_b c__d _e", "ab cd e_", With::kNothing, "=1 =2 =3 | =1 =2 =3", nullptr},
      {"abcd", "cdab", With::kNothing, "+ | -", nullptr},
      {"ab", "abAB\xBF\xBD", With::kNothing, "+ | -", nullptr},
      {"ab ab", "abAB\xBF\xBD ab", With::kMoved, "=2 + | - =1", nullptr},
      // A line moved from the last old line is found there.
      {"X A B", "A B X", With::kMoved, "~3 =1 =2 | =2 =3 ~1", nullptr},
      {"", "A B", With::kNothing, " | - -", nullptr},
      {"A", "A B", With::kNothing, "=1 | =1 -", nullptr},
      {"A B", "", With::kMoved, "+ + | ", nullptr},
      {"", "", With::kNothing, " | ", nullptr},
      {"A ~x B C", "A B ~y C", With::kDp, "=1 . =2 =4 | =1 =3 . =4", "1 | 1"},
      // A side of Dp lines only pairs nothing, with or without Fmvl.
      {"~a ~b", "A ~a", With::kMovedAndDp, ". . | - .", nullptr},
  };
  for (const OneLineCase& c : cases) {
    MatchOptions options = Last();
    options.Fmvl = c.with == With::kMoved || c.with == With::kMovedAndDp;
    options.dp_active = c.with == With::kDp || c.with == With::kMovedAndDp;
    EXPECT_EQ(Match(Words(c.new_words), Words(c.old_words), options), c.expected)
        << c.new_words << " against " << c.old_words;
    if (c.block_starts != nullptr) {
      EXPECT_EQ(DescribeBlockStarts(fresh_, old_), c.block_starts) << c.new_words;
    }
  }
}

// Sections of 15 lines or fewer take single-line blocks from the first pass,
// so the first pass of a section that is not the last accepts them and no cut
// is made; at 16 lines the first pass takes only blocks of four lines or more
// and the section is cut after the furthest of them.
TEST_F(LineMatcherTest, BridgesEachSkipPattern) {
  struct Skip {
    int new_lines;
    int old_lines;
  };
  const Skip skips[] = {{1, 1}, {1, 0}, {0, 1}, {2, 2}, {2, 0}, {0, 2}, {2, 1}, {1, 2}};
  for (const Skip& skip : skips) {
    const auto new_texts =
        Joined({Numbered("L", 19), Numbered("new ", skip.new_lines), Numbered("L", 21, 20)});
    const auto old_texts =
        Joined({Numbered("L", 19), Numbered("old ", skip.old_lines), Numbered("L", 21, 20)});
    const std::string expected =
        Spaced({Tokens(19, 1), Tokens(skip.new_lines, 0, "+"), Tokens(21, 20 + skip.old_lines), "|",
                Tokens(19, 1), Tokens(skip.old_lines, 0, "-"), Tokens(21, 20 + skip.new_lines)});
    EXPECT_EQ(Match(new_texts, old_texts), expected)
        << "skip " << skip.new_lines << " new, " << skip.old_lines << " old";
    EXPECT_EQ(DescribeBlockStarts(fresh_, old_), "1 | 1")
        << "skip " << skip.new_lines << " new, " << skip.old_lines << " old";
  }
}

TEST_F(LineMatcherTest, BridgeTriesOneLineEachSideFirst) {
  const std::vector<std::string> runs = {"Z", "Z", "Z"};
  const auto new_texts = Joined({Numbered("L", 19), {"X"}, runs, Numbered("L", 20, 20)});
  const auto old_texts = Joined({Numbered("L", 19), {"Z"}, runs, Numbered("L", 20, 20)});
  EXPECT_EQ(Match(new_texts, old_texts),
            Spaced({Tokens(19, 1), "+", Tokens(23, 21), "|", Tokens(19, 1), "-", Tokens(23, 21)}));
}

TEST_F(LineMatcherTest, SmallSectionTakesSingleLinesAndIsNotCut) {
  const auto new_texts = Joined({Numbered("K", 5), Numbered("new ", 9), {"S"}});
  const auto old_texts = Joined({Numbered("K", 5), Numbered("old ", 9), {"S"}});
  EXPECT_EQ(Match(new_texts, old_texts, MoreFollow()),
            Spaced({Tokens(5, 1), Tokens(9, 0, "+"), "=15", "|", Tokens(5, 1), Tokens(9, 0, "-"),
                    "=15"}));
  EXPECT_EQ(fresh_.count, 15);
  EXPECT_EQ(old_.count, 15);
}

TEST_F(LineMatcherTest, LargeSectionIsCutAfterItsFurthestAcceptedBlock) {
  const auto new_texts = Joined({Numbered("K", 5), Numbered("new ", 10), {"S"}});
  const auto old_texts = Joined({Numbered("K", 5), Numbered("old ", 10), {"S"}});
  EXPECT_EQ(Match(new_texts, old_texts, MoreFollow()), "=1 =2 =3 =4 =5 | =1 =2 =3 =4 =5");
  ASSERT_EQ(fresh_.count, 5);
  ASSERT_EQ(old_.count, 5);
  for (const Section* side : {&fresh_, &old_}) {
    for (int k = 1; k <= 5; ++k) EXPECT_FALSE(side->line[k].Text.empty()) << "kept line " << k;
    const InputLine& sentinel = side->line[6];
    EXPECT_TRUE(sentinel.BlockStart && sentinel.end_sentinel);
    EXPECT_FALSE(sentinel.Matched || sentinel.NoMatch || sentinel.IsDp || sentinel.Moved);
    EXPECT_EQ(sentinel.Link, 6);
    EXPECT_TRUE(sentinel.Text.empty());
  }
  // The last section of a pair is never cut.
  EXPECT_EQ(Match(new_texts, old_texts, Last()),
            Spaced({Tokens(5, 1), Tokens(10, 0, "+"), "=16", "|", Tokens(5, 1), Tokens(10, 0, "-"),
                    "=16"}));
  EXPECT_EQ(fresh_.count, 16);
}

TEST_F(LineMatcherTest, MultiSectionPairIsCutBehindTheFurthestBlockOnBothSides) {
  // 40 common lines, then a changed tail of different lengths on each side.
  const auto new_texts = Joined({Numbered("common ", 40), Numbered("new ", 30)});
  const auto old_texts = Joined({Numbered("common ", 40), Numbered("old ", 12)});
  Match(new_texts, old_texts, MoreFollow());
  EXPECT_EQ(fresh_.count, 40);
  EXPECT_EQ(old_.count, 40);
  EXPECT_EQ(DescribeMatch(fresh_, old_), Tokens(40, 1) + " | " + Tokens(40, 1));
}

TEST_F(LineMatcherTest, ShowsCycleStatusOnTheFirstCycle) {
  MatchOptions options = Last();
  options.new_section_start = 100;
  options.old_section_start = 200;
  Match(Words("A B C D"), Words("A X C D"), options);
  const std::vector<std::string> expected = {
      "toggle",
      "status:Compare Lines Pass Count (0) Compare Cycles (101) New Counter, (201) Old Counter",
      "events"};
  EXPECT_EQ(host_.log.events, expected);
}

TEST_F(LineMatcherTest, ShowsCycleStatusEveryFiftyCycles) {
  // Every other line differs: single-line blocks, nine accepted a cycle.
  auto new_texts = Numbered("line ", 1000);
  auto old_texts = new_texts;
  for (size_t k = 1; k < old_texts.size(); k += 2) old_texts[k] = "changed " + old_texts[k];
  Match(new_texts, old_texts);
  ASSERT_EQ(host_.log.events.size(), 6u);
  EXPECT_EQ(host_.log.events[3], "toggle");
  EXPECT_TRUE(host_.log.events[4].starts_with("status:Compare Lines Pass Count (50) Compare Cycles ("))
      << host_.log.events[4];
  EXPECT_EQ(host_.log.events[5], "events");
  for (int32_t k = 1; k <= fresh_.count; ++k) {
    EXPECT_EQ(fresh_.line[k].Matched, k % 2 == 1) << "new line " << k;
  }
}

}  // namespace
}  // namespace kestrin::matcher_test
