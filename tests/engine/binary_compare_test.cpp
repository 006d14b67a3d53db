#include "engine/binary_compare.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>

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

// The bytes a file of the outcomes' table stands for.
std::string TableBytes(const std::string& shape) {
  std::istringstream in(shape);
  size_t size = 0;
  int fill = 1;
  int last = -1;
  in >> size;
  if (!(in >> fill)) fill = 1;
  if (!(in >> last)) last = -1;
  std::string bytes = Binary(size, static_cast<char>(fill));
  if (last >= 0) bytes.back() = static_cast<char>(last);
  return bytes;
}

TEST(BinaryCompareTest, EveryOutcome) {
  testkit::ForEachCase("tests/engine/cases/binary_outcomes.txt", [&](const testkit::TableCase& c) {
    PairFixture fixture;
    fixture.controls.SetChecked(Preference::kAeqf, c.Flag(3));
    engine_support::SetModifiedTime(fixture.scratch.Write("new.bin", TableBytes(c[1])), 1000000);
    engine_support::SetModifiedTime(fixture.scratch.Write("old.bin", TableBytes(c[2])),
                                    c.Flag(4) ? 1000000 : 2000000);
    const std::string old_path = fixture.scratch.PathOf("old.bin");
    const std::string fault = c.fields.size() > 6 ? c[6] : "";
    if (fault == "old read error")
      fixture.fs.faults[old_path] = {.reads_end_at = 0, .read_error = true};
    if (fault == "halt") fixture.host.halt_at_events = 2;
    EXPECT_EQ(Compare(fixture), c[5]);
    EXPECT_EQ(fixture.host.Only("message:"), fault == "old read error"
                                                 ? std::vector{ReadErrorMessage(EIO, old_path)}
                                                 : std::vector<std::string>{});
  });
}

TEST(BinaryCompareTest, StatusEveryEighthChunk) {
  PairFixture fixture;
  fixture.scratch.Write("new.bin", Binary(131072));
  fixture.scratch.Write("old.bin", Binary(131072));
  EXPECT_EQ(Compare(fixture), "equal rc=0 sizes=131072/131072 read=131072+131072 done");
  // Pending events run after every new chunk: eight chunks and the empty read.
  testkit::ExpectGoldenLines("tests/engine/golden/binary_status.txt", fixture.host.log.events);
}

TEST(BinaryCompareTest, StartsThatLookBinary) {
  testkit::ForEachCase("tests/engine/cases/binary_starts.txt", [&](const testkit::TableCase& c) {
    EXPECT_EQ(StartLooksBinary(c[0]), c.Flag(1));
  });
}

}  // namespace
}  // namespace kestrin
