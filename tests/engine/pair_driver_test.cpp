#include "engine/pair_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <new>
#include <sstream>

#include "engine/engine_texts.h"
#include "engine/pair_opening.h"
#include "engine_support.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using engine_support::PairFixture;
using testkit::ForEachCase;
using testkit::TableCase;

const std::string kBinaryStart(9, '\x01');

// After No the failed pair is handed to the report, which names it, and the
// next pair is tried; Yes stops the run at once with nothing reported.
TEST(PairDriverTest, OpenAndSeekFailuresAskWhetherToStop) {
  ForEachCase("tests/engine/cases/open_failures.txt", [&](const TableCase& c) {
    PairFixture fixture;
    const bool seek = c[1] == "seek";
    if (c[0] != "new" || seek) fixture.scratch.Write("New.txt", "a\n");
    if (c[0] != "old" || seek) fixture.scratch.Write("Old.txt", "b\n");
    fixture.pairs.Add("New.txt", "Old.txt");
    fixture.pairs.Add("New.txt", "Old.txt");
    const std::string path = fixture.scratch.PathOf(c[0] == "new" ? "New.txt" : "Old.txt");
    fixture.fs.faults[path].length_fails = seek;
    fixture.host.answers.push_back(c.Flag(2));
    const std::string message = fixture.Run();
    const std::string question = c[3] + " \"" + path + "\". Exit Now?";
    if (c.Flag(2)) {
      EXPECT_EQ(message, kUserStopMessage);
      EXPECT_EQ(fixture.host.Only("ask:"), std::vector<std::string>{question});
      EXPECT_EQ(fixture.report.calls, (std::vector<std::string>{"BeginRun", "EndRun:" + message}));
      return;
    }
    EXPECT_EQ(fixture.host.Only("ask:"), (std::vector<std::string>{question, question}));
    EXPECT_EQ(fixture.report.calls,
              (std::vector<std::string>{"BeginRun", "Step(0)", "Step(1)", "EndRun:" + message}));
    const PairResult& failed = fixture.report.steps[0].result;
    EXPECT_TRUE(failed.OpenFailed);
    EXPECT_EQ(failed.PairRC, 8);
    EXPECT_EQ(failed.failed_step, seek            ? OpenStep::kSeek
                                  : c[0] == "new" ? OpenStep::kOpenNew
                                                  : OpenStep::kOpenOld);
    EXPECT_EQ(failed.failed_path, path);
  });
}

// The classification of each reported pair: "text", "binary" or "aeqf".
std::string Classes(const PairFixture& fixture) {
  std::string classes;
  for (const engine_support::ReportedStep& step : fixture.report.steps) {
    classes += std::to_string(step.pair) + ":";
    classes += step.result.IsBinary ? "binary " : step.result.EqualByAeqf ? "aeqf " : "text ";
  }
  return classes;
}

TEST(PairDriverTest, TxfoSkipsBinaryPairsButReportsALastOne) {
  PairFixture fixture;
  fixture.scratch.Write("b1", kBinaryStart);
  fixture.scratch.Write("t", "text\n");
  fixture.scratch.Write("b2", kBinaryStart);
  fixture.pairs.Add("b1", "b1");
  fixture.pairs.Add("t", "t");
  fixture.pairs.Add("b2", "b2");
  fixture.controls.SetChecked(Preference::kTxfo, true);
  int32_t skipped_at_last = 0;
  fixture.report.on_step = [&](CompareRun& run) { skipped_at_last = run.totals.txfo_skipped; };
  fixture.Run();
  EXPECT_EQ(Classes(fixture), "1:text 2:binary ");
  EXPECT_EQ(skipped_at_last, 2);
}

// Acts out what the final messages' table says the report does at a step.
void ActOnStep(const std::string& words, CompareRun& run) {
  std::istringstream in(words);
  for (std::string word; in >> word;) {
    if (word == "fault") throw std::bad_alloc();
    run.state.HaltRequested |= word == "halt";
    run.totals.insertions += word == "insertions";
    run.totals.deletions += word == "deletions";
    run.totals.new_lines_processed += word == "lines";
    run.totals.old_bin_bytes += word == "binary_bytes";
    if (word.starts_with("rc=")) run.totals.highest_pair_rc = std::stoi(word.substr(3));
  }
}

TEST(PairDriverTest, FinalMessageRules) {
  const std::map<std::string, const char*> messages = {{"fault", kFaultMessage},
                                                       {"stop", kUserStopMessage},
                                                       {"ccol", kCcolErrorMessage},
                                                       {"problems", kProblemsMessage},
                                                       {"differences", kDifferencesMessage},
                                                       {"nothing", kNothingComparedMessage},
                                                       {"filtered", kFilteredEquivalentMessage},
                                                       {"equivalent", kEquivalentMessage}};
  ForEachCase("tests/engine/cases/final_messages.txt", [&](const TableCase& c) {
    PairFixture fixture;
    fixture.scratch.Write("a", "same\n");
    fixture.pairs.Add("a", "a");
    fixture.report.on_step = [&c](CompareRun& run) { ActOnStep(c[1], run); };
    fixture.controls = engine_support::ControlsOf(c[2]);
    const std::string message = messages.at(c[3]);
    EXPECT_EQ(fixture.Run(), message);
    EXPECT_EQ(fixture.report.calls.back(), "EndRun:" + message);
  });
}

TEST(PairDriverTest, ATextPairShowsEachStepOnTheStatusLine) {
  PairFixture fixture;
  fixture.scratch.Write("New.TXT", "a\nb\n");
  fixture.scratch.Write("old.txt", "a\nc\n");
  fixture.pairs.Add("New.TXT", "old.txt");
  EXPECT_EQ(fixture.Run(), kNothingComparedMessage);
  // What the matcher shows while it works is its own affair.
  std::vector<std::string> calls = fixture.host.log.events;
  const auto matching = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
    return call.starts_with("status:Finding Matching Lines");
  });
  ASSERT_NE(matching, calls.end());
  calls.erase(matching + 3, std::find_if(matching, calls.end(), [](const std::string& call) {
                return call.starts_with("status:Generating Report");
              }));
  testkit::ExpectGoldenLines("tests/engine/golden/text_pair_status.txt", calls);
  EXPECT_EQ(fixture.report.calls,
            (std::vector<std::string>{"BeginRun", "BeginTextPair", "Step(0)",
                                      std::string("EndRun:") + kNothingComparedMessage}));
}

TEST(PairDriverTest, HaltEndsThePairAndTheNextPairIsOnlyOpened) {
  PairFixture fixture;
  fixture.scratch.Write("a", "a\n");
  fixture.pairs.Add("a", "a");
  fixture.pairs.Add("missing", "a");
  fixture.pairs.Add("a", "a");
  fixture.report.on_step = [](CompareRun& run) { run.state.HaltRequested = true; };
  EXPECT_EQ(fixture.Run(), kUserStopMessage);
  EXPECT_EQ(Classes(fixture), "0:text ");
  EXPECT_EQ(fixture.host.Only("ask:").size(), 1u);
}

TEST(PairDriverTest, HaltWhileReadingLeavesThePairUnreported) {
  PairFixture fixture;
  fixture.scratch.Write("a", engine_support::NumberedLines(2000));
  fixture.pairs.Add("a", "a");
  fixture.host.halt_at_events = 2;  // at the first status of the read
  EXPECT_EQ(fixture.Run(), kUserStopMessage);
  EXPECT_TRUE(fixture.report.steps.empty());
}

TEST(PairDriverTest, AFullReportEndsOnlyThePairBeingListed) {
  PairFixture fixture;
  fixture.scratch.Write("long", engine_support::NumberedLines(9000));
  fixture.scratch.Write("short", "a\n");
  fixture.pairs.Add("long", "long");
  fixture.pairs.Add("short", "short");
  fixture.report.on_step = [&](CompareRun&) { fixture.report.full = true; };
  fixture.Run();
  EXPECT_EQ(Classes(fixture), "0:text 1:text ");
}

// A read error is told once, though the sections after it read the failing
// side again from where it was cut.
TEST(PairDriverTest, AReadErrorIsToldOnceForThePair) {
  PairFixture fixture;
  fixture.scratch.Write("new.txt", engine_support::NumberedLines(9000));
  fixture.scratch.Write("old.txt", engine_support::NumberedLines(9000));
  fixture.fs.faults[fixture.scratch.PathOf("new.txt")] = {.reads_end_at = 40000,
                                                          .read_error = true};
  fixture.pairs.Add("new.txt", "old.txt");
  fixture.Run();
  EXPECT_EQ(fixture.host.Only("message:").size(), 1u);
  EXPECT_GT(fixture.report.steps.size(), 1u) << "the pair took one section only";
}

TEST(PairDriverTest, ASideThatEndsShortIsToldOnTheStatusLine) {
  for (const int64_t end : {0, 3}) {
    PairFixture fixture;
    const std::string path = fixture.scratch.Write("new.txt", "one\ntwo\n");
    fixture.scratch.Write("old.txt", "one\ntwo\n");
    fixture.fs.faults[path].reads_end_at = end;
    fixture.pairs.Add("new.txt", "old.txt");
    fixture.Run();
    EXPECT_TRUE(fixture.host.log.Has("status:" + EndedShortStatus(path, end, 8))) << end;
  }
}

}  // namespace
}  // namespace kestrin
