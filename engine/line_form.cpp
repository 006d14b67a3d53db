// The compare form of a line.
#include "engine/line_form.h"

#include <algorithm>
#include <cassert>

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

}  // namespace kestrin
