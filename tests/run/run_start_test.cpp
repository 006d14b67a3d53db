// Start's checks, messages and questions, each with the case that raises it,
// and the run of a pair list: controls, focus, viewer, Halt and closing.
#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "run/run_controller.h"
#include "run/run_texts.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

// The kinds of names a Start case puts into the two fields.
enum class Name { kFile, kDirectory, kMissing, kEmpty };

std::string Place(RunHarness& harness, Name kind, const std::string& stem) {
  switch (kind) {
    case Name::kFile:
      return harness.scratch.Write(stem + ".txt", "same\r\n");
    case Name::kDirectory:
      return harness.scratch.MakeDirectory(stem);
    case Name::kMissing:
      return harness.scratch.PathOf(stem + ".gone");
    case Name::kEmpty:
      return "";
  }
  return "";
}

// The kind of name a case table calls `kind`.
Name NameKind(const std::string& kind) {
  if (kind == "file") return Name::kFile;
  if (kind == "directory") return Name::kDirectory;
  return kind == "missing" ? Name::kMissing : Name::kEmpty;
}

TEST(RunStartTest, EveryRefusalShowsItsMessageAndRunsNothing) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/start_refusals.txt")) {
    testkit::CaseScope scope(c);
    RunHarness harness;
    harness.view.new_name = Place(harness, NameKind(c[0]), "new");
    harness.view.old_name = Place(harness, NameKind(c[1]), "old");
    harness.view.compare_type = c[2].size() == 1 ? kCompareTypeTexts[c.Number(2) - 1] : c[2];
    harness.controller.StartClicked();
    EXPECT_EQ(harness.log.Only("message:"), Strings{c[3]});
    EXPECT_TRUE(harness.log.Only("ask:").empty() && harness.log.Only("status:").empty());
    EXPECT_TRUE(harness.controller.Pairs().new_names.empty());
  }
}

TEST(RunStartTest, StartAtOnceTakesTheCompareTypeFromWhatTheNamesAre) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/start_at_once.txt")) {
    testkit::CaseScope scope(c);
    RunHarness harness;
    harness.Names(Place(harness, NameKind(c[0]), "new"), Place(harness, NameKind(c[1]), "old"), 3);
    if (c[0] == "directory") harness.scratch.Write("new/a.txt", "x\r\n");
    if (c[1] == "directory") harness.scratch.Write("old/a.txt", "y\r\n");
    harness.view.bypass = true;
    harness.controller.StartAtOnce();
    EXPECT_EQ(harness.view.compare_type, kCompareTypeTexts[c.Number(2) - 1]);
    EXPECT_EQ(harness.controller.Pairs().new_names.size(), static_cast<size_t>(c.Number(3)));
    EXPECT_EQ(harness.log.Only("message:").size(), static_cast<size_t>(c.Number(4)));
    EXPECT_TRUE(harness.log.Only("ask:").empty());
  }
}

TEST(RunStartTest, EmptyCompareTypeDoesNothingAtAll) {
  RunHarness harness;
  harness.view.new_name = Place(harness, Name::kFile, "new");
  harness.view.old_name = Place(harness, Name::kFile, "old");
  harness.view.compare_type = "";
  harness.controller.StartClicked();
  EXPECT_EQ(harness.log.events, Strings{});
}

TEST(RunStartTest, TwoFilesWithADirectoryCompareTypeAskAndYesComparesThem) {
  RunHarness harness;
  const std::string new_file = Place(harness, Name::kFile, "new");
  const std::string old_file = Place(harness, Name::kFile, "old");
  harness.Names(new_file, old_file, 1);
  harness.dialogs.answers = {true};
  harness.controller.StartClicked();
  ASSERT_EQ(harness.log.Only("ask:").size(), 1u);
  EXPECT_TRUE(harness.log.Has("type:0"));
  EXPECT_EQ(harness.view.compare_type, kCompareTypeTexts[0]);
  const Strings statuses = harness.log.Only("status:");
  EXPECT_EQ(statuses.front(), "Executing Compare Section.");
  EXPECT_EQ(statuses.back(), kEquivalentMessage);
  const PairList& pairs = harness.controller.Pairs();
  EXPECT_EQ(pairs.new_names, Strings{"new.txt"});
  EXPECT_EQ(pairs.old_names, Strings{"old.txt"});
  EXPECT_EQ(pairs.new_directory, harness.scratch.path() + "/");
  EXPECT_EQ(pairs.old_directory, harness.scratch.path() + "/");
  EXPECT_TRUE(harness.log.Has("viewer"));
}

TEST(RunStartTest, ARunDisablesTheControlsAndGivesThemBackInOrder) {
  RunHarness harness;
  harness.Names(Place(harness, Name::kFile, "new"), Place(harness, Name::kFile, "old"), 0);
  harness.controller.StartClicked();
  Strings run_events;
  for (const std::string& event : harness.log.events) {
    if (!event.starts_with("history:")) run_events.push_back(event);
  }
  // Between these the engine shows its own progress.
  const Strings before = {"status:Executing Compare Section.",
                          "enable:ReShow=0",
                          "enable:Exit=0",
                          "enable:Bypass=0",
                          "enable:Start=0",
                          "enable:Halt=1",
                          "events"};
  const Strings after = {"status:" + std::string(kEquivalentMessage),
                         "enable:Start=1",
                         "enable:ReShow=1",
                         "enable:Exit=1",
                         "enable:Bypass=1",
                         "hide",
                         "enable:Halt=0",
                         "viewer",
                         "focus:exit"};
  ASSERT_GE(run_events.size(), before.size() + after.size());
  EXPECT_EQ(Strings(run_events.begin(), run_events.begin() + before.size()), before);
  EXPECT_EQ(Strings(run_events.end() - after.size(), run_events.end()), after);
}

TEST(RunStartTest, BypassEndsTheRunOnTheStatusLineWithoutViewer) {
  RunHarness harness;
  harness.Names(Place(harness, Name::kFile, "new"), Place(harness, Name::kFile, "old"), 0);
  harness.view.bypass = true;
  harness.controller.StartClicked();
  EXPECT_FALSE(harness.log.Has("viewer"));
  EXPECT_EQ(harness.log.Only("focus:"), Strings{"status"});
}

TEST(RunStartTest, HaltDuringARunShowsNoViewerAndEnablesReShow) {
  RunHarness harness;
  harness.Names(harness.scratch.Write("new.txt", run_support::RunLines(3000)),
                harness.scratch.Write("old.txt", run_support::RunLines(2999)), 0);
  harness.view.on_events = [&harness](int) { harness.controller.HaltClicked(); };
  harness.controller.StartClicked();
  EXPECT_EQ(harness.log.Only("status:").back(), kUserStopMessage);
  EXPECT_FALSE(harness.log.Has("viewer"));
  EXPECT_EQ(harness.log.Only("focus:"), Strings{"status"});
  EXPECT_TRUE(harness.view.enabled[MainControl::kReShow]);
  EXPECT_FALSE(harness.view.enabled[MainControl::kHalt]);
}

TEST(RunStartTest, ARunInProgressRefusesClosingAndASecondStart) {
  RunHarness harness;
  harness.Names(Place(harness, Name::kFile, "new"), Place(harness, Name::kFile, "old"), 0);
  bool in_progress_seen = false;
  harness.view.on_events = [&](int) {
    in_progress_seen = harness.controller.RunInProgress();
    harness.controller.StartClicked();
    harness.controller.ReShowClicked();
  };
  harness.controller.StartClicked();
  EXPECT_TRUE(in_progress_seen);
  EXPECT_FALSE(harness.controller.RunInProgress());
  EXPECT_EQ(harness.log.Only("status:Executing").size(), 1u);
  EXPECT_EQ(harness.log.Count("viewer"), 1u);
}

}  // namespace
}  // namespace kestrin
