// The progress a run shows: each pair starts at its share of the run and
// ends done, and within a large pair the bytes read grow towards its size.
#include <gtest/gtest.h>

#include <string>

#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;

std::string Text(const RunProgress& p) {
  return std::to_string(p.pairs_done) + "/" + std::to_string(p.pair_count) + " " +
         std::to_string(p.bytes_read) + "/" + std::to_string(p.pair_bytes);
}

TEST(RunProgressTest, ADirectoryRunCountsPairsDoneOfItsPairs) {
  RunHarness harness;
  for (const char* name : {"new/a.txt", "new/b.txt", "old/a.txt", "old/b.txt"}) {
    harness.scratch.Write(name, "same\n");
  }
  harness.Names(harness.scratch.PathOf("new"), harness.scratch.PathOf("old"), 1);
  harness.view.bypass = true;
  harness.controller.StartClicked();
  std::string shown;
  for (const RunProgress& p : harness.view.progress) shown += "[" + Text(p) + "]";
  EXPECT_EQ(shown, "[0/2 0/10][1/2 0/0][1/2 0/10][2/2 0/0]");
}

TEST(RunProgressTest, BytesReadGrowTowardsThePairsSize) {
  RunHarness harness;
  std::string lines;
  for (int i = 0; i < 3000; ++i) lines += "line " + std::to_string(i) + "\n";
  const std::string new_file = harness.scratch.Write("new.txt", lines);
  const std::string old_file = harness.scratch.Write("old.txt", lines + "extra\n");
  harness.Names(new_file, old_file, 0);
  harness.view.bypass = true;
  harness.controller.StartClicked();
  const std::vector<RunProgress>& shown = harness.view.progress;
  ASSERT_GE(shown.size(), 4u);
  const int64_t size = static_cast<int64_t>(2 * lines.size() + 6);
  for (size_t i = 1; i + 1 < shown.size(); ++i) {
    EXPECT_EQ(shown[i].pair_bytes, size) << Text(shown[i]);
    EXPECT_GT(shown[i].bytes_read, shown[i - 1].bytes_read) << Text(shown[i]);
    EXPECT_LE(shown[i].bytes_read, size) << Text(shown[i]);
  }
  EXPECT_EQ(Text(shown.back()), "1/1 0/0");
}

}  // namespace
}  // namespace kestrin
