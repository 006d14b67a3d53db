// Working state of one MatchSection call, shared by the matching steps: the
// window, the navigation over Dp lines, line equality, bridging and the
// candidate table. Nothing here outlives the call.
#ifndef KESTRIN_ENGINE_LINE_MATCHER_STATE_H_
#define KESTRIN_ENGINE_LINE_MATCHER_STATE_H_

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/input_line.h"
#include "engine/line_matcher.h"

namespace kestrin::matching {

// Old lines are indexed by the low 13 bits of their hash.
inline constexpr int32_t kHashBuckets = 8192;
// The candidate table keeps the nine longest blocks of a scan.
inline constexpr int kCandidateSlots = 9;
// In the first cycle of a large section only blocks longer than this count,
// so that long similar stretches are found in one pass.
inline constexpr int32_t kLargeModeThreshold = 3;
// LargeMode needs both counts above this.
inline constexpr int32_t kLargeModeMinLines = 15;
// A block whose forward and backward length reach this may be bridged.
inline constexpr int32_t kBridgeMinLength = 4;
// No bridge is tried this close to the end of a side.
inline constexpr int32_t kBridgeReach = 6;
// A bridge holds when this many line pairs after the skipped lines are equal.
inline constexpr int32_t kBridgeProof = 3;

// A line pair: a new index and an old index.
struct LinePair {
  int32_t fresh = 0;
  int32_t old = 0;
};

// One block found by a scan: `length` equal line pairs from the starts to the
// lasts (bridged lines are not counted).
struct Candidate {
  int32_t length = 0;
  int32_t new_start = 0;
  int32_t old_start = 0;
  int32_t new_last = 0;
  int32_t old_last = 0;
};

// Up to nine blocks, longest first; among equal lengths the earlier found
// stays first. An entry dropped during acceptance keeps its slot with length 0.
class CandidateTable {
 public:
  // Empties the table; a block must be longer than `threshold` to enter
  // while fewer than nine entries are held.
  void Clear(int32_t threshold);
  // The length a block must exceed to enter: entry 9's, or the threshold
  // while the table is not full.
  int32_t EntryNineLength() const;
  // Enters `block` when it is longer than EntryNineLength().
  void Record(const Candidate& block);
  // After a trim of entry `k`: drops it (length 0) when it is no longer than
  // entry 9, else moves it down past every entry at least as long.
  void Resettle(int k);

  int size() const { return size_; }
  bool empty() const { return size_ == 0; }
  Candidate& operator[](int k) { return entries_[k]; }
  // The entries held, longest first.
  const Candidate* begin() const { return entries_.data(); }
  const Candidate* end() const { return entries_.data() + size_; }

 private:
  std::array<Candidate, kCandidateSlots> entries_{};
  int size_ = 0;
  int32_t threshold_ = 0;
};

struct MatchState {
  MatchState(Section& new_section, Section& old_section, const MatchOptions& match_options);

  Section& fresh;  // the new side
  Section& old;
  const MatchOptions& options;

  int32_t new_pos = 1;  // first index of the current window on each side
  int32_t old_pos = 1;
  int32_t new_end = 1;  // first index past the current window on each side
  int32_t old_end = 1;
  bool LargeMode = false;
  bool LastSection = false;
  bool first_cycle = false;
  CandidateTable table;
  LinePair furthest;       // new last and old last of the furthest accepted block
  int64_t pairs_made = 0;  // matched pairs so far; a cycle that adds none must move the window
  std::vector<uint16_t> buckets;  // old lines by hash, while indexing
  // While indexing: the lowest old line of each compare key (hash, squeezed
  // length, fingerprint), by open addressing, and for each old line the next
  // one with its key. Only lines of one key can be equal, so the search for
  // equal old lines walks these short lists instead of whole hash buckets.
  std::vector<uint16_t> key_heads;
  std::vector<uint16_t> next_with_key;
  // Each line's hash, by index, or a value no line of the other side has
  // when the line can equal none. Same() reads these packed arrays first:
  // the scans try thousands of line pairs that differ, and the line records
  // are too large to stay in the cache.
  std::vector<uint32_t> new_hashes;
  std::vector<uint32_t> old_hashes;
  // Each line's group of equal lines, named by the lowest old line in it,
  // or a number that names no group (a different one on each side) for a
  // line that no line of the other side equals. Filled as the old side is
  // searched for every new line, so that Same() then settles a pair whose
  // hashes agree without comparing texts.
  std::vector<uint16_t> new_group;
  std::vector<uint16_t> old_group;

  int32_t NewCount() const { return fresh.count; }
  int32_t OldCount() const { return old.count; }
  InputLine& New(int32_t i) { return fresh.line[static_cast<size_t>(i)]; }
  InputLine& Old(int32_t j) { return old.line[static_cast<size_t>(j)]; }

  // The first new line at or after `i` that is not a Dp line; the new count
  // + 1 when `i` is beyond it. Unchanged when no Dp option is chosen.
  int32_t NextNew(int32_t i) const;
  // The first old line at or after `j` that is not a Dp line.
  int32_t NextOld(int32_t j) const;
  // Steps back from `i` over Dp lines, stopping at line 1.
  int32_t PreviousNew(int32_t i) const;
  int32_t PreviousOld(int32_t j) const;
  // `from` advanced by `steps` non-Dp lines.
  int32_t AdvanceNew(int32_t from, int32_t steps) const;
  int32_t AdvanceOld(int32_t from, int32_t steps) const;

  // True iff new line `a` and old line `b` lie within the counts, neither is
  // a Dp line, and they are equal in compare form. Asks the groups, so only
  // once Setup has searched the old side for every new line.
  bool Same(int32_t a, int32_t b) const;
  // The same, asked of the lines' texts: for that search.
  bool SameTexts(int32_t a, int32_t b) const;
  // True iff the two lines are in one group.
  bool SameGroup(int32_t a, int32_t b) const;
  // Looks for the first skip pattern after which three line pairs are equal
  // again; returns the pair where they start.
  std::optional<LinePair> Bridge(int32_t a, int32_t b) const;

  // Pairs new line `a` with old line `b` in order.
  void Pair(int32_t a, int32_t b);

  // Puts every non-Dp old line into its hash bucket, lowest index first,
  // threading each bucket through the old lines' Link; clears every Chain.
  // Builds key_heads and next_with_key as well.
  void IndexOldSide();
  // The lowest old line equal to new line `i` (old count + 1 if none),
  // chaining every further equal old line to it the first time it is found;
  // line `i` and those old lines are put in the group it names.
  int32_t FirstEqualOld(int32_t i);
  // Ends the indexing: frees the buckets and the key lists.
  void ReleaseIndex();
  // The key_heads slot of `line`'s key: the one holding it, else the empty
  // slot where it belongs.
  size_t KeyHeadSlot(const InputLine& line) const;
};

// Navigation and equality run in the innermost loops of every step.

inline int32_t MatchState::NextNew(int32_t i) const {
  if (!options.dp_active) return i;
  if (i > NewCount()) return NewCount() + 1;
  while (i <= NewCount() && fresh.line[static_cast<size_t>(i)].IsDp) ++i;
  return i;
}

inline int32_t MatchState::NextOld(int32_t j) const {
  if (!options.dp_active) return j;
  while (j >= 1 && j <= OldCount() && old.line[static_cast<size_t>(j)].IsDp) ++j;
  return j;
}

inline int32_t MatchState::PreviousNew(int32_t i) const {
  if (!options.dp_active) return i;
  while (i > 1 && i <= NewCount() && fresh.line[static_cast<size_t>(i)].IsDp) --i;
  return i;
}

inline int32_t MatchState::PreviousOld(int32_t j) const {
  if (!options.dp_active) return j;
  while (j > 1 && j <= OldCount() && old.line[static_cast<size_t>(j)].IsDp) --j;
  return j;
}

inline bool MatchState::Same(int32_t a, int32_t b) const {
  if (a < 1 || a > NewCount() || b < 1 || b > OldCount()) return false;
  if (new_hashes[static_cast<size_t>(a)] != old_hashes[static_cast<size_t>(b)]) return false;
  return SameGroup(a, b);
}

// The scan of one cycle (fills the table) and what follows it.
void ScanWindow(MatchState& state);
void AcceptCandidates(MatchState& state);
void CutSection(MatchState& state);
void AdvanceWindow(MatchState& state);
// Pairs the lines left over as moved lines (Fmvl).
void MovedLinePass(MatchState& state);

}  // namespace kestrin::matching

#endif  // KESTRIN_ENGINE_LINE_MATCHER_STATE_H_
