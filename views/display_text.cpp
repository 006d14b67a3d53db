// Decoding report bytes for display.
#include "views/display_text.h"

#include <algorithm>
#include <cstdint>

#include "report/utf8_text.h"

namespace kestrin {

bool IsPlainAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::u16string DisplayUnits(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size());
  // A line decodes as UTF-8 only as a whole, so a line with any stray byte
  // keeps one column per byte like its report columns.
  const bool decode = IsValidUtf8(bytes);
  size_t position = 0;
  while (position < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[position]);
    char32_t code_point = 0;
    const int length = byte < 0x80 || !decode ? 0 : Utf8SequenceAt(bytes.substr(position), &code_point);
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
