// The compare form of a line: case folding, blank squeezing and the keys
// the matcher compares first.
#ifndef KESTRIN_ENGINE_LINE_FORM_H_
#define KESTRIN_ENGINE_LINE_FORM_H_

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin {

// The first `length` characters of `text`: all of it when it is shorter,
// none for a negative length.
inline std::string_view LeadingText(const std::string& text, int32_t length) {
  return std::string_view(text).substr(0, static_cast<size_t>(std::max(length, 0)));
}

// Folds A-Z to a-z over the first `length` characters of `text`.
void FoldCase(std::string& text, int32_t length);

// Writes the compare form of the first `length` characters of `text` at the
// start of `form`: every character but the blanks, padded with zero bytes to
// an even length of at least 2 (an all-blank line becomes two zero bytes).
// Returns that length. `form` grows as needed and never shrinks, so a form
// reused line after line soon stops allocating; its bytes past the returned
// length mean nothing.
int32_t Squeeze(const std::string& text, int32_t length, std::string& form);

// What the matcher compares of a squeezed text before its bytes.
struct LineKeys {
  // The 16-bit wrap-around sum of the text read as little-endian 16-bit
  // words (an odd last byte left out); a sum of 0 is given as 65535.
  uint16_t hash = 0;
  // A 32-bit hash that, unlike the sum, tells apart texts that differ only
  // in the order of their words: equal texts always have equal fingerprints,
  // so unequal fingerprints settle a compare at once.
  uint32_t fingerprint = 0;
};

// Both keys of the first `squeezed_length` bytes of `text`, in one pass.
LineKeys KeysOfSqueezed(const std::string& text, int32_t squeezed_length);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_LINE_FORM_H_
