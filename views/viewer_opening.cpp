// Which viewer opens and what its caption and headers read.
#include "views/viewer_opening.h"

#include <algorithm>

#include "views/viewer_texts.h"

namespace kestrin {
namespace {

// Listing lines are at most this wide in source columns; the wide ruler ends
// there.
constexpr int32_t kWidestRuler = 128;
// The base headers cover source columns 1 to 80.
constexpr int32_t kBaseRulerColumns = 80;

std::string CaptionOf(std::string_view title, std::string_view run_stamp) {
  std::string caption(kProductVersionTag);
  caption += title;
  caption += run_stamp;
  return caption;
}

}  // namespace

int32_t RulerWidth(const DirTotals& totals) {
  return std::min(kWidestRuler, std::max(totals.longest_new_line, totals.longest_old_line));
}

bool UsesDualPanel(const ReportLines& report, bool sbsl_checked) {
  return sbsl_checked && !report.Secondary.empty();
}

std::string HeaderText(std::string_view base, const CompareSettings& settings,
                       int32_t ruler_width) {
  std::string header(base);
  if (settings.Fscl && ruler_width > kBaseRulerColumns) {
    header += kWideRuler.substr(0, static_cast<size_t>(ruler_width - kBaseRulerColumns));
  }
  return header;
}

std::optional<std::string> SingleHeader(const ReportLines& report, int32_t ruler_width) {
  const DirTotals& totals = report.totals;
  const int64_t changes = int64_t{totals.reformats} + totals.insertions + totals.deletions;
  if (report.settings.Ovsum || changes <= 0) return std::nullopt;
  return HeaderText(kSingleHeader, report.settings, ruler_width);
}

std::string SingleCaption(std::string_view run_stamp) {
  return CaptionOf(kSingleCaptionTitle, run_stamp);
}

std::string DualCaption(std::string_view run_stamp) {
  return CaptionOf(kDualCaptionTitle, run_stamp);
}

}  // namespace kestrin
