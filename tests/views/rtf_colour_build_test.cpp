// The lines and colour runs a colour print or RTF save hands to the
// rich-text buffer, for both viewers.
#include "views/rtf_colour_build.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report_rows.h"
#include "tests/views/print_support.h"

namespace kestrin {
namespace {

using print_testing::ColourText;
using print_testing::DualReport;
using print_testing::Joined;
using print_testing::RecordingRichText;
using print_testing::SingleReport;

// "colour text" per line, e.g. "255,0,0 caption".
std::string Lines(const RecordingRichText& buffer) {
  std::vector<std::string> lines;
  for (const ColouredLine& line : buffer.lines()) {
    lines.push_back(ColourText(line.colour) + " " + line.text);
  }
  return Joined(lines);
}

std::string Changes(const RecordingRichText& buffer) {
  std::vector<std::string> changes;
  for (Rgb colour : buffer.colour_changes) changes.push_back(ColourText(colour));
  return Joined(changes);
}

const ReportLines kSingle = SingleReport(
    {"New File = a.c", "I - one", "IM- two", "D - three", "RN- four", "RO- five", "    same"},
    {"INDIVIDUAL totals"});

TEST(RtfColourBuildTest, SinglePanelNumbersEveryRowInItsColour) {
  RecordingRichText buffer;
  buffer.AddLine("left over from the last job");
  ColourRtfBuild(buffer, PrintPanel::kSingle, {kSingle, "Cap", false, RichTextMode::kSave});
  EXPECT_EQ(Lines(buffer),
            "255,0,0 Cap|255,0,0  |0,0,255    1  New File = a.c|0,0,255    2  I - one|"
            "0,0,255    3  IM- two|255,0,0    4  D - three|0,128,128    5  RN- four|"
            "128,0,0    6  RO- five|0,0,0    7      same|255,0,0    8  INDIVIDUAL totals");
  // A colour is set only where it changes.
  EXPECT_EQ(Changes(buffer), "255,0,0|0,0,255|255,0,0|0,128,128|128,0,0|0,0,0|255,0,0");
}

TEST(RtfColourBuildTest, PrintNoRefNumbersCountsOnlyWhenPrinting) {
  const ReportLines report = SingleReport({"I - one"}, {"Totals"});
  struct Case {
    RichTextMode mode;
    bool no_numbers;
    const char* expected;
  };
  const Case cases[] = {
      {RichTextMode::kPrint, true, "Cap| |I - one|Totals"},
      {RichTextMode::kPrint, false, "Cap| |   1  I - one|   2  Totals"},
      {RichTextMode::kSave, true, "Cap| |   1  I - one|   2  Totals"},
  };
  for (const Case& c : cases) {
    RecordingRichText buffer;
    ColourRtfBuild(buffer, PrintPanel::kSingle, {report, "Cap", c.no_numbers, c.mode});
    std::vector<std::string> texts;
    for (const ColouredLine& line : buffer.lines()) texts.push_back(line.text);
    EXPECT_EQ(Joined(texts), c.expected)
        << "print " << (c.mode == RichTextMode::kPrint) << " no numbers " << c.no_numbers;
  }
}

const ReportLines kDual =
    DualReport({"I - new", "RN- moved", "    same"}, {"D - old", "RO- moved", "    same"},
               {"Kestrin totals", "LISTING-TYPE = Chng"});

TEST(RtfColourBuildTest, DualPanelListsInsertsDeletesAndSummary) {
  RecordingRichText buffer;
  ColourRtfBuild(buffer, PrintPanel::kDual, {kDual, "Cap", false, RichTextMode::kSave});
  EXPECT_EQ(Lines(buffer),
            "0,0,255 Cap|0,0,255  |255,0,0 New Source and Insert Section|0,0,255    1  I - new|"
            "0,128,128    2  RN- moved|0,0,0    3      same|0,0,0  |"
            "255,0,0 New Source and Delete Section|255,0,0    1   D - old|"
            "128,0,0    2   RO- moved|0,0,0    3       same|255,0,0  Kestrin totals|"
            "255,0,0  LISTING-TYPE = Chng");
}

TEST(RtfColourBuildTest, DualPanelPrintWithoutNumbersKeepsTheDeletesBlank) {
  RecordingRichText buffer;
  ColourRtfBuild(buffer, PrintPanel::kDual, {kDual, "Cap", true, RichTextMode::kPrint});
  std::vector<std::string> texts;
  for (const ColouredLine& line : buffer.lines()) texts.push_back(line.text);
  EXPECT_EQ(Joined(texts),
            "Cap| |New Source and Insert Section|I - new|RN- moved|    same| |"
            "New Source and Delete Section| D - old| RO- moved|     same| Kestrin totals|"
            " LISTING-TYPE = Chng");
}

TEST(RtfColourBuildTest, TheBlankBeforeTheDeletesTakesTheLastRowsColour) {
  RecordingRichText buffer;
  ColourRtfBuild(buffer, PrintPanel::kDual,
                 {DualReport({"I - new"}, {"D - old"}, {}), "Cap", false, RichTextMode::kSave});
  ASSERT_GE(buffer.lines().size(), 5u);
  EXPECT_EQ(ColourText(buffer.lines()[4].colour), "0,0,255");
  EXPECT_EQ(buffer.lines()[4].text, " ");
}

TEST(RtfColourBuildTest, JobTitlesNameThePanel) {
  EXPECT_STREQ(ColourJobTitle(PrintPanel::kSingle), "Kestrin SingleRichEdit Text");
  EXPECT_STREQ(ColourJobTitle(PrintPanel::kDual), "Kestrin SplitRichEdit Text");
}

}  // namespace
}  // namespace kestrin
