// Whole reports of directory compares (types 2, 3 and 4, with and without
// Chgo and Inpn, and Txfo skipping binary pairs), compared with golden files
// under tests/run/golden/. KESTRIN_UPDATE_GOLDEN=1 rewrites the goldens.
#include <gtest/gtest.h>

#include "run/headless_run.h"
#include "tests/common/case_table.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::kRunFileTime;
using run_support::ScratchDirectory;

// The cases of cases/summaries.txt: golden | compare type | saved
// selection | preferences ticked, over data/summary: new/ holds alpha.txt
// (changed), Beta.txt (as old beta.txt), code.dat (binary: its first line
// holds ten control characters; changed), gamma.c (same), new-only1.txt and
// new-only2.txt; old/ alpha.txt, beta.txt, code.dat, gamma.c, old-only.txt.
TEST(DirectorySummaryTest, ReportsMatchTheirGoldens) {
  testkit::UseUtcFileTimes();
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/summaries.txt")) {
    testkit::CaseScope scope(c);
    ScratchDirectory scratch{kRunFileTime};
    run_support::CopyDataTree("summary", scratch);
    HeadlessRequest request;
    request.new_name = scratch.PathOf("new");
    request.old_name = scratch.PathOf("old");
    request.compare_type = static_cast<int>(c.Number(1));
    request.selection = c[2];
    request.controls.preferences = ParseOptionsText(c[3]).preferences;
    const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
    EXPECT_TRUE(outcome.ran);
    EXPECT_TRUE(outcome.messages.empty());
    run_support::ExpectReportGolden(outcome.report, scratch.path(), c[0]);
  }
}

}  // namespace
}  // namespace kestrin
