// Navigation, line equality, bridging, old-side indexing and the candidate
// table of the line matcher.
#include "engine/line_matcher_state.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace kestrin::matching {
namespace {

// The skips a bridge tries, in order, as (new lines, old lines): one changed
// line on either side or both first, then two, then the uneven pairs.
constexpr std::array<LinePair, 8> kBridgeSkips = {{
    {1, 1},
    {1, 0},
    {0, 1},
    {2, 2},
    {2, 0},
    {0, 2},
    {2, 1},
    {1, 2},
}};

int32_t Bucket(uint16_t hash) { return hash & (kHashBuckets - 1); }

// Slots of the key table: a power of two at least twice the most old lines,
// so that probes stay short.
constexpr size_t kKeySlots = 16384;
static_assert(kKeySlots >= 2 * static_cast<size_t>(kSectionLimit + 1));

size_t KeySlot(const InputLine& line) {
  return (line.Fingerprint ^ (static_cast<uint32_t>(line.Hash) * 0x9e37u)) & (kKeySlots - 1);
}

bool SameKey(const InputLine& a, const InputLine& b) {
  return a.Hash == b.Hash && a.SqueezedLen == b.SqueezedLen && a.Fingerprint == b.Fingerprint;
}

// Group numbers that no line is named by: no old line has either number.
constexpr uint16_t kNewInNoGroup = 0;
constexpr uint16_t kOldInNoGroup = 0xFFFF;
static_assert(kSectionLimit < kOldInNoGroup);

// Above every 16-bit hash, and different on the two sides.
constexpr uint32_t kNewEqualsNone = 0x10000;
constexpr uint32_t kOldEqualsNone = 0x20000;

// The hashes of the section's lines 1 to count, at their indices. A Dp line
// equals no line.
std::vector<uint32_t> HashesOf(const Section& section, uint32_t equals_none) {
  std::vector<uint32_t> hashes(static_cast<size_t>(section.count) + 1, equals_none);
  for (int32_t index = 1; index <= section.count; ++index) {
    const InputLine& line = section.line[static_cast<size_t>(index)];
    if (!line.IsDp) hashes[static_cast<size_t>(index)] = line.Hash;
  }
  return hashes;
}

}  // namespace

void CandidateTable::Clear(int32_t threshold) {
  entries_ = {};
  size_ = 0;
  threshold_ = threshold;
}

int32_t CandidateTable::EntryNineLength() const {
  return size_ == kCandidateSlots ? entries_[kCandidateSlots - 1].length : threshold_;
}

void CandidateTable::Record(const Candidate& block) {
  if (block.length <= EntryNineLength()) return;
  if (size_ == kCandidateSlots) --size_;
  int slot = 0;
  while (slot < size_ && entries_[slot].length >= block.length) ++slot;
  std::move_backward(entries_.begin() + slot, entries_.begin() + size_,
                     entries_.begin() + size_ + 1);
  entries_[slot] = block;
  ++size_;
}

void CandidateTable::Resettle(int k) {
  assert(k >= 0 && k < size_);
  if (entries_[k].length <= EntryNineLength()) {
    entries_[k].length = 0;
    return;
  }
  for (int m = k; m + 1 < size_ && entries_[m + 1].length >= entries_[m].length; ++m) {
    std::swap(entries_[m], entries_[m + 1]);
  }
}

MatchState::MatchState(Section& new_section, Section& old_section,
                       const MatchOptions& match_options)
    : fresh(new_section),
      old(old_section),
      options(match_options),
      new_hashes(HashesOf(new_section, kNewEqualsNone)),
      old_hashes(HashesOf(old_section, kOldEqualsNone)),
      new_group(static_cast<size_t>(new_section.count) + 1, kNewInNoGroup),
      old_group(static_cast<size_t>(old_section.count) + 1, kOldInNoGroup) {}

bool MatchState::SameTexts(int32_t a, int32_t b) const {
  if (a < 1 || a > NewCount() || b < 1 || b > OldCount()) return false;
  if (new_hashes[static_cast<size_t>(a)] != old_hashes[static_cast<size_t>(b)]) return false;
  return LinesEqual(fresh.line[static_cast<size_t>(a)], old.line[static_cast<size_t>(b)]);
}

// Kept out of line: inlined into the scans, it left their loops short of
// registers and made the worst section slower by a tenth.
bool MatchState::SameGroup(int32_t a, int32_t b) const {
  return new_group[static_cast<size_t>(a)] == old_group[static_cast<size_t>(b)];
}

int32_t MatchState::AdvanceNew(int32_t from, int32_t steps) const {
  for (int32_t k = 0; k < steps; ++k) from = NextNew(from + 1);
  return from;
}

int32_t MatchState::AdvanceOld(int32_t from, int32_t steps) const {
  for (int32_t k = 0; k < steps; ++k) from = NextOld(from + 1);
  return from;
}

std::optional<LinePair> MatchState::Bridge(int32_t a, int32_t b) const {
  if (a + kBridgeReach > NewCount() || b + kBridgeReach > OldCount()) return std::nullopt;
  for (const LinePair& skip : kBridgeSkips) {
    const LinePair landing{AdvanceNew(a, skip.fresh), AdvanceOld(b, skip.old)};
    LinePair at = landing;
    int32_t proven = 0;
    while (proven < kBridgeProof && Same(at.fresh, at.old)) {
      ++proven;
      at = {NextNew(at.fresh + 1), NextOld(at.old + 1)};
    }
    if (proven == kBridgeProof) return landing;
  }
  return std::nullopt;
}

void MatchState::Pair(int32_t a, int32_t b) {
  New(a).Matched = true;
  Old(b).Matched = true;
  New(a).Link = static_cast<uint16_t>(b);
  Old(b).Link = static_cast<uint16_t>(a);
  ++pairs_made;
}

void MatchState::IndexOldSide() {
  const auto bucket_end = static_cast<uint16_t>(OldCount() + 1);
  buckets.assign(kHashBuckets, bucket_end);
  key_heads.assign(kKeySlots, bucket_end);
  next_with_key.assign(static_cast<size_t>(OldCount()) + 2, bucket_end);
  for (int32_t j = OldCount(); j >= 1; --j) {
    InputLine& line = Old(j);
    line.Chain = 0;
    if (line.IsDp) continue;
    uint16_t& head = buckets[static_cast<size_t>(Bucket(line.Hash))];
    line.Link = head;
    head = static_cast<uint16_t>(j);
    uint16_t& key_head = key_heads[KeyHeadSlot(line)];
    next_with_key[static_cast<size_t>(j)] = key_head;
    key_head = static_cast<uint16_t>(j);
  }
}

size_t MatchState::KeyHeadSlot(const InputLine& line) const {
  const int32_t end = OldCount() + 1;
  size_t slot = KeySlot(line);
  while (key_heads[slot] < end && !SameKey(old.line[key_heads[slot]], line)) {
    slot = (slot + 1) & (kKeySlots - 1);
  }
  return slot;
}

void MatchState::ReleaseIndex() {
  buckets.clear();
  key_heads.clear();
  next_with_key.clear();
}

int32_t MatchState::FirstEqualOld(int32_t i) {
  // Every old line equal to new line i has its key, so the key's list, in
  // increasing order like the bucket, meets the same equal lines in the
  // same order as a walk of the whole bucket would.
  const int32_t bucket_end = OldCount() + 1;
  int32_t j = key_heads[KeyHeadSlot(New(i))];
  while (j < bucket_end && !SameTexts(i, j)) j = next_with_key[static_cast<size_t>(j)];
  if (j >= bucket_end) return bucket_end;
  const auto group = static_cast<uint16_t>(j);
  new_group[static_cast<size_t>(i)] = group;
  if (Old(j).Chain == 0) {
    old_group[static_cast<size_t>(j)] = group;
    int32_t last = j;
    for (int32_t m = next_with_key[static_cast<size_t>(j)]; m < bucket_end;
         m = next_with_key[static_cast<size_t>(m)]) {
      if (!SameTexts(i, m)) continue;
      Old(last).Chain = static_cast<uint16_t>(m);
      old_group[static_cast<size_t>(m)] = group;
      last = m;
    }
    Old(last).Chain = static_cast<uint16_t>(bucket_end);
  }
  return j;
}

}  // namespace kestrin::matching
