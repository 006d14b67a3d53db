// The memory a whole compare holds does not grow with its input: a pair of
// 1 GiB files, made up on the fly by a file system that counts what is read,
// is compared and listed in full (Long) while every allocation and every
// byte read is counted.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compare_settings.h"
#include "engine/file_system.h"
#include "engine/input_line.h"
#include "engine/pair_driver.h"
#include "engine/side_file.h"
#include "report/directory_run_info.h"
#include "report/report_generator.h"
#include "report/report_lines.h"
#include "report/report_sink.h"
#include "tests/common/silent_host.h"
#include "tests/report/report_support.h"

namespace {

// Heap bytes live and the most ever live while counting is on.
std::atomic<bool> counting{false};
std::atomic<int64_t> live_bytes{0};
std::atomic<int64_t> peak_bytes{0};

}  // namespace

// Every other form of new and delete of the standard library ends here. Kept
// out of line, so that the compiler never sees a free of a new's block.
[[gnu::noinline]] void* operator new(size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  if (counting.load(std::memory_order_relaxed)) {
    const auto bytes = static_cast<int64_t>(malloc_usable_size(block));
    const int64_t now = live_bytes.fetch_add(bytes, std::memory_order_relaxed) + bytes;
    int64_t peak = peak_bytes.load(std::memory_order_relaxed);
    while (now > peak && !peak_bytes.compare_exchange_weak(peak, now)) {
    }
  }
  return block;
}

[[gnu::noinline]] void operator delete(void* block) noexcept {
  if (block != nullptr && counting.load(std::memory_order_relaxed)) {
    live_bytes.fetch_sub(static_cast<int64_t>(malloc_usable_size(block)),
                         std::memory_order_relaxed);
  }
  std::free(block);
}

void operator delete(void* block, size_t) noexcept { operator delete(block); }

namespace kestrin {
namespace {

constexpr int64_t kFileSize = int64_t{1} << 30;
// Every line is as long as the next: the bound below counts one line's length
// for each.
constexpr int64_t kLineChars = 998;
constexpr int64_t kLineBytes = kLineChars + 1;
constexpr int64_t kLineCount = kFileSize / kLineBytes;
// The old file's line that differs, in the pair's last section.
constexpr int64_t kChangedLine = kLineCount - 10;

// A file of kLineCount numbered lines of kLineChars characters, made as it
// is read. The old file differs in line kChangedLine.
class SyntheticFile : public InputFile {
 public:
  SyntheticFile(bool is_old, int64_t& bytes_read) : is_old_(is_old), bytes_read_(bytes_read) {}

  bool SeekToEnd(int64_t* size) override { return Seek(*size = kLineCount * kLineBytes); }
  bool Seek(int64_t offset) override {
    position_ = offset;
    return true;
  }
  int64_t Read(char* buffer, int64_t count) override {
    const int64_t got = std::clamp<int64_t>(kLineCount * kLineBytes - position_, 0, count);
    for (int64_t done = 0; done < got;) {
      const int64_t column = (position_ + done) % kLineBytes;
      const int64_t piece = std::min(got - done, kLineBytes - column);
      const std::string& text = LineText((position_ + done) / kLineBytes);
      std::memcpy(buffer + done, text.data() + column, static_cast<size_t>(piece));
      done += piece;
    }
    position_ += got;
    bytes_read_ += got;
    return got;
  }
  int64_t ModifiedTime() override { return report_support::kFixedFileTime; }

 private:
  const std::string& LineText(int64_t line) {
    if (line != cached_line_) {
      const std::string number = std::to_string(line + 1);
      cached_text_.assign(static_cast<size_t>(kLineChars), 'x');
      cached_text_.replace(0, number.size(), number);
      if (is_old_ && line == kChangedLine) cached_text_[number.size() + 1] = 'o';
      cached_text_.push_back('\n');
      cached_line_ = line;
    }
    return cached_text_;
  }

  bool is_old_;
  int64_t& bytes_read_;
  int64_t position_ = 0;
  int64_t cached_line_ = -1;
  std::string cached_text_;
};

// "new.txt" and "old.txt", made up; counts the bytes read from each.
class SyntheticFileSystem : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int*) override {
    const bool is_old = path.ends_with("old.txt");
    return std::make_unique<SyntheticFile>(is_old, is_old ? old_bytes_read : new_bytes_read);
  }
  bool IsFile(const std::string&) override { return true; }
  bool IsDirectory(const std::string&) override { return false; }
  std::vector<std::string> ListFiles(const std::string&) override { return {}; }
  std::string ExecutableDirectory() override { return "."; }
  int LastError() override { return 0; }

  int64_t new_bytes_read = 0;
  int64_t old_bytes_read = 0;
};

// Counts the report's lines and keeps none.
class CountingSink : public ReportSink {
 public:
  void TakeLine(ReportList, std::string_view) override { ++lines; }
  int64_t lines = 0;
};

// What one side's section can hold: its records, a text of a line's length
// for each line and the byte offsets of their starts, and the read block.
constexpr int64_t kSideBound =
    (kSectionLimit + 2) * static_cast<int64_t>(sizeof(InputLine)) +
    kSectionLimit * (kLineBytes + static_cast<int64_t>(sizeof(int64_t))) + kReadBlockSize;
// Everything else a run holds: settings, the run's records, the matcher's
// tables and the lines being formatted. Far less than the report of this
// listing (over a million lines) or the line starts of a whole file.
constexpr int64_t kOtherBound = int64_t{4} << 20;

TEST(PairMemoryTest, OneGigabytePairStaysWithinTheSectionBound) {
  SyntheticFileSystem fs;
  PairList pairs;
  pairs.Add("new.txt", "old.txt");
  ControlValues controls = report_support::ControlsWith("Long", "None");
  ReportLines lines;
  testkit::SilentHost host;
  CountingSink sink;
  DirectoryRunInfo info;
  bool halt = false;
  std::string final_message;
  {
    counting = true;
    ReportGenerator generator(lines, host, info, kUnlimitedLines, &sink);
    final_message = RunPairs(RunRequest{pairs, controls, halt, host, generator, fs});
    counting = false;
  }
  EXPECT_EQ(final_message, kDifferencesMessage);
  // Without an option that rewrites the lines, each byte is read once.
  EXPECT_EQ(fs.new_bytes_read, kLineCount * kLineBytes);
  EXPECT_EQ(fs.old_bytes_read, kLineCount * kLineBytes);
  // Every line of both files is listed, once each side differs.
  EXPECT_GT(sink.lines, kLineCount);
  EXPECT_TRUE(lines.Primary.empty());
  EXPECT_LE(peak_bytes.load(), 2 * kSideBound + kOtherBound)
      << "side bound " << kSideBound << ", lines listed " << sink.lines;
}

}  // namespace
}  // namespace kestrin
