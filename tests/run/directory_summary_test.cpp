// Whole reports of directory compares (types 2, 3 and 4, with and without
// Chgo and Inpn, and Txfo skipping binary pairs), compared with golden files
// under tests/run/golden/. KESTRIN_UPDATE_GOLDEN=1 rewrites the goldens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/headless_run.h"
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

struct SummaryCase {
  const char* golden;
  int compare_type;
  const char* selection;
  std::vector<Preference> preferences;
};

TEST(DirectorySummaryTest, ReportsMatchTheirGoldens) {
  testkit::UseUtcFileTimes();
  const SummaryCase cases[] = {
      {"type2", 2, "", {}},
      {"type2_chgo", 2, "", {Preference::kChgo}},
      {"type2_inpn", 2, "", {Preference::kInpn}},
      {"type2_chgo_inpn", 2, "", {Preference::kChgo, Preference::kInpn}},
      {"type2_txfo", 2, "", {Preference::kTxfo}},
      {"type2_aeqf_inpn", 2, "", {Preference::kAeqf, Preference::kInpn}},
      {"type3", 3, "gamma.c;ALPHA.TXT;beta.txt;", {}},
      {"type3_chgo_inpn", 3, "gamma.c;ALPHA.TXT;beta.txt;", {Preference::kChgo, Preference::kInpn}},
      {"type4", 4, "alpha.txt : beta.txt;Beta.txt : beta.txt;code.dat : code.dat;", {}},
      {"type4_chgo_inpn",
       4,
       "alpha.txt : beta.txt;Beta.txt : beta.txt;code.dat : code.dat;",
       {Preference::kChgo, Preference::kInpn}},
  };
  for (const SummaryCase& c : cases) {
    ScratchDirectory scratch{kRunFileTime};
    MakeDirectories(scratch);
    HeadlessRequest request;
    request.new_name = scratch.PathOf("new");
    request.old_name = scratch.PathOf("old");
    request.compare_type = c.compare_type;
    request.selection = c.selection;
    for (Preference preference : c.preferences) request.controls.SetChecked(preference, true);
    const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
    EXPECT_TRUE(outcome.ran) << c.golden;
    EXPECT_TRUE(outcome.messages.empty()) << c.golden;
    run_support::ExpectReportGolden(outcome.report, scratch.path(), c.golden);
  }
}

}  // namespace
}  // namespace kestrin
