// Compare type 3: the like-name dialog's listing, buttons, messages, sort,
// filter, lookup and saved selection, on real directories.
#include "run/like_name_dialog.h"

#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "run/run_texts.h"
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

TEST(LikeNameDialogTest, OpensWithTheLikeNamesCountsAndCaptions) {
  RunHarness harness;
  MakeDirectories(harness, {"b.txt", "A.txt", "c"});
  bool open_flag = false;
  OpenWith(harness, [&](LikeNameDialog& dialog) {
    open_flag = harness.controller.Flags().LikeNameDialogOpen;
    EXPECT_EQ(dialog.Available(), (Strings{"A.txt", "b.txt", "c"}));
    EXPECT_EQ(dialog.PairedCountLabel(), "(3)");
    EXPECT_EQ(dialog.SelectedCountLabel(), "(0)");
    EXPECT_EQ(dialog.NewPathCaption(), harness.scratch.PathOf("new"));
    EXPECT_EQ(dialog.OldPathCaption(), harness.scratch.PathOf("old"));
    EXPECT_EQ(dialog.FilterText(), "*.*");
  });
  EXPECT_TRUE(open_flag);
  EXPECT_FALSE(harness.controller.Flags().LikeNameDialogOpen);
  EXPECT_TRUE(harness.log.Only("status:").empty());
}

TEST(LikeNameDialogTest, ButtonsWithNothingToActOnShowTheirMessages) {
  RunHarness harness;
  MakeDirectories(harness, {"a.txt"});
  OpenWith(harness, [](LikeNameDialog& dialog) {
    EXPECT_EQ(dialog.SelectHighlightedClicked({}), DialogNext::kStayOpen);
    EXPECT_EQ(dialog.UnselectHighlightedClicked({}), DialogNext::kStayOpen);
    EXPECT_EQ(dialog.UnselectAllSelectedClicked(), DialogNext::kStayOpen);
    EXPECT_EQ(dialog.StartCompareClicked(), DialogNext::kStayOpen);
    EXPECT_EQ(dialog.SelectHighlightedClicked({7}), DialogNext::kStayOpen);
  });
  EXPECT_EQ(
      harness.log.Only("message:"),
      (Strings{"No filename highlighted.  Highlight a filename and repeat.",
               "No filename highlighted.  Highlight a filename and repeat.", "Nothing to Undo",
               "No paired filenames have been selected.\r\nHighlight one or more Like "
               "Named Paired File and repeat.",
               "No filename highlighted.  Highlight a filename and repeat."}));
  EXPECT_TRUE(harness.log.Only("status:").empty());
}

TEST(LikeNameDialogTest, SelectingAndUnselectingMovesNamesBetweenTheLists) {
  RunHarness harness;
  MakeDirectories(harness, {"a", "b", "c", "d"});
  OpenWith(harness, [](LikeNameDialog& dialog) {
    dialog.SelectHighlightedClicked({3, 1});
    EXPECT_EQ(dialog.Available(), (Strings{"a", "c"}));
    EXPECT_EQ(dialog.Selected(), (Strings{"b", "d"}));
    EXPECT_EQ(dialog.PairedCountLabel(), "(2)");
    EXPECT_EQ(dialog.SelectedCountLabel(), "(2)");
    dialog.UnselectHighlightedClicked({0});
    EXPECT_EQ(dialog.Available(), (Strings{"a", "b", "c"}));
    EXPECT_EQ(dialog.Selected(), Strings{"d"});
    dialog.SelectAllPairedClicked();
    EXPECT_EQ(dialog.Available(), Strings{});
    EXPECT_EQ(dialog.Selected(), (Strings{"a", "b", "c", "d"}));
    EXPECT_EQ(dialog.ReturnClicked(), DialogNext::kClose);
  });
  EXPECT_TRUE(harness.log.Only("message:").empty());
  EXPECT_EQ(harness.controller.SavedLikeNameSelection(), "a;b;c;d;");
}

TEST(LikeNameDialogTest, ExtensionSortPutsNamesWithoutExtensionFirst) {
  RunHarness harness;
  MakeDirectories(harness, {"b.C", "z", "a.c", "m.h", "Y", "c.A"});
  OpenWith(harness, [](LikeNameDialog& dialog) {
    EXPECT_EQ(dialog.Available(), (Strings{"a.c", "b.C", "c.A", "m.h", "Y", "z"}));
    dialog.SortChosen(LikeNameSort::kExtension);
    EXPECT_EQ(dialog.Available(), (Strings{"Y", "z", "c.A", "a.c", "b.C", "m.h"}));
    dialog.SelectAllPairedClicked();
    dialog.UnselectAllSelectedClicked();
    EXPECT_EQ(dialog.Available(), (Strings{"Y", "z", "c.A", "a.c", "b.C", "m.h"}));
    EXPECT_EQ(dialog.Selected(), Strings{});
    dialog.SelectHighlightedClicked({0, 3});
    dialog.UnselectHighlightedClicked({0, 1});
    EXPECT_EQ(dialog.Available(), (Strings{"Y", "z", "c.A", "a.c", "b.C", "m.h"}));
    dialog.SortChosen(LikeNameSort::kFileName);
    EXPECT_EQ(dialog.Available(), (Strings{"a.c", "b.C", "c.A", "m.h", "Y", "z"}));
  });
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

TEST(LikeNameDialogTest, FilterMasksBothListingsAndKeepsTheSelectionThatRemains) {
  RunHarness harness;
  MakeDirectories(harness, {"a.txt", "b.txt", "c.h"});
  OpenWith(harness, [](LikeNameDialog& dialog) {
    dialog.SelectHighlightedClicked({0, 2});  // a.txt, c.h
    dialog.FilterEntered("*.txt");
    EXPECT_EQ(dialog.Available(), Strings{"b.txt"});
    EXPECT_EQ(dialog.Selected(), Strings{"a.txt"});
    EXPECT_EQ(dialog.FilterHistory(), Strings{"*.txt"});
    dialog.FilterEntered("");
    EXPECT_EQ(dialog.FilterText(), "*.*");
    EXPECT_EQ(dialog.Available(), (Strings{"b.txt", "c.h"}));
    EXPECT_EQ(dialog.FilterHistory(), (Strings{"*.*", "*.txt"}));
    dialog.FilterEntered("*.txt");
    EXPECT_EQ(dialog.FilterHistory(), (Strings{"*.*", "*.txt"}));
  });
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
