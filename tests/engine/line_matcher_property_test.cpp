// Seeded random section pairs: whatever the lines, the match result keeps
// its promises.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/line_matcher.h"
#include "tests/engine/engine_support.h"
#include "tests/engine/matcher_support.h"

namespace kestrin::matcher_test {
namespace {

// Line texts drawn by the generator: few enough that lines repeat, with blank
// variants that match each other, a pair with equal hashes but different
// texts ("abcd", "cdab"), and a line whose hash and start equal another's.
const std::vector<std::string> kAlphabet = {
    "alpha",   "al pha", "beta", "gamma", "delta", "abcd",  "cdab",   "ab", "abAB\xBF\xBD",
    "epsilon", "zeta",   "eta",  "theta", "iota",  "kappa", "lambda", "mu", "nu",
};

struct RandomPair {
  std::vector<std::string> new_texts;
  std::vector<std::string> old_texts;
  MatchOptions options;
};

std::string Describe(const RandomPair& input) {
  std::ostringstream out;
  out << "Fmvl=" << input.options.Fmvl << " LastSection=" << input.options.LastSection
      << " dp_active=" << input.options.dp_active << "\nnew:";
  for (const auto& text : input.new_texts) out << " [" << text << "]";
  out << "\nold:";
  for (const auto& text : input.old_texts) out << " [" << text << "]";
  return out.str();
}

class PairGenerator {
 public:
  explicit PairGenerator(uint32_t seed) : random_(seed) {}

  RandomPair Next() {
    RandomPair input;
    const int alphabet = Pick(2, static_cast<int>(kAlphabet.size()));
    const bool with_dp = Pick(0, 2) == 0;
    // Mostly small sections; some large enough for the first-pass rules.
    const int most = Pick(0, 4) == 0 ? 400 : 40;
    input.new_texts = Lines(Pick(0, most), alphabet, with_dp);
    input.old_texts = Pick(0, 3) == 0 ? Edited(input.new_texts, alphabet)
                                      : Lines(Pick(0, most), alphabet, with_dp);
    input.options.dp_active = with_dp;
    input.options.Fmvl = Pick(0, 1) == 1;
    input.options.LastSection = Pick(0, 1) == 1;
    return input;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string Text(int alphabet, bool with_dp) {
    if (with_dp && Pick(0, 5) == 0) return std::string(1, kDpLineMark) + "comment";
    return kAlphabet[static_cast<size_t>(Pick(0, alphabet - 1))];
  }

  std::vector<std::string> Lines(int count, int alphabet, bool with_dp) {
    std::vector<std::string> lines;
    for (int k = 0; k < count; ++k) lines.push_back(Text(alphabet, with_dp));
    return lines;
  }

  // A copy with a few lines replaced, dropped, added or moved.
  std::vector<std::string> Edited(std::vector<std::string> lines, int alphabet) {
    const int edits = Pick(0, 6);
    for (int e = 0; e < edits && !lines.empty(); ++e) {
      const auto at = static_cast<size_t>(Pick(0, static_cast<int>(lines.size()) - 1));
      switch (Pick(0, 3)) {
        case 0:
          lines[at] = Text(alphabet, false);
          break;
        case 1:
          lines.erase(lines.begin() + static_cast<long>(at));
          break;
        case 2:
          lines.insert(lines.begin() + static_cast<long>(at), Text(alphabet, false));
          break;
        default: {
          const auto to = static_cast<size_t>(Pick(0, static_cast<int>(lines.size()) - 1));
          std::swap(lines[at], lines[to]);
        }
      }
    }
    return lines;
  }

  std::mt19937 random_;
};

bool SameCompareForm(const InputLine& a, const InputLine& b) {
  return a.Hash == b.Hash && a.SqueezedLen == b.SqueezedLen && a.Text.size() >= a.SqueezedLen &&
         b.Text.size() >= b.SqueezedLen &&
         std::memcmp(a.Text.data(), b.Text.data(), a.SqueezedLen) == 0;
}

// The first broken promise of a partner link from `line` (index `k` of its
// side) into `other`, or "".
std::string CheckPartner(const InputLine& line, int32_t k, const Section& other, bool moved) {
  if (line.Link < 1 || line.Link > other.count) return "partner outside the other side";
  const InputLine& partner = other.line[line.Link];
  if (moved ? !partner.Moved : !partner.Matched) return "partner not paired the same way";
  if (partner.Link != k) return "links not symmetric";
  if (!SameCompareForm(line, partner)) return "partners differ in compare form";
  return "";
}

// The first broken promise of one side, or "".
std::string CheckSide(const Section& side, const Section& other, const MatchOptions& options) {
  for (int32_t k = 1; k <= side.count; ++k) {
    const InputLine& line = side.line[k];
    const std::string where = " at line " + std::to_string(k);
    if (line.IsDp && (line.Matched || line.Moved)) return "Dp line paired" + where;
    if (line.Matched && line.Moved) return "line both matched and moved" + where;
    if (line.Moved && !options.Fmvl) return "moved line without Fmvl" + where;
    if (!line.Matched && !line.Moved) continue;
    const std::string fault = CheckPartner(line, k, other, line.Moved);
    if (!fault.empty()) return fault + where;
  }
  return "";
}

std::string CheckResult(const Section& fresh, const Section& old, const RandomPair& input) {
  const auto new_before = static_cast<int32_t>(input.new_texts.size());
  const auto old_before = static_cast<int32_t>(input.old_texts.size());
  if (fresh.count > new_before || old.count > old_before) return "a count grew";
  if (input.options.LastSection && (fresh.count != new_before || old.count != old_before)) {
    return "the last section was cut";
  }
  if (fresh.count < new_before || old.count < old_before) {
    if (!fresh.line[fresh.count + 1].end_sentinel || !old.line[old.count + 1].end_sentinel) {
      return "cut without sentinels";
    }
  }
  std::string fault = CheckSide(fresh, old, input.options);
  if (fault.empty()) fault = CheckSide(old, fresh, input.options);
  if (!fault.empty()) return fault;
  int32_t last_partner = 0;
  for (int32_t k = 1; k <= fresh.count; ++k) {
    if (!fresh.line[k].Matched) continue;
    if (fresh.line[k].Link <= last_partner)
      return "matched pairs cross at new line " + std::to_string(k);
    last_partner = fresh.line[k].Link;
  }
  return "";
}

// The Matched flags of the new side, as a string of 0 and 1.
std::string MatchedFlags(const Section& side) {
  std::string flags;
  for (int32_t k = 1; k <= side.count; ++k) flags += side.line[k].Matched ? '1' : '0';
  return flags;
}

class LineMatcherPropertyTest : public ::testing::Test {
 protected:
  std::string Run(const RandomPair& input) {
    pair_.Fill(input.new_texts, input.old_texts);
    host_.calls.clear();
    MatchSection(pair_.fresh, pair_.old, input.options, host_);
    return DescribeMatch(fresh_, old_);
  }

  SectionPair pair_;
  Section& fresh_ = pair_.fresh;
  Section& old_ = pair_.old;
  engine_support::RecordingHost host_;
};

bool AnyMoved(const Section& side) {
  for (int32_t k = 1; k <= side.count; ++k) {
    if (side.line[k].Moved) return true;
  }
  return false;
}

TEST_F(LineMatcherPropertyTest, EveryResultKeepsItsPromises) {
  PairGenerator generator(20240611);
  int cut_rounds = 0;
  int moved_rounds = 0;
  int large_rounds = 0;
  for (int round = 0; round < 5000; ++round) {
    const RandomPair input = generator.Next();
    Run(input);
    const std::string fault = CheckResult(fresh_, old_, input);
    ASSERT_EQ(fault, "") << "round " << round << "\n" << Describe(input);
    if (fresh_.count < static_cast<int32_t>(input.new_texts.size())) ++cut_rounds;
    if (AnyMoved(fresh_)) ++moved_rounds;
    if (input.new_texts.size() > 15 && input.old_texts.size() > 15) ++large_rounds;
  }
  // The rounds reach every rule worth checking.
  EXPECT_GT(cut_rounds, 100);
  EXPECT_GT(moved_rounds, 100);
  EXPECT_GT(large_rounds, 1000);
}

TEST_F(LineMatcherPropertyTest, MovedLinePassLeavesMatchedLinesAlone) {
  PairGenerator generator(77);
  for (int round = 0; round < 1000; ++round) {
    RandomPair input = generator.Next();
    input.options.Fmvl = false;
    Run(input);
    const std::string without = MatchedFlags(fresh_) + "|" + MatchedFlags(old_);
    input.options.Fmvl = true;
    Run(input);
    ASSERT_EQ(MatchedFlags(fresh_) + "|" + MatchedFlags(old_), without) << "round " << round << "\n"
                                                                        << Describe(input);
  }
}

TEST_F(LineMatcherPropertyTest, SkippingDpLinesChangesNothingWithoutDpLines) {
  PairGenerator generator(4242);
  for (int round = 0; round < 1000; ++round) {
    RandomPair input = generator.Next();
    if (input.options.dp_active) continue;
    const std::string plain = Run(input);
    input.options.dp_active = true;
    ASSERT_EQ(Run(input), plain) << "round " << round << "\n" << Describe(input);
  }
}

TEST_F(LineMatcherPropertyTest, IdenticalSectionsMatchEveryLine) {
  PairGenerator generator(99);
  for (int round = 0; round < 500; ++round) {
    RandomPair input = generator.Next();
    input.old_texts = input.new_texts;
    Run(input);
    for (int32_t k = 1; k <= fresh_.count; ++k) {
      const InputLine& line = fresh_.line[k];
      ASSERT_TRUE(line.IsDp || (line.Matched && line.Link == k))
          << "line " << k << ", round " << round << "\n"
          << Describe(input);
    }
  }
}

// Working fields left set by an earlier use of the arrays, or by a fault
// elsewhere: the matcher must still stay inside the arrays and end.
TEST_F(LineMatcherPropertyTest, StaleWorkingFieldsNeverLeadOutsideTheArrays) {
  PairGenerator generator(8086);
  std::mt19937 random(8086);
  auto bits = [&random](int one_in) { return random() % static_cast<uint32_t>(one_in) == 0; };
  for (int round = 0; round < 1000; ++round) {
    RandomPair input = generator.Next();
    input.options.dp_active = bits(2);
    pair_.Fill(input.new_texts, input.old_texts);
    for (Section* side : {&pair_.fresh, &pair_.old}) {
      for (int32_t k = 0; k <= side->count + 1; ++k) {
        InputLine& line = side->line[k];
        line.Matched = bits(5);
        line.NoMatch = bits(5);
        line.BlockStart = bits(5);
        line.Moved = bits(5);
        line.IsDp = line.IsDp || bits(9);
        line.Link = static_cast<uint16_t>(random());
        line.Chain = static_cast<uint16_t>(random());
        if (bits(7)) line.SqueezedLen = static_cast<uint16_t>(random());
      }
    }
    MatchSection(pair_.fresh, pair_.old, input.options, host_);
    ASSERT_LE(pair_.fresh.count, static_cast<int32_t>(input.new_texts.size())) << Describe(input);
    ASSERT_LE(pair_.old.count, static_cast<int32_t>(input.old_texts.size())) << Describe(input);
  }
}

TEST_F(LineMatcherPropertyTest, FullSectionsKeepTheirPromises) {
  std::mt19937 random(7999);
  auto text = [&random] {
    return random() % 9 == 0 ? std::string(1, kDpLineMark)
                             : "text " + std::to_string(random() % 3000);
  };
  for (int round = 0; round < 4; ++round) {
    RandomPair input;
    for (int32_t k = 0; k < kMaxSectionLines; ++k) {
      input.new_texts.push_back(text());
      input.old_texts.push_back(text());
    }
    input.options.dp_active = true;
    input.options.Fmvl = round % 2 == 0;
    input.options.LastSection = round >= 2;
    Run(input);
    ASSERT_EQ(CheckResult(fresh_, old_, input), "") << "round " << round;
  }
}

}  // namespace
}  // namespace kestrin::matcher_test
