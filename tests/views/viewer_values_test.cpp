// How report bytes are displayed, and how the viewers read and write their
// stored layout values and font sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "views/display_text.h"
#include "views/viewer_layout_values.h"

namespace kestrin {
namespace {

std::string Hex(const std::string& bytes) {
  std::string text;
  char buffer[4];
  for (unsigned char byte : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X ", byte);
    text += buffer;
  }
  return text;
}

TEST(ViewerValuesTest, DisplayTextDecodesUtf8AndKeepsOtherBytesAsLatin1) {
  struct Case {
    std::string bytes;
    std::u16string expected;
  };
  const std::vector<Case> cases = {
      {"plain ASCII ~", u"plain ASCII ~"},
      {"Gr\xC3\xBC\xC3\x9F"
       "e",
       u"Grüße"},
      {"Gr\xFC\xDF"
       "e",
       u"Grüße"},                                       // Latin-1
      {"\xC3\xA4 and \xE4", u"\u00C3\u00A4 and ä"},  // a stray byte: the line is Latin-1
      {"euro \xE2\x82\xAC", u"euro €"},                 // three bytes
      {"bird \xF0\x9F\x90\xA6", u"bird \U0001F426"},    // four bytes
      {"cut \xE2\x82", u"cut \u00E2\u0082"},            // a sequence cut short
      {"overlong \xC0\xAF", u"overlong \u00C0\u00AF"},  // not UTF-8
      {"surrogate \xED\xA0\x80", u"surrogate \u00ED\u00A0\u0080"},
      {"beyond \xF4\x90\x80\x80", u"beyond \u00F4\u0090\u0080\u0080"},
      {std::string("nul\0byte", 8), std::u16string(u"nul\0byte", 8)},
      {"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayUnits(c.bytes), c.expected) << Hex(c.bytes);
  }
}

std::string Shown(const std::optional<int>& number) {
  return number ? std::to_string(*number) : "none";
}

TEST(ViewerValuesTest, StoredNumbersAreSignedDecimalsOnly) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/stored_numbers.txt")) {
    EXPECT_EQ(Shown(StoredNumber(c[0])), c[1]) << c.Where();
  }
}

TEST(ViewerValuesTest, RestoreSkipsEmptyValuesAndStopsAtTheFirstBadOne) {
  const std::string top = "10", empty, bad = "x1", width = "300";
  std::vector<std::string> applied;
  const bool whole = RestoreStoredValues({
      {top, [&](int value) { applied.push_back("top " + std::to_string(value)); }},
      {empty, [&](int value) { applied.push_back("height " + std::to_string(value)); }},
      {bad, [&](int value) { applied.push_back("left " + std::to_string(value)); }},
      {width, [&](int value) { applied.push_back("width " + std::to_string(value)); }},
  });
  EXPECT_FALSE(whole);
  EXPECT_EQ(applied, std::vector<std::string>{"top 10"});

  applied.clear();
  EXPECT_TRUE(RestoreStoredValues({{empty, [&](int) { applied.push_back("any"); }},
                                   {width, [&](int v) { applied.push_back(std::to_string(v)); }}}));
  EXPECT_EQ(applied, std::vector<std::string>{"300"});
}

TEST(ViewerValuesTest, FontSizesAreWholeNumbersFrom1To99) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/font_sizes.txt")) {
    const FontSizeChoice choice = ReadFontSize(c[0]);
    EXPECT_EQ(Shown(choice.points), c[1]) << c.Where();
    EXPECT_EQ(choice.refusal, c[2]) << c.Where();
  }
  EXPECT_EQ(FontSizeText(""), "8");
  EXPECT_EQ(FontSizeText("11"), "11");
}

}  // namespace
}  // namespace kestrin
