// printf-style formatting of report lines, and the fixed-width pieces the
// report's columns are built from.
#ifndef KESTRIN_REPORT_REPORT_FORMAT_H_
#define KESTRIN_REPORT_REPORT_FORMAT_H_

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kestrin {

// The text `format` produces with the given arguments, like snprintf but of
// any length.
[[gnu::format(printf, 1, 2)]] std::string FormatText(const char* format, ...);

// Appends to `out` what FormatText(format, values...) would give, for a
// format whose only conversions are integer ones ("%d", "%5d", "%-5d",
// "%.5d", also with a length modifier such as PRId64's) and "%%", without
// the cost of printf: the listing formats every
// line with it.
void AppendNumbers(std::string& out, std::string_view format,
                   std::initializer_list<int64_t> values);

// `text` cut to `width` columns and padded with blanks to exactly `width`
// columns; columns are characters when `text` is valid UTF-8, else bytes.
std::string PadTo(std::string_view text, size_t width);
// Appends PadTo(text, width) to `line`.
void AppendPadded(std::string& line, std::string_view text, size_t width);

// `text` cut to at most `width` columns, on a character boundary when `text`
// is valid UTF-8.
std::string_view CutTo(std::string_view text, size_t width);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_FORMAT_H_
