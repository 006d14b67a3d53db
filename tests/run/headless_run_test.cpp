// Compare requests run without windows, as the batch program runs them:
// each compare type with a mask and, for types 3 and 4, a saved selection.
#include "run/headless_run.h"

#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using testkit::RecordingHost;
using run_support::kRunFileTime;
using run_support::ScratchDirectory;
using Strings = std::vector<std::string>;

struct HeadlessCase {
  int compare_type;
  const char* mask;
  const char* selection;
  Strings new_names;
};

TEST(HeadlessRunTest, StartMessagesComeBackAndNothingRuns) {
  ScratchDirectory scratch{kRunFileTime};
  HeadlessRequest request;
  request.new_name = scratch.Write("a.txt", "x\r\n");
  request.old_name = scratch.Write("b.txt", "x\r\n");
  request.compare_type = 2;
  HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
  EXPECT_FALSE(outcome.ran);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_TRUE(outcome.messages[0].starts_with("Compare type \"2. All Like-Name"))
      << outcome.messages[0];

  // Start's question speaks of the window's fields: a host never sees it,
  // and it is answered No.
  RecordingHost host;
  host.answers = {true};
  request.host = &host;
  outcome = RunHeadless(request, DefaultFileSystem());
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(host.Only("ask:"), Strings{});
  EXPECT_EQ(host.Only("message:"), Strings{});
  request.host = nullptr;

  // A compare type beyond the four runs nothing.
  request.compare_type = 5;
  EXPECT_FALSE(RunHeadless(request, DefaultFileSystem()).ran);

  request.compare_type = 3;
  request.new_name = scratch.MakeDirectory("n");
  request.old_name = scratch.MakeDirectory("o");
  scratch.Write("n/x.txt", "x");
  scratch.Write("o/x.txt", "x");
  request.selection = "";
  outcome = RunHeadless(request, DefaultFileSystem());
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(outcome.messages,
            Strings{"No paired filenames have been selected.\r\nHighlight one or more Like Named "
                    "Paired File and repeat."});
}

}  // namespace
}  // namespace kestrin
