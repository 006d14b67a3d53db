// The main window's progress bar: pairs done of the run's pairs, the pair in
// hand filled by its bytes read.
#include "views/progress_bar_value.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrin {
namespace {

TEST(ProgressBarValueTest, PairsDoneAndTheBytesOfThePairInHand) {
  struct Case {
    RunProgress progress;
    int value, maximum;
  };
  const Case cases[] = {
      {{0, 1, 0, 200}, 0, 1000},        // one pair, nothing read
      {{0, 1, 50, 200}, 250, 1000},     // a quarter of its bytes
      {{1, 1, 0, 0}, 1000, 1000},       // done
      {{2, 4, 100, 100}, 3000, 4000},   // third pair read whole
      {{3, 4, 0, 0}, 3000, 4000},       // an empty pair shows the pairs done
      {{5, 4, 9, 1}, 4000, 4000},       // never past the end
      {{0, 0, 0, 0}, 0, 1000},          // a run of no pairs
      {{0, 1, -5, 10}, 0, 1000},
  };
  for (const Case& c : cases) {
    const RunProgress& p = c.progress;
    const std::string input = std::to_string(p.pairs_done) + "/" + std::to_string(p.pair_count) +
                              " " + std::to_string(p.bytes_read) + "/" +
                              std::to_string(p.pair_bytes);
    EXPECT_EQ(BarValueOf(p), (ProgressBarValue{c.value, c.maximum})) << input;
  }
}

}  // namespace
}  // namespace kestrin
