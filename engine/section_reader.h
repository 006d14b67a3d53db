// Reading a text pair section by section and preparing each line's compare
// form: Ccol selection, Dp filter, case folding, squeezing and hashing.
#ifndef KESTRIN_ENGINE_SECTION_READER_H_
#define KESTRIN_ENGINE_SECTION_READER_H_

#include <cstdint>

#include "engine/pair_run.h"

namespace kestrin {

// Positions both sides at their SectionStart. A side that cannot be
// positioned is told to the user, marked OpenFailed and read as empty.
void PositionBothSides(CompareRun& run);

// Tells the user, once per pair, that a read of `side` failed (its
// ReadFailed is set). Call it straight after the failed read, while the file
// system's last error number is still the read's.
void ShowReadFailure(CompareRun& run, SideFile& side);

// Fills both section arrays with the next section's lines, sets the section
// counts, Differs and PairDone, and records each side's line starts for the
// section so that it, and the next section, can be positioned by seeking.
// Shows its progress every 500 new lines; stops at a halt request. Returns
// true iff it has also prepared the lines (see PrepareLines), as it does
// with the sides worked apart when the section needs preparing whatever it
// holds.
bool ReadSection(CompareRun& run);

// True iff the section read last is prepared and matched: it differs, or
// one before it in the pair did, or a Dp filter must see every line.
bool SectionNeedsPreparing(const CompareRun& run);

// Applies the side's Ccol ranges to one stored line: the selection is written
// over line.Text and line.CmpLen is set.
void SelectColumns(SideFile& side, InputLine& line, int64_t& ccol_blank_count);

// True iff preparing leaves every line's Text as it was read: no Dp filter,
// Icas or Ccol rewrites it, so the listing has the raw lines without reading
// them again. Otherwise Text takes the compare form.
bool KeepsRawText(const CompareSettings& settings);

// Runs the Dp filter, case folding, squeezing and hashing over every line of
// the section, new side first.
void PrepareLines(CompareRun& run);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_SECTION_READER_H_
