// Compare type 4: the two-list dialog's listings, buttons, messages, filters,
// lookup and saved selection, on real directories.
#include "run/two_list_dialog.h"

#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "run/run_texts.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

// Directories "new" and "old" with the given files, all of one content.
void MakeDirectories(RunHarness& harness, const Strings& new_files, const Strings& old_files) {
  harness.scratch.MakeDirectory("new");
  harness.scratch.MakeDirectory("old");
  for (const std::string& name : new_files) harness.scratch.Write("new/" + name, "text\r\n");
  for (const std::string& name : old_files) harness.scratch.Write("old/" + name, "text\r\n");
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 3);
  harness.view.bypass = true;
}

void OpenWith(RunHarness& harness, std::function<void(TwoListDialog&)> script) {
  harness.dialogs.two_list_scripts.push_back(std::move(script));
  harness.controller.StartClicked();
}

// Highlights one file on each side and adds the pair.
void AddPair(TwoListDialog& dialog, int new_row, int old_row) {
  dialog.HighlightNew(new_row);
  dialog.HighlightOld(old_row);
  dialog.SelectPairClicked();
}

TEST(TwoListDialogTest, AnEmptyDirectoryShowsItsMessageAndOpensNoDialog) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/run/cases/two_list_empty_sides.txt")) {
    RunHarness harness;
    MakeDirectories(harness, c[0].empty() ? Strings{} : Strings{c[0]},
                    c[1].empty() ? Strings{} : Strings{c[1]});
    harness.controller.StartClicked();
    EXPECT_EQ(harness.log.Only("message:"), Strings{c[2]}) << c.Where();
    EXPECT_FALSE(harness.log.Has("two-list-dialog")) << c.Where();
  }
}

TEST(TwoListDialogTest, ButtonsWithNothingToActOnShowTheirMessages) {
  RunHarness harness;
  MakeDirectories(harness, {"a.c"}, {"b.c"});
  OpenWith(harness, [](TwoListDialog& dialog) {
    dialog.HighlightNew(0);
    EXPECT_EQ(dialog.SelectPairClicked(), DialogNext::kStayOpen);
    EXPECT_EQ(dialog.UndoSelectedClicked({}), DialogNext::kStayOpen);
    EXPECT_EQ(dialog.StartCompareClicked(), DialogNext::kStayOpen);
    EXPECT_EQ(dialog.SelectedPairs(), Strings{});
  });
  EXPECT_EQ(harness.log.Only("message:"),
            (Strings{"The Compare files must be individually selected. \r\nSelect each separate "
                     "component and then \r\npress the \"Select New-Old Pair\" arrow",
                     "No file pairs have been selected to undo",
                     "No paired filenames have been selected.\r\nHighlight one or more Like "
                     "Named Paired Files,\r\n and \"Select New-Old Pair\" button to transfer "
                     "components to \"Selected List\"."}));
}

TEST(TwoListDialogTest, StartCompareSkipsAPairWhoseFileIsGone) {
  RunHarness harness;
  MakeDirectories(harness, {"a.c", "b.c"}, {"x.c", "y.c"});
  OpenWith(harness, [&](TwoListDialog& dialog) {
    AddPair(dialog, 0, 0);
    AddPair(dialog, 1, 1);
    harness.scratch.Remove("old/x.c");
    EXPECT_EQ(dialog.StartCompareClicked(), DialogNext::kClose);
  });
  EXPECT_EQ(harness.controller.Pairs().new_names, Strings{"b.c"});
}

TEST(TwoListDialogTest, FilterMasksOneSideAndLeavesTheSelectedPairs) {
  RunHarness harness;
  MakeDirectories(harness, {"a.c", "b.h"}, {"x.c", "y.h"});
  OpenWith(harness, [](TwoListDialog& dialog) {
    AddPair(dialog, 1, 1);
    dialog.NewFilterEntered("*.c");
    EXPECT_EQ(dialog.NewFiles(), Strings{"a.c"});
    EXPECT_EQ(dialog.OldFiles(), (Strings{"x.c", "y.h"}));
    EXPECT_EQ(dialog.NewCountLabel(), "(1)");
    EXPECT_EQ(dialog.NewSelectionText(), "*.c");
    EXPECT_EQ(dialog.NewFilterHistory(), Strings{"*.c"});
    EXPECT_EQ(dialog.SelectedPairs(), Strings{"b.h : y.h"});
    dialog.OldFilterEntered("");
    EXPECT_EQ(dialog.OldFilterText(), "*.*");
    EXPECT_EQ(dialog.OldFilterHistory(), Strings{"*.*"});
  });
}

TEST(TwoListDialogTest, SavedSelectionIsUsedOnceAndRowsOfVanishedFilesDropped) {
  RunHarness harness;
  MakeDirectories(harness, {"a.c", "b.c"}, {"x.c"});
  harness.controller.RestoreSavedSelections("", "A.C : X.c;b.c : gone.c;no separator;b.c : x.c;");
  OpenWith(harness, [](TwoListDialog& dialog) {
    EXPECT_EQ(dialog.SelectedPairs(), (Strings{"A.C : X.c", "b.c : x.c"}));
    EXPECT_EQ(dialog.SelectedCountLabel(), "(2)");
    EXPECT_EQ(dialog.StartCompareClicked(), DialogNext::kClose);
  });
  EXPECT_EQ(harness.controller.Pairs().new_names, (Strings{"a.c", "b.c"}));
  EXPECT_EQ(harness.controller.Pairs().old_names, (Strings{"x.c", "x.c"}));
  EXPECT_EQ(harness.controller.SavedPairSelection(), "A.C : X.c;b.c : x.c;");
}

TEST(TwoListDialogTest, LookupListsTheNewDirectoriesKeepingTheMasks) {
  RunHarness harness;
  MakeDirectories(harness, {"a.c", "a.h"}, {"x.c"});
  harness.scratch.Write("new2/q.h", "x");
  harness.scratch.Write("old2/r.c", "x");
  harness.LookupReturns("new2", "old2");
  harness.dialogs.two_list_scripts.push_back([](TwoListDialog& dialog) {
    AddPair(dialog, 0, 0);
    dialog.NewFilterEntered("*.c");
    EXPECT_EQ(dialog.DirLookUpClicked(), DialogNext::kClose);
  });
  harness.controller.StartClicked();
  // The new directory now holds no "*.c" file: the later pass says so.
  EXPECT_EQ(harness.log.Only("message:"),
            Strings{"New Input File Directory has no files to compare. \r Respecify the New "
                    "Directory Name or use a different filter mask."});
  EXPECT_TRUE(harness.log.Has("lookup:" + harness.scratch.PathOf("new") + "|" +
                              harness.scratch.PathOf("old")));
  EXPECT_EQ(harness.log.Only("two-list-dialog").size(), 1u);
  EXPECT_EQ(harness.controller.TwoLists().NewFilterText(), "*.c");
}

}  // namespace
}  // namespace kestrin
