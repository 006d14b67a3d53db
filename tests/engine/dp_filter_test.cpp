#include "engine/dp_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrin {
namespace {

CompareSettings DpSettings(DpChoice option, const std::string& tag = "#", bool embedded = false) {
  CompareSettings settings;
  settings.DpActive = true;
  settings.DpOption = option;
  settings.DudcTag = tag;
  settings.DudcEmbedded = embedded;
  return settings;
}

// Filters one line and pictures the outcome: "Dp", "Part" or "Code", then
// the compare text with trailing blanks left off, in brackets.
std::string Filter(const CompareSettings& settings, DpCarry& carry, const std::string& text) {
  InputLine line;
  line.Text = text;
  line.RawLen = static_cast<int16_t>(text.size());
  FilterLine(settings, carry, line, line.RawLen);
  std::string kept = line.Text;
  kept.erase(kept.find_last_not_of(' ') + 1);
  const char* mark = line.IsDp ? "Dp" : line.IsPartDp ? "Part" : "Code";
  return std::string(mark) + " [" + kept + "]";
}

// Lines of one side in file order, each with its expected picture; the carry
// runs from each line to the next.
struct FilterCase {
  DpChoice option;
  std::vector<std::pair<std::string, std::string>> lines;
};

void ExpectFiltered(const std::vector<FilterCase>& cases, const std::string& tag = "#",
                    bool embedded = false) {
  for (const FilterCase& c : cases) {
    const CompareSettings settings = DpSettings(c.option, tag, embedded);
    DpCarry carry;
    for (const auto& [text, expected] : c.lines) {
      EXPECT_EQ(Filter(settings, carry, text), expected)
          << DpKeyword(c.option) << " line [" << text << "]";
    }
  }
}

TEST(DpFilterTest, BlankLinesAreDpLinesUnderEveryOption) {
  for (int index = 1; index < kDpOptionCount; ++index) {
    const auto option = static_cast<DpChoice>(index);
    ExpectFiltered({{option, {{" ", "Dp []"}, {"     ", "Dp []"}}}});
  }
}

TEST(DpFilterTest, LineRules) {
  ExpectFiltered({
      {DpChoice::kDblk, {{"; only blanks count", "Code [; only blanks count]"}}},
      {DpChoice::kDcob,
       {{"      * column 7 is read elsewhere", "Code [      * column 7 is read elsewhere]"}}},
      {DpChoice::kDsem,
       {{"; comment", "Dp []"},
        {"   ; indented", "Dp []"},
        {"mov a, b ; note", "Code [mov a, b ; note]"}}},
      {DpChoice::kDrem,
       {{"rem comment", "Dp []"},
        {"   rem indented", "Dp []"},
        {"REM capitals", "Code [REM capitals]"},
        {"echo rem", "Code [echo rem]"},
        {"re", "Code [re]"}}},
  });
}

TEST(DpFilterTest, SlashCommentsUnderDcpp) {
  ExpectFiltered({
      {DpChoice::kDcpp,
       {{"x = 1; // note", "Part [x = 1;]"},
        {"s = \"a//b\";", "Code [s = \"a//b\";]"},
        {"a /* b */ c", "Part [a         c]"},
        {"c = '\"'; // quote", "Part [c = '\"';]"},
        {"s = \"a\\\" // b\";", "Code [s = \"a\\\" // b\";]"}}},
      // A slash-star comment opened on one line and closed three lines on.
      {DpChoice::kDcpp,
       {{"x; /* opens", "Part [x;]"},
        {"inside", "Dp []"},
        {"// inside too", "Dp []"},
        {"closes */ y;", "Part [          y;]"},
        {"z;", "Code [z;]"}}},
      // A string open at the line end continues on the next line.
      {DpChoice::kDcpp, {{"s = \"abc\\", "Code [s = \"abc\\]"}, {"x // y\";", "Code [x // y\";]"}}},
      {DpChoice::kDcpp,
       {{"s = \"abc", "Code [s = \"abc]"}, {"x // y\"; // z", "Part [x // y\";]"}}},
      // Quotes in a comment's prose neither open a string nor keep it open.
      {DpChoice::kDcpp, {{"/* say \"hi", "Dp []"}, {"there */ x;", "Part [         x;]"}}},
  });
}

TEST(DpFilterTest, ApostropheCommentsAndRemUnderDvbc) {
  ExpectFiltered({
      {DpChoice::kDvbc,
       {{"x = 1 ' note", "Part [x = 1]"},
        {"' whole line", "Dp []"},
        {"MsgBox \"Don't\"", "Part [MsgBox \"Don]"},
        {"x = a \\ b", "Part [x = a]"},
        {"s = \"a\\b\"", "Code [s = \"a\\b\"]"},
        {"Rem note", "Dp []"},
        {"  REM note", "Dp []"},
        {"rem", "Dp []"},
        {"x = 1 : rem note", "Part [x = 1]"},
        {"x = 1 :REM", "Part [x = 1]"},
        {"Remark = 1", "Code [Remark = 1]"},
        {"x = Rem + 1", "Code [x = Rem + 1]"},
        {"s = \"a : rem b\"", "Code [s = \"a : rem b\"]"}}},
  });
}

TEST(DpFilterTest, UserTagWithEmbeddedChoice) {
  ExpectFiltered(
      {{DpChoice::kDudc,
        {{"x = 1 # note", "Code [x = 1]"}, {"   # note", "Dp []"}, {"x = 1", "Code [x = 1]"}}}},
      "#", false);
  ExpectFiltered({{DpChoice::kDudc,
                   {{"x = 1 # note", "Part [x = 1]"}, {"   # note", "Dp []"}, {"x = 1 #", "Part [x = 1]"}}}},
                 "#", true);
  // Only the tag's first character counts.
  ExpectFiltered({{DpChoice::kDudc, {{"x = 1 -- note", "Part [x = 1]"}}}}, "--x", true);
  // An empty tag names no comment.
  ExpectFiltered({{DpChoice::kDudc, {{"x = 1 # note", "Code [x = 1 # note]"}}}}, "", true);
}

}  // namespace
}  // namespace kestrin
