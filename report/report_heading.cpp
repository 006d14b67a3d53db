// The file heading above each pair's listing.
#include "report/report_heading.h"

#include <algorithm>

#include "engine/file_system.h"
#include "report/report_format.h"
#include "report/report_texts.h"

namespace kestrin {

std::string RulerLine(bool fscl, int32_t longest_line) {
  std::string ruler(kRulerFixed);
  const auto fixed_columns = static_cast<int32_t>(kText80Width);
  if (!fscl) {
    ruler += kRulerColumns;
  } else if (longest_line > fixed_columns) {
    const int32_t shown = std::min(longest_line, static_cast<int32_t>(kText128Width));
    ruler += kRulerContinuation.substr(0, static_cast<size_t>(shown - fixed_columns));
  }
  return ruler;
}

std::vector<std::string> HeadingLines(const PairHeading& heading, bool fscl) {
  return {FormatText(kNewFileFormat, heading.new_file_name.c_str(),
                     FormatFileTime(heading.new_file_age).c_str()),
          FormatText(kOldFileFormat, heading.old_file_name.c_str(),
                     FormatFileTime(heading.old_file_age).c_str()),
          RulerLine(fscl, heading.longest_line)};
}

}  // namespace kestrin
