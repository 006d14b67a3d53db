// Keeping a report of 1,000,000 listing lines for the windows, in memory and
// moved to a spill file: the time to add the lines and to read them all
// back, and the memory the list holds once filled ("held_MiB").
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <string>

#include "report/stored_lines.h"

namespace kestrin {
namespace {

constexpr int kReportLines = 1'000'000;

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// Adds kReportLines lines in the form the listing writes.
void Fill(StoredLines& lines) {
  const char* flags[] = {"    ", "I - ", "D - ", "IM- ", "RN- "};
  char line[160];
  for (int i = 0; i < kReportLines; ++i) {
    const int length =
        std::snprintf(line, sizeof line,
                      "%s  statement_%d(argument, other_argument);%*s%.5d              %.5d",
                      flags[i % 5], i, 30, "", i % 100000, i % 100000);
    lines.push_back(std::string_view(line, static_cast<size_t>(length)));
  }
}

// state.range(0): the spill threshold in bytes (0: spilled from the start).
size_t Threshold(const benchmark::State& state) { return static_cast<size_t>(state.range(0)); }

void BM_FillMillionLines(benchmark::State& state) {
  double held = 0;
  for (auto _ : state) {
    const size_t before = HeapInUse();
    StoredLines lines(Threshold(state));
    Fill(lines);
    held = static_cast<double>(HeapInUse() - before) / (1 << 20);
  }
  state.counters["held_MiB"] = held;
}

void BM_ReadMillionLines(benchmark::State& state) {
  StoredLines lines(Threshold(state));
  Fill(lines);
  for (auto _ : state) {
    size_t bytes = 0;
    for (size_t i = 0; i < lines.size(); ++i) bytes += lines[i].size();
    benchmark::DoNotOptimize(bytes);
  }
}

BENCHMARK(BM_FillMillionLines)->Arg(kSpillThreshold)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMillionLines)->Arg(kSpillThreshold)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin

BENCHMARK_MAIN();
