// The Dp filter of each option: blank lines under every option, then the
// option's own comment rule.
#include "engine/dp_filter.h"

#include <algorithm>
#include <cassert>

#include "engine/dp_filter_text.h"

namespace kestrin {
namespace dp {

FilterText::FilterText(InputLine& line, int32_t length)
    : line_(line),
      length_(std::clamp<int32_t>(length, 0, static_cast<int32_t>(line.Text.size()))) {}

char FilterText::At(int32_t position) const {
  if (position < 1 || position > length_) return ' ';
  return line_.Text[static_cast<size_t>(position - 1)];
}

int32_t FilterText::FirstNonBlank(int32_t from) const {
  int32_t position = std::max(from, 1);
  while (position <= length_ && At(position) == ' ') ++position;
  return position;
}

void FilterText::CutToEnd(int32_t position) { CutSpan(position, length_); }

void FilterText::CutSpan(int32_t first, int32_t last) {
  first = std::max(first, 1);
  last = std::min(last, length_);
  for (int32_t position = first; position <= last; ++position) {
    line_.Text[static_cast<size_t>(position - 1)] = ' ';
  }
  Mark();
}

void FilterText::Mark() {
  if (AllBlank()) {
    line_.IsDp = true;
    line_.IsPartDp = false;
  } else {
    line_.IsPartDp = true;
  }
}

}  // namespace dp

namespace {

using dp::FilterText;

constexpr char kSemicolon = ';';
constexpr char kRemWord[] = "rem";

// Dsem: a line whose first non-blank character is a semicolon.
void FilterSemicolonLines(FilterText& text) {
  const int32_t first = text.FirstNonBlank(1);
  if (text.At(first) == kSemicolon) text.CutToEnd(first);
}

// Drem: a line whose first non-blank characters are "rem", in lower case.
void FilterRemLines(FilterText& text) {
  const int32_t first = text.FirstNonBlank(1);
  if (first + 2 > text.length()) return;
  for (int32_t k = 0; k < 3; ++k) {
    if (text.At(first + k) != kRemWord[k]) return;
  }
  text.CutToEnd(first);
}

// Dudc: the first occurrence of the tag character to the end of the line. An
// empty tag names no comment. With the embedded choice No, code before the
// tag keeps the line an ordinary line, though the tag's text stays cut.
void FilterUserComments(FilterText& text, const CompareSettings& settings) {
  if (settings.DudcTag.empty()) return;
  const char tag = settings.DudcTag.front();
  for (int32_t position = 1; position <= text.length(); ++position) {
    if (text.At(position) != tag) continue;
    text.CutToEnd(position);
    if (!settings.DudcEmbedded) text.line().IsPartDp = false;
    return;
  }
}

}  // namespace

void FilterLine(const CompareSettings& settings, DpCarry& carry, InputLine& line, int32_t length) {
  assert(settings.DpActive);
  FilterText text(line, length);
  if (text.AllBlank()) {
    line.IsDp = true;
    return;
  }
  switch (settings.DpOption) {
    case DpChoice::kNone:
    case DpChoice::kDblk:
    case DpChoice::kDcob:
      return;
    case DpChoice::kDsem:
      return FilterSemicolonLines(text);
    case DpChoice::kDrem:
      return FilterRemLines(text);
    case DpChoice::kDdlc:
      return dp::FilterBraceComments(text, carry, false);
    case DpChoice::kDdl2:
      return dp::FilterBraceComments(text, carry, true);
    case DpChoice::kDcpp:
      return dp::FilterSlashComments(text, carry);
    case DpChoice::kDvbc:
      return dp::FilterBasicComments(text);
    case DpChoice::kDhtm:
      return dp::FilterHtmlComments(text, carry);
    case DpChoice::kDudc:
      return FilterUserComments(text, settings);
  }
}

}  // namespace kestrin
