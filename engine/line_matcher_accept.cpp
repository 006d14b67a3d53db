// Acceptance of the blocks a scan found: the longest is taken; every other is
// checked against the matched lines before and after it (its lower and upper
// anchors), trimmed where it overlaps them, and taken when it still fits.
#include <algorithm>

#include "engine/line_matcher_state.h"

namespace kestrin::matching {
namespace {

// An anchor: a new line and the old index it stands for.
using Anchor = LinePair;

// The matched (or no longer tried) lines just before a block's new start.
Anchor LowerAnchor(MatchState& state, int32_t start) {
  const InputLine& first = state.New(start);
  if (first.Matched || first.NoMatch) {
    Anchor anchor{start, first.Link};
    for (int32_t next = state.NextNew(start + 1); next <= state.NewCount();
         next = state.NextNew(next + 1)) {
      const InputLine& line = state.New(next);
      if (!line.Matched && !line.NoMatch) break;
      anchor.fresh = next;
      if (line.Matched) anchor.old = line.Link;
    }
    return anchor;
  }
  int32_t back = start;
  while (back > 1 && !state.New(back).Matched) --back;
  return {back, state.New(back).Link};
}

// The first new line at or after a block's new start where an accepted block
// begins (the end sentinel at the latest).
Anchor UpperAnchor(MatchState& state, int32_t start) {
  int32_t line = std::max(start, 1);
  while (line <= state.NewCount() && !state.New(line).BlockStart) ++line;
  if (line > state.NewCount()) return {state.NewCount() + 1, state.OldCount() + 1};
  return {line, std::min<int32_t>(state.New(line).Link, state.OldCount() + 1)};
}

// Moves the block's start past the lower anchor, over equal pairs (each
// shortens it by one) and over bridged gaps.
void TrimStart(MatchState& state, Candidate& block, const Anchor& lower) {
  while (block.length != 0 && (block.new_start <= lower.fresh || block.old_start <= lower.old)) {
    if (state.Same(block.new_start, block.old_start)) {
      block.new_start = state.NextNew(block.new_start + 1);
      block.old_start = state.NextOld(block.old_start + 1);
      --block.length;
    } else if (const auto bridge = state.Bridge(block.new_start, block.old_start)) {
      block.new_start = bridge->fresh;
      block.old_start = bridge->old;
    } else {
      block.length = 0;
    }
  }
  if (block.length == 0 || state.Same(block.new_start, block.old_start)) return;
  if (const auto bridge = state.Bridge(block.new_start, block.old_start)) {
    block.new_start = bridge->fresh;
    block.old_start = bridge->old;
  }
}

// Ends the block before the upper anchor on both sides.
void TrimEnd(MatchState& state, Candidate& block, const Anchor& upper) {
  const int32_t full_length = block.length;
  int32_t counted = 0;
  LinePair at{block.new_start, block.old_start};
  for (;;) {
    LinePair following;
    if (state.Same(at.fresh, at.old)) {
      ++counted;
      following = {state.NextNew(at.fresh + 1), state.NextOld(at.old + 1)};
    } else if (const auto bridge = state.Bridge(at.fresh, at.old)) {
      following = *bridge;
    } else {
      break;
    }
    if (counted >= full_length || following.fresh >= upper.fresh || following.old >= upper.old) {
      break;
    }
    at = following;
  }
  block.length = counted;
  block.new_last = at.fresh;
  block.old_last = at.old;
}

// Takes a block: marks its starts, narrows the next window to the part before
// it, and pairs its lines, stepping over bridged gaps.
void Accept(MatchState& state, const Candidate& block) {
  state.New(block.new_start).BlockStart = true;
  state.Old(block.old_start).BlockStart = true;
  if (block.new_start < state.new_end) {
    state.new_end = block.new_start;
    state.old_end = block.old_start;
  }
  int32_t a = block.new_start;
  int32_t b = block.old_start;
  for (int32_t paired = 0; paired < block.length;) {
    if (state.Same(a, b)) {
      if (state.New(a).Matched || state.Old(b).Matched) break;
      state.Pair(a, b);
      a = state.NextNew(a + 1);
      b = state.NextOld(b + 1);
      ++paired;
      continue;
    }
    const auto bridge = state.Bridge(a, b);
    if (!bridge) break;
    for (; a < bridge->fresh; a = state.NextNew(a + 1)) state.New(a).NoMatch = true;
    b = bridge->old;
  }
  if (state.first_cycle && !state.LastSection && block.new_last > state.furthest.fresh) {
    state.furthest = {block.new_last, block.old_last};
  }
}

bool SameBlock(const Candidate& a, const Candidate& b) {
  return a.length == b.length && a.new_start == b.new_start && a.old_start == b.old_start &&
         a.new_last == b.new_last && a.old_last == b.old_last;
}

enum class Verdict { kAccept, kDrop, kTrimStart, kTrimEnd };

Verdict Examine(MatchState& state, const Candidate& block, const Candidate& accepted_last,
                Anchor& anchor) {
  if (block.new_start >= accepted_last.new_start && block.new_last <= accepted_last.new_last) {
    return Verdict::kDrop;
  }
  // A block that ends at or before the lower anchor is trimmed away whole.
  anchor = LowerAnchor(state, block.new_start);
  if (block.new_start <= anchor.fresh || block.old_start <= anchor.old) return Verdict::kTrimStart;
  anchor = UpperAnchor(state, block.new_start);
  if (block.old_start >= anchor.old) return Verdict::kDrop;
  if (block.new_last >= anchor.fresh || block.old_last >= anchor.old) return Verdict::kTrimEnd;
  return Verdict::kAccept;
}

}  // namespace

void AcceptCandidates(MatchState& state) {
  CandidateTable& table = state.table;
  state.new_end = state.NewCount();
  state.old_end = state.OldCount();
  Accept(state, table[0]);
  Candidate accepted_last = table[0];
  int k = 1;
  while (k < table.size()) {
    Candidate& block = table[k];
    if (block.length == 0) {
      ++k;
      continue;
    }
    Anchor anchor;
    const Verdict verdict = Examine(state, block, accepted_last, anchor);
    if (verdict == Verdict::kAccept) {
      Accept(state, block);
      accepted_last = block;
      ++k;
      continue;
    }
    const Candidate before = block;
    if (verdict == Verdict::kTrimStart) TrimStart(state, block, anchor);
    if (verdict == Verdict::kTrimEnd) TrimEnd(state, block, anchor);
    // A trim that changes nothing would be examined again forever.
    if (verdict == Verdict::kDrop || SameBlock(before, block)) {
      block.length = 0;
      ++k;
      continue;
    }
    // Entry k is examined again: passed over when the trimmed block was
    // dropped, else the trimmed block or the one that took its place.
    table.Resettle(k);
  }
}

void CutSection(MatchState& state) {
  const LinePair last = state.furthest;
  for (int32_t i = last.fresh + 1; i <= state.NewCount(); ++i) state.New(i).Text.clear();
  for (int32_t j = last.old + 1; j <= state.OldCount(); ++j) state.Old(j).Text.clear();
  state.fresh.count = std::min(last.fresh, state.NewCount());
  state.old.count = std::min(last.old, state.OldCount());
  state.fresh.WriteSentinel(state.old.count);
  state.old.WriteSentinel(state.fresh.count);
}

void AdvanceWindow(MatchState& state) {
  bool passed_matched = false;
  for (;;) {
    const int32_t at = state.NextNew(state.new_pos);
    if (at > state.NewCount()) break;
    const InputLine& line = state.New(at);
    if (!line.Matched && !line.NoMatch) break;
    state.new_pos = at;
    if (line.Matched) {
      passed_matched = true;
      state.old_pos = state.NextOld(line.Link + 1);
      while (state.old_pos <= state.OldCount() && state.Old(state.old_pos).Matched) {
        state.new_pos = std::max(state.new_pos, state.NextNew(state.Old(state.old_pos).Link));
        state.old_pos = state.NextOld(state.old_pos + 1);
      }
    }
    state.new_pos = state.NextNew(state.new_pos + 1);
  }
  if (!passed_matched) return;
  const Anchor next_block = UpperAnchor(state, state.new_pos);
  state.new_end = next_block.fresh;
  state.old_end = next_block.old;
}

}  // namespace kestrin::matching
