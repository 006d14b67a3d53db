// The history rules of the name fields, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/name_history_model.h"

namespace kestrin {
namespace {

using Entries = std::vector<std::string>;

std::string Joined(const Entries& entries) {
  std::string text;
  for (const std::string& entry : entries) text += "[" + entry + "]";
  return text;
}

TEST(MainNameHistoryTest, OpeningTheDropDownInsertsANewTextOnTop) {
  struct Case {
    Entries before;
    std::string text;
    bool inserted;
    Entries after;
  };
  const Case cases[] = {
      {{"/a/x.txt", "/a/y.txt"}, "/a/z.txt", true, {"/a/z.txt", "/a/x.txt", "/a/y.txt"}},
      {{"/a/x.txt", "/a/y.txt"}, "/a/y.txt", false, {"/a/x.txt", "/a/y.txt"}},
      {{"/a/x.txt"}, "", false, {"/a/x.txt"}},
      {{}, "/no/such/dir", true, {"/no/such/dir"}},
      // A different letter case is a different file here.
      {{"/a/x.txt"}, "/a/X.txt", true, {"/a/X.txt", "/a/x.txt"}},
  };
  for (const Case& c : cases) {
    NameHistoryModel history;
    history.SetEntries(c.before);
    EXPECT_EQ(history.AddIfMissing(c.text), c.inserted) << Joined(c.before) << " + " << c.text;
    EXPECT_EQ(Joined(history.Entries()), Joined(c.after)) << Joined(c.before) << " + " << c.text;
  }
}

TEST(MainNameHistoryTest, TheCommandLinePutsEvenAnEmptyCurrentTextOnTop) {
  NameHistoryModel history;
  history.SetEntries({"/a/x.txt"});
  EXPECT_TRUE(history.AddCurrentIfMissing(""));
  EXPECT_FALSE(history.AddCurrentIfMissing(""));
  EXPECT_EQ(Joined(history.Entries()), "[][/a/x.txt]");
}

TEST(MainNameHistoryTest, LeavingTheFieldMovesAnExistingFileToTheTop) {
  struct Case {
    const char* what;
    Entries before;
    std::string text;
    bool names_file;
    bool changed;
    Entries after;
  };
  const Case cases[] = {
      {"third entry moves up",
       {"/a", "/b", "/c.txt"},
       "/c.txt",
       true,
       true,
       {"/c.txt", "/a", "/b"}},
      {"new file goes on top", {"/a", "/b"}, "/c.txt", true, true, {"/c.txt", "/a", "/b"}},
      {"first entry stays", {"/c.txt", "/a"}, "/c.txt", true, false, {"/c.txt", "/a"}},
      {"a directory leaves it alone",
       {"/a", "/b", "/dir"},
       "/dir",
       false,
       false,
       {"/a", "/b", "/dir"}},
      {"a missing name leaves it alone", {"/a"}, "/gone.txt", false, false, {"/a"}},
  };
  for (const Case& c : cases) {
    NameHistoryModel history;
    history.SetEntries(c.before);
    EXPECT_EQ(history.PromoteFile(c.text, c.names_file), c.changed) << c.what;
    EXPECT_EQ(Joined(history.Entries()), Joined(c.after)) << c.what;
  }
}

}  // namespace
}  // namespace kestrin
