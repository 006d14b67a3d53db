// The directory browser over real directories: the entries around the open
// directory, which entry is H, opening entries and drives, directories that
// vanish, and the file list under a mask.
#include "views/dir_browser_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/path.h"
#include "tests/run/run_support.h"
#include "views/dir_browser_texts.h"

namespace kestrin {
namespace {

using run_support::kRunFileTime;
using run_support::ScratchDirectory;
using Strings = std::vector<std::string>;

// The entries as "<depth><A|O|S> <text>", the scratch directory's path shown
// as "<drive>".
std::string RowsText(const DirBrowserModel& browser, const std::string& drive) {
  std::string text;
  for (const DirRow& row : browser.Rows()) {
    const char kind = row.kind == DirRowKind::kAncestor ? 'A'
                      : row.kind == DirRowKind::kOpen   ? 'O'
                                                        : 'S';
    text +=
        std::to_string(row.depth) + kind + " " + (row.text == drive ? "<drive>" : row.text) + "\n";
  }
  return text;
}

// A scratch tree: work/project with three subdirectories and three files.
struct BrowseTree {
  BrowseTree() {
    for (const char* name : {"project/beta", "project/Zeta", "project/alpha/deep"}) {
      scratch.MakeDirectory(name);
    }
    for (const char* name : {"project/b.TXT", "project/a.txt", "project/c.c"}) {
      scratch.Write(name, "x\n");
    }
    browser.SetDrives({scratch.path()});
    EXPECT_TRUE(browser.Open(scratch.PathOf("project")));
  }
  int RowOf(const std::string& text) const {
    for (size_t row = 0; row < browser.Rows().size(); ++row) {
      if (browser.Rows()[row].text == text) return static_cast<int>(row);
    }
    ADD_FAILURE() << "no entry " << text;
    return -1;
  }

  ScratchDirectory scratch{kRunFileTime};
  DirBrowserModel browser{DefaultFileSystem()};
};

TEST(DirBrowserModelTest, ListsTheDriveRootTheAncestorsTheOpenDirectoryAndItsSubdirectories) {
  BrowseTree tree;
  EXPECT_EQ(RowsText(tree.browser, tree.scratch.path()),
            "0A <drive>\n"
            "1O project\n"
            "2S alpha\n"
            "2S beta\n"
            "2S Zeta\n");
  EXPECT_EQ(tree.browser.OpenDirectory(), tree.scratch.PathOf("project"));
  EXPECT_EQ(tree.browser.Drive(), tree.scratch.path());
  EXPECT_EQ(tree.browser.Rows()[2].path, tree.scratch.PathOf("project/alpha"));

  ASSERT_TRUE(tree.browser.OpenEntry(tree.RowOf("alpha")));
  EXPECT_EQ(RowsText(tree.browser, tree.scratch.path()),
            "0A <drive>\n"
            "1A project\n"
            "2O alpha\n"
            "3S deep\n");
  EXPECT_TRUE(tree.browser.Files().empty()) << "a directory without files lists none";
}

TEST(DirBrowserModelTest, TheHighlightedEntryIsTheOpenDirectoryUntilAnotherIsClicked) {
  BrowseTree tree;
  const std::string project = tree.scratch.PathOf("project");
  struct Case {
    int row;
    std::string entry;
    std::string path;
    bool is_open;
  };
  const Case cases[] = {
      {tree.browser.OpenRow(), "project", project, true},
      {tree.RowOf("beta"), "beta", JoinPath(project, "beta"), false},
      {0, tree.scratch.path(), tree.scratch.path(), false},
      {-1, "project", project, true},
      {99, "project", project, true},
  };
  for (const Case& c : cases) {
    tree.browser.Highlight(c.row);
    EXPECT_EQ(tree.browser.HighlightedEntry(), c.entry) << "row " << c.row;
    EXPECT_EQ(tree.browser.HighlightedPath(), c.path) << "row " << c.row;
    EXPECT_EQ(tree.browser.HighlightedIsOpen(), c.is_open) << "row " << c.row;
  }
}

TEST(DirBrowserModelTest, OpeningNormalisesTheNameAndRefusesWhatIsNoDirectory) {
  BrowseTree tree;
  const std::string project = tree.scratch.PathOf("project");
  EXPECT_TRUE(tree.browser.Open(project + "/alpha/../beta/"));
  EXPECT_EQ(tree.browser.OpenDirectory(), JoinPath(project, "beta"));
  for (const std::string& name :
       {tree.scratch.PathOf("missing"), JoinPath(project, "a.txt"), std::string()}) {
    EXPECT_FALSE(tree.browser.Open(name)) << name;
    EXPECT_EQ(tree.browser.OpenDirectory(), JoinPath(project, "beta")) << name;
  }
}

TEST(DirBrowserModelTest, AVanishedEntryIsNotOpenedAndTheListIsReadAgain) {
  BrowseTree tree;
  const int beta = tree.RowOf("beta");
  std::filesystem::remove(tree.scratch.PathOf("project/beta"));
  EXPECT_FALSE(tree.browser.OpenEntry(beta));
  EXPECT_EQ(tree.browser.OpenDirectory(), tree.scratch.PathOf("project"));
  EXPECT_EQ(RowsText(tree.browser, tree.scratch.path()),
            "0A <drive>\n"
            "1O project\n"
            "2S alpha\n"
            "2S Zeta\n");
  EXPECT_FALSE(tree.browser.OpenEntry(-1));
  EXPECT_FALSE(tree.browser.OpenEntry(50));
}

TEST(DirBrowserModelTest, ReloadOfAVanishedOpenDirectoryOpensItsNearestExistingAncestor) {
  BrowseTree tree;
  ASSERT_TRUE(tree.browser.Open(tree.scratch.PathOf("project/alpha/deep")));
  std::filesystem::remove_all(tree.scratch.PathOf("project/alpha"));
  tree.browser.Reload();
  EXPECT_EQ(tree.browser.OpenDirectory(), tree.scratch.PathOf("project"));
  EXPECT_EQ(tree.browser.Files(), (Strings{"a.txt", "b.TXT", "c.c"}));
}

TEST(DirBrowserModelTest, DrivesOpenTheirRootAndTheLongestContainingRootIsTheDrive) {
  BrowseTree tree;
  tree.browser.SetDrives({"/", tree.scratch.path() + "/"});
  EXPECT_EQ(tree.browser.Drives(), (Strings{"/", tree.scratch.path()}));
  EXPECT_EQ(tree.browser.Drive(), tree.scratch.path());
  ASSERT_TRUE(tree.browser.OpenDrive(0));
  EXPECT_EQ(tree.browser.OpenDirectory(), "/");
  EXPECT_EQ(tree.browser.Drive(), "/");
  EXPECT_EQ(tree.browser.OpenRow(), 0);
  ASSERT_TRUE(tree.browser.OpenDrive(1));
  EXPECT_EQ(tree.browser.OpenDirectory(), tree.scratch.path());
  EXPECT_FALSE(tree.browser.OpenDrive(2));
}

TEST(DirBrowserModelTest, TheFileListHoldsTheOpenDirectorysFilesUnderTheMask) {
  BrowseTree tree;
  const std::string project = tree.scratch.PathOf("project");
  EXPECT_EQ(tree.browser.Files(), (Strings{"a.txt", "b.TXT", "c.c"}));
  tree.browser.SetMask("*.txt");
  EXPECT_EQ(tree.browser.Files(), (Strings{"a.txt", "b.TXT"}));
  tree.browser.SetMask("");
  EXPECT_EQ(tree.browser.Mask(), "*.*");

  EXPECT_EQ(tree.browser.HighlightedFile(), -1);
  EXPECT_EQ(tree.browser.HighlightedFilePath(), "");
  ASSERT_TRUE(tree.browser.HighlightFileNamed("B.txt"));
  EXPECT_EQ(tree.browser.HighlightedFileName(), "b.TXT");
  EXPECT_EQ(tree.browser.HighlightedFilePath(), JoinPath(project, "b.TXT"));
  EXPECT_FALSE(tree.browser.HighlightFileNamed("d.txt"));
  EXPECT_EQ(tree.browser.HighlightedFile(), -1);
  tree.browser.HighlightFile(2);
  EXPECT_EQ(tree.browser.HighlightedFileName(), "c.c");
  tree.browser.HighlightFile(3);
  EXPECT_EQ(tree.browser.HighlightedFileName(), "");
}

}  // namespace
}  // namespace kestrin
