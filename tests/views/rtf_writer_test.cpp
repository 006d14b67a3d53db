// The RTF writer: one document holding every colour and every kind of
// character is kept whole in golden/rtf_document.rtf (KESTRIN_UPDATE_GOLDEN=1
// rewrites it), so that a changed table, escape or paragraph shows as the
// first differing line.
#include "views/rtf_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/scratch_directory.h"
#include "tests/views/print_support.h"
#include "views/rtf_buffer.h"

namespace kestrin {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kTeal{0, 128, 128};

TEST(RtfWriterTest, DocumentMatchesItsGolden) {
  const std::vector<ColouredLine> lines = {
      {"caption", kRed},
      {" ", kRed},
      {"   1  I - x", kBlue},
      {"   2  RN- y", kTeal},
      {"", kTeal},
      {"a{b}c\\d \\par \\u65? {\\rtf1}", kRed},
      {"tab\there", kBlue},
      {"caf\xC3\xA9 (UTF-8) caf\xE9 (Latin-1)", kBlue},
      {"\xE2\x82\xAC 5 \xF0\x9F\x98\x80!", kTeal},
      {"bell\x07"
       "del\x7F",
       kRed},
      {"  leading and trailing  ", kRed}};
  testkit::ExpectGoldenText("tests/views/golden/rtf_document.rtf", RtfDocument(lines));
}

// Regression: the last printable ASCII character is written as itself.
TEST(RtfWriterTest, ATildeIsKeptAsItIs) {
  EXPECT_NE(RtfDocument({{"a~b", kRed}}).find("a~b"), std::string::npos);
}

TEST(RtfWriterTest, AFileThatCannotBeWrittenIsNamedWithTheReason) {
  testkit::ScratchDirectory directory;
  print_testing::RecordingRichText buffer;
  buffer.AddLine("x");
  EXPECT_EQ(buffer.SaveAsRtf(directory.path()),
            "Cannot save to \"" + directory.path() + "\": Is a directory.");
}

}  // namespace
}  // namespace kestrin
