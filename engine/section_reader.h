// Reading a text pair section by section and preparing each line's compare
// form: Ccol selection, Dp filter, case folding, squeezing and hashing.
#ifndef KESTRIN_ENGINE_SECTION_READER_H_
#define KESTRIN_ENGINE_SECTION_READER_H_

#include <cstdint>
#include <string>

#include "engine/pair_run.h"

namespace kestrin {

// Positions both sides at their SectionStart. A side that cannot be
// positioned is told to the user, marked OpenFailed and read as empty.
void PositionBothSides(CompareRun& run);

// Fills both section arrays with the next section's lines, sets the section
// counts, Differs and PairDone.
void ReadSection(CompareRun& run);

// Applies the side's Ccol ranges to one stored line: the selection is written
// over line.Text and line.CmpLen is set.
void SelectColumns(SideFile& side, InputLine& line, int32_t& ccol_blank_count);

// Runs the Dp filter, case folding, squeezing and hashing over every line of
// the section, new side first.
void PrepareLines(CompareRun& run);

// Folds A-Z to a-z over the first `length` characters of `text`.
void FoldCase(std::string& text, int32_t length);

// Removes every blank from the first `length` characters of `text` and cuts
// the text after what is left, padded with zero bytes to an even length of at
// least 2. Returns that length.
int32_t Squeeze(std::string& text, int32_t length);

// The 16-bit wrap-around sum of a squeezed text read as little-endian 16-bit
// words; 0 is stored as 65535.
uint16_t HashSqueezed(const std::string& text, int32_t squeezed_length);

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_SECTION_READER_H_
