// Whole reports of small file pairs, compared byte for byte with golden
// files under tests/report/golden/ (rewritten with KESTRIN_UPDATE_GOLDEN=1):
// the sample programs under each listing and preference, and the worked
// examples of the listings and the report's edge cases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pair_driver.h"
#include "tests/common/case_table.h"
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
using testkit::CaseScope;
using testkit::ReadCaseTable;
using testkit::TableCase;

const char kDiffers[] = "INFORM: The processed files have differences.";

// The Primary list, then for Sbsl a "---- secondary" line and the Secondary.
std::vector<std::string> BothLists(const ReportRun& run) {
  std::vector<std::string> lines = LinesOf(run.lines.Primary);
  if (run.lines.settings.Sbsl) {
    lines.push_back("---- secondary");
    lines.insert(lines.end(), run.lines.Secondary.begin(), run.lines.Secondary.end());
  }
  return lines;
}

TEST(ReportGoldenTest, DataPairsMatchTheirGoldens) {
  for (const TableCase& c : ReadCaseTable("tests/report/cases/data_goldens.txt")) {
    CaseScope scope(c);
    ReportRun run;
    RunOnePair(ReportData(c[1] + "/new.txt"), ReportData(c[1] + "/old.txt"),
               ControlsWith(c[2], c[3]), run);
    EXPECT_EQ(run.final_message, kDiffers);
    EXPECT_TRUE(run.host.Only("message:").empty());
    ExpectGolden(c[0] + ".txt", LinesOf(run.lines.Primary));
    if (run.lines.settings.Sbsl)
      ExpectGolden(c[0] + ".secondary.txt", LinesOf(run.lines.Secondary));
  }
}

TEST(ReportGoldenTest, WorkedExamplesMatchTheirGoldens) {
  for (const TableCase& c : ReadCaseTable("tests/report/cases/worked_examples.txt")) {
    CaseScope scope(c);
    ReportRun run;
    RunOnePair(c[1], c[2], ControlsWith(c[3], c[4]), run);
    ExpectGolden(c[0] + ".txt", BothLists(run));
  }
}

// Worked examples of pairs too long to write out.
TEST(ReportGoldenTest, LongWorkedExamplesMatchTheirGoldens) {
  struct Case {
    std::string golden;
    std::string new_bytes;
    std::string old_bytes;
    const char* listing_type;
  } const cases[] = {
      {"example_chng_hundred_changed_at_fifty",
       CountedLines("row", 1, 49) + "row fifty\n" + CountedLines("row", 51, 50),
       CountedLines("row", 1, 100), "Chng"},
      // The first 7999 lines form an identical section, carried into the
      // next block line; the insertion after line 8500 is in the second.
      {"example_delta_unchanged_section",
       CountedLines("line", 1, 8500) + "inserted\n" + CountedLines("line", 8501, 500),
       CountedLines("line", 1, 9000), "Delta"},
      // Regression: the lines of an identical first section, counted but
      // never listed, are part of the Not Shown count before the first change.
      {"example_chng_unlisted_identical_section",
       CountedLines("line", 1, 8999) + "line nine thousand\n" + CountedLines("line", 9001, 500),
       CountedLines("line", 1, 9500), "Chng"},
  };
  for (const Case& c : cases) {
    ReportRun run;
    RunOnePair(c.new_bytes, c.old_bytes, ControlsWith(c.listing_type, "None"), run);
    ExpectGolden(c.golden + ".txt", BothLists(run));
  }
}

TEST(ReportGoldenTest, FullStoreStopsThePairWithOneMessage) {
  ReportRun run;
  report_support::RunReport({{"new.txt", CountedLines("n", 1, 50), "old.txt", "x\n"}},
                            ControlsWith("Long", "None"), DirectoryRunInfo(), run, 20);
  EXPECT_EQ(run.host.Only("message:"),
            std::vector<std::string>{"Results exceeded StingList maximum number of 20.\nOutput "
                                     "results prematurely suspended."});
  EXPECT_TRUE(run.lines.ReportFull);
  ExpectGolden("full_store.txt", LinesOf(run.lines.Primary));
}

// Control characters are replaced by the Subc character.
TEST(ReportGoldenTest, ControlCharactersWithSubc) {
  ControlValues controls = ControlsWith("Long", "Subc");
  controls.subc_text = "\"~\"";
  ReportRun run;
  RunOnePair(std::string("plain\nbell\x07 and escape\x1b here\n") +
                 "delete\x7f stays\nsoh\x01 tab\tend\nhigh \xe9\xff bytes\n",
             "plain\n", controls, run);
  ExpectGolden("subc.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenTest, PairLongerThanOneSection) {
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

TEST(ReportGoldenTest, BinaryPair) {
  std::string new_bytes;
  for (int k = 0; k < 3000; ++k) new_bytes.push_back(static_cast<char>(k % 256));
  std::string old_bytes = new_bytes;
  old_bytes[2999] = 'x';
  ReportRun run;
  RunOnePair(new_bytes, old_bytes, ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.final_message, kDiffers);
  ExpectGolden("binary.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenTest, IdenticalFilesGetOnlyTheSummary) {
  const std::string bytes = ReportData("program/old.txt");
  ReportRun run;
  RunOnePair(bytes, bytes, ControlsWith("Chng", "None"), run);
  EXPECT_EQ(run.final_message, "INFORM: The processed files compare as equivalent files. ");
  ExpectGolden("identical.txt", LinesOf(run.lines.Primary));
}

TEST(ReportGoldenTest, LikeNamedDirectoryRun) {
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
