// The Dp (don't process) line filters: cut comment text out of a line's
// compare text and mark the line as a Dp or part-Dp line.
#ifndef KESTRIN_ENGINE_DP_FILTER_H_
#define KESTRIN_ENGINE_DP_FILTER_H_

#include <cstdint>

#include "engine/compare_settings.h"
#include "engine/input_line.h"

namespace kestrin {

// Comment state one side carries from line to line and from section to
// section; cleared at the start of each pair.
struct DpCarry {
  bool InStringCarry = false;  // Dcpp: a double-quoted string was open at the end of the last line
  bool InSlashStar = false;    // Dcpp: a slash-star comment is open
  bool InParenStar = false;    // Ddlc, Ddl2: a parenthesis-star comment is open
  bool InBrace = false;        // Ddlc, Ddl2: a brace comment is open
  bool InHtml = false;         // Dhtm: an HTML comment is open
};

// Runs the filter of settings.DpOption on `line`, whose text to examine is
// the first `length` characters of line.Text (RawLen, or CmpLen with Ccol).
// Blanks out comment parts and sets IsDp or IsPartDp.
// REQUIRES: settings.DpActive.
void FilterLine(const CompareSettings& settings, DpCarry& carry, InputLine& line, int32_t length);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_DP_FILTER_H_
