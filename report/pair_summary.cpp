// The per-pair summary.
#include "report/pair_summary.h"

#include <string>

#include "engine/file_system.h"
#include "report/report_format.h"
#include "report/report_texts.h"
#include "report/summary_lines.h"

namespace kestrin {
namespace {

std::string RangeEnd(int32_t stop) {
  return stop == 0 ? std::string(kEndOfLineColumn) : std::to_string(stop);
}

// "NEW-COMPARE-COLUMNS (1:eol) MAX-NEW-COMP-LEN = 40" and its two-range form.
std::string CompareColumnsLine(const SideFile& side, const char* one_range_format,
                               const char* two_range_format) {
  const ColumnRanges& ranges = side.ranges;
  if (ranges.range2_valid) {
    return FormatText(two_range_format, ranges.start1, RangeEnd(ranges.stop1).c_str(),
                      ranges.start2, RangeEnd(ranges.stop2).c_str(), side.MaxCmpLen);
  }
  return FormatText(one_range_format, ranges.start1, RangeEnd(ranges.stop1).c_str(),
                    side.MaxCmpLen);
}

class PairSummary {
 public:
  PairSummary(const CompareRun& run, const DirectoryRunInfo& info, ReportStore& store)
      : run_(run), settings_(run.settings), pair_(run.pair), info_(info), store_(store) {}

  void WriteStatistics() {
    store_.AddLine(kPairSummaryTitle);
    store_.AddLine(FormatText(kNewFileFormat, run_.new_side.file_name.c_str(),
                              FormatFileTime(run_.new_side.file_age).c_str()));
    store_.AddLine(FormatText(kOldFileFormat, run_.old_side.file_name.c_str(),
                              FormatFileTime(run_.old_side.file_age).c_str()));
    store_.AddLine(kOneBlankLine);
    WriteChangeCounts();
    WriteLinesProcessed();
    WriteMovedLines();
    WriteBinarySizes();
    WriteOptions();
    WriteCompareColumns();
    WriteWarnings();
  }

 private:
  void WriteChangeCounts() {
    const int64_t paired = pair_.paired_changes;
    const int64_t total = pair_.reformats + pair_.insertions + pair_.deletions - paired;
    store_.AddLine(FormatText(kPairMatchesFormat, pair_.matches, total));
    store_.AddLine(FormatText(kPairReformatsFormat, pair_.reformats, pair_.reformats + paired));
    store_.AddLine(FormatText(kPairInsertionsFormat, pair_.insertions, pair_.insertions - paired));
    store_.AddLine(FormatText(kPairDeletionsFormat, pair_.deletions, pair_.deletions - paired));
  }

  void WriteLinesProcessed() {
    const SideLineCounts new_counts{pair_.new_lines_processed, pair_.new_dp, pair_.new_part_dp};
    const SideLineCounts old_counts{pair_.old_lines_processed, pair_.old_dp, pair_.old_part_dp};
    store_.AddLine(LinesProcessedLine(kNewLinesProcessedFormat, kNewDpCountsFormat, kOneBlankLine,
                                      new_counts, settings_.DpActive));
    store_.AddLine(LinesProcessedLine(kOldLinesProcessedFormat, kOldDpCountsFormat, kOneBlankLine,
                                      old_counts, settings_.DpActive));
  }

  void WriteMovedLines() {
    if (!settings_.Fmvl) return;
    store_.AddLine(FormatText(kPairMovedFormat, pair_.moved_lines));
    if (pair_.MovedSubOptimal) store_.AddLine(kMovedSubOptimal);
  }

  bool BinaryProcessed() const { return run_.totals.binary_pairs >= 1; }

  void WriteBinarySizes() {
    if (!BinaryProcessed()) return;
    store_.AddLine(FormatText(kPairBinarySizesFormat, static_cast<long long>(pair_.new_binary_size),
                              static_cast<long long>(pair_.old_binary_size)));
  }

  void WriteOptions() {
    const int32_t new_longest = run_.new_side.LongestLine;
    const int32_t old_longest = run_.old_side.LongestLine;
    const bool binary = new_longest == 0 && old_longest == 0 && BinaryProcessed();
    const std::string options = info_.options_text;
    if (run_.state.pair_count == 1) {
      std::string line = ListingOptionsLine(settings_, options);
      if (!binary) line += FormatText(kLongestLineSuffixFormat, new_longest, old_longest);
      store_.AddLine(line);
      if (pair_.EqualByAeqf) store_.AddLine(kAeqfNote);
    } else if (binary) {
      store_.AddLine(FormatText(kOptionsFormat, options.c_str()));
    } else {
      store_.AddLine(FormatText(kLongestLineFormat, new_longest, old_longest));
    }
  }

  void WriteCompareColumns() {
    if (!settings_.Ccol) return;
    store_.AddLine(CompareColumnsLine(run_.new_side, kNewColumnsOneFormat, kNewColumnsTwoFormat));
    store_.AddLine(CompareColumnsLine(run_.old_side, kOldColumnsOneFormat, kOldColumnsTwoFormat));
  }

  void WriteWarnings() {
    const SideFile& new_side = run_.new_side;
    const SideFile& old_side = run_.old_side;
    if (new_side.CcolWarn || old_side.CcolWarn) {
      store_.AddLine(
          FormatText(kCcolWarningFormat, pair_.new_ccol_blank_count, pair_.old_ccol_blank_count));
    }
    if (settings_.Dudc) {
      store_.AddLine(FormatText(kDudcFormat, info_.dudc_text.c_str(), info_.dudc_embedded.c_str()));
    }
    if (new_side.SawEofChar) store_.AddLine(settings_.Ieof ? kNewEofIgnored : kNewEofEnded);
    if (old_side.SawEofChar) store_.AddLine(settings_.Ieof ? kOldEofIgnored : kOldEofEnded);
    if (new_side.LineSplit || old_side.LineSplit) store_.AddLine(kLinesSplitWarning);
  }

  const CompareRun& run_;
  const CompareSettings& settings_;
  const PairResult& pair_;
  const DirectoryRunInfo& info_;
  ReportStore& store_;
};

}  // namespace

void WritePairSummary(const CompareRun& run, const DirectoryRunInfo& info, ReportLines& lines,
                      ReportStore& store) {
  lines.HeaderPending = false;
  if (run.state.pair_count == 1) {
    lines.SummaryStarted = true;
    lines.SummaryStartIndex = static_cast<int32_t>(store.PrimaryLineCount());
  }
  if (store.PrimaryLineCount() > 0) store.AddLine(kOneBlankLine);
  if (run.settings.Noss && run.state.pair_count > 1) return;
  PairSummary(run, info, store).WriteStatistics();
}

}  // namespace kestrin
