// How a report line becomes a viewer row: its displayed text and its colour.
// Used by both viewers, find, print and save.
#ifndef KESTRIN_REPORT_REPORT_ROWS_H_
#define KESTRIN_REPORT_REPORT_ROWS_H_

#include <cstdint>
#include <string>

#include "report/report_lines.h"

namespace kestrin {

// Which rows a viewer list shows: the single panel's Primary rows, the dual
// panel's left (inserts, Primary) or right (deletes, Secondary) rows.
enum class RowSide { kSingle, kInserts, kDeletes };

enum class RowColourName { kBlack, kRed, kBlue, kTeal, kMaroon, kGreen, kNavy };

struct Rgb {
  uint8_t red, green, blue;
};

// The RGB value of a viewer colour.
Rgb ColourRgb(RowColourName colour);

// The display text of row `i` (0-based) of `list` (report.Primary or
// report.Secondary): "%4d  " and the line, or one blank and the line in the
// summary. A row outside the list gives the out-of-range text.
std::string RowText(const ReportLines& report, const StoredLines& list, int64_t i);

// The display text of row `i` of the list `side` shows, with that side's own
// out-of-range text. RowText on a list gives the single panel's out-of-range
// text for Primary and the deletes side's for Secondary.
std::string RowText(const ReportLines& report, RowSide side, int64_t i);

// The text colour of row `i` of the list `side` shows.
RowColourName RowColour(const ReportLines& report, RowSide side, int64_t i);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_ROWS_H_
