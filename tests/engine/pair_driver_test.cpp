#include "engine/pair_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include "engine/pair_opening.h"
#include "engine_support.h"

namespace kestrin {
namespace {

using engine_support::PairFixture;

const std::string kBinaryStart(9, '\x01');

// After No the failed pair is handed to the report, which names it, and the
// next pair is tried; Yes stops the run at once with nothing reported.
TEST(PairDriverTest, OpenAndSeekFailuresAskWhetherToStop) {
  struct Case {
    const char* name;
    bool new_missing;
    bool old_missing;
    bool seek_fails;
    bool answer;
    const char* question;  // with <path> for the file's full path
    OpenStep step;
  } const cases[] = {
      {"new missing, No", true, false, false, false,
       "Error code \"2\" while trying to open New Input File. \"<path>\". Exit Now?",
       OpenStep::kOpenNew},
      {"new missing, Yes", true, false, false, true,
       "Error code \"2\" while trying to open New Input File. \"<path>\". Exit Now?",
       OpenStep::kOpenNew},
      {"old missing", false, true, false, false,
       "Error code \"2\" while trying to open Old Input File. \"<path>\". Exit Now?",
       OpenStep::kOpenOld},
      {"old cannot seek", false, false, true, false,
       "Error code \"29\" while trying to seek Input File. \"<path>\". Exit Now?",
       OpenStep::kSeek},
  };
  for (const Case& c : cases) {
    PairFixture fixture;
    if (!c.new_missing) fixture.scratch.Write("New.txt", "a\n");
    if (!c.old_missing) fixture.scratch.Write("Old.txt", "b\n");
    fixture.Add("New.txt", "Old.txt");
    fixture.Add("New.txt", "Old.txt");
    fixture.fs.faults[fixture.scratch.PathOf("Old.txt")].length_fails = c.seek_fails;
    fixture.host.answers.push_back(c.answer);
    const std::string message = fixture.Run();

    std::string question = c.question;
    const std::string path = fixture.scratch.PathOf(c.new_missing ? "New.txt" : "Old.txt");
    question.replace(question.find("<path>"), 6, path);
    if (c.answer) {
      EXPECT_EQ(message, kUserStopMessage) << c.name;
      EXPECT_EQ(fixture.host.Only("ask:"), std::vector<std::string>{question}) << c.name;
      EXPECT_EQ(fixture.report.calls,
                (std::vector<std::string>{"BeginRun", std::string("EndRun:") + message}))
          << c.name;
      continue;
    }
    EXPECT_EQ(fixture.host.Only("ask:"), (std::vector<std::string>{question, question})) << c.name;
    EXPECT_EQ(fixture.report.calls, (std::vector<std::string>{"BeginRun", "Step(0)", "Step(1)",
                                                               "EndRun:" + message}))
        << c.name;
    const PairResult& failed = fixture.report.steps[0].result;
    EXPECT_TRUE(failed.OpenFailed) << c.name;
    EXPECT_EQ(failed.PairRC, 8) << c.name;
    EXPECT_EQ(failed.failed_step, c.step) << c.name;
    EXPECT_EQ(failed.failed_path, path) << c.name;
  }
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
  fixture.Add("b1", "b1");
  fixture.Add("t", "t");
  fixture.Add("b2", "b2");
  fixture.controls.SetChecked(Preference::kTxfo, true);
  int32_t skipped_at_last = 0;
  fixture.report.on_step = [&](CompareRun& run) { skipped_at_last = run.totals.txfo_skipped; };
  fixture.Run();
  EXPECT_EQ(Classes(fixture), "1:text 2:binary ");
  EXPECT_EQ(skipped_at_last, 2);
}

TEST(PairDriverTest, FinalMessageRules) {
  struct Case {
    const char* name;
    std::function<void(CompareRun&)> on_step;
    std::function<void(ControlValues&)> controls;
    const char* message;
  };
  const auto none = [](ControlValues&) {};
  const auto lines = [](CompareRun& run) { run.totals.new_lines_processed = 1; };
  const Case cases[] = {
      {"fault", [](CompareRun&) { throw std::bad_alloc(); }, none, kFaultMessage},
      {"snapshot fault", nullptr,
       [](ControlValues& c) {
         c.SetChecked(Preference::kXtab, true);
         c.tab_size_text = "x";
       },
       kFaultMessage},
      {"halt wins over changes",
       [](CompareRun& run) {
         run.state.HaltRequested = true;
         run.totals.insertions = 1;
       },
       none, kUserStopMessage},
      {"invalid Ccol", nullptr,
       [](ControlValues& c) {
         c.SetChecked(Preference::kCcol, true);
         c.new_range1 = "0:10";
       },
       kCcolErrorMessage},
      {"problems", [](CompareRun& run) { run.totals.highest_pair_rc = 8; }, none, kProblemsMessage},
      {"changes", [](CompareRun& run) { run.totals.deletions = 2; }, none, kDifferencesMessage},
      {"binary differs", [](CompareRun& run) { run.totals.highest_pair_rc = 1; }, none,
       kDifferencesMessage},
      {"nothing compared", nullptr, none, kNothingComparedMessage},
      {"filtered by Dp", lines, [](ControlValues& c) { c.dp_choice = 3; },
       kFilteredEquivalentMessage},
      {"filtered by Icas", lines, [](ControlValues& c) { c.SetChecked(Preference::kIcas, true); },
       kFilteredEquivalentMessage},
      {"filtered by Rovr", lines, [](ControlValues& c) { c.SetChecked(Preference::kRovr, true); },
       kFilteredEquivalentMessage},
      {"filtered by Ccol", lines, [](ControlValues& c) { c.SetChecked(Preference::kCcol, true); },
       kFilteredEquivalentMessage},
      {"equivalent", lines, [](ControlValues& c) { c.SetChecked(Preference::kFmvl, true); },
       kEquivalentMessage},
      {"binary bytes only", [](CompareRun& run) { run.totals.old_bin_bytes = 5; }, none,
       kEquivalentMessage},
  };
  for (const Case& c : cases) {
    PairFixture fixture;
    fixture.scratch.Write("a", "same\n");
    fixture.Add("a", "a");
    fixture.report.on_step = c.on_step;
    c.controls(fixture.controls);
    EXPECT_EQ(fixture.Run(), c.message) << c.name;
    EXPECT_EQ(fixture.report.calls.back(), std::string("EndRun:") + c.message) << c.name;
  }
  EXPECT_EQ(std::string(kUserStopMessage).back(), ' ');
  EXPECT_EQ(std::string(kEquivalentMessage).back(), ' ');
}

TEST(PairDriverTest, ATextPairShowsEachStepOnTheStatusLine) {
  PairFixture fixture;
  fixture.scratch.Write("New.TXT", "a\nb\n");
  fixture.scratch.Write("old.txt", "a\nc\n");
  fixture.Add("New.TXT", "old.txt");
  EXPECT_EQ(fixture.Run(), kNothingComparedMessage);
  const std::vector<std::string> expected = {
      "first",
      "status:Reading Data File(0) - Start Line = 1",
      "toggle",
      "events",
      "status:Processing Data   NFile = New.TXT   OFile = old.txt",
      "toggle",
      "events",
      "status:Finding Matching Lines(0) - Start Line = 1 UpTo Line = 2 .",
      "toggle",
      "events",
      "status:Generating Report   NFile = New.TXT   OFile = old.txt",
      "events",
      "toggle",
      "hide",
  };
  // What the matcher shows while it works is its own affair.
  std::vector<std::string> calls = fixture.host.log.events;
  ASSERT_GE(calls.size(), expected.size());
  const auto matching = calls.begin() + 10;
  calls.erase(matching, std::find(matching, calls.end(), expected[10]));
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(fixture.report.calls,
            (std::vector<std::string>{"BeginRun", "BeginTextPair", "Step(0)",
                                      std::string("EndRun:") + kNothingComparedMessage}));
}

TEST(PairDriverTest, HaltEndsThePairAndTheNextPairIsOnlyOpened) {
  PairFixture fixture;
  fixture.scratch.Write("a", "a\n");
  fixture.Add("a", "a");
  fixture.Add("missing", "a");
  fixture.Add("a", "a");
  fixture.report.on_step = [](CompareRun& run) { run.state.HaltRequested = true; };
  EXPECT_EQ(fixture.Run(), kUserStopMessage);
  EXPECT_EQ(Classes(fixture), "0:text ");
  EXPECT_EQ(fixture.host.Only("ask:").size(), 1u);
}

TEST(PairDriverTest, HaltWhileReadingLeavesThePairUnreported) {
  PairFixture fixture;
  fixture.scratch.Write("a", engine_support::NumberedLines(2000));
  fixture.Add("a", "a");
  fixture.host.halt_at_events = 2;  // at the first status of the read
  EXPECT_EQ(fixture.Run(), kUserStopMessage);
  EXPECT_TRUE(fixture.report.steps.empty());
}

TEST(PairDriverTest, AFullReportEndsOnlyThePairBeingListed) {
  PairFixture fixture;
  fixture.scratch.Write("long", engine_support::NumberedLines(9000));
  fixture.scratch.Write("short", "a\n");
  fixture.Add("long", "long");
  fixture.Add("short", "short");
  fixture.report.on_step = [&](CompareRun&) { fixture.report.full = true; };
  fixture.Run();
  EXPECT_EQ(Classes(fixture), "0:text 1:text ");
}

}  // namespace
}  // namespace kestrin
