// The printf-free number formatting the listing uses, held against the
// C library's printf on the report's integer conversions, and the columns
// of UTF-8 text.
#include "report/report_format.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <string>
#include <vector>

#include "report/utf8_text.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

TEST(AppendNumbersTest, WritesWhatPrintfWrites) {
  const std::vector<int64_t> values = {0, 1, 7, 42, 12345, 99999, 100000, 1234567, -3, -12345};
  for (const char* format :
       {" %.5" PRId64 "              %.5" PRId64, "   %-5" PRId64 "|%-5" PRId64,
        " %5" PRId64 "|%" PRId64, "%%%.3" PRId64 "%%%" PRId64, "%300" PRId64 "|%-250" PRId64}) {
    for (int64_t a : values) {
      for (int64_t b : values) {
        std::string appended = "x";
        AppendNumbers(appended, format, {a, b});
        EXPECT_EQ(appended, "x" + FormatText(format, a, b))
            << "format [" << format << "] values " << a << ", " << b;
      }
    }
  }
}

TEST(Utf8ColumnsTest, CutAndPadCountCharactersOfUtf8AndBytesOfOtherText) {
  testkit::ForEachCase("tests/report/cases/utf8_widths.txt", [&](const testkit::TableCase& c) {
    const auto width = static_cast<size_t>(c.Number(1));
    EXPECT_EQ(PadTo(c[0], width), c[2]);
    const std::string cut(CutTo(c[0], width));
    EXPECT_EQ(cut, c[2].substr(0, cut.size()));
  });
}

// A view that ends inside a character must not read on into the bytes
// beyond it, though they would complete the character.
// A sequence cut by the view, or broken by a byte that continues none, is
// no character.
TEST(Utf8ColumnsTest, ACutOrBrokenSequenceIsNoCharacter) {
  const std::string bytes = "\xc3\xa9";
  char32_t code_point = 0;
  EXPECT_EQ(Utf8SequenceAt(std::string_view(bytes).substr(0, 1), &code_point), 0);
  EXPECT_EQ(Utf8SequenceAt("\xe6\x97\x41", &code_point), 0);
  EXPECT_EQ(Utf8SequenceAt("\xf0\x9f\x98\x41", &code_point), 0);
}

}  // namespace
}  // namespace kestrin
