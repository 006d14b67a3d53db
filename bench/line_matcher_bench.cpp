// Matching full 7999-line sections: near-identical, completely different and
// heavily repetitive pairs, with and without the moved-line pass (argument 1
// is Fmvl).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tests/common/silent_host.h"
#include "engine/input_line.h"
#include "engine/line_matcher.h"

namespace kestrin {
namespace {

void Prepare(Section& section, const std::vector<std::string>& texts) {
  section.Reset();
  section.count = static_cast<int32_t>(texts.size());
  for (size_t k = 0; k < texts.size(); ++k) {
    InputLine& line = section.line[k + 1];
    line.Text = texts[k];
    line.RawLen = static_cast<int16_t>(texts[k].size());
    PrepareCompareForm(line, line.RawLen, true);
  }
}

std::string CodeLine(const char* stem, int k) {
  return std::string(stem) + " " + std::to_string(k) + " := Value(" + std::to_string(k * 7) + ");";
}

std::vector<std::string> Distinct(const char* stem) {
  std::vector<std::string> lines;
  for (int k = 1; k <= kMaxSectionLines; ++k) lines.push_back(CodeLine(stem, k));
  return lines;
}

// Every other line is the same text.
std::vector<std::string> Repetitive(const char* stem) {
  std::vector<std::string> lines = Distinct(stem);
  for (size_t k = 1; k < lines.size(); k += 2) lines[k] = "end;";
  return lines;
}

// Every 100 lines one line is replaced, one removed and one added.
std::vector<std::string> Edited(std::vector<std::string> lines) {
  for (long k = static_cast<long>(lines.size()) - 100; k >= 50; k -= 100) {
    lines[static_cast<size_t>(k)] = "changed " + lines[static_cast<size_t>(k)];
    lines.erase(lines.begin() + k + 20);
    lines.insert(lines.begin() + k + 40, "added line");
  }
  return lines;
}

void RunMatch(benchmark::State& state, const std::vector<std::string>& new_texts,
              const std::vector<std::string>& old_texts) {
  Section fresh;
  Section old;
  testkit::SilentHost host;
  MatchOptions options;
  options.LastSection = true;
  options.Fmvl = state.range(0) != 0;
  for (auto _ : state) {
    state.PauseTiming();
    Prepare(fresh, new_texts);
    Prepare(old, old_texts);
    fresh.WriteSentinel(old.count);
    old.WriteSentinel(fresh.count);
    state.ResumeTiming();
    MatchSection(fresh, old, options, host);
  }
}

void BM_NearIdentical(benchmark::State& state) {
  const auto old_texts = Distinct("Line");
  RunMatch(state, Edited(old_texts), old_texts);
}

void BM_CompletelyDifferent(benchmark::State& state) {
  RunMatch(state, Distinct("NewLine"), Distinct("OldLine"));
}

void BM_RepetitiveNearIdentical(benchmark::State& state) {
  const auto old_texts = Repetitive("Line");
  RunMatch(state, Edited(old_texts), old_texts);
}

// Only the repeated half is common to both sides.
void BM_RepetitiveDifferent(benchmark::State& state) {
  RunMatch(state, Repetitive("NewLine"), Repetitive("OldLine"));
}

BENCHMARK(BM_NearIdentical)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompletelyDifferent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepetitiveNearIdentical)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepetitiveDifferent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin

BENCHMARK_MAIN();
