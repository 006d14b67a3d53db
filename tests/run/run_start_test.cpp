// Start's checks, messages and questions, each with the case that raises it,
// and Start at once.
#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "run/run_controller.h"
#include "run/run_texts.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

// A name of the `kind` a case table gives: a "file" or "directory" made in
// the scratch directory, a "missing" name there, or none ("empty").
std::string Place(RunHarness& harness, const std::string& kind, const std::string& stem) {
  if (kind == "file") return harness.scratch.Write(stem + ".txt", "same\r\n");
  if (kind == "directory") return harness.scratch.MakeDirectory(stem);
  return kind == "missing" ? harness.scratch.PathOf(stem + ".gone") : "";
}

TEST(RunStartTest, EveryRefusalShowsItsMessageAndRunsNothing) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/start_refusals.txt")) {
    testkit::CaseScope scope(c);
    RunHarness harness;
    harness.view.new_name = Place(harness, c[0], "new");
    harness.view.old_name = Place(harness, c[1], "old");
    harness.view.compare_type = c[2].size() == 1 ? kCompareTypeTexts[c.Number(2) - 1] : c[2];
    harness.controller.StartClicked();
    EXPECT_EQ(harness.log.Only("message:"), Strings{c[3]});
    EXPECT_TRUE(harness.log.Only("ask:").empty() && harness.log.Only("status:").empty());
    EXPECT_TRUE(harness.controller.Pairs().new_names.empty());
  }
}

TEST(RunStartTest, StartAtOnceTakesTheCompareTypeFromWhatTheNamesAre) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/start_at_once.txt")) {
    testkit::CaseScope scope(c);
    RunHarness harness;
    harness.Names(Place(harness, c[0], "new"), Place(harness, c[1], "old"), 3);
    if (c[0] == "directory") harness.scratch.Write("new/a.txt", "x\r\n");
    if (c[1] == "directory") harness.scratch.Write("old/a.txt", "y\r\n");
    harness.view.bypass = true;
    harness.controller.StartAtOnce();
    EXPECT_EQ(harness.view.compare_type, kCompareTypeTexts[c.Number(2) - 1]);
    EXPECT_EQ(harness.controller.Pairs().new_names.size(), static_cast<size_t>(c.Number(3)));
    EXPECT_EQ(harness.log.Only("message:").size(), static_cast<size_t>(c.Number(4)));
    EXPECT_TRUE(harness.log.Only("ask:").empty());
  }
}

}  // namespace
}  // namespace kestrin
