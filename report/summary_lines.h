// Summary lines that the per-pair summary and the directory summary build
// alike.
#ifndef KESTRIN_REPORT_SUMMARY_LINES_H_
#define KESTRIN_REPORT_SUMMARY_LINES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/compare_settings.h"

namespace kestrin {

// The counts of one side's lines as a summary prints them.
struct SideLineCounts {
  int64_t processed = 0;  // lines read, Dp lines included
  int64_t dp = 0;
  int64_t part_dp = 0;
};

// "      7 New File Lines Processed " from `processed_format`, and with a Dp
// option `separator` and "      3 New Dp/Cmt + 0 Part New Dp/Comments" from
// `dp_format`. The processed count leaves the Dp lines out.
std::string LinesProcessedLine(const char* processed_format, const char* dp_format,
                               std::string_view separator, const SideLineCounts& counts,
                               bool dp_active);

// "LISTING-TYPE = Chng  OPTIONS = Dcpp Icas"
std::string ListingOptionsLine(const CompareSettings& settings, std::string_view options_text);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_SUMMARY_LINES_H_
