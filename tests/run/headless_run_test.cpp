// Compare requests run without windows, as the batch program runs them:
// each compare type with a mask and, for types 3 and 4, a saved selection.
#include "run/headless_run.h"

#include <gtest/gtest.h>

#include "engine/pair_driver.h"
#include "tests/run/run_support.h"

namespace kestrin {
namespace {

using run_support::KeepingHost;
using run_support::RunScratch;
using Strings = std::vector<std::string>;

struct HeadlessCase {
  int compare_type;
  const char* mask;
  const char* selection;
  Strings new_names;
};

TEST(HeadlessRunTest, RunsEveryDirectoryCompareTypeUnderAMask) {
  const HeadlessCase cases[] = {
      {2, "*.txt", "", {"a.txt", "b.txt"}},
      {2, "*.*", "", {"a.txt", "b.txt", "c.h"}},
      {3, "*.txt", "b.txt;c.h;", {"b.txt"}},
      {3, "*.*", "b.txt;c.h;", {"b.txt", "c.h"}},
      {4, "*.h", "c.h : c.h;a.txt : b.txt;", {"c.h"}},
      {4, "*.*", "c.h : c.h;a.txt : b.txt;", {"c.h", "a.txt"}},
  };
  for (const HeadlessCase& c : cases) {
    const std::string title = std::to_string(c.compare_type) + " " + c.mask + " " + c.selection;
    RunScratch scratch;
    for (const char* name : {"a.txt", "b.txt", "c.h"}) {
      scratch.Write(std::string("new/") + name, "same\r\n");
      scratch.Write(std::string("old/") + name, "other\r\n");
    }
    HeadlessRequest request;
    request.new_name = scratch.PathOf("new");
    request.old_name = scratch.PathOf("old");
    request.compare_type = c.compare_type;
    request.mask = c.mask;
    request.selection = c.selection;
    KeepingHost host;
    request.host = &host;
    const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
    EXPECT_TRUE(outcome.ran) << title;
    EXPECT_EQ(outcome.final_message, kDifferencesMessage) << title;
    EXPECT_EQ(host.statuses.back(), kDifferencesMessage) << title;
    EXPECT_EQ(outcome.pairs.new_names, c.new_names) << title;
    EXPECT_EQ(outcome.messages, Strings{}) << title;
  }
}

TEST(HeadlessRunTest, StartMessagesComeBackAndNothingRuns) {
  RunScratch scratch;
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
  KeepingHost host;
  host.answer = true;
  request.host = &host;
  outcome = RunHeadless(request, DefaultFileSystem());
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(host.messages, Strings{});
  request.host = nullptr;

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

TEST(HeadlessRunTest, ComparesTwoFiles) {
  RunScratch scratch;
  HeadlessRequest request;
  request.new_name = scratch.Write("a.txt", "x\r\n");
  request.old_name = scratch.Write("b.txt", "x\r\n");
  const HeadlessOutcome outcome = RunHeadless(request, DefaultFileSystem());
  EXPECT_TRUE(outcome.ran);
  EXPECT_EQ(outcome.final_message, kEquivalentMessage);
  EXPECT_EQ(outcome.report.Primary.back(), kEquivalentMessage);
}

}  // namespace
}  // namespace kestrin
