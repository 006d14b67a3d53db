// The compare form of a line.
#include "engine/line_form.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

#include "engine/byte_words.h"

namespace kestrin {

void FoldCase(std::string& text, int32_t length) {
  const size_t end = LeadingText(text, length).size();
  for (size_t i = 0; i < end; ++i) {
    if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
  }
}

int32_t Squeeze(const std::string& text, int32_t length, std::string& form) {
  const size_t end = LeadingText(text, length).size();
  // Room for every character and the padding; a form only ever grows, so
  // that a reused one is not written twice.
  if (form.size() < end + 2) form.resize(end + 2);
  const char* bytes = text.data();
  char* kept_bytes = form.data();
  size_t kept = 0;
  size_t i = 0;
  // Eight bytes at a time while none of them is a blank.
  for (uint64_t word = 0; i + sizeof word <= end; i += sizeof word) {
    std::memcpy(&word, bytes + i, sizeof word);
    if (HasBlank(word)) {
      for (size_t k = i; k < i + sizeof word; ++k) {
        if (bytes[k] != ' ') kept_bytes[kept++] = bytes[k];
      }
    } else {
      std::memcpy(kept_bytes + kept, &word, sizeof word);
      kept += sizeof word;
    }
  }
  for (; i < end; ++i) {
    if (bytes[i] != ' ') kept_bytes[kept++] = bytes[i];
  }
  // A squeezed text is always a whole number of 16-bit words, so the hash
  // and the byte compare never look past it.
  if (kept == 0) kept_bytes[kept++] = '\0';
  if (kept % 2 != 0) kept_bytes[kept++] = '\0';
  return static_cast<int32_t>(kept);
}

namespace {

constexpr uint64_t kGoldenRatio = 0x9e3779b97f4a7c15ULL;
constexpr uint64_t kSecondMultiplier = 0xc2b2ae3d27d4eb4fULL;

// The 16-bit sum and the fingerprint as they are worked out, sixteen bytes
// at a time.
class KeysInProgress {
 public:
  explicit KeysInProgress(size_t length) : first_(length) {}

  // Adds the 16-bit words of two words to the sum, four at a time in 32-bit
  // lanes, which a squeezed text (at most 65,535 bytes) cannot overflow.
  void Add(const uint64_t (&words)[2]) {
    for (const uint64_t word : words) {
      even_lanes_ += word & kEvenWords;
      odd_lanes_ += (word >> 16) & kEvenWords;
    }
  }

  // Mixes the first word into the fingerprint's first hash and the second
  // into its second, so that neither multiplication waits for the other.
  // With `second_too` false the second word is past the text.
  void Mix(const uint64_t (&words)[2], bool second_too) {
    first_ = Mixed(first_, words[0], kGoldenRatio);
    if (second_too) second_ = Mixed(second_, words[1], kSecondMultiplier);
  }

  LineKeys Keys() const {
    uint64_t sum = even_lanes_ + odd_lanes_;
    sum += sum >> 32;
    const auto folded = static_cast<uint16_t>(sum);
    const uint64_t hash = Mixed(first_, second_, kGoldenRatio);
    return {folded == 0 ? uint16_t{65535} : folded, static_cast<uint32_t>(hash ^ (hash >> 32))};
  }

 private:
  // The 16-bit words at bits 0 and 32 of a 64-bit word.
  static constexpr uint64_t kEvenWords = 0x0000FFFF0000FFFFULL;

  static uint64_t Mixed(uint64_t hash, uint64_t word, uint64_t multiplier) {
    hash = (hash ^ word) * multiplier;
    return hash ^ (hash >> 29);
  }

  uint64_t even_lanes_ = 0;
  uint64_t odd_lanes_ = 0;
  uint64_t first_;
  uint64_t second_ = kSecondMultiplier;
};

// The `count` bytes at `bytes`, fewer than sixteen, as two words with zero
// bytes after them, read in a few loads that may overlap: every line ends in
// such a tail, and a copy of a length known only here is a library call.
void LoadTail(const char* bytes, size_t count, uint64_t (&words)[2]) {
  assert(count < 2 * sizeof(uint64_t));
  words[0] = words[1] = 0;
  if (count >= 8) {
    uint64_t last = 0;
    std::memcpy(&words[0], bytes, 8);
    std::memcpy(&last, bytes + count - 8, 8);
    // The bytes past the first word are the top ones of the last eight.
    if (count > 8) words[1] = last >> (8 * (16 - count));
  } else if (count >= 4) {
    uint32_t first = 0;
    uint32_t last = 0;
    std::memcpy(&first, bytes, 4);
    std::memcpy(&last, bytes + count - 4, 4);
    words[0] = first | (static_cast<uint64_t>(last) << (8 * (count - 4)));
  } else if (count > 0) {
    const auto byte = [bytes](size_t k) {
      return static_cast<uint64_t>(static_cast<unsigned char>(bytes[k])) << (8 * k);
    };
    words[0] = byte(0) | byte(count / 2) | byte(count - 1);
  }
}

}  // namespace

LineKeys KeysOfSqueezed(const std::string& text, int32_t squeezed_length) {
  assert(squeezed_length >= 0 && static_cast<size_t>(squeezed_length) <= text.size());
  static_assert(std::endian::native == std::endian::little,
                "the sum adds 16-bit words with their first byte low");
  const auto length = static_cast<size_t>(squeezed_length);
  KeysInProgress keys(length);
  size_t at = 0;
  uint64_t words[2];
  for (; at + sizeof words <= length; at += sizeof words) {
    std::memcpy(words, text.data() + at, sizeof words);
    keys.Add(words);
    keys.Mix(words, true);
  }
  if (at < length) {
    // The tail is read as shorter words. An odd last byte counts in the
    // fingerprint but has no 16-bit word in the sum.
    LoadTail(text.data() + at, length - at, words);
    keys.Mix(words, length - at > sizeof(uint64_t));
    if (length % 2 != 0) reinterpret_cast<unsigned char*>(words)[length - at - 1] = 0;
    keys.Add(words);
  }
  return keys.Keys();
}

}  // namespace kestrin
