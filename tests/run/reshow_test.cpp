// Re-Show: which changes of Sbsl and Fscl since the last report refuse it.
#include <gtest/gtest.h>

#include "run/run_controller.h"
#include "tests/common/line_lists.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::RunHarness;
using Strings = std::vector<std::string>;

constexpr char kRefusal[] =
    "Previous report and current preferences have changed. Rerun compare with newest preferences.";

struct ReShowCase {
  bool made_sbsl, made_fscl;
  bool now_sbsl, now_fscl;
  bool shown;
};

std::string Describe(const ReShowCase& c) {
  return std::string("made Sbsl=") + (c.made_sbsl ? "1" : "0") +
         " Fscl=" + (c.made_fscl ? "1" : "0") + ", now Sbsl=" + (c.now_sbsl ? "1" : "0") +
         " Fscl=" + (c.now_fscl ? "1" : "0");
}

TEST(ReShowTest, OnlySbslOrFsclSwitchedOffRefusesTheLastReport) {
  const ReShowCase cases[] = {
      {false, false, false, false, true}, {true, false, false, false, false},
      {true, false, true, false, true},   {false, true, false, false, false},
      {false, true, false, true, true},   {false, false, true, true, true},
      {true, true, true, false, false},   {true, true, false, true, false},
  };
  for (const ReShowCase& c : cases) {
    RunHarness harness;
    harness.Names(harness.scratch.Write("n.txt", "a\r\nb\r\n"),
                  harness.scratch.Write("o.txt", "a\r\nc\r\n"), 0);
    harness.view.bypass = true;
    harness.view.controls.SetChecked(Preference::kSbsl, c.made_sbsl);
    harness.view.controls.SetChecked(Preference::kFscl, c.made_fscl);
    harness.controller.StartClicked();
    ASSERT_EQ(harness.controller.Report().settings.Sbsl, c.made_sbsl) << Describe(c);
    harness.view.controls.SetChecked(Preference::kSbsl, c.now_sbsl);
    harness.view.controls.SetChecked(Preference::kFscl, c.now_fscl);
    harness.log.events.clear();
    harness.controller.ReShowClicked();
    if (c.shown) {
      EXPECT_EQ(harness.log.events, Strings{"viewer"}) << Describe(c);
      EXPECT_EQ(harness.dialogs.viewed, LinesOf(harness.controller.Report().Primary)) << Describe(c);
    } else {
      EXPECT_EQ(harness.log.events,
                (Strings{std::string("message:") + kRefusal, "enable:ReShow=0"}))
          << Describe(c);
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
