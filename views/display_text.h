// How the bytes of a report line are shown: as UTF-8 where they form valid
// UTF-8, and byte for byte as Latin-1 where they do not.
#ifndef KESTRIN_VIEWS_DISPLAY_TEXT_H_
#define KESTRIN_VIEWS_DISPLAY_TEXT_H_

#include <string>
#include <string_view>

namespace kestrin {

// The displayed text of `bytes` as UTF-16 units: every well-formed UTF-8
// sequence becomes its character (two surrogate units beyond U+FFFF); every
// other byte becomes the Latin-1 character of its value, so files in either
// encoding read naturally and no byte is lost.
std::u16string DisplayUnits(std::string_view bytes);

// True iff every byte of `bytes` is below 128: such text shows byte for byte.
bool IsPlainAscii(std::string_view bytes);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_DISPLAY_TEXT_H_
