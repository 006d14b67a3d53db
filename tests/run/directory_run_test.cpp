// Runs through Start on real files, each case's whole course kept as a
// transcript: the controls given back in order, the progress shown,
// like-name pairing without regard to case, the unpaired counts, the
// compare-type question, Bypass, Halt during a file or a directory run, and
// a run in progress refusing a second Start.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "run/run_controller.h"
#include "tests/common/case_table.h"
#include "tests/common/line_lists.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::Placed;
using run_support::RunHarness;

// Writes the files of `files`, each "<path>[=<last line>][*<count>]": the
// file holds <count> lines "line <n>" (none by default) and the last line
// ("same" by default), each ended by CR LF.
void WriteFiles(RunHarness& harness, const std::string& files) {
  std::istringstream words(files);
  for (std::string word; words >> word;) {
    const size_t star = word.find('*');
    const int count = star == std::string::npos ? 0 : std::stoi(word.substr(star + 1));
    word = word.substr(0, star);
    const size_t equals = word.find('=');
    std::string text;
    for (int n = 1; n <= count; ++n) text += "line " + std::to_string(n) + "\r\n";
    text += (equals == std::string::npos ? "same" : word.substr(equals + 1)) + "\r\n";
    harness.scratch.Write(word.substr(0, equals), text);
  }
}

// The cases of cases/runs.txt: new name | old name | compare type (1-4) |
// files | "bypass", "yes" (the answer to every question), "halt <n>" (Halt
// pressed at the n-th pending-events call) and "again" (at the first, the
// run's state logged and Start and Re-Show pressed). Compare type 0 leaves
// the compare type empty. What happens -- every
// event in order, the files opened, the pairs run and the report's totals
// and last line -- is in golden/runs.txt.
TEST(DirectoryRunTest, RunsGiveTheirTranscripts) {
  std::vector<std::string> transcript;
  for (const testkit::TableCase& c : testkit::ReadCaseTable("tests/run/cases/runs.txt")) {
    testkit::FaultyFileSystem fs;
    RunHarness harness(fs);
    WriteFiles(harness, c[3]);
    harness.Names(harness.scratch.PathOf(c[0]), harness.scratch.PathOf(c[1]),
                  std::max<int>(static_cast<int>(c.Number(2)) - 1, 0));
    if (c.Number(2) == 0) harness.view.compare_type = "";
    harness.view.bypass = c[4].find("bypass") != std::string::npos;
    if (c[4].find("yes") != std::string::npos) harness.dialogs.answers = {true, true};
    const size_t halt = c[4].find("halt ");
    const int halt_at = halt == std::string::npos ? 0 : std::stoi(c[4].substr(halt + 5));
    const bool again = c[4].find("again") != std::string::npos;
    harness.view.on_events = [&harness, halt_at, again](int number) {
      if (number == halt_at) harness.controller.HaltClicked();
      if (!again || number != 1) return;
      harness.log.Add(harness.controller.RunInProgress() ? "in progress" : "idle");
      harness.controller.StartClicked();
      harness.controller.ReShowClicked();
    };
    harness.controller.StartClicked();
    transcript.push_back("case " + c.Where());
    for (const std::string& path : fs.opened) {
      transcript.push_back("opened " + Placed(path, harness.scratch.path()));
    }
    for (const std::string& line : run_support::RunTranscript(harness, "*")) {
      transcript.push_back(line);
    }
    const std::vector<std::string> report = LinesOf(harness.controller.Report().Primary);
    for (const std::string& line : report) {
      if (line.find(" Total ") != std::string::npos) transcript.push_back(line);
    }
    if (!report.empty()) transcript.push_back("last: " + report.back());
  }
  testkit::ExpectGoldenLines("tests/run/golden/runs.txt", transcript);
}

}  // namespace
}  // namespace kestrin
