#include "run/directory_listing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "run/like_names.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::Joined;
using run_support::kRunFileTime;
using run_support::ScratchDirectory;

TEST(DirectoryListingTest, MasksMatchWithStarsAndQuestionMarksWithoutRegardToCase) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/masks.txt")) {
    EXPECT_EQ(MatchesMask(c[0], c[1]), c.Flag(2)) << c.Where();
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

std::vector<std::string> Names(const std::string& listed) {
  std::vector<std::string> names;
  std::istringstream in(listed);
  for (std::string name; std::getline(in, name, ',');) names.push_back(name);
  return names;
}

TEST(LikeNamesTest, PairsNamesWithoutRegardToCaseEachSideKeepingItsSpelling) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/like_names.txt")) {
    EXPECT_EQ(PairsText(PairLikeNames(Names(c[0]), Names(c[1]))), c[2]) << c.Where();
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
