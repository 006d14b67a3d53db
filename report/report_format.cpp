// printf-style formatting of report lines.
#include "report/report_format.h"

#include <algorithm>
#include <cassert>
#include <cstdarg>
#include <cstdio>
#include <cstring>

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

// Text composed in a fixed room and appended to a string in one piece, as
// appending each blank and digit on its own costs more than the digits.
class Composer {
 public:
  explicit Composer(std::string& out) : out_(out) {}
  ~Composer() { Flush(); }
  Composer(const Composer&) = delete;
  Composer& operator=(const Composer&) = delete;

  // Makes room for `count` more characters, and returns where they go.
  char* Take(size_t count) {
    if (used_ + count > sizeof room_) Flush();
    if (count > sizeof room_) {
      // Wider than the room (a width no listing format has): straight in.
      const size_t at = out_.size();
      out_.resize(at + count);
      return out_.data() + at;
    }
    char* at = room_ + used_;
    used_ += count;
    return at;
  }

 private:
  void Flush() {
    out_.append(room_, used_);
    used_ = 0;
  }

  std::string& out_;
  char room_[kUsualTextRoom];
  size_t used_ = 0;
};

// One integer conversion: `flags_and_width` is what stood between "%" and
// "d", e.g. "-5" or ".5".
void AppendNumber(Composer& out, std::string_view flags_and_width, int64_t value) {
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
  char* at = out.Take(blanks + length);
  if (!left) at = std::fill_n(at, blanks, ' ');
  if (value < 0) *at++ = '-';
  at = std::fill_n(at, zeros, '0');
  at = std::copy(start, static_cast<const char*>(end), at);
  if (left) std::fill_n(at, blanks, ' ');
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
  Composer composed(out);
  const int64_t* value = values.begin();
  for (size_t at = 0; at < format.size(); ++at) {
    if (format[at] != '%') {
      size_t run_end = at + 1;
      while (run_end < format.size() && format[run_end] != '%') ++run_end;
      std::memcpy(composed.Take(run_end - at), format.data() + at, run_end - at);
      at = run_end - 1;
      continue;
    }
    size_t conversion = at + 1;
    while (conversion < format.size() && format[conversion] != 'd' && format[conversion] != '%') {
      ++conversion;
    }
    assert(conversion < format.size());
    if (format[conversion] == '%') {
      *composed.Take(1) = '%';
    } else {
      assert(value != values.end());
      AppendNumber(composed, format.substr(at + 1, conversion - at - 1), *value++);
    }
    at = conversion;
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
  // A character takes a byte at least: a text of no more bytes than the
  // width is never cut.
  if (text.size() <= width) return text;
  return text.substr(0, CutAtColumns(text, width).bytes);
}

}  // namespace kestrin
