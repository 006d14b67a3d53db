// Row texts and row colours of the viewers: numbering, summary rows,
// out-of-range rows and every colour rule per side.
#include "report/report_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"

namespace kestrin {
namespace {

using testkit::CaseScope;
using testkit::ForEachCase;
using testkit::ReadCaseTable;
using testkit::TableCase;

// The row colours by name, in RowColourName order.
constexpr const char* kColourNames[] = {"black", "red", "blue", "teal", "maroon", "green", "navy"};

const char* ColourName(RowColourName colour) { return kColourNames[static_cast<int>(colour)]; }

// A report of the two lists whose summary started at `summary_start`, if any.
ReportLines ReportOf(std::vector<std::string> primary, std::vector<std::string> secondary = {},
                     int32_t summary_start = -1) {
  ReportLines report;
  report.Primary = StoredOf(primary);
  report.Secondary = StoredOf(secondary);
  report.SummaryStarted = summary_start >= 0;
  report.SummaryStartIndex = std::max(summary_start, 0);
  return report;
}

TEST(ReportRowsTest, RowTexts) {
  std::vector<std::string> primary(10001, "    x");
  primary[0] = "I - first";
  primary[10000] = "SUMMARY";
  const ReportLines report = ReportOf(primary, {"D - old", "    b", "    extra"}, 10000);
  const ReportLines unstarted = ReportOf({"    a"});
  const ReportLines secondary_summary = ReportOf({"    a", "S"}, {"    a", "    extra"}, 1);
  const std::map<std::string, const ReportLines*> reports = {
      {"numbered", &report}, {"unstarted", &unstarted}, {"secondary_summary", &secondary_summary}};
  const std::map<std::string, RowSide> sides = {
      {"single", RowSide::kSingle}, {"inserts", RowSide::kInserts}, {"deletes", RowSide::kDeletes}};
  ForEachCase("tests/report/cases/row_texts.txt", [&](const TableCase& c) {
    const ReportLines& shown = *reports.at(c[0]);
    const RowSide side = sides.at(c[1]);
    EXPECT_EQ(RowText(shown, side, c.Number(2)), c[3]);
    if (side == RowSide::kInserts) return;  // the single panel's list is Primary too
    const StoredLines& list = side == RowSide::kDeletes ? shown.Secondary : shown.Primary;
    EXPECT_EQ(RowText(shown, list, c.Number(2)), c[3]) << "of its list";
  });
  EXPECT_EQ(RowColour(unstarted, RowSide::kDeletes, 7), RowColourName::kGreen);
  EXPECT_EQ(RowColour(ReportLines(), RowSide::kSingle, 0), RowColourName::kGreen);
}

TEST(ReportRowsTest, RowColours) {
  ForEachCase("tests/report/cases/row_colours.txt", [&](const TableCase& c) {
    ReportLines report = ReportOf({c[0]}, {c[0]});
    if (c[1] == "chng") {
      report.settings.ListingType = ListingKind::kChng;
      report.settings.Chng = true;
    }
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kSingle, 0)), c[2].c_str());
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kInserts, 0)), c[3].c_str());
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kDeletes, 0)), c[4].c_str());
  });
}

TEST(ReportRowsTest, ColourRgbGivesTheViewerColours) {
  const std::vector<TableCase> cases = ReadCaseTable("tests/report/cases/colour_values.txt");
  ASSERT_EQ(cases.size(), std::size(kColourNames));
  for (size_t k = 0; k < cases.size(); ++k) {
    const TableCase& c = cases[k];
    CaseScope scope(c);
    const auto colour = static_cast<RowColourName>(k);
    EXPECT_STREQ(ColourName(colour), c[0].c_str());
    const Rgb rgb = ColourRgb(colour);
    EXPECT_EQ(rgb.red, c.Number(1));
    EXPECT_EQ(rgb.green, c.Number(2));
    EXPECT_EQ(rgb.blue, c.Number(3));
  }
}

}  // namespace
}  // namespace kestrin
