// Throughput of the line reader: a 100 MB file of 80-character lines read
// through ReadSection section by section, as a text pair's compare reads it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/common/silent_host.h"
#include "engine/file_system.h"
#include "engine/pair_run.h"
#include "engine/section_reader.h"

namespace {

constexpr int64_t kFileBytes = 100 * 1000 * 1000;
constexpr int kLineCharacters = 80;


std::filesystem::path& InputDirectory() {
  static std::filesystem::path directory;
  return directory;
}

// Writes the input once: 80 printable characters and CR LF per line, up to
// 100 MB; and an empty file for the other side, so only one side is read.
void WriteInput() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrin_bench_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  InputDirectory() = pattern;
  std::ofstream out(InputDirectory() / "new.txt", std::ios::binary);
  std::string line;
  for (int64_t written = 0, number = 0; written < kFileBytes; written += line.size(), ++number) {
    line = std::to_string(number) + " ";
    while (static_cast<int>(line.size()) < kLineCharacters)
      line += static_cast<char>('a' + line.size() % 26);
    line += "\r\n";
    out << line;
  }
  std::ofstream(InputDirectory() / "old.txt", std::ios::binary);
}

void OpenSide(kestrin::FileSystem& fs, const std::filesystem::path& path, kestrin::SideFile& side) {
  int error = 0;
  side.Clear();
  side.file_name = path.string();
  side.handle = fs.OpenRead(side.file_name, &error);
  if (side.handle == nullptr || !side.handle->SeekToEnd(&side.file_size) || !side.handle->Seek(0)) {
    std::abort();
  }
}

void BM_ReadSections(benchmark::State& state) {
  kestrin::PairList pairs;
  bool halt = false;
  kestrin::testkit::SilentHost host;
  kestrin::FileSystem& fs = kestrin::DefaultFileSystem();
  auto run = std::make_unique<kestrin::CompareRun>(pairs, halt, host, fs);
  int64_t bytes = 0;
  for (auto _ : state) {
    OpenSide(fs, InputDirectory() / "new.txt", run->new_side);
    OpenSide(fs, InputDirectory() / "old.txt", run->old_side);
    bytes = run->new_side.file_size;
    run->pair = kestrin::PairResult();
    while (!run->pair.PairDone) {
      run->new_side.SectionStart = run->new_side.next_section_start;
      run->old_side.SectionStart = run->old_side.next_section_start;
      kestrin::ReadSection(*run);
      run->new_side.next_section_start += run->new_section.count;
      run->old_side.next_section_start += run->old_section.count;
    }
    benchmark::DoNotOptimize(run->new_side.LinesRead);
  }
  state.counters["MB/s"] = benchmark::Counter(static_cast<double>(bytes) / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadSections)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  WriteInput();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(InputDirectory(), ignored);
  return 0;
}
