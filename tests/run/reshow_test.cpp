// Re-Show: which changes of Sbsl and Fscl since the last report refuse it.
#include <gtest/gtest.h>

#include "run/run_controller.h"
#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

constexpr char kRefusal[] =
    "Previous report and current preferences have changed. Rerun compare with newest preferences.";

TEST(ReShowTest, OnlySbslOrFsclSwitchedOffRefusesTheLastReport) {
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/reshow.txt")) {
    testkit::CaseScope scope(c);
    RunHarness harness;
    harness.Names(harness.scratch.Write("n.txt", "a\r\nb\r\n"),
                  harness.scratch.Write("o.txt", "a\r\nc\r\n"), 0);
    harness.view.bypass = true;
    harness.view.controls.SetChecked(Preference::kSbsl, c[0][0] == '1');
    harness.view.controls.SetChecked(Preference::kFscl, c[0][2] == '1');
    harness.controller.StartClicked();
    ASSERT_EQ(harness.controller.Report().settings.Sbsl, c[0][0] == '1');
    harness.view.controls.SetChecked(Preference::kSbsl, c[1][0] == '1');
    harness.view.controls.SetChecked(Preference::kFscl, c[1][2] == '1');
    harness.log.events.clear();
    harness.controller.ReShowClicked();
    if (c.Flag(2)) {
      EXPECT_EQ(harness.log.events, Strings{"viewer"});
      EXPECT_EQ(harness.dialogs.viewed, LinesOf(harness.controller.Report().Primary));
    } else {
      EXPECT_EQ(harness.log.events,
                (Strings{std::string("message:") + kRefusal, "enable:ReShow=0"}));
    }
  }
}

TEST(ReShowTest, BeforeTheFirstRunThereIsNothingToShow) {
  RunHarness harness;
  harness.controller.ReShowClicked();
  EXPECT_EQ(harness.log.events, Strings{});
}

}  // namespace
}  // namespace kestrin
