#include "engine/binary_compare.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "engine/engine_texts.h"
#include "engine/pair_opening.h"
#include "engine_support.h"
#include "tests/common/case_table.h"

namespace kestrin {
namespace {

using engine_support::PairFixture;

// Nine control characters in the first line make a file binary.
std::string Binary(size_t size, char fill = '\x01') { return std::string(size, fill); }

// The outcome of comparing one binary pair: "equal" or "differ", the return
// code, the two sizes, the bytes each side read after the new file was
// classified, and "done".
std::string Compare(PairFixture& fixture) {
  fixture.pairs.Add("new.bin", "old.bin");
  fixture.Run();
  if (fixture.report.steps.empty()) return "not reported";
  const PairResult& result = fixture.report.steps[0].result;
  const std::string new_path = fixture.scratch.PathOf("new.bin");
  const auto classified = std::min<int64_t>(
      kBinaryTestSize, static_cast<int64_t>(std::filesystem::file_size(new_path)));
  return std::string(result.Differs ? "differ" : "equal") + " rc=" + std::to_string(result.PairRC) +
         " sizes=" + std::to_string(result.new_binary_size) + "/" +
         std::to_string(result.old_binary_size) +
         " read=" + std::to_string(fixture.fs.bytes_read[new_path] - classified) + "+" +
         std::to_string(fixture.fs.bytes_read[fixture.scratch.PathOf("old.bin")]) +
         (result.PairDone ? " done" : "");
}

TEST(BinaryCompareTest, EveryOutcome) {
  std::string last_byte_differs = Binary(40000);
  last_byte_differs.back() = '\x02';
  struct Case {
    const char* name;
    std::string new_bytes;
    std::string old_bytes;
    bool aeqf;
    bool same_time;
    const char* expected;
  } const cases[] = {
      {"different lengths", Binary(100), Binary(101), false, true,
       "differ rc=1 sizes=100/101 read=0+0 done"},
      {"last byte differs", Binary(40000), last_byte_differs, false, true,
       "differ rc=1 sizes=40000/40000 read=40000+40000 done"},
      {"identical", Binary(40000), Binary(40000), false, true,
       "equal rc=0 sizes=40000/40000 read=40000+40000 done"},
      {"Aeqf, same length and date", Binary(40000), Binary(40000, '\x02'), true, true,
       "equal rc=0 sizes=40000/40000 read=0+0 done"},
      {"Aeqf, other date", Binary(40000), Binary(40000, '\x02'), true, false,
       "differ rc=1 sizes=40000/40000 read=16384+16384 done"},
      {"empty old file", Binary(10), "", false, true, "differ rc=1 sizes=10/0 read=0+0 done"},
  };
  for (const Case& c : cases) {
    PairFixture fixture;
    fixture.controls.SetChecked(Preference::kAeqf, c.aeqf);
    engine_support::SetModifiedTime(fixture.scratch.Write("new.bin", c.new_bytes), 1000000);
    engine_support::SetModifiedTime(fixture.scratch.Write("old.bin", c.old_bytes),
                                    c.same_time ? 1000000 : 2000000);
    EXPECT_EQ(Compare(fixture), c.expected) << c.name;
  }
}

TEST(BinaryCompareTest, StatusEveryEighthChunk) {
  PairFixture fixture;
  fixture.scratch.Write("new.bin", Binary(131072));
  fixture.scratch.Write("old.bin", Binary(131072));
  EXPECT_EQ(Compare(fixture), "equal rc=0 sizes=131072/131072 read=131072+131072 done");
  EXPECT_EQ(fixture.host.Only("status:"),
            std::vector<std::string>{"Binary ReadFile-Pair(0) File-Offset(131072)"});
  // Pending events run after every new chunk: eight chunks and the empty read.
  EXPECT_EQ(fixture.host.Only("events").size(), 9u);
}

TEST(BinaryCompareTest, AReadErrorCountsAsADifference) {
  PairFixture fixture;
  fixture.scratch.Write("new.bin", Binary(5000));
  fixture.scratch.Write("old.bin", Binary(5000));
  const std::string old_path = fixture.scratch.PathOf("old.bin");
  fixture.fs.faults[old_path] = {.reads_end_at = 0, .read_error = true};
  EXPECT_EQ(Compare(fixture), "differ rc=1 sizes=5000/5000 read=5000+0 done");
  EXPECT_EQ(fixture.host.Only("message:"),
            std::vector<std::string>{ReadErrorMessage(EIO, old_path)});
}

TEST(BinaryCompareTest, AHaltedCompareIsNotReported) {
  PairFixture fixture;
  fixture.scratch.Write("new.bin", Binary(100000));
  fixture.scratch.Write("old.bin", Binary(100000));
  fixture.host.halt_at_events = 2;
  EXPECT_EQ(Compare(fixture), "not reported");
  EXPECT_EQ(fixture.report.calls.back(),
            "EndRun:INFORM: The User requested a premature program stop. ");
}

TEST(BinaryCompareTest, StartsThatLookBinary) {
  for (const testkit::TableCase& c :
       testkit::ReadCaseTable("tests/engine/cases/binary_starts.txt")) {
    testkit::CaseScope scope(c);
    EXPECT_EQ(StartLooksBinary(c[0]), c.Flag(1));
  }
}

}  // namespace
}  // namespace kestrin
