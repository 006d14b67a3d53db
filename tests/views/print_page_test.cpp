// The page arithmetic of black-and-white printouts and the single-panel
// printout, against a recording print surface.
#include "views/print_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/views/print_support.h"
#include "views/print_listing.h"

namespace kestrin {
namespace {

using print_testing::DualReport;
using print_testing::Joined;
using print_testing::NumberedLines;
using print_testing::RecordingPrintSurface;
using print_testing::SingleReport;

// A page of C = 100 characters of 10 units and L = 60 lines of 20 units.
constexpr int kPageWidth = 1000;
constexpr int kPageHeight = (60 + 4) * 20;

TEST(PrintPageTest, MeasuresCharactersLinesAndPositions) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/page_measures.txt")) {
    RecordingPrintSurface surface(c.Number(0), c.Number(1), c.Number(2), c.Number(3), c.Number(4));
    const PrintPanel panel = c[5] == "dual" ? PrintPanel::kDual : PrintPanel::kSingle;
    const std::optional<PageGeometry> geometry = MeasurePage(surface, 9, panel);
    ASSERT_TRUE(geometry) << c.Where();
    EXPECT_EQ(geometry->characters_per_line, c.Number(6)) << c.Where();
    EXPECT_EQ(geometry->page_number_x, c.Number(7)) << c.Where();
    EXPECT_EQ(geometry->line_limit, c.Number(8)) << c.Where();
    EXPECT_EQ(geometry->left_margin, c.Number(9)) << c.Where();
    EXPECT_EQ(geometry->line_height, c.Number(3)) << c.Where();
    EXPECT_EQ(surface.font_name, "Courier New") << c.Where();
    EXPECT_EQ(surface.font_points, 9) << c.Where();
  }
}

TEST(PrintPageTest, AFontWithoutWidthCannotBeMeasured) {
  RecordingPrintSurface surface(1000, 1000, 0, 20, 0);
  EXPECT_FALSE(MeasurePage(surface, 8, PrintPanel::kSingle));
}

TEST(PrintPageTest, LongTitlesAreCutWithDots) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/page_titles.txt")) {
    EXPECT_EQ(PageTitle(std::string(c.Number(0), 'c'), c.Number(1)), c[2]) << c.Where();
  }
}

class SinglePrintTest : public ::testing::Test {
 protected:
  // Prints `report` on a C = 100, L = 60 page.
  void Print(const ReportLines& report, std::optional<std::string> header, bool no_numbers,
             const std::string& caption = "Caption") {
    ASSERT_TRUE(surface_.BeginDocument());
    const std::optional<PageGeometry> geometry = MeasurePage(surface_, 8, PrintPanel::kSingle);
    ASSERT_EQ(geometry->line_limit, 60);
    PrintSingleListing(surface_, *geometry, {report, caption, std::move(header), no_numbers});
  }

  RecordingPrintSurface surface_{kPageWidth, kPageHeight};
};

TEST_F(SinglePrintTest, FiftyFiveRowsFillPageOneUnderAHeader) {
  const ReportLines report = SingleReport(NumberedLines(56), {});
  Print(report, "Ref#  ID  Header", false);

  const std::vector<std::string> first_page = surface_.PageLines(1);
  ASSERT_EQ(first_page.size(), 3u + 55u);
  EXPECT_EQ(Joined({first_page.begin(), first_page.begin() + 4}),
            "2:*Caption|2:*Page   1|3:*Ref#  ID  Header|5:   1  I - line 1");
  EXPECT_EQ(first_page.back(), "59:  55  I - line 55");
  EXPECT_EQ(Joined(surface_.PageLines(2)),
            "2:*Caption|2:*Page   2|3:*Ref#  ID  Header|5:  56  I - line 56");
  EXPECT_EQ(surface_.pages, 2);
  EXPECT_EQ(surface_.Find("Page   2")->x, 880);
  EXPECT_EQ(surface_.Find("Caption")->x, 30);
  EXPECT_EQ(surface_.Find("  56  I - line 56")->x, 30);
}

TEST_F(SinglePrintTest, PrintNoRefNumbersDropsRowNumbersButNotFromSummaryRows) {
  const ReportLines report = SingleReport({"I - new", "D - old"}, {"Summary line"});
  Print(report, "Ref#  ID  New Src", true);
  EXPECT_EQ(Joined(surface_.PageLines(1)),
            "2:*Caption|2:*Page   1|3:*  ID  New Src|5:  I - new|6:  D - old|7: Summary line");
}

TEST_F(SinglePrintTest, RowsAreCutToTheLineWidthAndTitlesAreCut) {
  const std::string long_line = "I - " + std::string(200, 'x');
  Print(SingleReport({long_line}, {}), std::nullopt, false, std::string(120, 'T'));
  EXPECT_EQ(Joined(surface_.PageLines(1)), "2:*" + std::string(80, 'T') +
                                               " . . .|2:*Page   1|4:   1  " +
                                               ("I - " + std::string(200, 'x')).substr(0, 94));
}

TEST(DualPrintTest, TheDeleteSectionFollowsTheInsertsOnTheSamePage) {
  RecordingPrintSurface surface(kPageWidth, kPageHeight);
  ASSERT_TRUE(surface.BeginDocument());
  const std::optional<PageGeometry> geometry = MeasurePage(surface, 8, PrintPanel::kDual);
  PrintDualListing(surface, *geometry,
                   {DualReport({"I - a"}, {"D - b"}, {"Totals"}), "Caption", std::nullopt, false});
  EXPECT_EQ(Joined(surface.PageLines(1)),
            "2:*Caption|2:*Page   1|3:* NewSrc and Insert Section|5:   1  I - a|6: |"
            "7:* NewSrc and Delete Section|8:   1  D - b|9: |10: Totals");
}

TEST_F(SinglePrintTest, AnEmptyReportPrintsOnlyTheTitlePage) {
  Print(SingleReport({}, {}), std::nullopt, false);
  EXPECT_EQ(Joined(surface_.PageLines(1)), "2:*Caption|2:*Page   1");
  EXPECT_EQ(surface_.pages, 1);
}

}  // namespace
}  // namespace kestrin
