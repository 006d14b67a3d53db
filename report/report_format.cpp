// printf-style formatting of report lines.
#include "report/report_format.h"

#include <cassert>
#include <cstdarg>
#include <cstdio>

#include "report/utf8_text.h"

namespace kestrin {

namespace {

// Report lines are at most 132 characters, so one pass into this much room
// nearly always does; longer texts are measured and formatted again.
constexpr size_t kUsualTextRoom = 256;

// The decimal digits of `value` (no sign), written backwards from `end`.
// Returns where they start.
char* WriteDigits(uint64_t value, char* end) {
  do {
    *--end = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  return end;
}

// One integer conversion: `flags_and_width` is what stood between "%" and
// "d", e.g. "-5" or ".5".
void AppendNumber(std::string& out, std::string_view flags_and_width, int64_t value) {
  const bool left = !flags_and_width.empty() && flags_and_width.front() == '-';
  if (left) flags_and_width.remove_prefix(1);
  const bool precision = !flags_and_width.empty() && flags_and_width.front() == '.';
  if (precision) flags_and_width.remove_prefix(1);
  size_t width = 0;
  // Length modifiers ("l", "ll") change nothing here: every value is 64-bit.
  for (char c : flags_and_width) {
    if (c >= '0' && c <= '9') width = width * 10 + static_cast<size_t>(c - '0');
  }
  const uint64_t magnitude =
      value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  char* const end = digits + sizeof digits;
  const char* start = WriteDigits(magnitude, end);
  auto digit_count = static_cast<size_t>(end - start);
  const size_t zeros = precision && width > digit_count ? width - digit_count : 0;
  const size_t length = (value < 0 ? 1 : 0) + zeros + digit_count;
  const size_t blanks = !precision && width > length ? width - length : 0;
  if (!left) out.append(blanks, ' ');
  if (value < 0) out.push_back('-');
  out.append(zeros, '0');
  out.append(start, digit_count);
  if (left) out.append(blanks, ' ');
}

}  // namespace

std::string FormatText(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list again;
  va_copy(again, arguments);
  char room[kUsualTextRoom];
  const int length = std::vsnprintf(room, sizeof room, format, arguments);
  va_end(arguments);
  assert(length >= 0);
  std::string text;
  if (static_cast<size_t>(length) < sizeof room) {
    text.assign(room, static_cast<size_t>(length));
  } else {
    text.resize(static_cast<size_t>(length));
    // vsnprintf writes a terminating zero as well; std::string keeps room for it.
    std::vsnprintf(text.data(), text.size() + 1, format, again);
  }
  va_end(again);
  return text;
}

void AppendNumbers(std::string& out, std::string_view format,
                   std::initializer_list<int64_t> values) {
  const int64_t* value = values.begin();
  size_t at = 0;
  while (at < format.size()) {
    const size_t percent = format.find('%', at);
    out.append(format.substr(at, percent - at));
    if (percent == std::string_view::npos) return;
    const size_t conversion = format.find_first_of("d%", percent + 1);
    assert(conversion != std::string_view::npos);
    if (format[conversion] == '%') {
      out.push_back('%');
    } else {
      assert(value != values.end());
      AppendNumber(out, format.substr(percent + 1, conversion - percent - 1), *value++);
    }
    at = conversion + 1;
  }
}

void AppendPadded(std::string& line, std::string_view text, size_t width) {
  const TextCut cut = CutAtColumns(text, width);
  line.append(text.substr(0, cut.bytes));
  line.append(width - cut.columns, ' ');
}

std::string PadTo(std::string_view text, size_t width) {
  std::string padded;
  AppendPadded(padded, text, width);
  return padded;
}

std::string_view CutTo(std::string_view text, size_t width) {
  return text.substr(0, CutAtColumns(text, width).bytes);
}

}  // namespace kestrin
