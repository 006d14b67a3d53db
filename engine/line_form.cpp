// The compare form of a line.
#include "engine/line_form.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace kestrin {

void FoldCase(std::string& text, int32_t length) {
  const size_t end = std::min(text.size(), static_cast<size_t>(std::max(length, 0)));
  for (size_t i = 0; i < end; ++i) {
    if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
  }
}

int32_t Squeeze(std::string& text, int32_t length) {
  const size_t end = std::min(text.size(), static_cast<size_t>(std::max(length, 0)));
  size_t kept = 0;
  for (size_t i = 0; i < end; ++i) {
    if (text[i] != ' ') text[kept++] = text[i];
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
  uint16_t sum = 0;
  for (int32_t i = 0; i + 1 < squeezed_length; i += 2) {
    const auto low = static_cast<unsigned char>(text[i]);
    const auto high = static_cast<unsigned char>(text[i + 1]);
    sum = static_cast<uint16_t>(sum + (low | (high << 8)));
  }
  return sum == 0 ? 65535 : sum;
}

uint32_t FingerprintSqueezed(const std::string& text, int32_t squeezed_length) {
  assert(squeezed_length >= 0 && static_cast<size_t>(squeezed_length) <= text.size());
  // Eight bytes at a time, each word multiplied in with the 64-bit golden
  // ratio constant; the tail is read as a shorter word.
  constexpr uint64_t kMultiplier = 0x9e3779b97f4a7c15ULL;
  const auto length = static_cast<size_t>(squeezed_length);
  uint64_t hash = length;
  size_t at = 0;
  for (; at + sizeof(uint64_t) <= length; at += sizeof(uint64_t)) {
    uint64_t word = 0;
    std::memcpy(&word, text.data() + at, sizeof word);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  if (at < length) {
    uint64_t word = 0;
    std::memcpy(&word, text.data() + at, length - at);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

}  // namespace kestrin
