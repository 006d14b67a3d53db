// The page arithmetic of black-and-white printouts and whole printouts,
// against a recording print surface.
#include "views/print_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"
#include "views/print_listing.h"

namespace kestrin {
namespace {

using print_testing::DualReport;
using print_testing::RecordingPrintSurface;
using print_testing::Rows;
using print_testing::SingleReport;

TEST(PrintPageTest, MeasuresCharactersLinesAndPositions) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/page_measures.txt")) {
    RecordingPrintSurface surface(c.Number(0), c.Number(1), c.Number(2), c.Number(3), c.Number(4));
    const PrintPanel panel = c[5] == "dual" ? PrintPanel::kDual : PrintPanel::kSingle;
    const std::optional<PageGeometry> geometry = MeasurePage(surface, 9, panel);
    EXPECT_EQ(geometry.has_value(), c[6] != "none") << c.Where();
    if (!geometry) continue;
    EXPECT_EQ(geometry->characters_per_line, c.Number(6)) << c.Where();
    EXPECT_EQ(geometry->page_number_x, c.Number(7)) << c.Where();
    EXPECT_EQ(geometry->line_limit, c.Number(8)) << c.Where();
    EXPECT_EQ(geometry->left_margin, c.Number(9)) << c.Where();
    EXPECT_EQ(geometry->line_height, c.Number(3)) << c.Where();
    EXPECT_EQ(surface.font_name, "Courier New") << c.Where();
    EXPECT_EQ(surface.font_points, 9) << c.Where();
  }
}

TEST(PrintPageTest, LongTitlesAreCutWithDots) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/page_titles.txt")) {
    EXPECT_EQ(PageTitle(std::string(c.Number(0), 'c'), c.Number(1)), c[2]) << c.Where();
  }
}

// The printouts of cases/printouts.txt on a page of C = 100 characters of 10
// units and L = 60 lines of 20 units, every text as "p<page> x<x> <line>:<*bold>
// <text>": golden/printouts.txt.
TEST(PrintPageTest, PrintoutsMatchTheirGolden) {
  std::vector<std::string> printed;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/printouts.txt")) {
    RecordingPrintSurface surface(1000, (60 + 4) * 20);
    ASSERT_TRUE(surface.BeginDocument());
    const bool dual = c[0] == "dual";
    const std::optional<PageGeometry> geometry =
        MeasurePage(surface, 8, dual ? PrintPanel::kDual : PrintPanel::kSingle);
    ASSERT_EQ(geometry->line_limit, 60);
    const ReportLines report = dual ? DualReport(Rows(c[1]), Rows(c[2]), Rows(c[3]))
                                    : SingleReport(Rows(c[1]), Rows(c[3]));
    const std::optional<std::string> header = c[4] == "-" ? std::nullopt : std::optional(c[4]);
    const ListingPrint print{report, c[6], header, c.Flag(5)};
    dual ? PrintDualListing(surface, *geometry, print)
         : PrintSingleListing(surface, *geometry, print);
    printed.push_back("case " + c.Where() + ": " + std::to_string(surface.pages) + " pages");
    printed.insert(printed.end(), surface.texts.begin(), surface.texts.end());
  }
  testkit::ExpectGoldenLines("tests/views/golden/printouts.txt", printed);
}

}  // namespace
}  // namespace kestrin
