// How report text is measured: a line that is valid UTF-8 in characters, any
// other line in bytes, so the report's columns line up in either encoding.
#ifndef KESTRIN_REPORT_UTF8_TEXT_H_
#define KESTRIN_REPORT_UTF8_TEXT_H_

#include <cstddef>
#include <string_view>

namespace kestrin {

// The length of the well-formed UTF-8 sequence at the start of `bytes` and
// its code point; 0 when the bytes there are not one (overlong forms,
// surrogates and code points above U+10FFFF are not). REQUIRES: bytes not empty.
int Utf8SequenceAt(std::string_view bytes, char32_t* code_point);

// True iff every byte of `bytes` belongs to a well-formed UTF-8 sequence.
bool IsValidUtf8(std::string_view bytes);
// True iff every byte of `text` is printable ASCII (32 to 127): text whose
// bytes are its characters and its columns.
bool IsPrintableAscii(std::string_view text);

// True iff `byte` continues a UTF-8 sequence rather than starting a character.
inline bool IsUtf8Continuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The longest start of a text that holds at most `width` columns.
struct TextCut {
  size_t bytes = 0;    // its length in bytes
  size_t columns = 0;  // its width: characters of valid UTF-8, else bytes
};

// Where `text` is cut to `width` columns: on a character boundary when the
// whole text is valid UTF-8, else after `width` bytes.
TextCut CutAtColumns(std::string_view text, size_t width);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_UTF8_TEXT_H_
