// The progress a run shows within a large pair: the bytes read grow towards
// its size.
#include <gtest/gtest.h>

#include <string>

#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::ProgressText;
using run_support::RunHarness;

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
    EXPECT_EQ(shown[i].pair_bytes, size) << ProgressText(shown[i]);
    EXPECT_GT(shown[i].bytes_read, shown[i - 1].bytes_read) << ProgressText(shown[i]);
    EXPECT_LE(shown[i].bytes_read, size) << ProgressText(shown[i]);
  }
  EXPECT_EQ(ProgressText(shown.back()), "1/1 0/0");
}

}  // namespace
}  // namespace kestrin
