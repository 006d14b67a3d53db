// Whole reports of small file pairs, compared byte for byte with golden
// files under tests/report/golden/ (rewritten with KESTRIN_UPDATE_GOLDEN=1).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pair_driver.h"
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
  EXPECT_TRUE(run.host.messages.empty());
  ExpectGolden(c.golden + ".txt", run.lines.Primary);
  if (run.lines.settings.Sbsl) ExpectGolden(c.golden + ".secondary.txt", run.lines.Secondary);
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

TEST(ReportGoldenGeneratedTest, ControlCharactersWithAndWithoutSubc) {
  const std::string new_bytes = std::string("plain\nbell\x07 and escape\x1b here\n") +
                                "delete\x7f stays\nsoh\x01 tab\tend\nhigh \xe9\xff bytes\n";
  const std::string old_bytes = "plain\n";
  for (const bool subc : {false, true}) {
    ControlValues controls = ControlsWith("Long", subc ? "Subc" : "None");
    controls.subc_text = "\"~\"";
    ReportRun run;
    RunOnePair(new_bytes, old_bytes, controls, run);
    ExpectGolden(subc ? "subc.txt" : "control.txt", run.lines.Primary);
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
    ExpectGolden("sections_" + type + ".txt", run.lines.Primary);
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
  ExpectGolden("binary.txt", run.lines.Primary);
}

TEST(ReportGoldenGeneratedTest, AeqfListsTheNewFileOnly) {
  // Equal length and equal time, different content: taken as equal unread.
  ReportRun run;
  RunOnePair("alpha\nbeta\n// gamma\n", "ALPHA\nBETA\n// GAMMA\n", ControlsWith("Long", "Aeqf"),
             run);
  EXPECT_EQ(run.final_message, "INFORM: The processed files compare as equivalent files. ");
  ExpectGolden("aeqf.txt", run.lines.Primary);
}

TEST(ReportGoldenGeneratedTest, IdenticalFilesGetOnlyTheSummary) {
  const std::string bytes = ReportData("program/old.txt");
  ReportRun run;
  RunOnePair(bytes, bytes, ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.final_message, "INFORM: The processed files compare as equivalent files. ");
  ExpectGolden("identical.txt", run.lines.Primary);
}

TEST(ReportGoldenGeneratedTest, EmptyFilesGetTheDirectorySummary) {
  ReportRun run;
  RunOnePair("", "", ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.final_message, "INFORM: Nothing compared possibly due to filtering. ");
  ExpectGolden("empty.txt", run.lines.Primary);
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
  ExpectGolden("directory.txt", run.lines.Primary);
}

}  // namespace
}  // namespace kestrin
