// Directory compares that include subdirectories, run as Start runs them:
// the whole report of a small tree against its golden
// (tests/run/golden/type2_subdirectories.txt; KESTRIN_UPDATE_GOLDEN=1
// rewrites it), the files each pair opens, the hand-picked compare types by
// relative paths, and that the choice left off keeps the flat listing.
#include <gtest/gtest.h>

#include <filesystem>

#include "run/headless_run.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::kRunFileTime;
using run_support::ScratchDirectory;
using testkit::FaultyFileSystem;
using Strings = std::vector<std::string>;

// data/trees: new/ and old/ with pairs two levels down (one with a path
// too long for the pair table's column), a subdirectory on each side only, a
// directory name differing only in case, and a subdirectory "skip.dir" whose
// name the mask "*.txt" would not let through; and here a link loop and
// dangling links.
void MakeTrees(const ScratchDirectory& scratch) {
  run_support::CopyDataTree("trees", scratch);
  std::filesystem::create_directory_symlink("..", scratch.PathOf("new/src/loop"));
  std::filesystem::create_symlink("gone.txt", scratch.PathOf("old/src/dangling.txt"));
}

HeadlessRequest TreeRequest(const ScratchDirectory& scratch, int compare_type) {
  HeadlessRequest request;
  request.new_name = scratch.PathOf("new");
  request.old_name = scratch.PathOf("old");
  request.compare_type = compare_type;
  request.include_subdirectories = true;
  request.controls.SetChecked(Preference::kInpn, true);
  return request;
}

TEST(SubdirectoryRunTest, TreeReportMatchesItsGolden) {
  testkit::UseUtcFileTimes();
  ScratchDirectory scratch{kRunFileTime};
  MakeTrees(scratch);
  const HeadlessOutcome outcome = RunHeadless(TreeRequest(scratch, 2), DefaultFileSystem());
  ASSERT_TRUE(outcome.ran);
  EXPECT_TRUE(outcome.messages.empty());
  run_support::ExpectReportGolden(outcome.report, scratch.path(), "type2_subdirectories");
}

TEST(SubdirectoryRunTest, TheMaskPicksFileNamesInEverySubdirectory) {
  ScratchDirectory scratch{kRunFileTime};
  MakeTrees(scratch);
  HeadlessRequest request = TreeRequest(scratch, 2);
  request.mask = "*.txt";
  const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
  EXPECT_EQ(outcome.pairs.new_names,
            (Strings{"top.txt", "Docs/guide.txt", "skip.dir/inner.txt", "src/same.txt",
                     "src/deep/core.txt", "src/deep/long-module-name.txt"}));
}

// cases/hand_picked_paths.txt: compare type | saved selection | the pairs
// run, "new=old".
TEST(SubdirectoryRunTest, HandPickedPairsTakeRelativePaths) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/run/cases/hand_picked_paths.txt")) {
    ScratchDirectory scratch{kRunFileTime};
    MakeTrees(scratch);
    HeadlessRequest request = TreeRequest(scratch, static_cast<int>(c.Number(0)));
    request.selection = c[1];
    const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
    std::string pairs;
    for (size_t i = 0; i < outcome.pairs.new_names.size(); ++i) {
      pairs += outcome.pairs.new_names[i] + "=" + outcome.pairs.old_names[i] + " ";
    }
    EXPECT_EQ(pairs, c[2] + " ") << c.Where();
  }
}

}  // namespace
}  // namespace kestrin
