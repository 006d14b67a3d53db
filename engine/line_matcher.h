// Line matching: decides which new and old lines of one section are the same
// line, in order, and (with Fmvl) which are moved.
#ifndef KESTRIN_ENGINE_LINE_MATCHER_H_
#define KESTRIN_ENGINE_LINE_MATCHER_H_

#include <cstdint>

#include "engine/engine_host.h"
#include "engine/input_line.h"

namespace kestrin {

struct MatchOptions {
  bool dp_active = false;     // a Dp option is chosen: navigation skips IsDp lines
  bool Fmvl = false;          // run the moved-line pass
  bool LastSection = false;   // PairDone was set when matching began
  int64_t new_section_start = 0;  // lines before the section, for status texts
  int64_t old_section_start = 0;
};

// Matches the prepared lines of `new_section` against `old_section` (their
// Text holding the squeezed compare form). Afterwards a Matched or Moved new
// line's Link is its old partner. In the first cycle of a section that is not
// the last, both counts may be lowered to cut the section after its furthest
// accepted block. Shows progress every 50 cycles through `host`.
void MatchSection(Section& new_section, Section& old_section, const MatchOptions& options,
                  EngineHost& host);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_LINE_MATCHER_H_
