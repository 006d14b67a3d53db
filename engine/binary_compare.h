// The compare of a binary pair as two byte streams: equal or different, with
// the two file lengths.
#ifndef KESTRIN_ENGINE_BINARY_COMPARE_H_
#define KESTRIN_ENGINE_BINARY_COMPARE_H_

#include <cstdint>

#include "engine/pair_run.h"

namespace kestrin {

// Eight times the line buffer: large enough to keep the reads few, small
// enough that Halt is noticed quickly.
inline constexpr int64_t kBinaryChunkSize = 16384;
// The status text is refreshed after every eighth chunk.
inline constexpr int64_t kBinaryStatusInterval = 131072;

// Compares the opened pair's two files: records both lengths, sets PairDone,
// and sets Differs and PairRC 1 when they differ. Files of different length
// differ without being read; with EqualByAeqf nothing is read. Pending events
// run after every new chunk; a halt request ends the compare unfinished.
// REQUIRES: both files open and positioned at byte 0, their lengths known.
void CompareBinary(CompareRun& run);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_BINARY_COMPARE_H_
