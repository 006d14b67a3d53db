// The text a Dp filter examines, and the cuts that blank comment parts of it
// and mark the line as a Dp or part-Dp line.
#ifndef KESTRIN_ENGINE_DP_FILTER_TEXT_H_
#define KESTRIN_ENGINE_DP_FILTER_TEXT_H_

#include <cstdint>

#include "engine/dp_filter.h"
#include "engine/input_line.h"

namespace kestrin::dp {

// The first `length` characters of a line's Text, at positions counted from 1.
class FilterText {
 public:
  // `length` is clamped to the text held.
  FilterText(InputLine& line, int32_t length);

  int32_t length() const { return length_; }
  // The character at `position`; a blank outside the text.
  char At(int32_t position) const;
  // The first position at or after `from` that is not a blank; length() + 1
  // when there is none.
  int32_t FirstNonBlank(int32_t from) const;
  bool AllBlank() const { return FirstNonBlank(1) > length_; }

  // Blanks positions `position` to the end, then marks the line.
  void CutToEnd(int32_t position);
  // Blanks positions `first` to `last`, then marks the line.
  void CutSpan(int32_t first, int32_t last);
  // IsDp (and not IsPartDp) when nothing but blanks is left, else IsPartDp.
  void Mark();

  InputLine& line() { return line_; }

 private:
  InputLine& line_;
  int32_t length_;
};

// Brace and parenthesis-star comments over several lines; with
// `double_slash`, also "//" to the end of the line, "/*" as an opener, and an
// apostrophe-string flag that stops a comment opened inside a string from
// being carried.
void FilterBraceComments(FilterText& text, DpCarry& carry, bool double_slash);
// "//" to the end of the line and slash-star comments over several lines,
// outside double-quoted strings.
void FilterSlashComments(FilterText& text, DpCarry& carry);
// "<!--" to "-->" over several lines.
void FilterHtmlComments(FilterText& text, DpCarry& carry);
// Apostrophe comments and REM statements.
void FilterBasicComments(FilterText& text);

}  // namespace kestrin::dp

#endif  // KESTRIN_ENGINE_DP_FILTER_TEXT_H_
