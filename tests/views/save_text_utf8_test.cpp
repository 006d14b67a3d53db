// The side-by-side text save of UTF-8 rows: each side is cut and padded in
// characters, so the deletes side starts in the same column on every line;
// rows that are not valid UTF-8 keep byte columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/utf8_text.h"
#include "tests/views/print_support.h"
#include "views/save_text_layout.h"

namespace kestrin {
namespace {

using print_testing::DualReport;

class LinesSink : public LineSink {
 public:
  bool WriteLine(std::string_view line) override {
    lines.emplace_back(line);
    return true;
  }
  std::vector<std::string> lines;
};

// The text of `line` from column `first` (from 0) on, columns counted in
// characters when `line` is valid UTF-8.
std::string FromColumn(const std::string& line, size_t first) {
  return line.substr(CutAtColumns(line, first).bytes);
}

TEST(SaveTextUtf8Test, DeletesSideStartsInTheSameColumnAfterUtf8AndLatin1Rows) {
  const std::string e_acute = "\xc3\xa9";
  std::string long_utf8;
  for (int i = 0; i < 120; ++i) long_utf8 += e_acute;
  struct Case {
    std::string inserts_text;
    size_t width_in_bytes;  // of the whole line
  };
  const Case cases[] = {
      {"I - caf" + e_acute, 182 + 1},               // one two-byte character
      {"I - " + long_utf8, 182 + 80},  // cut at 90 columns: 80 of its characters
      {"I - caf\xe9", 182},                          // Latin-1 keeps bytes
  };
  for (const Case& c : cases) {
    const ReportLines report = DualReport({c.inserts_text}, {"D - gone"}, {});
    LinesSink sink;
    ASSERT_TRUE(WriteSideBySideText(report, "stamp", DualSaveWidths(report), sink));
    ASSERT_EQ(sink.lines.size(), 3u) << c.inserts_text;
    const std::string& line = sink.lines[2];
    EXPECT_EQ(line.size(), c.width_in_bytes) << c.inserts_text;
    EXPECT_EQ(FromColumn(line, 91), "   1  D - gone" + std::string(77, ' ')) << c.inserts_text;
    EXPECT_TRUE(IsValidUtf8(line) || c.width_in_bytes == 182) << c.inserts_text;
  }
}

}  // namespace
}  // namespace kestrin
