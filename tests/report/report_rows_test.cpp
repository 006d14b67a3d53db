// Row texts and row colours of the viewers: numbering, summary rows,
// out-of-range rows and every colour rule per side.
#include "report/report_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"

namespace kestrin {
namespace {

using testkit::CaseScope;
using testkit::ReadCaseTable;
using testkit::TableCase;

// The row colours by name, in RowColourName order.
constexpr const char* kColourNames[] = {"black", "red", "blue", "teal", "maroon", "green", "navy"};

const char* ColourName(RowColourName colour) { return kColourNames[static_cast<int>(colour)]; }

ReportLines ReportOf(std::vector<std::string> primary, std::vector<std::string> secondary = {}) {
  ReportLines report;
  report.Primary = StoredOf(primary);
  report.Secondary = StoredOf(secondary);
  return report;
}

// The row texts of one report: rows numbered from 1 in four columns, summary
// rows with one blank instead of a number (on the Secondary side too, from
// the same index), and each side's error text outside its list.
TEST(ReportRowsTest, RowTexts) {
  std::vector<std::string> primary(10001, "    x");
  primary[0] = "I - first";
  primary[10000] = "SUMMARY";
  ReportLines report = ReportOf(primary, {"D - old", "    b", "    extra"});
  report.SummaryStarted = true;
  report.SummaryStartIndex = 10000;
  ReportLines unstarted = ReportOf({"    a"});
  unstarted.SummaryStartIndex = 0;  // a left-over value without a started summary
  ReportLines secondary_summary = ReportOf({"    a", "S"}, {"    a", "    extra"});
  secondary_summary.SummaryStarted = true;
  secondary_summary.SummaryStartIndex = 1;
  struct Case {
    const ReportLines* report;
    RowSide side;
    int64_t row;
    std::string expected;
  };
  const Case cases[] = {
      {&report, RowSide::kSingle, 0, "   1  I - first"},
      {&report, RowSide::kSingle, 8, "   9      x"},
      {&report, RowSide::kSingle, 998, " 999      x"},
      {&report, RowSide::kSingle, 9998, "9999      x"},
      {&report, RowSide::kSingle, 9999, "10000      x"},  // five digits shift the line
      {&report, RowSide::kSingle, 10000, " SUMMARY"},
      {&report, RowSide::kInserts, 0, "   1  I - first"},
      {&report, RowSide::kDeletes, 0, "   1  D - old"},
      {&unstarted, RowSide::kSingle, 0, "   1      a"},
      {&secondary_summary, RowSide::kDeletes, 1, "     extra"},
      {&unstarted, RowSide::kSingle, -1,
       "*** Orpheus VCL Program Error  - Negative index\" -1\" to GetItem*** "},
      {&unstarted, RowSide::kSingle, 1,
       "*** Orpheus VCL Program Error  - Negative index\" 1\" to GetItem*** "},
      {&unstarted, RowSide::kInserts, 7,
       "*** Orpheus VCL Program Error  - Invalid index\" 7\" to GetItem*** "},
      {&unstarted, RowSide::kDeletes, 12345678901,
       "*** Orpheus VCL Program Error  - Improper index\" 12345678901\" to GetItem*** "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowText(*c.report, c.side, c.row), c.expected) << "row " << c.row;
    if (c.side == RowSide::kInserts) continue;  // the single panel's list is Primary too
    const StoredLines& list = c.side == RowSide::kDeletes ? c.report->Secondary : c.report->Primary;
    EXPECT_EQ(RowText(*c.report, list, c.row), c.expected) << "row " << c.row << " of its list";
  }
  EXPECT_EQ(RowColour(unstarted, RowSide::kDeletes, 7), RowColourName::kGreen);
  EXPECT_EQ(RowColour(ReportLines(), RowSide::kSingle, 0), RowColourName::kGreen);
}

TEST(ReportRowsTest, RowColours) {
  for (const TableCase& c : ReadCaseTable("tests/report/cases/row_colours.txt")) {
    CaseScope scope(c);
    ReportLines report = ReportOf({c[0]}, {c[0]});
    if (c[1] == "chng") {
      report.settings.ListingType = ListingKind::kChng;
      report.settings.Chng = true;
    }
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kSingle, 0)), c[2].c_str());
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kInserts, 0)), c[3].c_str());
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kDeletes, 0)), c[4].c_str());
  }
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
