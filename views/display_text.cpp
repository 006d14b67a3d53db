// Decoding report bytes for display.
#include "views/display_text.h"

#include <algorithm>
#include <cstdint>

namespace kestrin {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The allowed range of the second byte after a lead byte; the third and
// fourth bytes are plain continuations. Excludes overlong forms, surrogates
// and code points above U+10FFFF.
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

// The length of the well-formed UTF-8 sequence at the start of `bytes`, and
// its code point; 0 when the bytes there are not one.
int SequenceAt(std::string_view bytes, char32_t* code_point) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const LeadRule rule = RuleOf(lead);
  if (rule.length == 0 || bytes.size() < static_cast<size_t>(rule.length)) return 0;
  const auto second = static_cast<unsigned char>(bytes[1]);
  if (second < rule.second_low || second > rule.second_high) return 0;
  char32_t value = lead & (0xFF >> (rule.length + 1));
  for (int i = 1; i < rule.length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[static_cast<size_t>(i)]);
    if (!IsContinuation(byte)) return 0;
    value = (value << 6) | (byte & 0x3F);
  }
  *code_point = value;
  return rule.length;
}

}  // namespace

bool IsPlainAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::u16string DisplayUnits(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size());
  size_t position = 0;
  while (position < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[position]);
    char32_t code_point = 0;
    const int length = byte < 0x80 ? 0 : SequenceAt(bytes.substr(position), &code_point);
    if (length == 0) {
      units.push_back(static_cast<char16_t>(byte));
      ++position;
      continue;
    }
    if (code_point > 0xFFFF) {
      const char32_t offset = code_point - 0x10000;
      units.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(code_point));
    }
    position += static_cast<size_t>(length);
  }
  return units;
}

}  // namespace kestrin
