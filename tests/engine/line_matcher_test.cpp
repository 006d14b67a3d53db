// The line matcher on sections built from short texts in compare form.
#include "engine/line_matcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/recording_fakes.h"
#include "tests/common/scratch_directory.h"

namespace kestrin {
namespace {

// A text starting with this character becomes a Dp line.
constexpr char kDpLineMark = '~';

// Splits "A B C" into {"A", "B", "C"}. An underscore stands for a blank
// inside a word ("a_b" is "a b"), "w{3..5}" for "w3 w4 w5" and "w*3" for
// "w w w".
std::vector<std::string> Words(const std::string& spaced) {
  static const std::regex kRange(R"((.*)\{(\d+)\.\.(\d+)\})");
  static const std::regex kCopies(R"((.*)\*(\d+))");
  std::istringstream in(spaced);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    std::replace(word.begin(), word.end(), '_', ' ');
    std::smatch found;
    if (std::regex_match(word, found, kRange)) {
      for (int k = std::stoi(found[2]); k <= std::stoi(found[3]); ++k) {
        words.push_back(found[1].str() + std::to_string(k));
      }
    } else if (std::regex_match(word, found, kCopies)) {
      words.insert(words.end(), std::stoul(found[2]), found[1].str());
    } else {
      words.push_back(word);
    }
  }
  return words;
}

std::string Spaced(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& word : words) out += (out.empty() ? "" : " ") + word;
  return out;
}

// Fills the lines of one side as line preparation does (Dp lines keep
// their raw text), clearing the lines the last fill may have touched; gives
// the new extent: the matcher touches no line past the end sentinel.
size_t FillSide(Section& section, size_t extent, const std::vector<std::string>& texts) {
  for (size_t k = 0; k < extent; ++k) section.line[k] = InputLine();
  section.count = static_cast<int32_t>(texts.size());
  for (size_t k = 0; k < texts.size(); ++k) {
    InputLine& line = section.line[k + 1];
    line.Text = texts[k];
    line.RawLen = static_cast<int16_t>(texts[k].size());
    if (!texts[k].empty() && texts[k].front() == kDpLineMark) {
      line.IsDp = true;
      continue;
    }
    PrepareCompareForm(line, line.RawLen, true);
  }
  return texts.size() + 2;
}

// One token a line: "=k" matched with line k of the other side, "~k" moved,
// "." Dp line, `unpaired` otherwise.
std::string SideTokens(const Section& section, char unpaired) {
  std::string out;
  for (int32_t k = 1; k <= section.count; ++k) {
    const InputLine& line = section.line[k];
    if (!out.empty()) out += ' ';
    if (line.IsDp) {
      out += '.';
    } else if (line.Matched || line.Moved) {
      out += (line.Matched ? "=" : "~") + std::to_string(line.Link);
    } else {
      out += unpaired;
    }
  }
  return out;
}

// The lines of a side that start an accepted block.
std::string BlockStarts(const Section& section) {
  std::string out;
  for (int32_t k = 1; k <= section.count; ++k) {
    if (section.line[k].BlockStart) out += (out.empty() ? "" : " ") + std::to_string(k);
  }
  return out;
}

class LineMatcherTest : public ::testing::Test {
 protected:
  // Matches the two sections given as words; "+" marks a new line without
  // a partner, "-" an old one.
  std::string Match(const std::string& new_words, const std::string& old_words,
                    MatchOptions options) {
    new_extent_ = FillSide(fresh_, new_extent_, Words(new_words));
    old_extent_ = FillSide(old_, old_extent_, Words(old_words));
    fresh_.WriteSentinel(old_.count);
    old_.WriteSentinel(fresh_.count);
    MatchSection(fresh_, old_, options, host_);
    return SideTokens(fresh_, '+') + " | " + SideTokens(old_, '-');
  }
  static MatchOptions Options(bool last_section) {
    MatchOptions options;
    options.LastSection = last_section;
    return options;
  }

  Section fresh_;
  Section old_;
  size_t new_extent_ = 0;
  size_t old_extent_ = 0;
  testkit::RecordingHost host_;
};

// Sections from a table, each matched as the last section of a pair or as
// one that more sections follow.
TEST_F(LineMatcherTest, EachMatchOfTheTable) {
  testkit::ForEachCase("tests/engine/cases/section_matches.txt", [&](const testkit::TableCase& c) {
    MatchOptions options = Options(c[2].find("more") == std::string::npos);
    options.Fmvl = c[2].find("Fmvl") != std::string::npos;
    options.dp_active = c[2].find("Dp") != std::string::npos;
    EXPECT_EQ(Match(c[0], c[1], options), Spaced(Words(c[3])) + " | " + Spaced(Words(c[4])));
    if (c.fields.size() > 5) {
      EXPECT_EQ(BlockStarts(fresh_) + " | " + BlockStarts(old_), c[5] + " | " + c[6]);
    }
  });
}

// A cut section keeps its lines up to the furthest accepted block, and the
// end sentinel moves to just behind them.
TEST_F(LineMatcherTest, ACutSectionKeepsItsLinesAndMovesItsSentinel) {
  EXPECT_EQ(Match("K{1..5} new{1..10} S", "K{1..5} old{1..10} S", Options(false)),
            "=1 =2 =3 =4 =5 | =1 =2 =3 =4 =5");
  for (const Section* side : {&fresh_, &old_}) {
    for (int k = 1; k <= 5; ++k) EXPECT_FALSE(side->line[k].Text.empty()) << "kept line " << k;
    const InputLine& sentinel = side->line[6];
    EXPECT_TRUE(sentinel.BlockStart && sentinel.end_sentinel);
    EXPECT_FALSE(sentinel.Matched || sentinel.NoMatch || sentinel.IsDp || sentinel.Moved);
    EXPECT_EQ(sentinel.Link, 6);
    EXPECT_TRUE(sentinel.Text.empty());
  }
}

// A random line of a vocabulary of `words` words: now and then with a blank
// inside (equal in compare form to the word without it) or, with `dp_lines`,
// a Dp line.
std::string RandomLine(std::mt19937& random, uint32_t words, bool dp_lines) {
  const uint32_t word = random() % words;
  const uint32_t form = random() % 16;
  if (dp_lines && form == 0) return kDpLineMark + std::to_string(word);
  if (form == 1) return "w_" + std::to_string(word);
  return "w" + std::to_string(word);
}

// The new side made from the old by random edits: lines kept, dropped,
// replaced, added and, now and then, a stretch moved to another place.
std::vector<std::string> Edited(std::mt19937& random, const std::vector<std::string>& old_texts,
                                uint32_t words, bool dp_lines) {
  std::vector<std::string> texts;
  for (const std::string& text : old_texts) {
    const uint32_t edit = random() % 10;
    if (edit == 0) continue;
    if (edit == 1) texts.push_back(RandomLine(random, words, dp_lines));
    if (edit == 2) texts.push_back(RandomLine(random, words, dp_lines));
    if (edit != 1) texts.push_back(text);
  }
  if (texts.size() > 8 && random() % 4 == 0) {
    const size_t from = random() % (texts.size() / 2);
    const size_t count = 1 + random() % 4;
    std::vector<std::string> stretch(texts.begin() + from, texts.begin() + from + count);
    texts.erase(texts.begin() + from, texts.begin() + from + count);
    texts.insert(texts.end() - random() % 3, stretch.begin(), stretch.end());
  }
  return texts;
}

// Folds `text` into a 64-bit FNV-1a digest.
uint64_t Digest(uint64_t digest, const std::string& text) {
  for (const char c : text) digest = (digest ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  return digest;
}

// Ten thousand random section pairs, a tenth of them under each option set
// in turn and one in fifty large enough to be cut: every pair's links,
// moved lines and block starts, digested ten pairs a line, as the matcher
// gave them when the golden was written. A change made for speed must leave
// each of them as it was.
TEST_F(LineMatcherTest, RandomSectionsKeepEveryLink) {
  constexpr int kPairs = 10000;
  constexpr int kPairsALine = 10;
  constexpr uint64_t kDigestStart = 0xcbf29ce484222325ULL;
  std::mt19937 random(20261207);
  std::vector<std::string> digests;
  uint64_t digest = kDigestStart;
  for (int k = 0; k < kPairs; ++k) {
    MatchOptions options = Options((k & 4) != 0);
    options.dp_active = (k & 1) != 0;
    options.Fmvl = (k & 2) != 0;
    const uint32_t words = 1 + random() % 40;
    const uint32_t lines = k % 50 == 49 ? 100 + random() % 900 : random() % 60;
    std::vector<std::string> old_texts;
    for (uint32_t n = 0; n < lines; ++n) {
      old_texts.push_back(RandomLine(random, words, options.dp_active));
    }
    const std::vector<std::string> new_texts =
        k % 7 == 0 ? std::vector<std::string>(old_texts.rbegin(), old_texts.rend())
                   : Edited(random, old_texts, words, options.dp_active);
    const std::string tokens = Match(Spaced(new_texts), Spaced(old_texts), options);
    digest = Digest(digest, tokens + " | " + BlockStarts(fresh_) + " | " + BlockStarts(old_));
    if (k % kPairsALine == kPairsALine - 1) {
      char line[40];
      std::snprintf(line, sizeof line, "%d %016llx", k + 1 - kPairsALine,
                    static_cast<unsigned long long>(digest));
      digests.push_back(line);
      digest = kDigestStart;
    }
  }
  testkit::ExpectGoldenLines("tests/engine/golden/random_section_links.txt", digests);
}

TEST_F(LineMatcherTest, ShowsCycleStatusOnTheFirstCycleAndEveryFiftieth) {
  // Every other line differs: single-line blocks, nine accepted a cycle.
  std::string new_words;
  std::string old_words;
  for (int k = 1; k <= 1000; ++k) {
    new_words += " line" + std::to_string(k);
    old_words += (k % 2 == 0 ? " changed" : " line") + std::to_string(k);
  }
  MatchOptions options = Options(true);
  options.new_section_start = 100;
  options.old_section_start = 200;
  Match(new_words, old_words, options);
  testkit::ExpectGoldenLines("tests/engine/golden/cycle_status.txt", host_.log.events);
  for (int32_t k = 1; k <= fresh_.count; ++k) {
    EXPECT_EQ(fresh_.line[k].Matched, k % 2 == 1) << "new line " << k;
  }
}

}  // namespace
}  // namespace kestrin
