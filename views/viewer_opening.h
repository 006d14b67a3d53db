// The decisions of a viewer opening: which viewer, its caption, the ruler
// width and the list headers. Plain logic over the report state.
#ifndef KESTRIN_VIEWS_VIEWER_OPENING_H_
#define KESTRIN_VIEWS_VIEWER_OPENING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "report/report_lines.h"

namespace kestrin {

// The ruler width of the report: its longest new-file or old-file line,
// at most 128.
int32_t RulerWidth(const DirTotals& totals);

// True when the dual panel shows the report: the main window's Sbsl box is
// checked and the report has a right side.
bool UsesDualPanel(const ReportLines& report, bool sbsl_checked);

// `base` followed, under Fscl with a ruler wider than 80, by the first
// `ruler_width` - 80 characters of the wide ruler.
std::string HeaderText(std::string_view base, const CompareSettings& settings, int32_t ruler_width);

// The single panel's header: none for an Ovsum report or one without
// reformatted, inserted or deleted lines.
std::optional<std::string> SingleHeader(const ReportLines& report, int32_t ruler_width);

// "Kestrin V1.4b - Single Panel Display of Comparison Report  " and the stamp.
std::string SingleCaption(std::string_view run_stamp);
// "Kestrin V1.4b - Dual Panel Display of Comparison Report  " and the stamp.
std::string DualCaption(std::string_view run_stamp);

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_VIEWER_OPENING_H_
