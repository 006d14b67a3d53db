// From a row of a directory report's overall summary table to that pair's
// listing: the table names each pair, and the pair's listing starts with a
// heading that names its files.
#ifndef KESTRIN_VIEWS_SUMMARY_JUMP_H_
#define KESTRIN_VIEWS_SUMMARY_JUMP_H_

#include <cstdint>
#include <optional>

#include "report/report_lines.h"

namespace kestrin {

// The Primary row where the pair named by Primary row `row` of the summary's
// pair table is first headed ("Old File = ..." with one name a row, "New File
// = ..." with two), or nothing when `row` is no pair row or the pair has no
// heading (an equal pair of a Chng listing).
std::optional<int64_t> PairListingRow(const ReportLines& report, int64_t row);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_SUMMARY_JUMP_H_
