// The dual-panel black-and-white printout: insert section, delete section,
// summary, and the page breaks between them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/views/print_support.h"
#include "views/print_listing.h"
#include "views/print_page.h"

namespace kestrin {
namespace {

using print_testing::BeginMeasuredDocument;
using print_testing::DualReport;
using print_testing::Joined;
using print_testing::NumberedLines;
using print_testing::RecordingPrintSurface;

// A page of C = 40 characters and L = 20 lines.
constexpr int kPageWidth = 400;
constexpr int kPageHeight = (20 + 4) * 20;

class DualPrintTest : public ::testing::Test {
 protected:
  void Print(const ReportLines& report, bool no_numbers = false) {
    const PageGeometry geometry = BeginMeasuredDocument(surface_, PrintPanel::kDual);
    ASSERT_EQ(geometry.line_limit, 20);
    ASSERT_EQ(geometry.characters_per_line, 40);
    PrintDualListing(surface_, geometry, {report, "Dual", std::nullopt, no_numbers});
  }

  // The first `count` texts of `page`, joined.
  std::string FirstLines(int page, size_t count) const {
    std::vector<std::string> lines = surface_.PageLines(page);
    lines.resize(std::min(count, lines.size()));
    return Joined(lines);
  }

  RecordingPrintSurface surface_{kPageWidth, kPageHeight};
};

TEST_F(DualPrintTest, PrintsInsertsThenDeletesThenTheSummary) {
  Print(DualReport({"I - new"}, {"D - old"}, {"Totals"}));
  EXPECT_EQ(Joined(surface_.PageLines(1)),
            "2:*Dual|2:*Page   1|3:* NewSrc and Insert Section|5:   1  I - new|6: "
            "|7:* NewSrc and Delete Section|8:   1  D - old|9: |10: Totals");
  EXPECT_EQ(surface_.Find("Page   1")->x, 310);
}

TEST_F(DualPrintTest, TheDeleteSectionStartsANewPageWhenItsOpeningWouldReachTheLimit) {
  // After n insert rows the line counter is 5 + n; the deletes section opens
  // on a new page once 5 + n + 4 >= 20.
  struct Case {
    int insert_rows;
    bool new_page;
  };
  const Case cases[] = {{10, false}, {11, true}, {12, true}, {15, true}};
  for (const Case& c : cases) {
    RecordingPrintSurface surface(kPageWidth, kPageHeight);
    const PageGeometry geometry = BeginMeasuredDocument(surface, PrintPanel::kDual);
    const ReportLines report = DualReport(NumberedLines(c.insert_rows), {"D - old"}, {});
    PrintDualListing(surface, geometry, {report, "Dual", std::nullopt, false});
    const std::optional<print_testing::PrintedText> title =
        surface.Find(" NewSrc and Delete Section");
    ASSERT_TRUE(title) << c.insert_rows << " insert rows";
    if (c.new_page) {
      EXPECT_EQ(title->page, 2) << c.insert_rows << " insert rows";
      EXPECT_EQ(title->line, 3) << c.insert_rows << " insert rows";
      EXPECT_EQ(Joined(surface.PageLines(2)).substr(0, 38),
                "2:*Dual|2:*Page   2|3:* NewSrc and Del")
          << c.insert_rows << " insert rows";
    } else {
      EXPECT_EQ(title->page, 1) << c.insert_rows << " insert rows";
      EXPECT_EQ(title->line, 5 + c.insert_rows + 1) << c.insert_rows << " insert rows";
    }
    EXPECT_TRUE(title->bold) << c.insert_rows << " insert rows";
  }
}

TEST_F(DualPrintTest, EveryPageNamesTheSectionInProgress) {
  // Page 1 holds inserts 1-15 (lines 5-19); page 2 insert 16 and deletes
  // 1-12; page 3 deletes 13-16 and summary rows 1-10; page 4 the rest.
  Print(DualReport(NumberedLines(16), NumberedLines(16, "D - "), NumberedLines(15, "S ")));
  EXPECT_EQ(surface_.pages, 4);
  EXPECT_EQ(FirstLines(2, 6),
            "2:*Dual|2:*Page   2|3:* NewSrc and Insert Section|5:  16  I - line 16|6: "
            "|7:* NewSrc and Delete Section");
  EXPECT_EQ(FirstLines(3, 4),
            "2:*Dual|2:*Page   3|3:* NewSrc and Delete Section|5:  13  D - line 13");
  EXPECT_EQ(FirstLines(4, 4), "2:*Dual|2:*Page   4|3:* |5: S line 11");
}

TEST_F(DualPrintTest, DeletesRowsAreCutButInsertAndSummaryRowsPrintWhole) {
  const std::string wide(60, 'w');
  Print(DualReport({"I - " + wide}, {"D - " + wide}, {"S " + wide}));
  EXPECT_TRUE(surface_.Find("   1  I - " + wide));
  EXPECT_TRUE(surface_.Find(("   1  D - " + wide).substr(0, 40)));
  EXPECT_TRUE(surface_.Find(" S " + wide));
}

TEST_F(DualPrintTest, PrintNoRefNumbersKeepsTheTwoBlanks) {
  Print(DualReport({"I - new"}, {"D - old"}, {"Totals"}), true);
  EXPECT_TRUE(surface_.Find("  I - new"));
  EXPECT_TRUE(surface_.Find("  D - old"));
  EXPECT_TRUE(surface_.Find(" Totals"));
}

TEST_F(DualPrintTest, AReportWithoutSummaryEndsAfterTheDeletes) {
  Print(DualReport({"I - new"}, {"D - old"}, {}));
  EXPECT_EQ(Joined(surface_.PageLines(1)),
            "2:*Dual|2:*Page   1|3:* NewSrc and Insert Section|5:   1  I - new|6: "
            "|7:* NewSrc and Delete Section|8:   1  D - old");
}

}  // namespace
}  // namespace kestrin
