// The report: every line of a compare run's output, as the viewers, print
// and save read it.
#ifndef KESTRIN_REPORT_REPORT_LINES_H_
#define KESTRIN_REPORT_REPORT_LINES_H_

#include <cstdint>

#include "engine/compare_settings.h"
#include "engine/pair_run.h"
#include "report/stored_lines.h"

namespace kestrin {

// Every report line is cut to this many characters.
inline constexpr size_t kReportLineWidth = 132;

struct ReportLines {
  // Every report line; with Sbsl the new (left) side of the listing plus all
  // headings and summaries.
  StoredLines Primary;
  // With Sbsl only: the old (right) side of the listing, kept line-aligned
  // with Primary by lines of one blank.
  StoredLines Secondary;
  bool SummaryStarted = false;
  int32_t SummaryStartIndex = 0;  // lines in Primary when the summary began
  bool HeaderArmed = false;
  bool HeaderPending = false;
  bool ReportFull = false;
  int32_t OutputLineCount = 0;    // listing lines written in this run

  // The settings and totals of the run that built the report, kept for the
  // viewers and Re-Show.
  CompareSettings settings;
  DirTotals totals;

  // Empties both lists (their spill files go with them) and resets the
  // state for a new run.
  void Clear() { *this = ReportLines(); }
};

}  // namespace kestrin

#endif  // KESTRIN_REPORT_REPORT_LINES_H_
