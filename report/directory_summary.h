// The run-wide totals of every reported pair, and the directory overall
// summary written after the run's last pair: the pair table, the file counts,
// the line totals, the unpaired files and the hand-picked pairs.
#ifndef KESTRIN_REPORT_DIRECTORY_SUMMARY_H_
#define KESTRIN_REPORT_DIRECTORY_SUMMARY_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/pair_run.h"
#include "report/directory_run_info.h"
#include "report/report_lines.h"
#include "report/report_store.h"

namespace kestrin {

// Folds the current pair's counts into its directory entry and the run's
// totals. `pair_differs`: some section (or the binary compare) of the pair
// found a difference.
void FoldPair(CompareRun& run, bool pair_differs);

// Writes the directory overall summary through `store`.
void WriteDirectorySummary(const CompareRun& run, const DirectoryRunInfo& info, ReportLines& lines,
                           ReportStore& store);

// A name longer than `width` becomes its first width - 6 characters, "..",
// and its last 4, exactly `width` characters: "a-very-long-file-name-here.txt"
// in 20 is "a-very-long-fi...txt". A shorter name is unchanged.
std::string Shorten(std::string_view name, size_t width);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_DIRECTORY_SUMMARY_H_
