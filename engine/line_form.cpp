// The compare form of a line.
#include "engine/line_form.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

#include "engine/byte_words.h"

namespace kestrin {

void FoldCase(std::string& text, int32_t length) {
  const size_t end = std::min(text.size(), static_cast<size_t>(std::max(length, 0)));
  for (size_t i = 0; i < end; ++i) {
    if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
  }
}

namespace {

// The 16-bit words at bits 0 and 32 of a 64-bit word.
constexpr uint64_t kEvenWords = 0x0000FFFF0000FFFFULL;

}  // namespace

int32_t Squeeze(std::string& text, int32_t length) {
  const size_t end = std::min(text.size(), static_cast<size_t>(std::max(length, 0)));
  char* bytes = text.data();
  size_t kept = 0;
  size_t i = 0;
  // Eight bytes at a time while none of them is a blank; the word is read
  // before it is written, and never ahead of where it was read.
  for (uint64_t word = 0; i + sizeof word <= end; i += sizeof word) {
    std::memcpy(&word, bytes + i, sizeof word);
    if (HasBlank(word)) {
      for (size_t k = i; k < i + sizeof word; ++k) {
        if (bytes[k] != ' ') bytes[kept++] = bytes[k];
      }
    } else {
      std::memcpy(bytes + kept, &word, sizeof word);
      kept += sizeof word;
    }
  }
  for (; i < end; ++i) {
    if (bytes[i] != ' ') bytes[kept++] = bytes[i];
  }
  text.resize(kept);
  // A squeezed text is always a whole number of 16-bit words, so the hash
  // and the byte compare never look past it.
  if (kept == 0) text.assign(2, '\0');
  if (text.size() % 2 != 0) text.push_back('\0');
  return static_cast<int32_t>(text.size());
}

uint16_t HashSqueezed(const std::string& text, int32_t squeezed_length) {
  assert(squeezed_length >= 0 && static_cast<size_t>(squeezed_length) <= text.size());
  static_assert(std::endian::native == std::endian::little,
                "the hash adds 16-bit words with their first byte low");
  // The 16-bit words are added four at a time in 32-bit lanes, which a
  // squeezed text (at most 65,535 bytes) cannot overflow; the lanes are
  // added at the end, where only the low 16 bits count.
  const auto length = static_cast<size_t>(squeezed_length) & ~size_t{1};
  uint64_t even_lanes = 0;
  uint64_t odd_lanes = 0;
  size_t at = 0;
  for (uint64_t word = 0; at + sizeof word <= length; at += sizeof word) {
    std::memcpy(&word, text.data() + at, sizeof word);
    even_lanes += word & kEvenWords;
    odd_lanes += (word >> 16) & kEvenWords;
  }
  uint64_t sum = even_lanes + odd_lanes;
  sum += sum >> 32;
  for (; at < length; at += 2) {
    const auto low = static_cast<unsigned char>(text[at]);
    const auto high = static_cast<unsigned char>(text[at + 1]);
    sum += low | (high << 8);
  }
  const auto folded = static_cast<uint16_t>(sum);
  return folded == 0 ? 65535 : folded;
}

namespace {

constexpr uint64_t kGoldenRatio = 0x9e3779b97f4a7c15ULL;
constexpr uint64_t kSecondMultiplier = 0xc2b2ae3d27d4eb4fULL;

// One word taken into a running hash.
uint64_t TakeWord(uint64_t hash, uint64_t word, uint64_t multiplier) {
  hash = (hash ^ word) * multiplier;
  return hash ^ (hash >> 29);
}

}  // namespace

uint32_t FingerprintSqueezed(const std::string& text, int32_t squeezed_length) {
  assert(squeezed_length >= 0 && static_cast<size_t>(squeezed_length) <= text.size());
  // Sixteen bytes at a time into two hashes with multipliers of their own,
  // so that neither waits for the other's multiplication; the tail is read
  // as shorter words. Where a word stands decides which hash takes it.
  const auto length = static_cast<size_t>(squeezed_length);
  uint64_t first = length;
  uint64_t second = kSecondMultiplier;
  size_t at = 0;
  for (; at + 2 * sizeof(uint64_t) <= length; at += 2 * sizeof(uint64_t)) {
    uint64_t words[2];
    std::memcpy(words, text.data() + at, sizeof words);
    first = TakeWord(first, words[0], kGoldenRatio);
    second = TakeWord(second, words[1], kSecondMultiplier);
  }
  if (at < length) {
    uint64_t words[2] = {0, 0};
    std::memcpy(words, text.data() + at, length - at);
    first = TakeWord(first, words[0], kGoldenRatio);
    if (length - at > sizeof(uint64_t)) second = TakeWord(second, words[1], kSecondMultiplier);
  }
  const uint64_t hash = TakeWord(first, second, kGoldenRatio);
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

}  // namespace kestrin
