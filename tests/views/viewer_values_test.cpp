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

// `units` as UTF-8, written out here so that the cases can spell what
// they expect as text.
std::string Utf8Of(const std::u16string& units) {
  std::string text;
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t code = units[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < units.size()) {
      code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
    }
    int trailing = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    text += static_cast<char>(
        trailing == 0 ? code : ((0xFF << (7 - trailing)) & 0xFF) | (code >> 6 * trailing));
    while (trailing-- > 0) text += static_cast<char>(0x80 | ((code >> 6 * trailing) & 0x3F));
  }
  return text;
}

TEST(ViewerValuesTest, DisplayTextDecodesUtf8AndKeepsOtherBytesAsLatin1) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/views/cases/display_units.txt")) {
    EXPECT_EQ(Utf8Of(DisplayUnits(c[0])), c[1]) << c.Where();
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
  const auto apply = [&applied](std::string name) {
    return [&applied, name](int value) { applied.push_back(name + " " + std::to_string(value)); };
  };
  EXPECT_FALSE(RestoreStoredValues({{top, apply("top")},
                                    {empty, apply("height")},
                                    {bad, apply("left")},
                                    {width, apply("width")}}));
  EXPECT_EQ(applied, std::vector<std::string>{"top 10"});
  applied.clear();
  EXPECT_TRUE(RestoreStoredValues({{empty, apply("any")}, {width, apply("width")}}));
  EXPECT_EQ(applied, std::vector<std::string>{"width 300"});
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
