#include "engine/path.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

struct PathCase {
  const char* name;
  const char* directory;
  const char* file;
};

TEST(PathTest, SplitsAtTheLastSeparator) {
  const PathCase cases[] = {
      {"/tmp/a/b.txt", "/tmp/a/", "b.txt"},
      {"b.txt", "", "b.txt"},
      {"/b", "/", "b"},
      {"dir/", "dir/", ""},
      {"", "", ""},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(DirectoryPart(c.name), c.directory) << c.name;
    EXPECT_EQ(NamePart(c.name), c.file) << c.name;
  }
}

TEST(PathTest, JoinAddsOneSeparatorOnlyWhenNeeded) {
  EXPECT_EQ(JoinPath("/tmp", "a.c"), "/tmp/a.c");
  EXPECT_EQ(JoinPath("/tmp/", "a.c"), "/tmp/a.c");
  EXPECT_EQ(JoinPath("", "a.c"), "a.c");
}

TEST(PathTest, LowerAsciiFoldsOnlyLetters) {
  EXPECT_EQ(LowerAscii("Main.PAS \xC4"), "main.pas \xC4");
}

}  // namespace
}  // namespace kestrin
