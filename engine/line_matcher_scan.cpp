// The scan of one matching cycle: every new line of the window is tried as
// the start of a block against its candidate old lines, and the longest
// blocks found are kept in the candidate table.
#include "engine/line_matcher_state.h"

namespace kestrin::matching {
namespace {

// A block being extended from its start.
struct Extension {
  int32_t i = 0;        // new start (moves back with the backward extension)
  int32_t j = 0;        // old start
  int32_t n = 0;        // first new line past the block
  int32_t o = 0;        // first old line past the block
  int32_t forward = 0;  // equal pairs found forward from the original start
  int32_t back = 0;     // equal pairs added before it
};

void StartAt(const MatchState& state, Extension& block, int32_t j) {
  block.j = j;
  block.forward = 1;
  block.back = 0;
  block.n = state.NextNew(block.i + 1);
  block.o = state.NextOld(j + 1);
}

// Extends forward while the next lines pair up inside the window.
void ExtendForward(const MatchState& state, Extension& block) {
  while (block.o < state.old_end && block.n < state.new_end && state.Same(block.n, block.o)) {
    ++block.forward;
    block.n = state.NextNew(block.n + 1);
    block.o = state.NextOld(block.o + 1);
  }
}

// Adds the equal pairs just before the start, never the lines at the window
// start themselves.
void ExtendBackward(const MatchState& state, Extension& block) {
  if (block.i <= state.new_pos || block.j <= state.old_pos) return;
  int32_t p = state.PreviousNew(block.i - 1);
  int32_t q = state.PreviousOld(block.j - 1);
  while (p > state.new_pos && q > state.old_pos && state.Same(p, q)) {
    block.i = p;
    block.j = q;
    ++block.back;
    p = state.PreviousNew(p - 1);
    q = state.PreviousOld(q - 1);
  }
}

// Records a block that stopped before (n, o). Returns true when a bridge let
// the block go on; otherwise the block has been offered to the table.
bool RecordBlock(MatchState& state, Extension& block, int32_t& next_i) {
  ExtendBackward(state, block);
  if (state.LargeMode && block.forward + block.back >= kBridgeMinLength) {
    if (const auto bridge = state.Bridge(block.n, block.o)) {
      block.n = state.AdvanceNew(bridge->fresh, kBridgeProof);
      block.o = state.AdvanceOld(bridge->old, kBridgeProof);
      block.forward += kBridgeProof;
      return true;
    }
  }
  state.table.Record({block.forward + block.back, block.i, block.j, state.PreviousNew(block.n - 1),
                      state.PreviousOld(block.o - 1)});
  if (block.n > next_i) next_i = block.n;
  return false;
}

// Tries new line `i` against its candidate old lines; returns the next new
// line to try.
int32_t ScanLine(MatchState& state, int32_t i) {
  int32_t next_i = state.NextNew(i + 1);
  InputLine& line = state.New(i);
  if (line.IsDp) return next_i;
  int32_t j = line.Link;
  while (j < state.old_pos && j != 0) j = state.Old(j).Chain;
  line.Link = static_cast<uint16_t>(j);
  if (j == 0 || j >= state.old_end) {
    line.NoMatch = true;
    return next_i;
  }
  Extension block;
  block.i = i;
  StartAt(state, block, j);
  for (;;) {
    ExtendForward(state, block);
    const bool window_ended = block.o >= state.old_end;
    // In the first cycle of a large section a start that pairs only one line
    // is not worth its other candidates.
    if (!window_ended && state.LargeMode && block.forward == 1) return next_i;
    if (RecordBlock(state, block, next_i)) continue;
    if (window_ended || block.forward == 1) return next_i;
    const int32_t candidate = state.Old(block.j).Chain;
    if (candidate >= state.old_end) return next_i;
    StartAt(state, block, candidate);
  }
}

}  // namespace

void ScanWindow(MatchState& state) {
  state.table.Clear(state.LargeMode ? kLargeModeThreshold : 0);
  int32_t i = state.new_pos;
  while (i < state.new_end) {
    i = ScanLine(state, i);
    while (i < state.new_end && state.New(i).NoMatch) i = state.NextNew(i + 1);
  }
}

}  // namespace kestrin::matching
