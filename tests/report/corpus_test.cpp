// The engine's regression corpus: a few hundred seeded, varied file pairs --
// edits, moved blocks, repeated lines, reformats, case changes, the comments
// of every Dp option, long lines, pairs longer than one section, and mixed
// line ends -- each run under the option sets of cases/corpus_option_sets.txt,
// every report kept whole in one golden file per option set under
// tests/report/golden/corpus/
// (KESTRIN_UPDATE_GOLDEN=1 rewrites them). A change in how lines are matched,
// filtered, counted or listed shows as the first differing line and the pair
// it belongs to. The generator's own random numbers (splitmix64, reduced by
// remainder) keep the corpus the same on every platform and standard library.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/compare_settings.h"
#include "tests/common/case_table.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

struct CorpusPair {
  std::string name;               // what the pair shows, for a failure message: "7 moved Dcpp"
  DpChoice dp = DpChoice::kNone;  // the Dp option whose comments the pair holds
  std::string new_bytes;
  std::string old_bytes;
};

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // A number in [0, n).
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  // True `percent` times in a hundred.
  bool Chance(int percent) { return Below(100) < percent; }
  template <typename T, size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[static_cast<size_t>(Below(static_cast<int>(N)))];
  }

 private:
  uint64_t state_;
};

using Lines = std::vector<std::string>;

// What a pair mainly shows; every pair also gets a few ordinary edits.
enum class Kind { kEdits, kMoved, kRepeated, kReformat, kCase, kLong, kLineEnds, kEdge, kSection };
constexpr int kKinds = 9;
constexpr int kSectionEvery = 80;
constexpr std::array<const char*, kKinds> kKindNames = {
    "edits", "moved", "repeated", "reformat", "case", "long", "line-ends", "edge", "section"};

constexpr std::array<const char*, 12> kWords = {"alpha", "beta", "count", "total",  "index", "name",
                                                "Value", "ITEM", "Zeta",  "buffer", "size",  "x"};
constexpr std::array<const char*, 8> kShapes = {
    "%a = %b + %n;",   "if (%a < %b) {", "}",           "return %a;",
    "call %a(%b, %n)", "%a := %b * %n",  "while %a do", "end"};

// The comments of one Dp option.
struct DpComments {
  // Comment lines and comments after code, each taken by its chance in a
  // hundred when none before it was; the last one otherwise.
  std::vector<std::pair<int, const char*>> lines;
  // A comment spanning lines; two comment lines where there is none.
  Lines block = {};
};

// In DpChoice order.
const DpComments kDpComments[kDpOptionCount] = {
    {{{50, ""}, {0, "    "}}},
    {{{50, "; %p"}, {0, "   ;%p"}}},
    {{{70, "rem %p"}, {0, "REM %p"}}},
    {{{50, ""}, {0, "    "}}},
    {{{40, "{ %p }"}, {50, "x := 1; (* %p *)"}, {0, "{$define %p}"}},
     {"{ %p", "  more %p", "end }"}},
    {{{40, "// %p"}, {50, "{ don't %p }"}, {0, "s := '// %p'; // %p"}},
     {"{ %p", "  more %p", "end }"}},
    {{{40, "// %p"}, {50, "s = \"http://%p\";"}, {0, "a = b; /* %p */"}},
     {"/* %p", " * \"quoted */", "x = 2; // %p"}},
    {{{30, "' %p"}, {40, "x = 1 ' %p"}, {50, "s = \"it's\" ' %p"}, {0, "10 REM %p"}}},
    {{{0, "<p>%p<!-- hidden %p --></p>"}}, {"<!-- %p", "%p -->"}},
    {{{0, "000%c* %p"}}},
    {{{50, "# %p"}, {0, "code(1) # %p"}}},
};

// `shape` with its slots filled: %p with `prose`, %n with a number below
// 100, %c with a number from 100 to 899, any other with a word.
std::string Filled(std::string shape, Random& random, const std::string& prose = "") {
  for (size_t at = shape.find('%'); at != std::string::npos; at = shape.find('%')) {
    const char slot = shape[at + 1];
    shape.replace(at, 2,
                  slot == 'p'   ? prose
                  : slot == 'n' ? std::to_string(random.Below(100))
                  : slot == 'c' ? std::to_string(100 + random.Below(800))
                                : std::string(random.Pick(kWords)));
  }
  return shape;
}

std::string Statement(Random& random) {
  const std::string line = Filled(random.Pick(kShapes), random);
  return std::string(static_cast<size_t>(random.Below(4) * 2), ' ') + line;
}

// One comment line of `dp`'s kind, or a comment after code.
std::string Comment(Random& random, DpChoice dp) {
  const std::string prose =
      std::string(random.Pick(kWords)) + " note " + std::to_string(random.Below(50));
  const auto& lines = kDpComments[static_cast<size_t>(dp)].lines;
  size_t k = 0;
  while (k + 1 < lines.size() && !random.Chance(lines[k].first)) ++k;
  return Filled(lines[k].second, random, prose);
}

Lines BlockComment(Random& random, DpChoice dp) {
  const std::string prose = std::string("spanning ") + random.Pick(kWords);
  Lines block = kDpComments[static_cast<size_t>(dp)].block;
  if (block.empty()) return {Comment(random, dp), Comment(random, dp)};
  for (std::string& line : block) line = Filled(line, random, prose);
  return block;
}

Lines BaseText(Random& random, DpChoice dp, int count) {
  Lines lines;
  while (static_cast<int>(lines.size()) < count) {
    const int roll = random.Below(100);
    if (roll < 12) {
      lines.push_back(Comment(random, dp));
    } else if (roll < 15) {
      for (std::string& line : BlockComment(random, dp)) lines.push_back(std::move(line));
    } else if (roll < 19) {
      lines.push_back("");
    } else {
      lines.push_back(Statement(random));
    }
  }
  return lines;
}

// A line inserted, a comment inserted, a line removed or a line replaced.
void Edit(Random& random, DpChoice dp, Lines& lines) {
  const auto at = lines.begin() + random.Below(static_cast<int>(lines.size()) + 1);
  const int action = random.Below(4);
  if (action < 2) {
    lines.insert(at, action == 0 ? Statement(random) : Comment(random, dp));
  } else if (action == 2 && at != lines.end()) {
    lines.erase(at);
  } else if (at != lines.end()) {
    *at = Statement(random);
  }
}

void MoveBlock(Random& random, Lines& lines) {
  const int size = static_cast<int>(lines.size());
  if (size < 6) return;
  const int length = 1 + random.Below(std::min(8, size / 3));
  const int from = random.Below(size - length);
  Lines block(lines.begin() + from, lines.begin() + from + length);
  lines.erase(lines.begin() + from, lines.begin() + from + length);
  const int to = random.Below(static_cast<int>(lines.size()) + 1);
  lines.insert(lines.begin() + to, block.begin(), block.end());
}

// Spaces added, removed or turned into tabs on some lines.
void Reformat(Random& random, Lines& lines) {
  for (std::string& line : lines) {
    if (!random.Chance(30)) continue;
    const int way = random.Below(3);
    if (way == 0) line = "  " + line;
    if (way == 1) std::erase(line, ' ');
    for (size_t at = line.find("  "); way == 2 && at != std::string::npos; at = line.find("  ")) {
      line.replace(at, 2, "\t");
    }
  }
}

void ChangeCase(Random& random, Lines& lines) {
  for (std::string& line : lines) {
    if (!random.Chance(30)) continue;
    const bool upper = random.Chance(50);
    for (char& c : line) c = static_cast<char>(upper ? std::toupper(c) : std::tolower(c));
  }
}

std::string LongLine(Random& random) {
  std::string line;
  const int length = 200 + random.Below(2100);
  while (static_cast<int>(line.size()) < length) line += std::string(random.Pick(kWords)) + ' ';
  return line;
}

// Lines joined with line ends: CR LF, or a mix of CR LF, LF and lone CR.
std::string Joined(Random& random, const Lines& lines, bool mixed_ends, bool last_end) {
  constexpr std::array<const char*, 3> kEnds = {"\r\n", "\n", "\r"};
  std::string text;
  for (size_t k = 0; k < lines.size(); ++k) {
    text += lines[k];
    if (k + 1 < lines.size() || last_end) text += mixed_ends ? random.Pick(kEnds) : "\r\n";
  }
  return text;
}

CorpusPair MakePair(Random& random, int number) {
  // Pairs longer than a section are few: their listings are long.
  const Kind kind = number % kSectionEvery == kSectionEvery / 2
                        ? Kind::kSection
                        : static_cast<Kind>(number % (kKinds - 1));
  const auto dp = static_cast<DpChoice>(random.Below(kDpOptionCount));
  const std::string name = std::to_string(number) + " " + kKindNames[static_cast<size_t>(kind)] +
                           " " + std::string(DpKeyword(dp));
  const int count = kind == Kind::kSection ? 8100 + random.Below(300) : 3 + random.Below(45);
  Lines old_lines = BaseText(random, dp, count);
  for (std::string& line : old_lines) {
    if (kind == Kind::kRepeated && random.Chance(60)) line = random.Chance(50) ? "}" : "end";
    if (kind == Kind::kLong && random.Chance(25)) line = LongLine(random);
  }
  Lines new_lines = old_lines;
  int edits = kind == Kind::kEdits ? 2 + random.Below(6) : random.Below(3);
  if (kind == Kind::kSection) edits += 4;
  for (int k = 0; k < edits; ++k) Edit(random, dp, new_lines);
  if (kind == Kind::kMoved || kind == Kind::kRepeated) MoveBlock(random, new_lines);
  if (kind == Kind::kMoved && random.Chance(50)) MoveBlock(random, new_lines);
  if (kind == Kind::kReformat) Reformat(random, new_lines);
  if (kind == Kind::kCase) ChangeCase(random, new_lines);
  if (kind == Kind::kLong) new_lines.insert(new_lines.begin(), LongLine(random));
  if (kind == Kind::kEdge && random.Chance(30)) {
    new_lines.clear();
  } else if (kind == Kind::kEdge && random.Chance(40)) {
    old_lines.clear();
  }
  const bool mixed = kind == Kind::kLineEnds;
  // A braced list is evaluated in order: the new file's ends are drawn first.
  return {name, dp, Joined(random, new_lines, mixed, !random.Chance(10)),
          Joined(random, old_lines, mixed, !random.Chance(10))};
}

// `count` pairs made from `seed`; the same seed always gives the same bytes.
std::vector<CorpusPair> GenerateCorpus(uint64_t seed, int count) {
  Random random(seed);
  std::vector<CorpusPair> pairs;
  for (int number = 0; number < count; ++number) pairs.push_back(MakePair(random, number));
  return pairs;
}

constexpr uint64_t kCorpusSeed = 13;
constexpr int kCorpusPairs = 240;

TEST(CorpusTest, ReportsMatchTheirGoldens) {
  const std::vector<CorpusPair> corpus = GenerateCorpus(kCorpusSeed, kCorpusPairs);
  testkit::ForEachCase(
      "tests/report/cases/corpus_option_sets.txt", [&](const testkit::TableCase& set) {
        std::vector<std::string> lines;
        for (const CorpusPair& pair : corpus) {
          if (!set.Flag(4) && pair.new_bytes.size() > 50000) continue;
          const bool with_dp = set.Flag(3) && pair.dp != DpChoice::kNone;
          const std::string dp = with_dp ? std::string(DpKeyword(pair.dp)) + " " : "";
          ControlValues controls = report_support::ControlsWith(set[1], dp + set[2]);
          if (set.fields.size() > 5) {
            controls.new_range1 = set[5];
            controls.old_range1 = set[6];
          }
          report_support::ReportRun run;
          report_support::RunOnePair(pair.new_bytes, pair.old_bytes, controls, run);
          lines.push_back("==== " + pair.name + ": " + run.final_message);
          lines.insert(lines.end(), run.lines.Primary.begin(), run.lines.Primary.end());
          if (!run.lines.Secondary.empty()) {
            lines.push_back("---- secondary");
            lines.insert(lines.end(), run.lines.Secondary.begin(), run.lines.Secondary.end());
          }
        }
        testkit::ExpectGoldenLines("tests/report/golden/corpus/" + set[0] + ".txt", lines);
      });
}

}  // namespace
}  // namespace kestrin
