// printf-style formatting of report lines.
#include "report/report_format.h"

#include <cassert>
#include <cstdarg>
#include <cstdio>

#include "report/utf8_text.h"

namespace kestrin {

std::string FormatText(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  assert(length >= 0);
  std::string text(static_cast<size_t>(length), '\0');
  // vsnprintf writes a terminating zero as well; std::string keeps room for it.
  std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  va_end(arguments);
  return text;
}

std::string PadTo(std::string_view text, size_t width) {
  const TextCut cut = CutAtColumns(text, width);
  std::string padded(text.substr(0, cut.bytes));
  padded.append(width - cut.columns, ' ');
  return padded;
}

std::string_view CutTo(std::string_view text, size_t width) {
  return text.substr(0, CutAtColumns(text, width).bytes);
}

}  // namespace kestrin
