// Finding a summary row's pair listing.
#include "views/summary_jump.h"

#include <string>
#include <string_view>

#include "engine/path.h"
#include "report/directory_summary.h"
#include "report/report_texts.h"

namespace kestrin {
namespace {

// A pair row's name field starts after the code and one blank.
constexpr size_t kNameStart = 6;

// "Old File = " from "Old File = %s  %s".
std::string_view HeadingPrefix(std::string_view format) {
  return format.substr(0, format.find('%'));
}

std::string_view TrimmedRight(std::string_view text) {
  const size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The name a heading line names (its path without the time stamp after the
// last two blanks) as the table shows it, shortened to `width`.
std::string TableName(std::string_view heading, std::string_view prefix, size_t width) {
  std::string_view path = heading.substr(prefix.size());
  const size_t stamp = path.rfind("  ");
  if (stamp != std::string_view::npos) path = path.substr(0, stamp);
  return Shorten(NamePart(std::string(path)), width);
}

}  // namespace

std::optional<int64_t> PairListingRow(const ReportLines& report, int64_t row) {
  const StoredLines& lines = report.Primary;
  const auto summary_start = static_cast<int64_t>(report.SummaryStartIndex);
  if (!report.SummaryStarted || row <= summary_start || row >= static_cast<int64_t>(lines.size())) {
    return std::nullopt;
  }
  // The table runs from its heading to the first line of one blank.
  int64_t heading = row - 1;
  while (heading > summary_start && lines[static_cast<size_t>(heading)] != kOneBlankLine &&
         lines[static_cast<size_t>(heading)] != kPairTableHeading &&
         lines[static_cast<size_t>(heading)] != kPairTableHeadingTwoLists) {
    --heading;
  }
  const std::string heading_line = lines[static_cast<size_t>(heading)];
  const bool two_names = heading_line == kPairTableHeadingTwoLists;
  if (!two_names && heading_line != kPairTableHeading) return std::nullopt;

  const size_t width = two_names ? kRowTwoNamesWidth : kRowOneNameWidth;
  const std::string row_line = lines[static_cast<size_t>(row)];
  if (row_line.size() <= kNameStart) return std::nullopt;
  const std::string_view name = TrimmedRight(std::string_view(row_line).substr(kNameStart, width));
  const std::string_view prefix = HeadingPrefix(two_names ? kNewFileFormat : kOldFileFormat);
  for (int64_t i = 0; i < summary_start; ++i) {
    const std::string line = lines[static_cast<size_t>(i)];
    if (line.starts_with(prefix) && TableName(line, prefix, width) == name) return i;
  }
  return std::nullopt;
}

}  // namespace kestrin
