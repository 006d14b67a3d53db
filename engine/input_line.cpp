// Section arrays and line equality in compare form.
#include "engine/input_line.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string_view>

#include "engine/line_form.h"

namespace kestrin {

void Section::Reset() {
  for (int32_t index = 0; index <= used_limit_; ++index) {
    InputLine& record = line[index];
    static_cast<LineMarks&>(record) = LineMarks();
    record.Text.clear();
  }
  count = 0;
  used_limit_ = 0;
}

InputLine& Section::Append() {
  assert(count + 1 < kSectionLimit);
  ++count;
  used_limit_ = std::max(used_limit_, count + 1);
  return line[count];
}

void Section::WriteSentinel(int32_t other_count) {
  used_limit_ = std::max(used_limit_, count + 1);
  InputLine& sentinel = line[count + 1];
  sentinel.Matched = sentinel.NoMatch = sentinel.IsDp = sentinel.IsPartDp = false;
  sentinel.IsReformat = sentinel.Moved = false;
  sentinel.BlockStart = true;
  sentinel.end_sentinel = true;
  sentinel.Text.clear();
  sentinel.Link = static_cast<uint16_t>(other_count + 1);
}

namespace {

// Two lines whose compared texts differ may still squeeze to one form: they
// differ in blanks only.
bool SameCompareForms(const InputLine& a, const InputLine& b) {
  thread_local std::string a_form;
  thread_local std::string b_form;
  const int32_t length = Squeeze(a.Text, a.CmpLen, a_form);
  return length == Squeeze(b.Text, b.CmpLen, b_form) &&
         std::memcmp(a_form.data(), b_form.data(), static_cast<size_t>(length)) == 0;
}

}  // namespace

void PrepareCompareForm(InputLine& line, int32_t length, bool keep_text) {
  // One form per thread: the two sides are prepared on two threads.
  thread_local std::string form;
  const int32_t form_length = Squeeze(line.Text, length, form);
  const LineKeys keys = KeysOfSqueezed(form, form_length);
  line.SqueezedLen = static_cast<uint16_t>(form_length);
  line.Hash = keys.hash;
  line.Fingerprint = keys.fingerprint;
  if (keep_text) {
    line.CmpLen = static_cast<int16_t>(LeadingText(line.Text, length).size());
  } else {
    line.Text.assign(form.data(), static_cast<size_t>(form_length));
    line.CmpLen = static_cast<int16_t>(form_length);
  }
}

bool LinesEqual(const InputLine& a, const InputLine& b) {
  // Equal squeezed lengths are required as well as equal hashes: comparing
  // only the new line's length would let a prefix of a longer old line pass.
  if (a.Hash != b.Hash || a.SqueezedLen != b.SqueezedLen || a.Fingerprint != b.Fingerprint) {
    return false;
  }
  // The compare form is that of the compared text, so equal texts settle it.
  return LeadingText(a.Text, a.CmpLen) == LeadingText(b.Text, b.CmpLen) || SameCompareForms(a, b);
}

}  // namespace kestrin
