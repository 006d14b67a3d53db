// The run's progress as the host sees it.
#include "engine/run_progress.h"

#include <algorithm>

#include "engine/side_file.h"

namespace kestrin {

void ShowPairProgress(CompareRun& run, int64_t bytes_read) {
  const int64_t pair_bytes = std::max<int64_t>(0, run.new_side.file_size) +
                             std::max<int64_t>(0, run.old_side.file_size);
  run.host.ShowRunProgress(
      {run.state.CurrentPair, run.state.pair_count, std::min(bytes_read, pair_bytes), pair_bytes});
}

void ShowPairDone(CompareRun& run) {
  run.host.ShowRunProgress({run.state.CurrentPair + 1, run.state.pair_count, 0, 0});
}

int64_t TextBytesRead(const CompareRun& run) {
  return NextLineOffset(run.new_side) + NextLineOffset(run.old_side);
}

}  // namespace kestrin
