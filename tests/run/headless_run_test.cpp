// Compare requests run without windows, as the batch program runs them: the
// host sees the run only. (Start's refusals: run_faults_test's odd inputs.)
#include "run/headless_run.h"

#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::kRunFileTime;
using run_support::ScratchDirectory;
using testkit::RecordingHost;
using Strings = std::vector<std::string>;

TEST(HeadlessRunTest, StartsQuestionNeverReachesTheHostAndIsAnsweredNo) {
  ScratchDirectory scratch{kRunFileTime};
  HeadlessRequest request;
  request.new_name = scratch.Write("a.txt", "x\r\n");
  request.old_name = scratch.Write("b.txt", "x\r\n");
  request.compare_type = 2;
  // Start's question speaks of the window's fields: a host never sees it,
  // and it is answered No.
  RecordingHost host;
  host.answers = {true};
  request.host = &host;
  const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(host.Only("ask:"), Strings{});
  EXPECT_EQ(host.Only("message:"), Strings{});
  EXPECT_EQ(outcome.messages.size(), 1u);
}

}  // namespace
}  // namespace kestrin
