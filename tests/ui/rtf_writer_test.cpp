// The RTF writer: the saved document parses, with its colour table, every
// line in order in its colour, and special characters intact.
#include "views/rtf_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/main_support.h"
#include "tests/views/print_support.h"
#include "views/rtf_buffer.h"

namespace kestrin {
namespace {

using print_testing::ColourText;
using print_testing::FileContent;
using print_testing::Joined;
using print_testing::ReadRtf;
using print_testing::RtfReading;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kTeal{0, 128, 128};

TEST(RtfWriterTest, WritesTheColourTableAndEveryLineInItsColour) {
  const std::vector<ColouredLine> lines = {
      {"caption", kRed},      {" ", kRed}, {"   1  I - x", kBlue},
      {"   2  RN- y", kTeal}, {"", kTeal}, {"   3  D - z", kRed}};
  const RtfReading reading = ReadRtf(RtfDocument(lines));
  ASSERT_EQ(reading.error, "");
  EXPECT_EQ(reading.font, "Courier New");
  EXPECT_EQ(reading.half_points, 16);
  std::vector<std::string> table;
  for (Rgb colour : reading.colour_table) table.push_back(ColourText(colour));
  EXPECT_EQ(Joined(table), "255,0,0|0,0,255|0,128,128");
  std::vector<std::string> read;
  for (const ColouredLine& line : reading.lines)
    read.push_back(ColourText(line.colour) + " " + line.text);
  EXPECT_EQ(Joined(read),
            "255,0,0 caption|255,0,0  |0,0,255    1  I - x|0,128,128    2  RN- y|0,128,128 |"
            "255,0,0    3  D - z");
}

TEST(RtfWriterTest, SpecialCharactersSurvive) {
  struct Case {
    std::string line;
    std::string read;  // as UTF-8
  };
  const Case cases[] = {
      {"a{b}c\\d", "a{b}c\\d"},
      {"\\par \\u65? {\\rtf1}", "\\par \\u65? {\\rtf1}"},
      {"tab\there", "tab\there"},
      {"caf\xC3\xA9", "caf\xC3\xA9"},              // UTF-8 stays UTF-8
      {"caf\xE9", "caf\xC3\xA9"},                  // a Latin-1 byte becomes its character
      {"\xE2\x82\xAC 5", "\xE2\x82\xAC 5"},        // beyond Latin-1
      {"\xF0\x9F\x98\x80!", "\xF0\x9F\x98\x80!"},  // beyond U+FFFF
      {"bell\x07"
       "del\x7F",
       "bell\x07"
       "del\x7F"},
      {"  leading and trailing  ", "  leading and trailing  "},
  };
  for (const Case& c : cases) {
    const RtfReading reading = ReadRtf(RtfDocument({{c.line, kBlue}}));
    ASSERT_EQ(reading.error, "") << c.line;
    ASSERT_EQ(reading.lines.size(), 1u) << c.line;
    EXPECT_EQ(reading.lines[0].text, c.read) << c.line;
  }
}

TEST(RtfWriterTest, TheDocumentIsPlainAscii) {
  // A UTF-8 line and a Latin-1 line.
  const std::string rtf =
      RtfDocument({{"caf\xC3\xA9 \xF0\x9F\x98\x80", kRed}, {"\xE9t\xE9", kRed}});
  for (char c : rtf) {
    EXPECT_LT(static_cast<unsigned char>(c), 0x80) << rtf;
  }
  EXPECT_NE(rtf.find("caf\\u233? \\u-10179?\\u-8704?"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\u233?t\\u233?"), std::string::npos) << rtf;
}

TEST(RtfWriterTest, AnEmptyBufferIsAnEmptyDocument) {
  const RtfReading reading = ReadRtf(RtfDocument({}));
  EXPECT_EQ(reading.error, "");
  EXPECT_TRUE(reading.lines.empty());
  EXPECT_TRUE(reading.colour_table.empty());
}

TEST(RtfWriterTest, TheBufferSavesItsLinesToAFile) {
  main_testing::MainScratch directory;
  print_testing::RecordingRichText buffer;
  buffer.AddLine("black by default");
  buffer.SetColour(kRed);
  buffer.AddLine("red");
  const std::string path = directory.PathOf("out.rtf");
  EXPECT_EQ(buffer.SaveAsRtf(path), "");
  const RtfReading reading = ReadRtf(FileContent(path));
  ASSERT_EQ(reading.error, "");
  ASSERT_EQ(reading.lines.size(), 2u);
  EXPECT_EQ(ColourText(reading.lines[0].colour) + " " + reading.lines[0].text,
            "0,0,0 black by default");
  EXPECT_EQ(ColourText(reading.lines[1].colour) + " " + reading.lines[1].text, "255,0,0 red");

  buffer.Clear();
  buffer.AddLine("after clear");
  EXPECT_EQ(buffer.lines().size(), 1u);
  EXPECT_EQ(ColourText(buffer.lines()[0].colour), "0,0,0");
}

TEST(RtfWriterTest, AFileThatCannotBeWrittenIsNamedWithTheReason) {
  main_testing::MainScratch directory;
  print_testing::RecordingRichText buffer;
  buffer.AddLine("x");
  EXPECT_EQ(buffer.SaveAsRtf(directory.Path()),
            "Cannot save to \"" + directory.Path() + "\": Is a directory.");
}

}  // namespace
}  // namespace kestrin
