// The directory lookup dialog's rules without windows: the opener's
// prefill, New Dir, Old Dir with its question, Return and Cancel.
#include "views/dir_browser_lookup.h"

#include <gtest/gtest.h>

#include "engine/path.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunLog;
using run_support::RunScratch;
using Strings = std::vector<std::string>;

// The main window as the lookup sees it: remembered names and the names it
// was given.
class FakeLookupTarget : public LookupNamesTarget {
 public:
  DirNames RememberedNames() const override { return remembered; }
  void TakeLookupNames(const DirNames& names) override { taken.push_back(names); }

  DirNames remembered;
  std::vector<DirNames> taken;
};

// Directories "new/sub" and "old", and a lookup opened on them.
struct Lookup {
  Lookup() {
    scratch.MakeDirectory("new/sub");
    scratch.MakeDirectory("old");
    lookup.Prefill(scratch.PathOf("new"), scratch.PathOf("old"));
  }
  void HighlightSub() { lookup.Browser().Highlight(lookup.Browser().OpenRow() + 1); }

  RunScratch scratch;
  RunLog log;
  run_support::FakeRunDialogs dialogs{log};
  DirLookupModel lookup{dialogs, DefaultFileSystem()};
};

TEST(DirBrowserLookupTest, PrefillFillsTheNamesAndOpensTheListOnTheNewOne) {
  Lookup fixture;
  EXPECT_EQ(fixture.lookup.Names().new_name, fixture.scratch.PathOf("new"));
  EXPECT_EQ(fixture.lookup.Names().old_name, fixture.scratch.PathOf("old"));
  EXPECT_EQ(fixture.lookup.Browser().OpenDirectory(), fixture.scratch.PathOf("new"));

  fixture.lookup.Browser().Open(fixture.scratch.PathOf("new/sub"));
  fixture.lookup.Prefill("", fixture.scratch.PathOf("new"));
  EXPECT_EQ(fixture.lookup.Names().new_name, fixture.scratch.PathOf("new"))
      << "an empty name leaves the earlier one";
  EXPECT_EQ(fixture.lookup.Names().old_name, fixture.scratch.PathOf("new"));
  EXPECT_EQ(fixture.lookup.Browser().OpenDirectory(), fixture.scratch.PathOf("new/sub"))
      << "the list keeps its place";
}

TEST(DirBrowserLookupTest, NewDirTakesTheHighlightedEntryWithoutAQuestion) {
  Lookup fixture;
  fixture.HighlightSub();
  fixture.lookup.NewDirClicked();
  EXPECT_EQ(fixture.lookup.Names().new_name, fixture.scratch.PathOf("new/sub"));
  fixture.lookup.Browser().Highlight(0);
  fixture.lookup.NewDirClicked();
  EXPECT_EQ(fixture.lookup.Names().new_name, fixture.lookup.Browser().Rows()[0].path);
  EXPECT_TRUE(fixture.log.Only("ask:").empty());
}

TEST(DirBrowserLookupTest, OldDirTakesTheOpenDirectoryOrAsksWhenAnotherIsHighlighted) {
  struct Case {
    bool highlight_sub;
    std::deque<bool> answers;
    std::string old_name;  // relative to the scratch directory
    size_t questions;
  };
  const Case cases[] = {
      {false, {}, "new", 0},
      {true, {true}, "new", 1},
      {true, {false}, "old", 1},
  };
  for (const Case& c : cases) {
    Lookup fixture;
    if (c.highlight_sub) fixture.HighlightSub();
    fixture.dialogs.answers = c.answers;
    fixture.lookup.OldDirClicked();
    const std::string context = "sub highlighted: " + std::to_string(c.highlight_sub);
    EXPECT_EQ(fixture.lookup.Names().old_name, fixture.scratch.PathOf(c.old_name)) << context;
    const Strings asked = fixture.log.Only("ask:");
    ASSERT_EQ(asked.size(), c.questions) << context;
    const std::string open = fixture.scratch.PathOf("new");
    if (!asked.empty()) {
      EXPECT_EQ(asked[0], "Directory  \"sub\" not double-clicked since \"" + open +
                              "\" is shown as expanded. Use \"" + open +
                              "\"? (Yes) or Return to reselect \"sub\" ? (No)");
    }
  }
}

TEST(DirBrowserLookupTest, ReturnHandsBothNamesOverAndCancelTakesTheRememberedOnesBack) {
  Lookup fixture;
  FakeLookupTarget target;
  target.remembered = {"/earlier/new", "/earlier/old"};
  fixture.HighlightSub();
  fixture.lookup.NewDirClicked();
  fixture.lookup.ReturnClicked(target);
  ASSERT_EQ(target.taken.size(), 1u);
  EXPECT_EQ(target.taken[0].new_name, fixture.scratch.PathOf("new/sub"));
  EXPECT_EQ(target.taken[0].old_name, fixture.scratch.PathOf("old"));

  fixture.lookup.CancelClicked(target);
  EXPECT_EQ(fixture.lookup.Names().new_name, "/earlier/new");
  EXPECT_EQ(fixture.lookup.Names().old_name, "/earlier/old");
  EXPECT_EQ(target.taken.size(), 1u) << "Cancel changes no name field";
}

}  // namespace
}  // namespace kestrin
