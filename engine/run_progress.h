// Telling the host how far the pair in hand has been read.
#ifndef KESTRIN_ENGINE_RUN_PROGRESS_H_
#define KESTRIN_ENGINE_RUN_PROGRESS_H_

#include <cstdint>

#include "engine/pair_run.h"

namespace kestrin {

// Shows the host the run's progress: the pairs before the current one done,
// `bytes_read` of the two files of the current pair read so far.
void ShowPairProgress(CompareRun& run, int64_t bytes_read);

// Shows the host that the current pair is done.
void ShowPairDone(CompareRun& run);

// The bytes of both sides of a text pair read so far.
int64_t TextBytesRead(const CompareRun& run);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_RUN_PROGRESS_H_
