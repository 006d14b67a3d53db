#include "run/directory_listing.h"

#include <gtest/gtest.h>

#include "run/like_names.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::Joined;
using run_support::kRunFileTime;
using run_support::ScratchDirectory;

struct MaskCase {
  const char* name;
  const char* mask;
  bool matches;
};

TEST(DirectoryListingTest, MasksMatchWithStarsAndQuestionMarksWithoutRegardToCase) {
  const MaskCase cases[] = {
      {"a.txt", "*.*", true},
      {"readme", "*.*", true},
      {".profile", "*.*", true},
      {"a.b.c", "*.*", true},
      {"a.txt", "*.txt", true},
      {"a.TXT", "*.txt", true},
      {"a.txt2", "*.txt", false},
      {"readme", "*.txt", false},
      {"readme", "read*.*", true},
      {"ab.c", "a?.c", true},
      {"a.c", "a?.c", false},
      {"abc.c", "a?.c", false},
      {"main.pas", "M*.P?S", true},
      {"x", "*", true},
      {"", "*", true},
      {"abcabd", "*abd", true},
      {"abcab", "*abd", false},
      {"a", "", false},
      {"main.c", "main.c", true},
      {"main.c", "main.h", false},
      {"ab", "a*b*", true},
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " against " << c.mask;
  }
}

TEST(DirectoryListingTest, ListsOnlyFilesUnderTheMaskInOrderWithoutRegardToCase) {
  ScratchDirectory scratch{kRunFileTime};
  for (const char* name : {"b.txt", "A.txt", "c", "a.c", "B.C", "Zeta.TXT"}) {
    scratch.Write(std::string("d/") + name, "x");
  }
  scratch.MakeDirectory("d/sub.txt");
  const std::string directory = scratch.PathOf("d");
  EXPECT_EQ(Joined(ListDirectory(DefaultFileSystem(), directory, "*.*")),
            "a.c,A.txt,B.C,b.txt,c,Zeta.TXT");
  EXPECT_EQ(Joined(ListDirectory(DefaultFileSystem(), directory, "*.txt")), "A.txt,b.txt,Zeta.TXT");
  EXPECT_EQ(Joined(ListDirectory(DefaultFileSystem(), directory, "?.c")), "a.c,B.C");
}

TEST(DirectoryListingTest, NamesEqualButForCaseKeepAFixedOrder) {
  std::vector<std::string> names = {"main.pas", "Main.PAS", "MAIN.PAS", "abc"};
  std::sort(names.begin(), names.end(), NameLess);
  EXPECT_EQ(Joined(names), "abc,MAIN.PAS,Main.PAS,main.pas");
}

TEST(DirectoryListingTest, OnDiskNamePrefersTheExactSpelling) {
  const DirectoryListing listing{"d", "*.*", {"a.c", "MAIN.PAS", "Main.PAS", "z"}, {}};
  EXPECT_EQ(listing.OnDiskName("main.pas").value_or("-"), "MAIN.PAS");
  EXPECT_EQ(listing.OnDiskName("Main.PAS").value_or("-"), "Main.PAS");
  EXPECT_EQ(listing.OnDiskName("A.C").value_or("-"), "a.c");
  EXPECT_FALSE(listing.OnDiskName("b.c").has_value());
  EXPECT_FALSE(listing.Holds("zz"));
  EXPECT_TRUE(listing.Holds("Z"));
}

std::string PairsText(const std::vector<NamePair>& pairs) {
  std::string text;
  for (const NamePair& pair : pairs) {
    text += (text.empty() ? "" : ",") + pair.new_name + "=" + pair.old_name;
  }
  return text;
}

struct LikeNameCase {
  std::vector<std::string> new_names;
  std::vector<std::string> old_names;
  const char* pairs;
};

TEST(LikeNamesTest, PairsNamesWithoutRegardToCaseEachSideKeepingItsSpelling) {
  const LikeNameCase cases[] = {
      {{"Main.PAS"}, {"main.pas"}, "Main.PAS=main.pas"},
      {{"a", "b", "c"}, {"b", "c", "d"}, "b=b,c=c"},
      {{}, {"a"}, ""},
      {{"x"}, {"y"}, ""},
      // Two spellings on one side: the one also found on the other side wins.
      {{"MAIN.PAS", "main.pas"}, {"main.pas"}, "main.pas=main.pas"},
      {{"MAIN.PAS", "Main.PAS"}, {"main.pas"}, "MAIN.PAS=main.pas"},
      {{"Main.PAS"}, {"MAIN.PAS", "Main.PAS", "main.pas"}, "Main.PAS=Main.PAS"},
  };
  for (const LikeNameCase& c : cases) {
    EXPECT_EQ(PairsText(PairLikeNames(c.new_names, c.old_names)), c.pairs)
        << Joined(c.new_names) << " / " << Joined(c.old_names);
  }
}

TEST(LikeNamesTest, VisitsEveryDistinctOldNameWithItsCounter) {
  std::vector<std::string> visits;
  PairLikeNames({"b"}, {"A", "a", "b", "c"}, [&visits](int counter, int count) {
    visits.push_back(std::to_string(counter) + "/" + std::to_string(count));
  });
  EXPECT_EQ(Joined(visits), "1/3,2/3,3/3");
}

}  // namespace
}  // namespace kestrin
