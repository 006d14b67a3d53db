// Row texts and row colours of the viewers: numbering, summary rows,
// out-of-range rows and every colour rule per side.
#include "report/report_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/line_lists.h"

namespace kestrin {
namespace {

const char* ColourName(RowColourName colour) {
  switch (colour) {
    case RowColourName::kBlack: return "black";
    case RowColourName::kRed: return "red";
    case RowColourName::kBlue: return "blue";
    case RowColourName::kTeal: return "teal";
    case RowColourName::kMaroon: return "maroon";
    case RowColourName::kGreen: return "green";
    case RowColourName::kNavy: return "navy";
  }
  return "?";
}

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
    const StoredLines& list =
        c.side == RowSide::kDeletes ? c.report->Secondary : c.report->Primary;
    EXPECT_EQ(RowText(*c.report, list, c.row), c.expected) << "row " << c.row << " of its list";
  }
  EXPECT_EQ(RowColour(unstarted, RowSide::kDeletes, 7), RowColourName::kGreen);
  EXPECT_EQ(RowColour(ReportLines(), RowSide::kSingle, 0), RowColourName::kGreen);
}

struct ColourCase {
  std::string line;
  RowColourName single, inserts, deletes;
};

void ExpectColours(const ReportLines& base, const std::vector<ColourCase>& cases) {
  for (const ColourCase& c : cases) {
    ReportLines report = base;
    report.Primary = {c.line};
    report.Secondary = {c.line};
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kSingle, 0)), ColourName(c.single))
        << "single: \"" << c.line << "\"";
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kInserts, 0)), ColourName(c.inserts))
        << "inserts: \"" << c.line << "\"";
    EXPECT_STREQ(ColourName(RowColour(report, RowSide::kDeletes, 0)), ColourName(c.deletes))
        << "deletes: \"" << c.line << "\"";
  }
}

constexpr RowColourName kBlack = RowColourName::kBlack;
constexpr RowColourName kRed = RowColourName::kRed;
constexpr RowColourName kBlue = RowColourName::kBlue;
constexpr RowColourName kTeal = RowColourName::kTeal;
constexpr RowColourName kMaroon = RowColourName::kMaroon;

// Change flags colour their own side and fall through on the other; headings
// and summary lines have fixed colours; the Not Shown marker is blue only in a
// Chng listing.
TEST(ReportRowsTest, RowColours) {
  ReportLines chng;
  chng.settings.ListingType = ListingKind::kChng;
  chng.settings.Chng = true;
  ExpectColours(ReportLines(), {
      {"I - 00012 inserted", kBlue, kBlue, kBlack},
      {"IM- 00012 moved in", kBlue, kBlue, kBlack},
      {"D - 00012 deleted", kRed, kBlack, kRed},
      {"DM- 00012 moved out", kRed, kBlack, kRed},
      {"RN- 00012 reformatted", kTeal, kTeal, kBlack},
      {"RO- 00012 reformatted", kMaroon, kBlack, kMaroon},
      {"    00012 matched", kBlack, kBlack, kBlack},
      {"i - lower case flag", kBlack, kBlack, kBlack},
      {"I -", kBlue, kBlue, kBlack},
      {"I ", kBlack, kBlack, kBlack},
      {"", kBlack, kBlack, kBlack},
      {"New File = /a/new.txt  01/02/03 04:05:06", kBlue, kBlue, kBlue},
      {"New Dir = /a ", kBlue, kBlue, kBlue},
      {"ID  ----+----1----+----2", kBlue, kBlue, kBlue},
      {"ID  ----+", kBlack, kBlack, kBlack},  // shorter than the compared start
      {"Old File = /b/old.txt  01/02/03 04:05:06", kRed, kRed, kRed},
      {"Old Dir = /b ", kRed, kRed, kRed},
      {"Kestrin GROUPED COMPARE SUMMARY", kRed, kRed, kRed},
      {"Kestrin", kBlack, kBlack, kBlack},
      {"KESTRIN heading in capitals", kBlack, kBlack, kBlack},
      {"INDIVIDUAL PAIRED FILE COMPARE TOTALS", kRed, kRed, kRed},
      {"LISTING-TYPE = Chng  OPTIONS = None", kRed, kRed, kRed},
      {"   ************* 5 New File Lines Not Shown ****", kBlack, kBlack, kBlack},
  });
  ExpectColours(chng, {
      {"   ************* 5 New File Lines Not Shown *****************************", kBlue,
       kBlue, kBlue},
      {"   *************", kBlack, kBlack, kBlack},  // without the blank after the stars
      {"   ************ 5", kBlack, kBlack, kBlack},
      {"D - flag wins over the marker", kRed, kBlack, kRed},
  });
}

TEST(ReportRowsTest, ColourRgbGivesTheViewerColours) {
  struct Case {
    RowColourName colour;
    int red, green, blue;
  };
  const Case cases[] = {
      {RowColourName::kBlack, 0, 0, 0},    {RowColourName::kRed, 255, 0, 0},
      {RowColourName::kBlue, 0, 0, 255},   {RowColourName::kTeal, 0, 128, 128},
      {RowColourName::kMaroon, 128, 0, 0}, {RowColourName::kGreen, 0, 128, 0},
      {RowColourName::kNavy, 0, 0, 128},
  };
  for (const Case& c : cases) {
    const Rgb rgb = ColourRgb(c.colour);
    EXPECT_EQ(rgb.red, c.red) << ColourName(c.colour);
    EXPECT_EQ(rgb.green, c.green) << ColourName(c.colour);
    EXPECT_EQ(rgb.blue, c.blue) << ColourName(c.colour);
  }
}

}  // namespace
}  // namespace kestrin
