// The rules by which names enter a name field's drop-down history.
#include "views/name_history_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrin {
namespace {

using Strings = std::vector<std::string>;

TEST(NameHistoryModelTest, AddingPutsANewTextOnTopAndLeavesAnEntryWhereItIs) {
  NameHistoryModel history;
  history.SetEntries({"/a", "/b"});
  EXPECT_FALSE(history.AddIfMissing(""));
  EXPECT_FALSE(history.AddIfMissing("/b"));
  EXPECT_FALSE(history.AddCurrentIfMissing("/b"));
  EXPECT_EQ(history.Entries(), (Strings{"/a", "/b"}));
  EXPECT_TRUE(history.AddIfMissing("/B"));
  EXPECT_TRUE(history.AddCurrentIfMissing(""));
  EXPECT_EQ(history.Entries(), (Strings{"", "/B", "/a", "/b"}));
}

TEST(NameHistoryModelTest, LeavingTheFieldMovesAFileToTheTop) {
  NameHistoryModel history;
  history.SetEntries({"/a", "/b"});
  EXPECT_FALSE(history.PromoteFile("/b", false));
  EXPECT_FALSE(history.PromoteFile("/a", true));
  EXPECT_TRUE(history.PromoteFile("/b", true));
  EXPECT_EQ(history.Entries(), (Strings{"/b", "/a"}));
}

}  // namespace
}  // namespace kestrin
