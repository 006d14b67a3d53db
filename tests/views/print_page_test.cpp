// The page arithmetic of black-and-white printouts and the single-panel
// printout, against a recording print surface.
#include "views/print_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/views/print_support.h"
#include "views/print_listing.h"

namespace kestrin {
namespace {

using print_testing::BeginMeasuredDocument;
using print_testing::Joined;
using print_testing::NumberedLines;
using print_testing::RecordingPrintSurface;
using print_testing::SingleReport;

// A page of C = 100 characters of 10 units and L = 60 lines of 20 units.
constexpr int kPageWidth = 1000;
constexpr int kPageHeight = (60 + 4) * 20;

TEST(PrintPageTest, MeasuresCharactersLinesAndPositions) {
  struct Case {
    int width, height, character, line, bold;
    PrintPanel panel;
    int columns, page_number_x, line_limit, left_margin;
  };
  const Case cases[] = {
      {1000, 1280, 10, 20, 10, PrintPanel::kSingle, 100, 880, 60, 30},
      {1000, 1280, 10, 20, 10, PrintPanel::kDual, 100, 910, 60, 30},
      // Bold characters are wider: C and xPage follow them, the margin does not.
      {1000, 1290, 10, 20, 11, PrintPanel::kSingle, 90, 858, 60, 30},
      {4960, 7016, 41, 83, 41, PrintPanel::kDual, 120, 4551, 80, 123},
      // A page narrower than the page number puts it at the left edge.
      {50, 1280, 10, 20, 10, PrintPanel::kSingle, 5, 0, 60, 30},
      // A character one unit wide can be measured.
      {1000, 1280, 1, 20, 1, PrintPanel::kSingle, 1000, 988, 60, 3},
  };
  for (const Case& c : cases) {
    RecordingPrintSurface surface(c.width, c.height, c.character, c.line, c.bold);
    const std::optional<PageGeometry> geometry = MeasurePage(surface, 9, c.panel);
    const std::string input = std::to_string(c.width) + "x" + std::to_string(c.height) + " bold " +
                              std::to_string(c.bold);
    ASSERT_TRUE(geometry) << input;
    EXPECT_EQ(geometry->characters_per_line, c.columns) << input;
    EXPECT_EQ(geometry->page_number_x, c.page_number_x) << input;
    EXPECT_EQ(geometry->line_limit, c.line_limit) << input;
    EXPECT_EQ(geometry->left_margin, c.left_margin) << input;
    EXPECT_EQ(geometry->line_height, c.line) << input;
    EXPECT_EQ(surface.font_name, "Courier New") << input;
    EXPECT_EQ(surface.font_points, 9) << input;
  }
}

TEST(PrintPageTest, AFontWithoutWidthCannotBeMeasured) {
  RecordingPrintSurface surface(1000, 1000, 0, 20, 0);
  EXPECT_FALSE(MeasurePage(surface, 8, PrintPanel::kSingle));
}

TEST(PrintPageTest, LongTitlesAreCutWithDots) {
  struct Case {
    size_t caption_length;
    int columns;
    std::string expected;
  };
  const Case cases[] = {
      {120, 100, std::string(80, 'c') + " . . ."},
      {86, 100, std::string(86, 'c')},
      {87, 100, std::string(80, 'c') + " . . ."},
      {10, 100, std::string(10, 'c')},
      // A page too narrow for any of the caption keeps only the dots.
      {30, 12, " . . ."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PageTitle(std::string(c.caption_length, 'c'), c.columns), c.expected)
        << c.caption_length << " characters on a page of " << c.columns;
  }
}

class SinglePrintTest : public ::testing::Test {
 protected:
  // Prints `report` on a C = 100, L = 60 page.
  void Print(const ReportLines& report, std::optional<std::string> header, bool no_numbers,
             const std::string& caption = "Caption") {
    const PageGeometry geometry = BeginMeasuredDocument(surface_, PrintPanel::kSingle);
    ASSERT_EQ(geometry.line_limit, 60);
    PrintSingleListing(surface_, geometry, {report, caption, std::move(header), no_numbers});
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

TEST_F(SinglePrintTest, AnEmptyReportPrintsOnlyTheTitlePage) {
  Print(SingleReport({}, {}), std::nullopt, false);
  EXPECT_EQ(Joined(surface_.PageLines(1)), "2:*Caption|2:*Page   1");
  EXPECT_EQ(surface_.pages, 1);
}

}  // namespace
}  // namespace kestrin
