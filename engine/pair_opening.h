// Opening and closing one pair of a run: the settings snapshot at the first
// pair, the open and seek questions, the Aeqf shortcut and the binary test.
#ifndef KESTRIN_ENGINE_PAIR_OPENING_H_
#define KESTRIN_ENGINE_PAIR_OPENING_H_

#include <cstdint>
#include <string_view>

#include "engine/compare_settings.h"
#include "engine/pair_run.h"

namespace kestrin {

// Only the first bytes of the new file are inspected to classify a pair.
inline constexpr int64_t kBinaryTestSize = 2048;
// A pair is binary when its new file's first line holds this many control
// characters.
inline constexpr int kBinaryControlLimit = 9;

// Opens pair run.state.CurrentPair. At the first pair it takes the snapshot
// from `controls` first: a failed snapshot sets RunFault, invalid Ccol ranges
// set CcolError and PairRC 1, and nothing is opened. An open or seek failure
// sets PairRC 8 and OpenFailed with what failed, and asks whether to stop
// (Yes sets HaltRequested). Otherwise
// both files are open at byte 0 with their lengths and times known, and the
// pair is classified (EqualByAeqf, IsBinary) with its directory entry.
void OpenPair(CompareRun& run, ControlValues& controls);

// Closes the pair's files; the read blocks and the section arrays keep
// their room for the next pair.
void ClosePair(CompareRun& run);

// True iff `start` (the first bytes of a new file) holds kBinaryControlLimit
// control characters before its first CR LF. Tab, line feed and carriage
// return are not control characters here.
bool StartLooksBinary(std::string_view start);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_PAIR_OPENING_H_
