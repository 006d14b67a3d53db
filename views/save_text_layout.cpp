#include "views/save_text_layout.h"

#include <algorithm>
#include <cstdint>

#include "report/report_format.h"
#include "report/report_rows.h"
#include "views/print_report_split.h"
#include "views/print_save_texts.h"
#include "views/viewer_texts.h"

namespace kestrin {
namespace {

// A side is widened only for lines longer than this, and never beyond the
// widest ruler; the side keeps 10 columns for row number and change flag.
constexpr int kNarrowLine = 80;
constexpr int kWidestLine = 128;
constexpr int kRowPrefixWidth = 10;

int SideWidth(int longest_line) {
  return std::max(kNarrowLine, std::min(longest_line, kWidestLine)) + kRowPrefixWidth;
}

// Writes rows [first, last) of `list` as the viewer shows them.
bool WriteRows(const ReportLines& report, const StoredLines& list, int64_t first,
               int64_t last, LineSink& sink) {
  for (int64_t i = first; i < last; ++i) {
    if (!sink.WriteLine(RowText(report, list, i))) return false;
  }
  return true;
}

bool WriteSummary(const ReportLines& report, LineSink& sink) {
  return WriteRows(report, report.Primary, ListingEnd(report),
                   static_cast<int64_t>(report.Primary.size()), sink);
}

// A line of W columns: `left` cut and padded to wN columns, a blank, `right`
// cut and padded to wO columns, and a last blank column.
std::string SideBySideLine(std::string_view left, std::string_view right,
                           const SaveWidths& widths) {
  return PadTo(left, static_cast<size_t>(widths.inserts)) + ' ' +
         PadTo(right, static_cast<size_t>(widths.deletes)) + ' ';
}

}  // namespace

SaveWidths DualSaveWidths(const ReportLines& report) {
  const DirTotals& totals = report.totals;
  if (report.settings.Fscl) {
    return {SideWidth(totals.longest_new_line), SideWidth(totals.longest_old_line)};
  }
  return {kNarrowLine + kRowPrefixWidth, kNarrowLine + kRowPrefixWidth};
}

bool WriteSinglePanelText(const ReportLines& report, const std::string& caption, LineSink& sink) {
  return sink.WriteLine(kSeparatorLine) && sink.WriteLine(caption) &&
         WriteRows(report, report.Primary, 0, static_cast<int64_t>(report.Primary.size()), sink);
}

bool WriteStackedText(const ReportLines& report, const std::string& run_stamp, LineSink& sink) {
  return sink.WriteLine(kStackedHeading + run_stamp) && sink.WriteLine(kStackedInsertTitle) &&
         WriteRows(report, report.Primary, 0, ListingEnd(report), sink) &&
         sink.WriteLine(kSeparatorLine) && sink.WriteLine(kStackedDeleteTitle) &&
         WriteRows(report, report.Secondary, 0, static_cast<int64_t>(report.Secondary.size()),
                   sink) &&
         WriteSummary(report, sink);
}

bool WriteSideBySideText(const ReportLines& report, const std::string& run_stamp,
                         const SaveWidths& widths, LineSink& sink) {
  if (!sink.WriteLine(kSideBySideHeading + run_stamp) ||
      !sink.WriteLine(SideBySideLine(kInsertsHeader.substr(0, kSideBySideTitlesWidth),
                                     kDeletesHeader.substr(0, kSideBySideTitlesWidth), widths))) {
    return false;
  }
  // Deletes rows past the listing's end (a report cut short) still get a line.
  const int64_t listing_end = ListingEnd(report);
  const auto deletes = static_cast<int64_t>(report.Secondary.size());
  for (int64_t i = 0; i < std::max(listing_end, deletes); ++i) {
    const std::string left = i < listing_end ? RowText(report, report.Primary, i) : "";
    const std::string right = i < deletes ? RowText(report, report.Secondary, i) : "";
    if (!sink.WriteLine(SideBySideLine(left, right, widths))) return false;
  }
  return WriteSummary(report, sink);
}

}  // namespace kestrin
