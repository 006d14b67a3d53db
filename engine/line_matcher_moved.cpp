// The moved-line pass (Fmvl): blocks of lines left unpaired by the main pass
// that occur on both sides, out of order, are linked to each other as moved
// lines (IM on the new side, DM on the old side).
#include "engine/line_matcher_state.h"

namespace kestrin::matching {
namespace {

// A new line still free to be a moved line.
bool NewFree(MatchState& state, int32_t i) {
  const InputLine& line = state.New(i);
  return !line.Matched && !line.NoMatch;
}

// An old line still free to be a moved line.
bool OldFree(MatchState& state, int32_t j) {
  const InputLine& line = state.Old(j);
  return !line.Matched && !line.Moved;
}

bool FreePair(MatchState& state, int32_t a, int32_t b) {
  return state.Same(a, b) && NewFree(state, a) && OldFree(state, b);
}

// Gives every free new line its first equal old line, matched or not.
void FindCandidates(MatchState& state) {
  state.IndexOldSide();
  for (int32_t i = 1; i <= state.NewCount(); ++i) {
    InputLine& line = state.New(i);
    if (line.IsDp || line.Matched) continue;
    line.NoMatch = false;
    const int32_t j = state.FirstEqualOld(i);
    line.Link = static_cast<uint16_t>(j);
    if (j > state.OldCount()) line.NoMatch = true;
  }
  state.ReleaseIndex();
}

// The block of free equal pairs at (i, j), extended both ways; backwards it
// never takes line 1 of either side.
Candidate FreeBlockAt(MatchState& state, int32_t i, int32_t j) {
  Candidate block{0, i, j, i, j};
  int32_t a = i;
  int32_t b = j;
  while (FreePair(state, a, b)) {
    ++block.length;
    block.new_last = a;
    block.old_last = b;
    a = state.NextNew(a + 1);
    b = state.NextOld(b + 1);
  }
  int32_t p = state.PreviousNew(i - 1);
  int32_t q = state.PreviousOld(j - 1);
  while (p > 1 && q > 1 && FreePair(state, p, q)) {
    ++block.length;
    block.new_start = p;
    block.old_start = q;
    p = state.PreviousNew(p - 1);
    q = state.PreviousOld(q - 1);
  }
  return block;
}

// Tries every free new line from the new position against its candidate old
// lines at or after the old position.
void ScanFreeLines(MatchState& state) {
  int32_t i = state.new_pos;
  while (i <= state.NewCount()) {
    int32_t next_i = state.NextNew(i + 1);
    InputLine& line = state.New(i);
    int32_t j = line.Link;
    while (j < state.old_pos && j != 0) j = state.Old(j).Chain;
    line.Link = static_cast<uint16_t>(j);
    for (; j >= 1 && j <= state.OldCount(); j = state.Old(j).Chain) {
      const InputLine& candidate = state.Old(j);
      if (candidate.Matched || candidate.Moved || candidate.IsDp) continue;
      const Candidate block = FreeBlockAt(state, i, j);
      if (block.length == 0) continue;
      state.table.Record(block);
      const int32_t past_block = state.NextNew(block.new_last + 1);
      if (past_block > next_i) next_i = past_block;
    }
    i = next_i;
    while (i <= state.NewCount() && !NewFree(state, i)) i = state.NextNew(i + 1);
  }
}

// True iff every line pair of the block is still free and equal.
bool StillFree(MatchState& state, const Candidate& block) {
  int32_t a = block.new_start;
  int32_t b = block.old_start;
  for (int32_t k = 0; k < block.length; ++k) {
    if (!FreePair(state, a, b)) return false;
    a = state.NextNew(a + 1);
    b = state.NextOld(b + 1);
  }
  return true;
}

void MarkMoved(MatchState& state, const Candidate& block) {
  int32_t a = block.new_start;
  int32_t b = block.old_start;
  for (int32_t k = 0; k < block.length; ++k) {
    InputLine& fresh = state.New(a);
    InputLine& old = state.Old(b);
    fresh.Link = static_cast<uint16_t>(b);
    old.Link = static_cast<uint16_t>(a);
    fresh.Moved = old.Moved = true;
    fresh.NoMatch = true;
    a = state.NextNew(a + 1);
    b = state.NextOld(b + 1);
  }
}

// Moves both positions to the first lines still free; false when either side
// has none left.
bool NextFreePositions(MatchState& state) {
  while (state.old_pos <= state.OldCount() && !OldFree(state, state.old_pos)) {
    state.old_pos = state.NextOld(state.old_pos + 1);
  }
  if (state.old_pos > state.OldCount()) return false;
  while (state.new_pos <= state.NewCount() && !NewFree(state, state.new_pos)) {
    state.new_pos = state.NextNew(state.new_pos + 1);
  }
  return state.new_pos <= state.NewCount();
}

}  // namespace

void MovedLinePass(MatchState& state) {
  FindCandidates(state);
  state.new_pos = state.NextNew(1);
  state.old_pos = state.NextOld(1);
  for (;;) {
    state.table.Clear(0);
    if (!NextFreePositions(state)) return;
    ScanFreeLines(state);
    if (state.table.empty()) return;
    // The first, longest block is free as found; each later one only if the
    // blocks marked before it left it so.
    for (const Candidate& block : state.table) {
      if (StillFree(state, block)) MarkMoved(state, block);
    }
  }
}

}  // namespace kestrin::matching
