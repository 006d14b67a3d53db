// Compare type 2 on real directories: like-name pairing without regard to
// case, the unpaired counts, the progress texts, its messages and Halt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "engine/pair_driver.h"
#include "run/run_controller.h"
#include "run/run_texts.h"
#include "tests/common/line_lists.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

bool ReportHas(const RunHarness& harness, const std::string& line) {
  const Strings lines = LinesOf(harness.controller.Report().Primary);
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DirectoryRunTest, NamesDifferingOnlyInCaseFormOnePairOpeningEachSpelling) {
  RunHarness harness;
  harness.scratch.Write("new/Main.PAS", "program a;\r\n");
  harness.scratch.Write("old/main.pas", "program a;\r\n");
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 1);
  harness.view.bypass = true;
  harness.controller.StartClicked();
  EXPECT_EQ(harness.controller.Pairs().new_names, Strings{"Main.PAS"});
  EXPECT_EQ(harness.controller.Pairs().old_names, Strings{"main.pas"});
  EXPECT_EQ(harness.log.Only("status:").back(), kEquivalentMessage);
  EXPECT_TRUE(harness.log.Only("message:").empty());
}

TEST(DirectoryRunTest, FilesOnOneSideOnlyAreCountedAsUnpairedAndNotCompared) {
  testkit::FaultyFileSystem fs;
  RunHarness harness(fs);
  for (const char* name : {"new/a.txt", "new/n1.txt", "new/n2.txt", "old/a.txt", "old/o1.txt"}) {
    harness.scratch.Write(name, "same\r\n");
  }
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 1);
  harness.view.bypass = true;
  harness.controller.StartClicked();
  EXPECT_EQ(harness.controller.Pairs().new_names, Strings{"a.txt"});
  EXPECT_EQ(fs.opened,
            (Strings{harness.scratch.PathOf("new/a.txt"), harness.scratch.PathOf("old/a.txt")}));
  EXPECT_TRUE(ReportHas(harness, "      3 Total Files in New Directory."));
  EXPECT_TRUE(ReportHas(harness, "      2 Total Files in Old Directory."));
  EXPECT_TRUE(ReportHas(harness, "      2 Total UnPaired New Files Not Processed."));
  EXPECT_TRUE(ReportHas(harness, "      1 Total UnPaired Old Files Not Processed."));
}

TEST(DirectoryRunTest, ASecondSpellingInOneDirectoryStaysUnpaired) {
  RunHarness harness;
  for (const char* name : {"new/MAIN.c", "new/main.c", "old/main.c"}) {
    harness.scratch.Write(name, "int x;\r\n");
  }
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 1);
  harness.view.bypass = true;
  harness.controller.StartClicked();
  EXPECT_EQ(harness.controller.Pairs().new_names, Strings{"main.c"});
  EXPECT_EQ(harness.controller.Pairs().old_names, Strings{"main.c"});
  EXPECT_TRUE(ReportHas(harness, "      2 Total Files in New Directory."));
  EXPECT_TRUE(ReportHas(harness, "      1 Total UnPaired New Files Not Processed."));
}

TEST(DirectoryRunTest, HaltOpensAndClosesTheNextPairAndEndsWithTheUserStop) {
  testkit::FaultyFileSystem fs;
  RunHarness harness(fs);
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
    harness.scratch.Write(std::string("new/") + name, run_support::RunLines(2000) + "new\r\n");
    harness.scratch.Write(std::string("old/") + name, run_support::RunLines(2000));
  }
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 1);
  // The first events are the controller's own; the second are the engine's
  // while it reads the first pair.
  harness.view.on_events = [&harness](int number) {
    if (number == 2) harness.controller.HaltClicked();
  };
  harness.controller.StartClicked();
  EXPECT_EQ(fs.opened,
            (Strings{harness.scratch.PathOf("new/a.txt"), harness.scratch.PathOf("old/a.txt"),
                     harness.scratch.PathOf("new/b.txt"), harness.scratch.PathOf("old/b.txt")}));
  EXPECT_EQ(harness.log.Only("status:").back(), kUserStopMessage);
  EXPECT_EQ(harness.controller.Report().Primary.back(), kUserStopMessage);
  EXPECT_FALSE(harness.log.Has("viewer"));
  EXPECT_TRUE(harness.view.enabled[MainControl::kReShow]);
}

}  // namespace
}  // namespace kestrin
