// The per-pair summary: the statistics section written after a pair's last
// section when the pair differs, and for the one pair of a one-pair run.
#ifndef KESTRIN_REPORT_PAIR_SUMMARY_H_
#define KESTRIN_REPORT_PAIR_SUMMARY_H_

#include "engine/pair_run.h"
#include "report/directory_run_info.h"
#include "report/report_lines.h"
#include "report/report_store.h"

namespace kestrin {

// Writes the pair summary of the current pair of `run` through `store`. The
// pair's totals are already folded into run.totals.
void WritePairSummary(const CompareRun& run, const DirectoryRunInfo& info, ReportLines& lines,
                      ReportStore& store);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_PAIR_SUMMARY_H_
