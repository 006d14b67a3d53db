// Find on the single and the dual panel: the search text rules, the start
// beside the selected row, no wrap-around, and the dual panel's two lists.
#include "ui/viewer/viewer_find.h"

#include <gtest/gtest.h>

#include "tests/common/case_table.h"
#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

std::string Show(const std::optional<int64_t>& row) {
  return row ? std::to_string(*row) : "not found";
}

FindRequest Request(const char* typed, int64_t selected,
                    FindDirection direction = FindDirection::kDown) {
  return FindRequest{QString::fromUtf8(typed), direction, selected};
}

TEST(ViewerFindTest, SearchTextIsTrimmedLowerCasedAndCutWhenAsked) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/ui/viewer/cases/search_texts.txt")) {
    const std::optional<qsizetype> cut =
        c[1] == "all" ? std::nullopt : std::optional<qsizetype>(c.Number(1));
    EXPECT_EQ(SearchText(QString::fromStdString(c[0]), cut).toStdString(), c[2]) << c.Where();
  }
}

TEST(ViewerFindTest, SingleFindStartsBesideTheSelectedRowWithoutWrapping) {
  const ReportLines report =
      FilledReport({"    alpha", "I - Beta", "    gamma", "D - beta again", "    delta"});
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/ui/viewer/cases/single_finds.txt")) {
    const FindDirection direction = c[2] == "up" ? FindDirection::kUp : FindDirection::kDown;
    EXPECT_EQ(Show(FindSingleRow(report, Request(c[0].c_str(), c.Number(1), direction))), c[3])
        << c.Where();
  }
}

// The rows hold a UTF-8 line, its Latin-1 twin and another UTF-8 line; the
// typed text finds each as displayed, without regard to case.
TEST(ViewerFindTest, FindSearchesTheDisplayedTextOfEitherEncoding) {
  const ReportLines report =
      FilledReport({"    plain", "I - Gr\303\274\303\237e", "D - Gr\374\337e", "I - \303\204rger"});
  EXPECT_EQ(Show(FindSingleRow(report, Request("GR\303\234\303\237E", 0))), "1");
  EXPECT_EQ(Show(FindSingleRow(report, Request("gr\303\274\303\237e", 1))), "2");
  EXPECT_EQ(Show(FindSingleRow(report, Request("\xC3\xA4rger", 0))), "3");
}

TEST(ViewerFindTest, DualFindMatchesTheDeletesSideOnly) {
  const ReportLines report = FilledReport({"    same", " ", "I - inserted", "    end"},
                                          {"    same", "D - removed text", " ", "    end"});
  EXPECT_EQ(Show(FindDualRow(report, Request("REMOVED", 0))), "1");
  EXPECT_EQ(Show(FindSingleRow(report, Request("removed", 0))), "not found");
  EXPECT_EQ(Show(FindDualRow(report, Request("inserted", 0))), "2");
}

}  // namespace
}  // namespace kestrin::ui_testing
