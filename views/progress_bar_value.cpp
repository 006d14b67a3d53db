// The progress bar's value for a run's progress.
#include "views/progress_bar_value.h"

#include <algorithm>
#include <cstdint>

namespace kestrin {
namespace {

// Each pair is one step of this many units; the bar's maximum stays far
// below the largest int for any number of pairs a run can hold.
constexpr int64_t kUnitsPerPair = 1000;

}  // namespace

ProgressBarValue BarValueOf(const RunProgress& progress) {
  const int64_t pairs = std::max<int64_t>(1, progress.pair_count);
  const int64_t done = std::clamp<int64_t>(progress.pairs_done, 0, pairs);
  int64_t part = 0;
  if (progress.pair_bytes > 0 && done < pairs) {
    part = std::clamp<int64_t>(progress.bytes_read, 0, progress.pair_bytes) * kUnitsPerPair /
           progress.pair_bytes;
  }
  return {static_cast<int>(done * kUnitsPerPair + part), static_cast<int>(pairs * kUnitsPerPair)};
}

}  // namespace kestrin
