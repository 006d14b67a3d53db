// Find on the single and the dual panel: the search text rules, the start
// beside the selected row, no wrap-around, and the dual panel's two lists.
#include "ui/viewer/viewer_find.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/common/viewer_support.h"

namespace kestrin {
namespace {

using viewer_testing::FilledReport;

std::string Show(const std::optional<int64_t>& row) {
  return row ? std::to_string(*row) : "not found";
}

FindRequest Request(const char* typed, int64_t selected,
                    FindDirection direction = FindDirection::kDown) {
  return FindRequest{QString::fromUtf8(typed), direction, selected};
}

TEST(ViewerFindTest, SearchTextIsTrimmedLowerCasedAndCutWhenAsked) {
  struct Case {
    const char* typed;
    std::optional<qsizetype> cut;
    const char* expected;
  };
  const Case cases[] = {
      {"  Alpha Beta  ", std::nullopt, "alpha beta"},
      {"\t00012 ", std::nullopt, "00012"},
      {"   ", std::nullopt, ""},
      {"ABCDEF", 3, "abc"},
      {"\xC3\x84rger", std::nullopt, "\xC3\xA4rger"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SearchText(QString::fromUtf8(c.typed), c.cut).toStdString(), c.expected)
        << "typed \"" << c.typed << "\"";
  }
}

TEST(ViewerFindTest, SingleFindStartsBesideTheSelectedRowWithoutWrapping) {
  const ReportLines report =
      FilledReport({"    alpha", "I - Beta", "    gamma", "D - beta again", "    delta"});
  struct Case {
    const char* typed;
    int64_t selected;
    FindDirection direction;
    std::string expected;
  };
  const Case cases[] = {
      {"beta", 0, FindDirection::kDown, "1"},
      {"  BETA  ", 1, FindDirection::kDown, "3"},      // the selected row is not searched
      {"beta", 3, FindDirection::kDown, "not found"},  // no wrap-around
      {"beta", 4, FindDirection::kDown, "not found"},  // from the last row
      {"beta", 4, FindDirection::kUp, "3"},
      {"alpha", 1, FindDirection::kUp, "0"},
      {"alpha", 0, FindDirection::kUp, "not found"},
      {"", 0, FindDirection::kDown, "not found"},
      {"   ", 0, FindDirection::kDown, "not found"},
      {"5  ", 0, FindDirection::kDown, "4"},     // row numbers are searched too
      {"   4  ", 0, FindDirection::kDown, "3"},  // blanks around a number are trimmed
      {"beta", -1, FindDirection::kDown, "1"},   // nothing selected: from row 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Show(FindSingleRow(report, Request(c.typed, c.selected, c.direction))), c.expected)
        << "typed \"" << c.typed << "\" from row " << c.selected;
  }
}

TEST(ViewerFindTest, FindSearchesTheDisplayedTextOfEitherEncoding) {
  const ReportLines report = FilledReport({"    plain",
                                           "I - Gr\xC3\xBC\xC3\x9F"
                                           "e",
                                           "D - Gr\xFC\xDF"
                                           "e",
                                           "I - \xC3\x84rger"});
  EXPECT_EQ(Show(FindSingleRow(report, Request("GR\xC3\x9C\xC3\x9F"
                                               "E",
                                               0))),
            "1");
  EXPECT_EQ(Show(FindSingleRow(report, Request("gr\xC3\xBC\xC3\x9F"
                                               "e",
                                               1))),
            "2");
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
}  // namespace kestrin
