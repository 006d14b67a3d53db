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

// A first line with nine control characters makes a pair binary.
const std::string kBinaryNew = std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x0e\x0f", 10) + "n";
const std::string kBinaryOld = std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x0e\x0f", 10) + "o";

// new/: alpha.txt (changed), Beta.txt (same as old beta.txt), code.dat
// (binary, changed), gamma.c (same), new-only1.txt, new-only2.txt;
// old/: alpha.txt, beta.txt, code.dat, gamma.c, old-only.txt.
void MakeDirectories(const ScratchDirectory& scratch) {
  scratch.Write("new/alpha.txt", "one\r\ntwo\r\nthree\r\nfour\r\n");
  scratch.Write("old/alpha.txt", "one\r\n2\r\nthree\r\nfour\r\nfive\r\n");
  scratch.Write("new/Beta.txt", "b1\r\nb2\r\n");
  scratch.Write("old/beta.txt", "b1\r\nb2\r\n");
  scratch.Write("new/code.dat", kBinaryNew);
  scratch.Write("old/code.dat", kBinaryOld);
  scratch.Write("new/gamma.c", "int g;\r\n");
  scratch.Write("old/gamma.c", "int g;\r\n");
  scratch.Write("new/new-only1.txt", "x\r\n");
  scratch.Write("new/new-only2.txt", "x\r\n");
  scratch.Write("old/old-only.txt", "x\r\n");
}

// The cases of cases/summaries.txt: golden | compare type | saved
// selection | preferences ticked.
TEST(DirectorySummaryTest, ReportsMatchTheirGoldens) {
  testkit::UseUtcFileTimes();
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/summaries.txt")) {
    testkit::CaseScope scope(c);
    ScratchDirectory scratch{kRunFileTime};
    MakeDirectories(scratch);
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
