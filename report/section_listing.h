// The listing of one section of a text pair: re-reading its raw lines,
// counting matches, reformats, insertions and deletions in runs, and writing
// the Chng, Long and Delta listing lines (Ovsum only counts).
#ifndef KESTRIN_REPORT_SECTION_LISTING_H_
#define KESTRIN_REPORT_SECTION_LISTING_H_

#include <cstdint>

#include "engine/compare_settings.h"
#include "engine/dp_filter.h"
#include "engine/input_line.h"
#include "engine/pair_run.h"
#include "engine/side_file.h"
#include "report/context_writer.h"
#include "report/report_store.h"

namespace kestrin {

// One section of a text pair as the listing reads, counts and writes it. The
// section arrays hold the matcher's result; the listing reloads their Text
// with the raw lines.
struct SectionView {
  const CompareSettings& settings;
  PairResult& pair;
  Section& new_lines;
  Section& old_lines;
  SideFile& new_side;  // SectionStart gives the reference numbers
  SideFile& old_side;

  int64_t NewRef(int32_t i) const { return new_side.SectionStart + i; }
  int64_t OldRef(int32_t j) const { return old_side.SectionStart + j; }
  // The longer of the two sides' longest lines so far.
  int32_t LongestLine() const;
};

SectionView ViewOf(CompareRun& run);

// The first line at or after `index` that is not a Dp line; count + 1 when
// there is none.
int32_t NextListed(const Section& section, int32_t index);

// The comment state of each side as the listing re-filters the re-read lines
// of a pair, from its first line on. Kept apart from the reader's own state so
// that listing a section never changes how the next one is read.
struct ListingCarry {
  DpCarry new_side;
  DpCarry old_side;
};

// ---- Re-reading (the sides are positioned from SectionStart) ----

// Marks the pair of lines of each index of a section that is identical to
// the old one as matched, having read every new line again unless the lines
// kept their raw texts (KeepsRawText); with a Dp option the new line's Dp
// marks are given to the old line of the same index.
void MarkIdenticalSection(CompareRun& run, const ListingCarry& carry);

// Reloads each line's Text with its raw line: a Dp or part-Dp line keeps the
// raw line in SavedText (without Xdpl) and shows its text with the comment cut.
// Counts the side's part-Dp lines. REQUIRES: the side is positioned.
void ReloadOldLines(CompareRun& run, DpCarry& carry);
void ReloadNewLines(CompareRun& run, DpCarry& carry);

// ---- Counting (the lines' Text holds the raw lines) ----

// Old side: delete runs (RunCount on each run's first line), Deletions,
// OldDp, MovedLines.
void CountDeletions(SectionView& view);
// New side: insert runs, Insertions, NewDp; for each matched pair whether it
// is exact (a matched run) or a reformat.
void CountInsertionsAndMatches(SectionView& view);
// Reformat runs: RunCount on the first line of each run of reformats that
// follow each other on both sides.
void MarkReformatRuns(SectionView& view);

// ---- Writing ----

// The Chng and Long listing of the section, every line through `sink`;
// counts PairedChanges.
void WriteChangeListing(SectionView& view, ListingSink& sink);
// The Delta listing of the section (block lines and changed lines), or for
// Ovsum only the PairedChanges count. `pending_matched` carries matched lines
// not yet shown in a block line from one section to the next.
void WriteDeltaListing(SectionView& view, bool last_section, ReportStore& store,
                       int64_t& pending_matched);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_SECTION_LISTING_H_
