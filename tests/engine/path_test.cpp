#include "engine/path.h"

#include <gtest/gtest.h>

#include "tests/common/case_table.h"

namespace kestrin {
namespace {

TEST(PathTest, SplitsAtTheLastSeparator) {
  testkit::ForEachCase("tests/engine/cases/path_splits.txt", [&](const testkit::TableCase& c) {
    EXPECT_EQ(DirectoryPart(c[0]), c[1]);
    EXPECT_EQ(NamePart(c[0]), c[2]);
  });
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
