// One prepared line of a section, and the section array that holds one
// side's lines of the current section.
#ifndef KESTRIN_ENGINE_INPUT_LINE_H_
#define KESTRIN_ENGINE_INPUT_LINE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrin {

// A section holds at most this many lines a side; reading stops when a side's
// count plus one reaches kSectionLimit.
inline constexpr int32_t kSectionLimit = 8000;
inline constexpr int32_t kMaxSectionLines = kSectionLimit - 1;
// The longest line the reader returns; longer physical lines are split.
inline constexpr int32_t kMaxLineLength = 2048;

// What a line's record knows besides its texts; a section clears it for
// every line it reuses. The flags are single bits, so that a whole record
// fits one cache line: the matcher's scans and the reader pass thousands of
// records in a row.
struct LineMarks {
  uint32_t Fingerprint = 0;  // KeysOfSqueezed's fingerprint once prepared
  uint16_t Link = 0;        // partner line on the other side (see the matcher)
  uint16_t Hash = 0;        // 16-bit sum of the squeezed text; never 0 once prepared
  uint16_t Chain = 0;       // matcher: next old line with equal content
  int16_t RunCount = 0;     // listing: length of the run of like lines starting here
  int16_t RawLen = 0;       // length as read, 1 to 2048
  uint16_t SqueezedLen = 0;  // length of the squeezed text (always even)
  int16_t CmpLen = 0;       // length after Ccol selection; once prepared, of the Text compared
  bool Matched : 1 = false;     // paired with a line of the other side in order
  bool NoMatch : 1 = false;     // matcher: no longer tried as a block start
  bool IsDp : 1 = false;        // don't-process line
  bool IsPartDp : 1 = false;    // an embedded comment part was cut from the line
  bool IsReformat : 1 = false;  // matched line differs from its partner in blanks only
  bool BlockStart : 1 = false;  // first line of an accepted block; set on sentinels
  bool Moved : 1 = false;       // unmatched line recognised as moved (Fmvl)
  bool end_sentinel : 1 = false;  // the second sentinel flag
  bool CcolBlank : 1 = false;   // shorter than the Ccol start column: compared as one blank
  bool has_saved_text : 1 = false;  // listing: SavedText holds this line's raw text
};

struct alignas(64) InputLine : LineMarks {
  // Raw line after reading; the Ccol selection after Select columns; after
  // Prepare lines still the raw line when nothing rewrote it, else the
  // squeezed compare form; the raw line again in the listing.
  std::string Text;
  // Listing: the raw text of a Dp or part-Dp line. Made for the first such
  // line the record holds and kept, with its room, for the next ones.
  std::unique_ptr<std::string> SavedText;
};
static_assert(sizeof(InputLine) == 64, "a line's record fits one cache line");

// One side's section array: lines at indices 1..count, an end sentinel at
// count + 1. Index 0 is unused.
struct Section {
  std::vector<InputLine> line = std::vector<InputLine>(kSectionLimit + 2);
  int32_t count = 0;

  // Clears every record the section has used (texts keep their capacity).
  void Reset();
  // Counts one more line and returns its record. REQUIRES: count + 1 < kSectionLimit.
  InputLine& Append();
  // Writes the end sentinel at count + 1 with `other_count` + 1 as its Link.
  void WriteSentinel(int32_t other_count);

 private:
  // Records above this index are untouched since the last Reset, so a
  // section of a few lines costs a few records to clear, not the whole array.
  int32_t used_limit_ = kSectionLimit + 1;
};

// Works out the compare form of the first `length` characters of the line's
// Text (squeezed: see Squeeze) and sets SqueezedLen, Hash and Fingerprint from
// it. With `keep_text` the Text stays as it is and CmpLen becomes `length`;
// else the Text becomes the compare form and CmpLen its length. Either way the
// line's compare form is that of the first CmpLen characters of its Text.
void PrepareCompareForm(InputLine& line, int32_t length, bool keep_text);

// True iff new line `a` equals old line `b` in compare form: equal hashes,
// equal squeezed lengths, equal fingerprints and equal compare forms. Unequal
// keys settle it without reading the texts, and equal compared texts without
// squeezing them.
bool LinesEqual(const InputLine& a, const InputLine& b);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_INPUT_LINE_H_
