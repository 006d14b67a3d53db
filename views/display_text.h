// How the bytes of a report line are shown: as UTF-8 when the whole line is
// valid UTF-8, and byte for byte as Latin-1 when it is not.
#ifndef KESTRIN_VIEWS_DISPLAY_TEXT_H_
#define KESTRIN_VIEWS_DISPLAY_TEXT_H_

#include <string>
#include <string_view>

namespace kestrin {

// The displayed text of `bytes` as UTF-16 units: in a line of valid UTF-8
// every character becomes its units (two surrogate units beyond U+FFFF); in
// any other line every byte becomes the Latin-1 character of its value, so
// files in either encoding read naturally, no byte is lost, and each line
// shows as many columns as the report measured.
std::u16string DisplayUnits(std::string_view bytes);

// True iff every byte of `bytes` is below 128: such text shows byte for byte.
bool IsPlainAscii(std::string_view bytes);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_DISPLAY_TEXT_H_
