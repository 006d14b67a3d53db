// Find on the single and the dual panel: the search text rules, the start
// beside the selected row, no wrap-around, and the dual panel's two lists.
#include "ui/viewer/viewer_find.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/common/case_table.h"
#include "tests/ui/common/ui_support.h"

namespace kestrin::ui_testing {
namespace {

TEST(ViewerFindTest, SearchTextIsTrimmedLowerCasedAndCutWhenAsked) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/ui/viewer/cases/search_texts.txt")) {
    const std::optional<qsizetype> cut =
        c[1] == "all" ? std::nullopt : std::optional<qsizetype>(c.Number(1));
    EXPECT_EQ(SearchText(QString::fromStdString(c[0]), cut).toStdString(), c[2]) << c.Where();
  }
}

TEST(ViewerFindTest, FindStartsBesideTheSelectedRowWithoutWrapping) {
  const std::map<std::string, ReportLines> reports = {
      {"words",
       FilledReport({"    alpha", "I - Beta", "    gamma", "D - beta again", "    delta"})},
      {"encodings", FilledReport({"    plain", "I - Gr\303\274\303\237e", "D - Gr\374\337e",
                                  "I - \303\204rger"})},
      {"pair", FilledReport({"    same", " ", "I - inserted", "    end"},
                            {"    same", "D - removed text", " ", "    end"})}};
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/ui/viewer/cases/finds.txt")) {
    const FindRequest request{QString::fromStdString(c[2]),
                              c[4] == "up" ? FindDirection::kUp : FindDirection::kDown,
                              c.Number(3)};
    const std::optional<int64_t> row = c[1] == "dual" ? FindDualRow(reports.at(c[0]), request)
                                                      : FindSingleRow(reports.at(c[0]), request);
    EXPECT_EQ(row ? std::to_string(*row) : "not found", c[5]) << c.Where();
  }
}

}  // namespace
}  // namespace kestrin::ui_testing
