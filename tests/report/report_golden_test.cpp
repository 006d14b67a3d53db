// Whole reports of small file pairs, compared byte for byte with golden
// files under tests/report/golden/ (rewritten with KESTRIN_UPDATE_GOLDEN=1):
// the sample programs under each listing and preference, and the worked
// examples of the listings and the report's edge cases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pair_driver.h"
#include "tests/common/line_lists.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::ControlsWith;
using report_support::CountedLines;
using report_support::ExpectGolden;
using report_support::ReportData;
using report_support::ReportRun;
using report_support::RunOnePair;

struct GoldenCase {
  std::string golden;  // file name under golden/, without ".txt"
  std::string data;    // folder under data/ with new.txt and old.txt
  std::string listing_type;
  std::string options;
  std::string final_message;
};

class ReportGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(ReportGoldenTest, MatchesGolden) {
  const GoldenCase& c = GetParam();
  ReportRun run;
  RunOnePair(ReportData(c.data + "/new.txt"), ReportData(c.data + "/old.txt"),
             ControlsWith(c.listing_type, c.options), run);
  EXPECT_EQ(run.final_message, c.final_message);
  EXPECT_TRUE(run.host.Only("message:").empty());
  ExpectGolden(c.golden + ".txt", LinesOf(run.lines.Primary));
  if (run.lines.settings.Sbsl) ExpectGolden(c.golden + ".secondary.txt", LinesOf(run.lines.Secondary));
}

const char kDiffers[] = "INFORM: The processed files have differences.";

INSTANTIATE_TEST_SUITE_P(
    ListingsAndPreferences, ReportGoldenTest,
    testing::Values(GoldenCase{"chng", "program", "Chng", "None", kDiffers},
                    GoldenCase{"delta", "program", "Delta", "None", kDiffers},
                    GoldenCase{"long", "program", "Long", "None", kDiffers},
                    GoldenCase{"ovsum", "program", "Ovsum", "Sbsl", kDiffers},
                    GoldenCase{"sbsl", "program", "Chng", "Sbsl", kDiffers},
                    GoldenCase{"sbsl_lorl", "program", "Long", "Sbsl Lorl", kDiffers},
                    GoldenCase{"icas_rovr", "program", "Long", "Icas Rovr", kDiffers},
                    GoldenCase{"icas_lorl", "program", "Delta", "Icas Lorl", kDiffers},
                    GoldenCase{"dcpp", "program", "Long", "Dcpp", kDiffers},
                    GoldenCase{"dcpp_xdpl", "program", "Long", "Dcpp Xdpl", kDiffers},
                    GoldenCase{"fscl_long", "wide", "Long", "Fscl", kDiffers},
                    GoldenCase{"fscl_delta", "wide", "Delta", "Fscl", kDiffers},
                    GoldenCase{"wide_chng", "wide", "Chng", "None", kDiffers},
                    GoldenCase{"fmvl", "moved", "Long", "Fmvl", kDiffers},
                    GoldenCase{"moved_delta", "moved", "Delta", "None", kDiffers}),
    [](const testing::TestParamInfo<GoldenCase>& param_info) { return param_info.param.golden; });

// A worked example: two texts given here, one listing type and options.
struct ExampleCase {
  std::string golden;  // file name under golden/, without ".txt"
  std::string new_bytes;
  std::string old_bytes;
  std::string listing_type;
  std::string options;
};

class ReportExampleTest : public testing::TestWithParam<ExampleCase> {};

TEST_P(ReportExampleTest, MatchesGolden) {
  const ExampleCase& c = GetParam();
  ReportRun run;
  RunOnePair(c.new_bytes, c.old_bytes, ControlsWith(c.listing_type, c.options), run);
  std::vector<std::string> lines = LinesOf(run.lines.Primary);
  if (run.lines.settings.Sbsl) {
    lines.push_back("---- secondary");
    lines.insert(lines.end(), run.lines.Secondary.begin(), run.lines.Secondary.end());
  }
  ExpectGolden(c.golden + ".txt", lines);
}

const std::string kHundredRows = CountedLines("row", 1, 100);

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ReportExampleTest,
    testing::Values(
        ExampleCase{"example_long_five_lines", "1\n2\nthree\n4\n5\n", "1\n2\n3\n4\n5\n", "Long",
                    "None"},
        ExampleCase{"example_chng_hundred_changed_at_fifty",
                    CountedLines("row", 1, 49) + "row fifty\n" + CountedLines("row", 51, 50),
                    kHundredRows, "Chng", "None"},
        // The first 7999 lines form an identical section, carried into the
        // next block line; the insertion after line 8500 is in the second.
        ExampleCase{"example_delta_unchanged_section",
                    CountedLines("line", 1, 8500) + "inserted\n" + CountedLines("line", 8501, 500),
                    CountedLines("line", 1, 9000), "Delta", "None"},
        // Regression: the lines of an identical first section, counted but
        // never listed, are part of the Not Shown count before the first change.
        ExampleCase{"example_chng_unlisted_identical_section",
                    CountedLines("line", 1, 8999) + "line nine thousand\n" +
                        CountedLines("line", 9001, 500),
                    CountedLines("line", 1, 9500), "Chng", "None"},
        ExampleCase{"example_three_inserts_against_three_deletes", "top\na\nb\nc\nbottom\n",
                    "top\nx\ny\nz\nbottom\n", "Long", "None"},
        ExampleCase{"example_three_inserts_against_two_deletes", "top\na\nb\nc\nbottom\n",
                    "top\nx\ny\nbottom\n", "Long", "Sbsl"},
        ExampleCase{"example_identical_chng", "a\nb\n", "a\nb\n", "Chng", "None"},
        ExampleCase{"example_ovsum", "a\nb\n", "a\nc\n", "Ovsum", "None"},
        ExampleCase{"example_dcpp_part_comment", "x = 1; // new note\ny = 2;\n", "x = 1;\ny = 3;\n",
                    "Long", "Dcpp"},
        ExampleCase{"example_dcpp_xdpl_part_comment", "x = 1; // new note\ny = 2;\n",
                    "x = 1;\ny = 3;\n", "Long", "Dcpp Xdpl"},
        // Regression: the listing follows a double-quoted string left open at
        // the end of a line into the next line, as the compare did, so the
        // comment cut from the next line is the one the compare cut.
        ExampleCase{"example_dcpp_string_open_across_lines", "s = \"abc\ndef\"; // note\n",
                    "s = \"abc\ndef\"; // note\nextra\n", "Long", "Dcpp Xdpl"}),
    [](const testing::TestParamInfo<ExampleCase>& param_info) { return param_info.param.golden; });

TEST(ReportGoldenGeneratedTest, FullStoreStopsThePairWithOneMessage) {
  ReportRun run;
  report_support::RunReport({{"new.txt", CountedLines("n", 1, 50), "old.txt", "x\n"}},
                            ControlsWith("Long", "None"), DirectoryRunInfo(), run, 20);
  EXPECT_EQ(run.host.Only("message:"),
            std::vector<std::string>{"Results exceeded StingList maximum number of 20.\nOutput "
                                     "results prematurely suspended."});
  EXPECT_TRUE(run.lines.ReportFull);
  ExpectGolden("full_store.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenGeneratedTest, ControlCharactersWithAndWithoutSubc) {
  const std::string new_bytes = std::string("plain\nbell\x07 and escape\x1b here\n") +
                                "delete\x7f stays\nsoh\x01 tab\tend\nhigh \xe9\xff bytes\n";
  const std::string old_bytes = "plain\n";
  for (const bool subc : {false, true}) {
    ControlValues controls = ControlsWith("Long", subc ? "Subc" : "None");
    controls.subc_text = "\"~\"";
    ReportRun run;
    RunOnePair(new_bytes, old_bytes, controls, run);
    ExpectGolden(subc ? "subc.txt" : "control.txt", LinesOf(run.lines.Primary));
  }
}

TEST(ReportGoldenGeneratedTest, PairLongerThanOneSection) {
  const std::string old_bytes = CountedLines("line", 1, 9000);
  std::string new_bytes = CountedLines("line", 1, 99) + "line one hundred\n" +
                          CountedLines("line", 101, 8400) + "an inserted line\n" +
                          CountedLines("line", 8501, 500);
  for (const std::string type : {"Chng", "Delta"}) {
    ReportRun run;
    RunOnePair(new_bytes, old_bytes, ControlsWith(type, "Fmvl"), run);
    EXPECT_EQ(run.final_message, kDiffers);
    ExpectGolden("sections_" + type + ".txt", LinesOf(run.lines.Primary));
  }
}

TEST(ReportGoldenGeneratedTest, BinaryPair) {
  std::string new_bytes;
  for (int k = 0; k < 3000; ++k) new_bytes.push_back(static_cast<char>(k % 256));
  std::string old_bytes = new_bytes;
  old_bytes[2999] = 'x';
  ReportRun run;
  RunOnePair(new_bytes, old_bytes, ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.final_message, kDiffers);
  ExpectGolden("binary.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenGeneratedTest, AeqfListsTheNewFileOnly) {
  // Equal length and equal time, different content: taken as equal unread.
  ReportRun run;
  RunOnePair("alpha\nbeta\n// gamma\n", "ALPHA\nBETA\n// GAMMA\n", ControlsWith("Long", "Aeqf"),
             run);
  EXPECT_EQ(run.final_message, "INFORM: The processed files compare as equivalent files. ");
  ExpectGolden("aeqf.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenGeneratedTest, IdenticalFilesGetOnlyTheSummary) {
  const std::string bytes = ReportData("program/old.txt");
  ReportRun run;
  RunOnePair(bytes, bytes, ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.final_message, "INFORM: The processed files compare as equivalent files. ");
  ExpectGolden("identical.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenGeneratedTest, EmptyFilesGetTheDirectorySummary) {
  ReportRun run;
  RunOnePair("", "", ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.final_message, "INFORM: Nothing compared possibly due to filtering. ");
  ExpectGolden("empty.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenGeneratedTest, LikeNamedDirectoryRun) {
  DirectoryRunInfo info;
  info.compare_type = kCompareLikeNamedFiles;
  info.new_directory = "new";
  info.old_directory = "old";
  info.new_directory_files = {"a.txt", "b.txt", "c.bin", "only-new.txt"};
  info.old_directory_files = {"a.txt", "b.txt", "c.bin", "gone.txt", "old-only.txt"};
  info.unpaired_new_files = 1;
  info.unpaired_old_files = 2;
  std::string binary(64, '\0');
  const std::vector<report_support::PairFiles> pairs = {
      {"a.txt", "one\ntwo\nthree\n", "a.txt", "one\n2\nthree\n"},
      {"b.txt", "same\n", "b.txt", "same\n"},
      {"c.bin", binary, "c.bin", binary},
  };
  ReportRun run;
  report_support::RunReport(pairs, ControlsWith("Chng", "Inpn"), info, run);
  EXPECT_EQ(run.final_message, kDiffers);
  ExpectGolden("directory.txt", LinesOf(run.lines.Primary));
}

}  // namespace
}  // namespace kestrin
