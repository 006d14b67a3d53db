// Compare type 3: the like-name dialog's listing, buttons, messages, sort,
// filter, lookup and saved selection, on real directories.
#include "run/like_name_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/pair_driver.h"
#include "run/run_texts.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

// Two directories "new" and "old" holding the like-names of `names` (each on
// both sides with the same content) and, in the new one only, "only-new".
void MakeDirectories(RunHarness& harness, const Strings& names) {
  for (const std::string& name : names) {
    harness.scratch.Write("new/" + name, "text\r\n");
    harness.scratch.Write("old/" + name, "text\r\n");
  }
  harness.scratch.Write("new/only-new", "x");
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 2);
  harness.view.bypass = true;
}

// Opens the dialog with `script` acting while it is shown.
void OpenWith(RunHarness& harness, std::function<void(LikeNameDialog&)> script) {
  harness.dialogs.like_name_scripts.push_back(std::move(script));
  harness.controller.StartClicked();
}

TEST(LikeNameDialogTest, NoCommonNameShowsBothMessagesAndOpensNoDialog) {
  RunHarness harness;
  harness.scratch.Write("new/a.txt", "x");
  harness.scratch.Write("old/b.txt", "x");
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 2);
  harness.controller.StartClicked();
  EXPECT_EQ(harness.log.Only("message:"),
            (Strings{"No paired (same name) new/old filenames are found.\rSelect another "
                     "directory pair.",
                     "New and Old Input File Directories have no common named files. \r "
                     "Respecify Directories or use a different filter mask."}));
  EXPECT_FALSE(harness.log.Has("like-name-dialog"));
  EXPECT_EQ(harness.log.Only("focus:"), Strings{"new"});
}

std::string Listed(const Strings& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
  return text;
}

// Acts out one step on the dialog -- "select <rows>", "unselect <rows>",
// "select-all", "unselect-all", "sort-ext", "sort-name", "filter <mask>",
// "start" -- and describes the dialog after it: "<available> | <selected>
// (<paired count>)(<selected count>) <filter history>", with " close" when
// the step closes it.
std::string Act(LikeNameDialog& dialog, const std::string& step) {
  std::istringstream words(step);
  std::string verb;
  words >> verb;
  std::vector<int> rows;
  std::string mask;
  if (verb == "filter") {
    std::getline(words >> std::ws, mask);
  } else {
    for (int row; words >> row;) rows.push_back(row);
  }
  DialogNext next = DialogNext::kStayOpen;
  if (verb == "select") next = dialog.SelectHighlightedClicked(rows);
  if (verb == "unselect") next = dialog.UnselectHighlightedClicked(rows);
  if (verb == "select-all") next = dialog.SelectAllPairedClicked();
  if (verb == "unselect-all") next = dialog.UnselectAllSelectedClicked();
  if (verb == "start") next = dialog.StartCompareClicked();
  if (verb == "sort-ext") dialog.SortChosen(LikeNameSort::kExtension);
  if (verb == "sort-name") dialog.SortChosen(LikeNameSort::kFileName);
  if (verb == "filter") dialog.FilterEntered(mask);
  return Listed(dialog.Available()) + " | " + Listed(dialog.Selected()) + " " +
         dialog.PairedCountLabel() + dialog.SelectedCountLabel() + " " + dialog.FilterText() +
         " [" + Listed(dialog.FilterHistory()) + "]" +
         (next == DialogNext::kClose ? " close" : "");
}

// The like-names and button presses of cases/like_name_buttons.txt, and
// what the dialog shows after each (golden/like_name_buttons.txt).
TEST(LikeNameDialogTest, ButtonSequences) {
  Strings transcript;
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/run/cases/like_name_buttons.txt")) {
    Strings names, steps;
    std::istringstream name_words(c[0]);
    for (std::string name; name_words >> name;) names.push_back(name);
    std::istringstream step_list(c[1]);
    for (std::string step; std::getline(step_list >> std::ws, step, ';');) steps.push_back(step);
    RunHarness harness;
    MakeDirectories(harness, names);
    transcript.push_back("names: " + Listed(names));
    OpenWith(harness, [&](LikeNameDialog& dialog) {
      for (const std::string& step : steps) transcript.push_back(step + " -> " + Act(dialog, step));
    });
    for (const std::string& event : harness.log.events) {
      if (event.starts_with("message:") || event.starts_with("status:"))
        transcript.push_back(event);
    }
  }
  testkit::ExpectGoldenLines("tests/run/golden/like_name_buttons.txt", transcript);
}

TEST(LikeNameDialogTest, StartCompareRunsTheSelectedPairsEachSideWithItsSpelling) {
  RunHarness harness;
  MakeDirectories(harness, {"a.txt", "b.txt"});
  harness.scratch.Write("new/Main.PAS", "x\r\n");
  harness.scratch.Write("old/main.pas", "x\r\n");
  DialogNext next = DialogNext::kStayOpen;
  OpenWith(harness, [&](LikeNameDialog& dialog) {
    EXPECT_EQ(dialog.Available(), (Strings{"a.txt", "b.txt", "Main.PAS"}));
    dialog.SelectHighlightedClicked({2, 0});
    next = dialog.StartCompareClicked();
  });
  EXPECT_EQ(next, DialogNext::kClose);
  EXPECT_EQ(harness.controller.Pairs().new_names, (Strings{"a.txt", "Main.PAS"}));
  EXPECT_EQ(harness.controller.Pairs().old_names, (Strings{"a.txt", "main.pas"}));
  EXPECT_EQ(harness.controller.Pairs().new_directory, harness.scratch.PathOf("new"));
  EXPECT_TRUE(harness.log.Has("hide-dialog"));
  EXPECT_EQ(harness.log.Only("status:").back(), kEquivalentMessage);
}

TEST(LikeNameDialogTest, StartCompareSkipsAPairWhoseFileIsGone) {
  RunHarness harness;
  MakeDirectories(harness, {"a.txt", "b.txt"});
  OpenWith(harness, [&](LikeNameDialog& dialog) {
    dialog.SelectAllPairedClicked();
    harness.scratch.Remove("old/a.txt");
    EXPECT_EQ(dialog.StartCompareClicked(), DialogNext::kClose);
  });
  EXPECT_EQ(harness.controller.Pairs().new_names, Strings{"b.txt"});
}

TEST(LikeNameDialogTest, SavedSelectionIsUsedOnceAndAVanishedNameDropped) {
  RunHarness harness;
  MakeDirectories(harness, {"a.txt", "b.txt", "c.txt"});
  harness.controller.RestoreSavedSelections("C.TXT;gone.txt;a.txt;", "");
  EXPECT_EQ(harness.controller.SavedLikeNameSelection(), "C.TXT;gone.txt;a.txt;");
  OpenWith(harness, [](LikeNameDialog& dialog) {
    EXPECT_EQ(dialog.Selected(), (Strings{"a.txt", "c.txt"}));
    EXPECT_EQ(dialog.Available(), Strings{"b.txt"});
    EXPECT_EQ(dialog.SelectedCountLabel(), "(2)");
    dialog.UnselectHighlightedClicked({0});
  });
  EXPECT_EQ(harness.controller.SavedLikeNameSelection(), "c.txt;");
  OpenWith(harness, [](LikeNameDialog& dialog) { EXPECT_EQ(dialog.Selected(), Strings{"c.txt"}); });
}

TEST(LikeNameDialogTest, LookupListsTheNewDirectoriesAndOpensTheDialogAgain) {
  RunHarness harness;
  MakeDirectories(harness, {"a.txt"});
  harness.scratch.Write("new2/z.txt", "x");
  harness.scratch.Write("old2/Z.TXT", "x");
  harness.LookupReturns("new2", "old2");
  DialogNext next = DialogNext::kStayOpen;
  harness.dialogs.like_name_scripts.push_back([&](LikeNameDialog& dialog) {
    dialog.FilterEntered("*.txt");
    next = dialog.DirLookUpClicked();
    EXPECT_EQ(dialog.FilterText(), "*.*");
    EXPECT_EQ(dialog.Available(), Strings{"z.txt"});
  });
  OpenWith(harness, [&harness](LikeNameDialog& dialog) {
    EXPECT_EQ(dialog.Available(), Strings{"z.txt"});
    EXPECT_EQ(dialog.NewPathCaption(), harness.scratch.PathOf("new2"));
  });
  EXPECT_EQ(next, DialogNext::kClose);
  EXPECT_TRUE(harness.log.Has("remember"));
  EXPECT_TRUE(harness.log.Has("lookup:" + harness.scratch.PathOf("new") + "|" +
                              harness.scratch.PathOf("old")));
  EXPECT_EQ(harness.log.Only("like-name-dialog").size(), 2u);
}

TEST(LikeNameDialogTest, LookupOnDirectoriesWithoutCommonNamesEndsTheLoopWithItsMessages) {
  RunHarness harness;
  MakeDirectories(harness, {"a.txt"});
  harness.scratch.Write("new2/p.txt", "x");
  harness.scratch.Write("old2/q.txt", "x");
  harness.LookupReturns("new2", "old2");
  OpenWith(harness, [](LikeNameDialog& dialog) { dialog.DirLookUpClicked(); });
  const std::string no_common =
      "New and Old Input File Directories have no common named files. \r Respecify Directories "
      "or use a different filter mask.";
  EXPECT_EQ(harness.log.Only("message:"),
            (Strings{no_common,
                     "No paired (same name) new/old filenames are found.\rSelect another "
                     "directory pair or use a different file filter mask.",
                     no_common}));
  EXPECT_EQ(harness.log.Only("like-name-dialog").size(), 1u);
}

}  // namespace
}  // namespace kestrin
