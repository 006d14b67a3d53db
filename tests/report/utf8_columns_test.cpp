// Report columns of UTF-8 text: a line of valid UTF-8 is measured in
// characters, any other line in bytes, so the reference and change-type
// columns line up under the ruler in both kinds of file.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "report/report_format.h"
#include "report/utf8_text.h"
#include "tests/common/line_lists.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::ControlsWith;
using report_support::ExpectGolden;
using report_support::ReportData;
using report_support::ReportRun;
using report_support::RunOnePair;

TEST(Utf8ColumnsTest, CutAndPadCountCharactersOfUtf8AndBytesOfOtherText) {
  struct Case {
    std::string text;
    size_t width;
    std::string padded;
  };
  const Case cases[] = {
      {"caf\xc3\xa9", 6, "caf\xc3\xa9  "},                  // two-byte character
      {"\xc3\xa9\xc3\xa9\xc3\xa9", 2, "\xc3\xa9\xc3\xa9"},  // cut between characters
      {"\xf0\x9f\x98\x80x", 1, "\xf0\x9f\x98\x80"},         // four-byte character
      {"\xe6\x97\xa5", 3, "\xe6\x97\xa5  "},
      {"caf\xe9", 6, "caf\xe9  "},             // Latin-1: bytes
      {"\xc3\xa9\xff", 2, "\xc3\xa9"},         // one stray byte makes the line bytes
      {"\xe6\x97", 1, "\xe6"},                 // a sequence cut short
      {"\xc0\xaf", 3, "\xc0\xaf "},            // overlong form
      {"\xed\xa0\x80", 3, "\xed\xa0\x80"},     // surrogate
      {"plain", 3, "pla"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PadTo(c.text, c.width), c.padded) << c.text << " width " << c.width;
    EXPECT_EQ(CutTo(c.text, c.width), c.padded.substr(0, CutTo(c.text, c.width).size()))
        << c.text << " width " << c.width;
  }
}

// The columns `line` takes up to byte `end`: characters when the whole line
// is valid UTF-8, else bytes.
size_t ColumnsBefore(const std::string& line, size_t end) {
  if (!IsValidUtf8(line)) return end;
  size_t columns = 0;
  for (size_t i = 0; i < end; ++i) columns += IsUtf8Continuation(line[i]) ? 0 : 1;
  return columns;
}

// Every listing line's reference columns start right after the flag and the
// 80-column text, and no line ends inside a character.
void ExpectAlignedColumns(const std::vector<std::string>& lines, const std::string& input) {
  static const std::regex kColumns(
      " [0-9]{5} (INSERT|REFORM|DPLINE|MOVE)|       DELETED| [0-9]{5}              [0-9]{5}");
  int listing_lines = 0;
  for (const std::string& line : lines) {
    std::smatch found;
    if (!std::regex_search(line, found, kColumns)) continue;
    ++listing_lines;
    EXPECT_EQ(ColumnsBefore(line, static_cast<size_t>(found.position(0))), 84u)
        << input << ": " << line;
  }
  EXPECT_GT(listing_lines, 0) << input;
}

struct Utf8Case {
  std::string golden;
  std::string listing_type;
  std::string options;
};

class Utf8ReportTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ReportTest, ColumnsLineUpAndMatchGolden) {
  const Utf8Case& c = GetParam();
  ReportRun run;
  RunOnePair(ReportData("utf8/new.txt"), ReportData("utf8/old.txt"),
             ControlsWith(c.listing_type, c.options), run);
  const std::string input = c.listing_type + " " + c.options;
  const bool columns = !run.lines.settings.Fscl;
  if (columns) ExpectAlignedColumns(LinesOf(run.lines.Primary), input);
  ExpectGolden(c.golden + ".txt", LinesOf(run.lines.Primary));
  if (run.lines.settings.Sbsl) {
    if (columns) ExpectAlignedColumns(LinesOf(run.lines.Secondary), input + " right side");
    ExpectGolden(c.golden + ".secondary.txt", LinesOf(run.lines.Secondary));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Utf8AndLatin1Lines, Utf8ReportTest,
    testing::Values(Utf8Case{"utf8_long", "Long", "None"},
                    Utf8Case{"utf8_sbsl_lorl", "Long", "Sbsl Lorl"},
                    Utf8Case{"utf8_fscl", "Delta", "Fscl"}),
    [](const testing::TestParamInfo<Utf8Case>& param) { return param.param.golden; });

}  // namespace
}  // namespace kestrin
