// Whole reports of small file pairs, compared byte for byte with golden
// files under tests/report/golden/ (rewritten with KESTRIN_UPDATE_GOLDEN=1):
// the sample programs under each listing and preference, and the worked
// examples of the listings and the report's edge cases.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "engine/pair_driver.h"
#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
#include "tests/report/report_support.h"

namespace kestrin {
namespace {

using report_support::ControlsWith;
using report_support::ExpectGolden;
using report_support::ReportRun;
using report_support::RunOnePair;
using testkit::ForEachCase;
using testkit::TableCase;

// The Primary list, then for Sbsl a "---- secondary" line and the Secondary.
std::vector<std::string> BothLists(const ReportRun& run) {
  std::vector<std::string> lines = LinesOf(run.lines.Primary);
  if (run.lines.settings.Sbsl) {
    lines.push_back("---- secondary");
    lines.insert(lines.end(), run.lines.Secondary.begin(), run.lines.Secondary.end());
  }
  return lines;
}

// The bytes of a file under tests/report/data/.
std::string ReportData(const std::string& relative_path) {
  return testkit::ReadFile(std::string(KESTRIN_SOURCE_DIR) + "/tests/report/data/" + relative_path);
}

// A file's bytes as a worked example writes them: "{row 3..5}" stands for
// the lines "row 3" to "row 5", "{bytes 300}" for the bytes 0, 1, ... 255,
// 0, ... up to 300 of them, and "{data program/old.txt}" for a data file.
std::string Expanded(const std::string& text) {
  static const std::regex kPiece(R"(\{(\w+) ([^}]*?)(?:\.\.(\d+))?\})");
  std::string bytes;
  auto rest = text.cbegin();
  for (std::sregex_iterator it(text.begin(), text.end(), kPiece), end; it != end; ++it) {
    const std::smatch& piece = *it;
    bytes.append(rest, piece[0].first);
    rest = piece[0].second;
    if (piece[1] == "data") {
      bytes += ReportData(piece[2]);
    } else if (piece[1] == "bytes") {
      for (int k = 0; k < std::stoi(piece[2]); ++k) bytes.push_back(static_cast<char>(k % 256));
    } else {
      for (int k = std::stoi(piece[2]); k <= std::stoi(piece[3]); ++k) {
        bytes += piece[1].str() + " " + std::to_string(k) + "\n";
      }
    }
  }
  return bytes.append(rest, text.cend());
}

TEST(ReportGoldenTest, DataPairsMatchTheirGoldens) {
  ForEachCase("tests/report/cases/data_goldens.txt", [&](const TableCase& c) {
    ReportRun run;
    RunOnePair(ReportData(c[1] + "/new.txt"), ReportData(c[1] + "/old.txt"),
               ControlsWith(c[2], c[3]), run);
    EXPECT_TRUE(run.host.Only("message:").empty());
    ExpectGolden(c[0] + ".txt", LinesOf(run.lines.Primary));
    if (run.lines.settings.Sbsl)
      ExpectGolden(c[0] + ".secondary.txt", LinesOf(run.lines.Secondary));
  });
}

TEST(ReportGoldenTest, WorkedExamplesMatchTheirGoldens) {
  ForEachCase("tests/report/cases/worked_examples.txt", [&](const TableCase& c) {
    ControlValues controls = ControlsWith(c[3], c[4]);
    if (c.fields.size() > 5) controls.subc_text = c[5];
    ReportRun run;
    RunOnePair(Expanded(c[1]), Expanded(c[2]), controls, run);
    ExpectGolden(c[0] + ".txt", BothLists(run));
  });
}

TEST(ReportGoldenTest, FullStoreStopsThePairWithOneMessage) {
  ReportRun run;
  report_support::RunReport({{"new.txt", Expanded("{n 1..50}"), "old.txt", "x\n"}},
                            ControlsWith("Long", "None"), DirectoryRunInfo(), run, 20);
  EXPECT_EQ(run.host.Only("message:"),
            std::vector<std::string>{"Results exceeded StingList maximum number of 20.\nOutput "
                                     "results prematurely suspended."});
  EXPECT_TRUE(run.lines.ReportFull);
  ExpectGolden("full_store.txt", LinesOf(run.lines.Primary));
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
  ExpectGolden("directory.txt", LinesOf(run.lines.Primary));
}

}  // namespace
}  // namespace kestrin
