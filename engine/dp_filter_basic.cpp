// The Dp filter for Basic source: an apostrophe comment (wherever it stands,
// as the filter has always read it), a backslash outside a string, or a REM
// statement runs to the end of the line.
#include <cctype>

#include "engine/dp_filter_text.h"

namespace kestrin::dp {
namespace {

constexpr char kRemKeyword[] = "rem";
constexpr int32_t kRemLength = 3;
constexpr char kStatementSeparator = ':';

// True iff a REM keyword, in any letter case as Basic reads keywords, starts
// at `position` and is followed by a blank or the end of the line.
bool RemAt(const FilterText& text, int32_t position) {
  for (int32_t k = 0; k < kRemLength; ++k) {
    const auto c = static_cast<unsigned char>(text.At(position + k));
    if (std::tolower(c) != kRemKeyword[k]) return false;
  }
  return text.At(position + kRemLength) == ' ';
}

}  // namespace

void FilterBasicComments(FilterText& text) {
  bool in_string = false;
  // Where a REM statement's comment would begin: the line start, or the
  // statement separator before it. Zero once the statement has begun.
  int32_t statement_cut = 1;
  for (int32_t p = 1; p <= text.length(); ++p) {
    const char c = text.At(p);
    if (c == '\'' || (c == '\\' && !in_string)) {
      text.CutToEnd(p);
      return;
    }
    if (c == '"') {
      in_string = !in_string;
    } else if (!in_string) {
      if (c == kStatementSeparator) {
        statement_cut = p;
        continue;
      }
      if (c != ' ' && statement_cut != 0 && RemAt(text, p)) {
        text.CutToEnd(statement_cut);
        return;
      }
    }
    if (c != ' ') statement_cut = 0;
  }
}

}  // namespace kestrin::dp
