// The walk down a tree for compares with subdirectories: the order of the
// relative paths, the mask on name parts only, links, and the limits.
#include "run/directory_tree.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "run/directory_listing.h"
#include "run/run_texts.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::Joined;
using run_support::kRunFileTime;
using run_support::ScratchDirectory;

std::string Joined(const std::vector<NotComparedEntry>& entries) {
  std::string text;
  for (const NotComparedEntry& entry : entries) {
    text += (text.empty() ? "" : ",") + entry.path + "=" + entry.reason;
  }
  return text;
}

TEST(DirectoryTreeTest, PathsComparePartByPartWithADirectorysFilesFirst) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/path_order.txt")) {
    const int got = ComparePathsWithoutCase(c[0], c[1]);
    EXPECT_EQ((got > 0) - (got < 0), c.Number(2)) << c.Where();
    const int back = ComparePathsWithoutCase(c[1], c[0]);
    EXPECT_EQ((back > 0) - (back < 0), -c.Number(2)) << c.Where() << " turned round";
  }
}

TEST(DirectoryTreeTest, ListsEveryLevelDirectoryByDirectoryWithTheMaskOnNamesOnly) {
  ScratchDirectory scratch{kRunFileTime};
  for (const char* name : {"t/b.txt", "t/A.txt", "t/notes.doc", "t/Sub/deep/c.txt",
                           "t/Sub/deep/d.doc", "t/sub.doc/x.txt", "t/Sub/z.txt", "t/a/y.TXT"}) {
    scratch.Write(name, "x");
  }
  scratch.MakeDirectory("t/empty");
  const std::string root = scratch.PathOf("t");
  const TreeListing all = ListTree(DefaultFileSystem(), root, "*.*");
  EXPECT_EQ(Joined(all.files),
            "A.txt,b.txt,notes.doc,a/y.TXT,Sub/z.txt,Sub/deep/c.txt,Sub/deep/d.doc,sub.doc/x.txt");
  EXPECT_TRUE(all.not_compared.empty()) << Joined(all.not_compared);
  EXPECT_EQ(Joined(ListTree(DefaultFileSystem(), root, "*.txt").files),
            "A.txt,b.txt,a/y.TXT,Sub/z.txt,Sub/deep/c.txt,sub.doc/x.txt");
}

TEST(DirectoryTreeTest, LinksToDirectoriesAreNotFollowedAndBrokenLinksSayWhy) {
  ScratchDirectory scratch{kRunFileTime};
  scratch.Write("t/sub/a.txt", "x");
  scratch.Write("elsewhere/b.txt", "x");
  namespace fs = std::filesystem;
  fs::create_directory_symlink("..", scratch.PathOf("t/sub/loop"));
  fs::create_directory_symlink(scratch.PathOf("elsewhere"), scratch.PathOf("t/outside"));
  fs::create_symlink("nowhere.txt", scratch.PathOf("t/sub/dangling.txt"));
  fs::create_symlink("self.txt", scratch.PathOf("t/self.txt"));
  fs::create_symlink("sub/a.txt", scratch.PathOf("t/link.txt"));
  const TreeListing tree = ListTree(DefaultFileSystem(), scratch.PathOf("t"), "*.*");
  EXPECT_EQ(Joined(tree.files), "link.txt,sub/a.txt");
  EXPECT_EQ(Joined(tree.not_compared),
            "self.txt=Too many levels of symbolic links,"
            "outside=link to a directory, not followed,"
            "sub/dangling.txt=No such file or directory,"
            "sub/loop=link to a directory, not followed");
}

TEST(DirectoryTreeTest, AnUnreadableSubdirectoryIsNotComparedWithItsReason) {
  ScratchDirectory scratch{kRunFileTime};
  scratch.Write("t/a.txt", "x");
  scratch.Write("t/locked/hidden.txt", "x");
  scratch.Write("t/open/b.txt", "x");
  testkit::FaultyFileSystem fs;
  fs.locked_directory = scratch.PathOf("t/locked");
  const TreeListing tree = ListTree(fs, scratch.PathOf("t"), "*.*");
  EXPECT_EQ(Joined(tree.files), "a.txt,open/b.txt");
  EXPECT_EQ(Joined(tree.not_compared), "locked=Permission denied");
  fs.locked_directory = scratch.PathOf("t");
  const TreeListing nothing = ListTree(fs, scratch.PathOf("t"), "*.*");
  EXPECT_TRUE(nothing.files.empty() && nothing.not_compared.empty());
}

TEST(DirectoryTreeTest, SubdirectoriesBelowTheDepthLimitAreNotEntered) {
  ScratchDirectory scratch{kRunFileTime};
  std::string relative;
  for (int level = 1; level <= kMaxTreeDepth + 1; ++level) {
    relative += (relative.empty() ? "" : "/") + std::string("d");
    scratch.Write("t/" + relative + "/f" + std::to_string(level), "x");
  }
  const TreeListing tree = ListTree(DefaultFileSystem(), scratch.PathOf("t"), "*.*");
  ASSERT_EQ(tree.files.size(), static_cast<size_t>(kMaxTreeDepth));
  EXPECT_EQ(tree.files.back(), relative.substr(0, relative.size() - 2) + "/f64");
  EXPECT_EQ(Joined(tree.not_compared), relative + "=" + kTooDeepReason);
}

// A file or subdirectory whose relative path is as long as the limit is
// listed or entered; one a character longer is not compared.
TEST(DirectoryTreeTest, RelativePathsLongerThanTheLimitAreNotCompared) {
  ScratchDirectory scratch{kRunFileTime};
  std::string stem;
  for (int level = 0; level < 5; ++level) stem += std::string(200, 'd') + "/";
  const auto at_limit = [&](char letter, size_t over) {
    return stem + std::string(kMaxRelativePathLength + over - stem.size(), letter);
  };
  scratch.Write("t/" + at_limit('a', 0), "x");
  scratch.Write("t/" + at_limit('b', 1), "x");
  scratch.Write("t/" + at_limit('c', 0) + "/in.txt", "x");
  scratch.Write("t/" + at_limit('e', 1) + "/in.txt", "x");
  const TreeListing tree = ListTree(DefaultFileSystem(), scratch.PathOf("t"), "*.*");
  EXPECT_EQ(Joined(tree.files), at_limit('a', 0));
  EXPECT_EQ(Joined(tree.not_compared), at_limit('b', 1) + "=" + kPathTooLongReason + "," +
                                           at_limit('c', 0) + "/in.txt=" + kPathTooLongReason +
                                           "," + at_limit('e', 1) + "=" + kPathTooLongReason);
}

}  // namespace
}  // namespace kestrin
