// The binary compare: both files read chunk by chunk, new chunk first.
#include "engine/binary_compare.h"

#include <cstring>

#include "engine/engine_texts.h"
#include "engine/run_progress.h"
#include "engine/section_reader.h"

namespace kestrin {

namespace {

// Reads the side's next chunk into its read block. A read error counts as a
// chunk of its own size, -1, which no successful read on the other side
// matches, so the pair is taken as different rather than equal; the user is
// told of it.
int64_t ReadChunk(CompareRun& run, SideFile& side) {
  if (static_cast<int64_t>(side.ReadBlock.size()) < kBinaryChunkSize) {
    side.ReadBlock.resize(kBinaryChunkSize);
  }
  const int64_t got = side.handle->Read(side.ReadBlock.data(), kBinaryChunkSize);
  if (got < 0) {
    side.ReadFailed = true;
    ShowReadFailure(run, side);
  }
  return got;
}

void MarkDifferent(PairResult& pair) {
  pair.Differs = true;
  pair.PairRC = 1;
}

}  // namespace

void CompareBinary(CompareRun& run) {
  PairResult& pair = run.pair;
  pair.new_binary_size = run.new_side.file_size;
  pair.old_binary_size = run.old_side.file_size;
  pair.PairDone = true;
  if (pair.new_binary_size != pair.old_binary_size) {
    MarkDifferent(pair);
    return;
  }
  if (pair.EqualByAeqf) return;

  int64_t offset = 0;
  int64_t new_count = pair.new_binary_size;
  int64_t old_count = pair.old_binary_size;
  while (new_count == old_count && new_count > 0 && !pair.Differs && !run.state.HaltRequested) {
    new_count = ReadChunk(run, run.new_side);
    offset += kBinaryChunkSize;
    if (offset % kBinaryStatusInterval == 0) {
      run.host.SetStatus(BinaryReadStatus(run.state.CurrentPair, offset));
      run.host.ToggleProgress();
      ShowPairProgress(run, 2 * offset);
    }
    run.host.ProcessEvents();
    old_count = ReadChunk(run, run.old_side);
    if (new_count != old_count || new_count < 0) {
      MarkDifferent(pair);
    } else if (new_count > 0 &&
               std::memcmp(run.new_side.ReadBlock.data(), run.old_side.ReadBlock.data(),
                           static_cast<size_t>(new_count)) != 0) {
      MarkDifferent(pair);
    }
  }
}

}  // namespace kestrin
