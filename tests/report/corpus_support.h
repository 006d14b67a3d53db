// The generator of the engine's regression corpus: a few hundred seeded,
// varied file pairs -- edits, moved blocks, repeated lines, reformats, case
// changes, the comments of every Dp option, long lines, pairs longer than
// one section, and mixed line ends.
#ifndef KESTRIN_TESTS_REPORT_CORPUS_SUPPORT_H_
#define KESTRIN_TESTS_REPORT_CORPUS_SUPPORT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/compare_settings.h"

namespace kestrin::corpus {

struct CorpusPair {
  std::string name;  // what the pair shows, for a failure message: "7 moved Dcpp"
  DpChoice dp = DpChoice::kNone;  // the Dp option whose comments the pair holds
  std::string new_bytes;
  std::string old_bytes;
};

// `count` pairs made from `seed`; the same seed always gives the same bytes.
std::vector<CorpusPair> GenerateCorpus(uint64_t seed, int count);

}  // namespace kestrin::corpus

#endif  // KESTRIN_TESTS_REPORT_CORPUS_SUPPORT_H_
