// Measuring report text in UTF-8 characters or bytes.
#include "report/utf8_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/byte_words.h"

namespace kestrin {
namespace {

// The allowed range of the second byte after a lead byte; the third and
// fourth bytes are plain continuations.
struct LeadRule {
  int length;
  unsigned char second_low, second_high;
};

LeadRule RuleOf(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

bool IsAscii(char byte) { return static_cast<unsigned char>(byte) < 0x80; }

}  // namespace

int Utf8SequenceAt(std::string_view bytes, char32_t* code_point) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x80) {
    *code_point = lead;
    return 1;
  }
  const LeadRule rule = RuleOf(lead);
  if (rule.length == 0 || bytes.size() < static_cast<size_t>(rule.length)) return 0;
  const auto second = static_cast<unsigned char>(bytes[1]);
  if (second < rule.second_low || second > rule.second_high) return 0;
  char32_t value = lead & (0xFF >> (rule.length + 1));
  for (int i = 1; i < rule.length; ++i) {
    const char byte = bytes[static_cast<size_t>(i)];
    if (!IsUtf8Continuation(byte)) return 0;
    value = (value << 6) | (static_cast<unsigned char>(byte) & 0x3F);
  }
  *code_point = value;
  return rule.length;
}

namespace {

// True iff every byte of `text` is below 128 and, with `printable`, at or
// above 32; eight bytes at a time.
bool AllBytesPlain(std::string_view text, bool printable) {
  size_t at = 0;
  for (uint64_t word = 0; at + sizeof word <= text.size(); at += sizeof word) {
    std::memcpy(&word, text.data() + at, sizeof word);
    if (HasHighByte(word) || (printable && HasControlByte(word))) return false;
  }
  for (; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x80 || (printable && byte < 32)) return false;
  }
  return true;
}

}  // namespace

bool IsPrintableAscii(std::string_view text) { return AllBytesPlain(text, true); }

bool IsValidUtf8(std::string_view bytes) {
  size_t position = 0;
  while (position < bytes.size()) {
    if (IsAscii(bytes[position])) {
      ++position;
      continue;
    }
    char32_t code_point = 0;
    const int length = Utf8SequenceAt(bytes.substr(position), &code_point);
    if (length == 0) return false;
    position += static_cast<size_t>(length);
  }
  return true;
}

TextCut CutAtColumns(std::string_view text, size_t width) {
  // Plain ASCII, nearly every line, is measured without decoding.
  if (AllBytesPlain(text, false) || !IsValidUtf8(text)) {
    const size_t bytes = std::min(text.size(), width);
    return {bytes, bytes};
  }
  TextCut cut;
  while (cut.bytes < text.size() && cut.columns < width) {
    ++cut.bytes;
    while (cut.bytes < text.size() && IsUtf8Continuation(text[cut.bytes])) ++cut.bytes;
    ++cut.columns;
  }
  return cut;
}

}  // namespace kestrin
