// Summary lines shared by the per-pair summary and the directory summary.
#include "report/summary_lines.h"

#include "report/report_format.h"
#include "report/report_texts.h"

namespace kestrin {

std::string LinesProcessedLine(const char* processed_format, const char* dp_format,
                               std::string_view separator, const SideLineCounts& counts,
                               bool dp_active) {
  std::string line = FormatText(processed_format, counts.processed - counts.dp);
  if (dp_active) {
    line += separator;
    line += FormatText(dp_format, counts.dp, counts.part_dp);
  }
  return line;
}

std::string ListingOptionsLine(const CompareSettings& settings, std::string_view options_text) {
  const std::string options(options_text);
  return FormatText(kListingOptionsFormat, settings.ListingTypeText.c_str(), options.c_str());
}

}  // namespace kestrin
