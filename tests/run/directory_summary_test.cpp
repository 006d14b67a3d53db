// Directory compares run without windows over two data folders: data/summary
// (flat) and data/trees (with subdirectories). Whole reports are compared
// with golden files under tests/run/golden/ (KESTRIN_UPDATE_GOLDEN=1 rewrites
// them); the hand-picked and masked runs give their pairs.
#include <gtest/gtest.h>

#include <filesystem>

#include "run/headless_run.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::kRunFileTime;
using run_support::ScratchDirectory;

// Writes the files of the data folder tests/run/data/<name> into `scratch`,
// each with its file time.
void CopyDataTree(const std::string& name, const ScratchDirectory& scratch) {
  const std::filesystem::path root =
      std::filesystem::path(KESTRIN_SOURCE_DIR) / "tests/run/data" / name;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    scratch.Write(entry.path().lexically_relative(root).string(),
                  testkit::ReadFile(entry.path().string()));
  }
}

// Runs `request` over new/ and old/ of a data folder copied into `scratch`.
// data/summary: new/ holds alpha.txt (changed), Beta.txt (as old beta.txt),
// code.dat (binary: its first line holds ten control characters; changed),
// gamma.c (same), new-only1.txt and new-only2.txt; old/ alpha.txt, beta.txt,
// code.dat, gamma.c, old-only.txt. data/trees, run with subdirectories: pairs
// two levels down (one with a path too long for the pair table's column), a
// subdirectory on each side only, a directory name differing only in case,
// and a subdirectory "skip.dir" whose name the mask "*.txt" would not let
// through; and here a link loop and dangling links.
HeadlessOutcome RunOverData(const ScratchDirectory& scratch, bool subdirectories,
                            HeadlessRequest request) {
  CopyDataTree(subdirectories ? "trees" : "summary", scratch);
  if (subdirectories) {
    std::filesystem::create_directory_symlink("..", scratch.PathOf("new/src/loop"));
    std::filesystem::create_symlink("gone.txt", scratch.PathOf("old/src/dangling.txt"));
  }
  request.new_name = scratch.PathOf("new");
  request.old_name = scratch.PathOf("old");
  request.include_subdirectories = subdirectories;
  return RunHeadless(request, DefaultFileSystem());
}

// cases/summaries.txt: golden | with subdirectories | compare type | saved
// selection | preferences ticked.
TEST(DirectorySummaryTest, ReportsMatchTheirGoldens) {
  testkit::UseUtcFileTimes();
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/summaries.txt")) {
    testkit::CaseScope scope(c);
    ScratchDirectory scratch{kRunFileTime};
    HeadlessRequest request;
    request.compare_type = static_cast<int>(c.Number(2));
    request.selection = c[3];
    request.controls.preferences = ParseOptionsText(c[4]).preferences;
    const HeadlessOutcome outcome = RunOverData(scratch, c.Flag(1), request);
    EXPECT_TRUE(outcome.ran);
    EXPECT_TRUE(outcome.messages.empty());
    std::string text;
    for (const std::string& line : outcome.report.Primary) {
      text += run_support::Placed(line, scratch.path()) + "\n";
    }
    testkit::ExpectGoldenText("tests/run/golden/" + c[0] + ".txt", text);
  }
}

// cases/hand_picked_paths.txt: compare type | mask | saved selection | the
// pairs run, "new=old".
TEST(DirectorySummaryTest, HandPickedAndMaskedPairsTakeRelativePaths) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/run/cases/hand_picked_paths.txt")) {
    ScratchDirectory scratch{kRunFileTime};
    HeadlessRequest request;
    request.compare_type = static_cast<int>(c.Number(0));
    request.mask = c[1];
    request.selection = c[2];
    const HeadlessOutcome outcome = RunOverData(scratch, true, request);
    std::string pairs;
    for (size_t i = 0; i < outcome.pairs.new_names.size(); ++i) {
      pairs += outcome.pairs.new_names[i] + "=" + outcome.pairs.old_names[i] + " ";
    }
    EXPECT_EQ(pairs, c[3] + " ") << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
