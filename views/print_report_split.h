// Where a report's listing ends and its summary begins, as every printout and
// saved layout splits it, and the row-number rules that go with the split.
#ifndef KESTRIN_VIEWS_PRINT_REPORT_SPLIT_H_
#define KESTRIN_VIEWS_PRINT_REPORT_SPLIT_H_

#include <cstdint>
#include <string>

#include "report/report_lines.h"

namespace kestrin {

// The number of Primary rows that belong to the listing: the summary's start
// when the summary has begun (never past the end of Primary), else every row,
// since a report that never reached its summary is all listing.
int64_t ListingEnd(const ReportLines& report);

// True iff the displayed text of row `i` starts with its row number (rows of
// the summary start with one blank instead).
bool IsNumberedRow(const ReportLines& report, int64_t i);

// The displayed text of row `i` without its row number, for "Print No Ref#":
// "  12  I - x" and "12345  I - x" become "  I - x". The text of a summary row
// (not numbered) comes back unchanged.
std::string WithoutRowNumber(const ReportLines& report, int64_t i, const std::string& row_text);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_PRINT_REPORT_SPLIT_H_
