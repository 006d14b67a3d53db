// Section arrays and line equality in compare form.
#include "engine/input_line.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace kestrin {

void Section::Reset() {
  for (int32_t index = 0; index <= used_limit_; ++index) {
    InputLine& record = line[index];
    static_cast<LineMarks&>(record) = LineMarks();
    record.Text.clear();
    record.SavedText.clear();
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

bool LinesEqual(const InputLine& a, const InputLine& b) {
  // Equal squeezed lengths are required as well as equal hashes: comparing
  // only the new line's length would let a prefix of a longer old line pass.
  return a.Hash == b.Hash && a.SqueezedLen == b.SqueezedLen && a.Fingerprint == b.Fingerprint &&
         std::memcmp(a.Text.data(), b.Text.data(), a.SqueezedLen) == 0;
}

}  // namespace kestrin
