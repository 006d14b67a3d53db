// The Dir/File Select page with "Include subdirectories" ticked: the file
// list holds the open directory's whole tree by relative paths, and a file
// taken from it names its own file.
#include <gtest/gtest.h>

#include "run/run_controller.h"
#include "tests/run/run_support.h"
#include "views/dir_browser_select.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

TEST(DirBrowserSubdirectoriesTest, FileListFollowsTheChoiceAndTakesRelativePaths) {
  RunHarness harness;
  harness.scratch.Write("new/Prog.c", "a\n");
  harness.scratch.Write("new/Sub/deep/inner.c", "a\n");
  DirSelectModel page{harness.view, harness.dialogs, DefaultFileSystem()};
  harness.Names(harness.scratch.PathOf("new"), "", 0);
  page.Enter();
  EXPECT_EQ(page.Browser().Files(), Strings{"Prog.c"});

  harness.view.subdirectories = true;
  page.Enter();
  EXPECT_EQ(page.Browser().Files(), (Strings{"Prog.c", "Sub/deep/inner.c"}));
  page.Browser().HighlightFile(1);
  page.UseAsFileClicked(NameField::kNew);
  EXPECT_EQ(page.ReturnedName(NameField::kNew), harness.scratch.PathOf("new/Sub/deep/inner.c"));
}

}  // namespace
}  // namespace kestrin
