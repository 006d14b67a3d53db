// The RTF writer: one document holding every colour and every kind of
// character is kept whole in golden/rtf_document.rtf (KESTRIN_UPDATE_GOLDEN=1
// rewrites it), so that a changed table, escape or paragraph shows as the
// first differing line.
#include "views/rtf_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/common/case_table.h"
#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"
#include "views/rtf_buffer.h"

namespace kestrin {
namespace {

constexpr Rgb kRed{255, 0, 0};

// The lines of cases/rtf_lines.txt, each in its colour.
TEST(RtfWriterTest, DocumentMatchesItsGolden) {
  const std::map<std::string, Rgb> colours = {
      {"red", kRed}, {"blue", {0, 0, 255}}, {"teal", {0, 128, 128}}};
  std::vector<ColouredLine> lines;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/views/cases/rtf_lines.txt")) {
    lines.push_back({c[1], colours.at(c[0])});
  }
  testkit::ExpectGoldenText("tests/views/golden/rtf_document.rtf", RtfDocument(lines));
}

// Regression: the last printable ASCII character is written as itself.
TEST(RtfWriterTest, ATildeIsKeptAsItIs) {
  EXPECT_NE(RtfDocument({{"a~b", kRed}}).find("a~b"), std::string::npos);
}

TEST(RtfWriterTest, ClearingPutsTheColourBackToBlack) {
  print_testing::RecordingRichText buffer;
  buffer.SetColour(kRed);
  buffer.AddLine("x");
  buffer.Clear();
  buffer.AddLine("y");
  EXPECT_EQ(RtfDocument(buffer.lines()), RtfDocument({{"y", {0, 0, 0}}}));
}

}  // namespace
}  // namespace kestrin
