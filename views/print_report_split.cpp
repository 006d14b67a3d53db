#include "views/print_report_split.h"

#include <algorithm>

namespace kestrin {
namespace {

// The row number's least width in a numbered row's text ("%4d").
constexpr size_t kRowNumberWidth = 4;

}  // namespace

int64_t ListingEnd(const ReportLines& report) {
  const auto rows = static_cast<int64_t>(report.Primary.size());
  if (!report.SummaryStarted) return rows;
  return std::clamp<int64_t>(report.SummaryStartIndex, 0, rows);
}

bool IsNumberedRow(const ReportLines& report, int64_t i) {
  return !(report.SummaryStarted && i >= report.SummaryStartIndex);
}

std::string WithoutRowNumber(const ReportLines& report, int64_t i, const std::string& row_text) {
  if (!IsNumberedRow(report, i)) return row_text;
  // A number past 9999 is written in full and is dropped in full.
  const size_t width = std::max(kRowNumberWidth, std::to_string(i + 1).size());
  return row_text.substr(std::min(width, row_text.size()));
}

}  // namespace kestrin
