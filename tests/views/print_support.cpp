#include "tests/views/print_support.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/common/line_lists.h"

namespace kestrin::print_testing {

ReportLines SingleReport(const std::vector<std::string>& listing,
                         const std::vector<std::string>& summary) {
  ReportLines report;
  report.Primary = StoredOf(listing);
  for (const std::string& line : summary) report.Primary.push_back(line);
  report.SummaryStarted = !summary.empty();
  report.SummaryStartIndex = static_cast<int32_t>(listing.size());
  return report;
}

ReportLines DualReport(const std::vector<std::string>& inserts,
                       const std::vector<std::string>& deletes,
                       const std::vector<std::string>& summary) {
  std::vector<std::string> left = inserts;
  std::vector<std::string> right = deletes;
  while (left.size() < right.size()) left.push_back(" ");
  while (right.size() < left.size()) right.push_back(" ");
  ReportLines report = SingleReport(left, summary);
  report.Secondary = StoredOf(right);
  report.settings.Sbsl = true;
  return report;
}

std::vector<std::string> NumberedLines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("I - line " + std::to_string(i));
  return lines;
}

std::vector<std::string> Rows(const std::string& field) {
  if (field.ends_with(" lines")) return NumberedLines(std::stoi(field));
  std::vector<std::string> rows;
  std::istringstream list(field);
  for (std::string row; std::getline(list, row, ';');) rows.push_back(row);
  return rows;
}

ReportLines FilledReport(std::vector<std::string> primary, std::vector<std::string> secondary,
                         int summary_start) {
  ReportLines report;
  report.Primary = StoredOf(primary);
  report.Secondary = StoredOf(secondary);
  if (summary_start >= 0) {
    report.SummaryStarted = true;
    report.SummaryStartIndex = summary_start;
  }
  report.settings.ListingType = ListingKind::kLong;
  report.settings.Long = true;
  report.settings.ListingTypeText = "Long";
  report.totals.insertions = 1;
  return report;
}

}  // namespace kestrin::print_testing
