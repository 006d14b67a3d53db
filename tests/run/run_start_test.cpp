// Start's checks, messages and questions, each with the case that raises it,
// and the run of a pair list: controls, focus, viewer, Halt and closing.
#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "run/run_controller.h"
#include "run/run_texts.h"
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

struct StartCase {
  const char* title;
  Name new_name;
  Name old_name;
  const char* compare_type;
  Strings messages;
};

const std::string kType1 = kCompareTypeTexts[0];
const std::string kType2 = kCompareTypeTexts[1];

TEST(RunStartTest, EveryRefusalShowsItsMessageAndRunsNothing) {
  const StartCase cases[] = {
      {"two directories, compare type 1",
       Name::kDirectory,
       Name::kDirectory,
       kCompareTypeTexts[0],
       {"Compare type \"1. New and Old Files Specified\" must specify two valid full file names "
        "but. you have specified only directory names. Either change the \"Compare Type\" for a "
        "directory compare or use the \"Select File\" Tab to help select valid File Names."}},
      {"a file and a missing name, compare type 1",
       Name::kFile,
       Name::kMissing,
       kCompareTypeTexts[0],
       {"The specified New and/or Old file names are invalid file names."}},
      {"a file and a directory, compare type 1",
       Name::kFile,
       Name::kDirectory,
       kCompareTypeTexts[0],
       {"The specified New and/or Old file names are invalid file names."}},
      {"two directories, a typed compare type",
       Name::kDirectory,
       Name::kDirectory,
       "5. Mine",
       {"Invalid \"Compare Type\". Reselect again from the \"Compare Type\" ComboBox."}},
      {"two missing names, compare type 2",
       Name::kMissing,
       Name::kMissing,
       kCompareTypeTexts[1],
       {"Invalid New and/or Old Directory names specified Use the Select Dir Tab to select a "
        "valid Dir Name."}},
      {"a file and a directory, compare type 2",
       Name::kFile,
       Name::kDirectory,
       kCompareTypeTexts[1],
       {"The specified Compare type \"2. All Like-Name Files from Input Dirs\" requires a "
        "directory path name without the file name extension. Use the Select Dir Tab to select a "
        "valid Dir Name."}},
      {"a directory and a file, compare type 4",
       Name::kDirectory,
       Name::kFile,
       kCompareTypeTexts[3],
       {"The specified Compare type \"4. Select from 2 Dir File Name List ...\" requires a "
        "directory path name without the file name extension. Use the Select Dir Tab to select a "
        "valid Dir Name."}},
      {"empty names, compare type 3",
       Name::kEmpty,
       Name::kEmpty,
       kCompareTypeTexts[2],
       {"Invalid New and/or Old Directory names specified Use the Select Dir Tab to select a "
        "valid Dir Name."}},
  };
  for (const StartCase& c : cases) {
    RunHarness harness;
    harness.view.new_name = Place(harness, c.new_name, "new");
    harness.view.old_name = Place(harness, c.old_name, "old");
    harness.view.compare_type = c.compare_type;
    harness.controller.StartClicked();
    EXPECT_EQ(harness.log.Only("message:"), c.messages) << c.title;
    EXPECT_TRUE(harness.log.Only("ask:").empty()) << c.title;
    EXPECT_TRUE(harness.log.Only("status:").empty()) << c.title;
    EXPECT_TRUE(harness.controller.Pairs().new_names.empty()) << c.title;
  }
}

TEST(RunStartTest, StartAtOnceTakesTheCompareTypeFromWhatTheNamesAre) {
  struct AtOnceCase {
    const char* title;
    Name new_name;
    Name old_name;
    int compare_type;  // the type chosen from the names
    size_t pairs;      // pairs compared: both sides hold one like-named file
    size_t messages;   // refusals shown
  };
  const AtOnceCase cases[] = {
      {"two files", Name::kFile, Name::kFile, 0, 1, 0},
      {"two directories", Name::kDirectory, Name::kDirectory, 1, 1, 0},
      {"a file and a directory", Name::kFile, Name::kDirectory, 0, 0, 1},
      {"a missing name", Name::kDirectory, Name::kMissing, 0, 0, 1},
  };
  for (const AtOnceCase& c : cases) {
    RunHarness harness;
    harness.Names(Place(harness, c.new_name, "new"), Place(harness, c.old_name, "old"), 3);
    if (c.new_name == Name::kDirectory) harness.scratch.Write("new/a.txt", "x\r\n");
    if (c.old_name == Name::kDirectory) harness.scratch.Write("old/a.txt", "y\r\n");
    harness.view.bypass = true;
    harness.controller.StartAtOnce();
    EXPECT_EQ(harness.view.compare_type, kCompareTypeTexts[c.compare_type]) << c.title;
    EXPECT_EQ(harness.controller.Pairs().new_names.size(), c.pairs) << c.title;
    EXPECT_EQ(harness.log.Only("message:").size(), c.messages) << c.title;
    EXPECT_TRUE(harness.log.Only("ask:").empty()) << c.title;
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
