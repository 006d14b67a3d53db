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

TEST(DpFilterTest, BraceAndParenthesisStarComments) {
  ExpectFiltered({
      {DpChoice::kDdlc,
       {{"x := 1; { note }", "Part [x := 1;]"},
        {"a (* b *) c", "Part [a         c]"},
        {"{ whole line }", "Dp []"},
        {"(*)", "Dp []"},
        {"still open *) y := 2;", "Part [              y := 2;]"}}},
      // Line 10 opens a brace comment, line 11 is inside it, line 12 closes it.
      {DpChoice::kDdlc,
       {{"begin { opens", "Part [begin]"},
        {"inside", "Dp []"},
        {"closes } end;", "Part [         end;]"}}},
      // Apostrophes are not looked at: a brace in a string opens a comment.
      {DpChoice::kDdlc, {{"s := '{';", "Part [s := ']"}, {"y := 2;", "Dp []"}}},
  });
}

TEST(DpFilterTest, BraceFollowedByDollarIsADirective) {
  ExpectFiltered({
      {DpChoice::kDdlc,
       {{"{$mode objfpc}", "Code [{$mode objfpc}]"}, {"x := 1;", "Code [x := 1;]"}}},
      {DpChoice::kDdl2, {{"{$I inc.pas} { note }", "Part [{$I inc.pas}]"}}},
  });
}

TEST(DpFilterTest, DoubleSlashAndApostropheStringsUnderDdl2) {
  ExpectFiltered({
      {DpChoice::kDdl2,
       {{"x := 1; // note", "Part [x := 1;]"},
        {"// whole line { not carried", "Dp []"},
        {"y := 2;", "Code [y := 2;]"},
        {"a /* b *) c", "Part [a         c]"},
        // Comment marks count inside strings.
        {"s := 'a//b';", "Part [s := 'a]"},
        {"s := 'it''s'; { c }", "Part [s := 'it''s';]"}}},
      // A brace met inside a string still open at the line end is not carried.
      {DpChoice::kDdl2, {{"s := '{'; y", "Code [s := '{'; y]"}, {"y := 2;", "Code [y := 2;]"}}},
      // An apostrophe inside a comment quotes nothing.
      {DpChoice::kDdl2, {{"{ don't", "Dp []"}, {"stop }", "Dp []"}, {"x := 1;", "Code [x := 1;]"}}},
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

TEST(DpFilterTest, HtmlCommentsUnderDhtm) {
  ExpectFiltered({
      {DpChoice::kDhtm,
       {{"<p><!-- note --></p>", "Part [<p>             </p>]"},
        {"<!-- opens", "Dp []"},
        {"x", "Dp []"},
        {"closes --> <b>", "Part [           <b>]"},
        {"<b>", "Code [<b>]"}}},
  });
}

// The carry lives with the side, so a comment open at the end of one
// section's last line goes on in the next section's first line.
TEST(DpFilterTest, CommentsCarryAcrossASectionBreak) {
  struct Break {
    DpChoice option;
    const char* last_line;
    const char* next_section_line;
    const char* expected_next;
  };
  const Break breaks[] = {
      {DpChoice::kDdlc, "x := 1; {", "still } y;", "Part [        y;]"},
      {DpChoice::kDdlc, "x := 1; (*", "still *) y;", "Part [         y;]"},
      {DpChoice::kDcpp, "x = 1; /*", "still */ y;", "Part [         y;]"},
      {DpChoice::kDhtm, "<b> <!--", "still --> y", "Part [          y]"},
  };
  for (const Break& b : breaks) {
    const CompareSettings settings = DpSettings(b.option);
    DpCarry carry;
    EXPECT_EQ(Filter(settings, carry, b.last_line).substr(0, 4), "Part") << b.last_line;
    EXPECT_TRUE(carry.InBrace || carry.InParenStar || carry.InSlashStar || carry.InHtml)
        << b.last_line;
    // The next section's first line: a new record, the same carry.
    EXPECT_EQ(Filter(settings, carry, b.next_section_line), b.expected_next) << b.next_section_line;
    EXPECT_FALSE(carry.InBrace || carry.InParenStar || carry.InSlashStar || carry.InHtml);
  }
}

TEST(DpFilterTest, UserTagWithEmbeddedChoice) {
  ExpectFiltered(
      {{DpChoice::kDudc,
        {{"x = 1 # note", "Code [x = 1]"}, {"   # note", "Dp []"}, {"x = 1", "Code [x = 1]"}}}},
      "#", false);
  ExpectFiltered({{DpChoice::kDudc, {{"x = 1 # note", "Part [x = 1]"}, {"   # note", "Dp []"}}}},
                 "#", true);
  // Only the tag's first character counts.
  ExpectFiltered({{DpChoice::kDudc, {{"x = 1 -- note", "Part [x = 1]"}}}}, "--x", true);
  // An empty tag names no comment.
  ExpectFiltered({{DpChoice::kDudc, {{"x = 1 # note", "Code [x = 1 # note]"}}}}, "", true);
}

TEST(DpFilterTest, ExaminesOnlyTheGivenLength) {
  // With Ccol only the selected columns are examined; the rest is left alone.
  const CompareSettings settings = DpSettings(DpChoice::kDudc, "#", true);
  DpCarry carry;
  InputLine line;
  line.Text = "ab   #cd";
  FilterLine(settings, carry, line, 5);
  EXPECT_EQ(line.Text, "ab   #cd");
  EXPECT_FALSE(line.IsDp || line.IsPartDp);
  FilterLine(settings, carry, line, 100);  // a length past the text is clamped
  EXPECT_EQ(line.Text, "ab      ");
  EXPECT_TRUE(line.IsPartDp);
  line.Text = "   ";
  FilterLine(settings, carry, line, 2);
  EXPECT_TRUE(line.IsDp);
}

}  // namespace
}  // namespace kestrin
