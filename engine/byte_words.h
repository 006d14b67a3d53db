// Tests on eight bytes at once, for the loops that pass plain text a word
// at a time. A word is eight bytes of text loaded with memcpy.
#ifndef KESTRIN_ENGINE_BYTE_WORDS_H_
#define KESTRIN_ENGINE_BYTE_WORDS_H_

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kestrin {

inline constexpr uint64_t kByteOnes = 0x0101010101010101ULL;
inline constexpr uint64_t kByteHighBits = 0x8080808080808080ULL;

// Flags, as their high bits, the bytes of `word` below 32: the first such
// byte is always flagged and no byte before it; bytes after it may be
// flagged wrongly, so only the lowest flag tells a place. (A byte at or
// above 128 never sets its own flag.)
inline uint64_t ControlBytes(uint64_t word) {
  return (word - kByteOnes * 32) & ~word & kByteHighBits;
}

// True iff one of the eight bytes of `word` is below 32.
inline bool HasControlByte(uint64_t word) { return ControlBytes(word) != 0; }

// The index of the first byte of `bytes` below 32, found eight bytes at a
// time; when fewer than eight bytes are left and no word held one, the index
// of the first of those left, which are not looked at. `size` bytes are read.
inline size_t SkipToControlByte(const char* bytes, size_t size) {
  size_t at = 0;
  for (uint64_t word = 0; at + sizeof word <= size; at += sizeof word) {
    std::memcpy(&word, bytes + at, sizeof word);
    if (const uint64_t controls = ControlBytes(word); controls != 0) {
      return at + static_cast<size_t>(std::countr_zero(controls) / 8);
    }
  }
  return at;
}

// True iff one of the eight bytes of `word` is a blank.
inline bool HasBlank(uint64_t word) {
  const uint64_t zero_where_blank = word ^ (kByteOnes * ' ');
  return ((zero_where_blank - kByteOnes) & ~zero_where_blank & kByteHighBits) != 0;
}

// True iff one of the eight bytes of `word` is at or above 128.
inline bool HasHighByte(uint64_t word) { return (word & kByteHighBits) != 0; }

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_BYTE_WORDS_H_
