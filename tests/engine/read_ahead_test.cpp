// Reading a run's files ahead: the run reads what it would have read, and
// any file that was not read ahead whole is opened by the run itself.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "engine/pair_driver.h"
#include "engine/read_ahead_file_system.h"
#include "engine_support.h"
#include "tests/common/scratch_directory.h"

namespace kestrin {
namespace {

// The real file system, noting which paths were opened on the test's thread.
class NotingFileSystem : public testkit::FaultyFileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override {
    if (std::this_thread::get_id() == test_thread_) {
      opened_here.push_back(path);
    } else {
      ++opened_ahead;
    }
    return DefaultFileSystem().OpenRead(path, error);
  }
  bool ThreadSafe() const override { return true; }

  std::vector<std::string> opened_here;
  std::atomic<int> opened_ahead = 0;

 private:
  const std::thread::id test_thread_ = std::this_thread::get_id();
};

// Everything `file` gives from its start, read in pieces as a run reads.
std::string ReadAll(InputFile& file) {
  int64_t size = 0;
  EXPECT_TRUE(file.SeekToEnd(&size));
  EXPECT_TRUE(file.Seek(0));
  std::string bytes;
  char piece[4096];
  for (int64_t got = 0; (got = file.Read(piece, sizeof piece)) > 0;) bytes.append(piece, got);
  EXPECT_EQ(static_cast<int64_t>(bytes.size()), size);
  return bytes;
}

TEST(ReadAheadTest, TheRunReadsWhatTheFilesHold) {
  testkit::ScratchDirectory scratch;
  // More bytes than are ever held ahead, one file too large to be read ahead,
  // and one that is missing.
  std::vector<std::string> paths;
  std::vector<std::string> contents;
  for (int k = 0; k < 40; ++k) {
    const auto size = static_cast<size_t>(k == 7 ? kReadAheadFileLimit + 1 : 200000 + k);
    contents.push_back(std::string(size, static_cast<char>('a' + k % 26)));
    paths.push_back(scratch.Write("f" + std::to_string(k), contents.back()));
  }
  paths.insert(paths.begin() + 3, scratch.PathOf("missing"));
  contents.insert(contents.begin() + 3, "");
  NotingFileSystem fs;
  {
    ReadAheadFileSystem read_ahead(fs, paths);
    for (size_t k = 0; k < paths.size(); ++k) {
      // The run skips file 20 and comes back to it after file 21.
      const size_t at = k == 20 ? 21 : k == 21 ? 20 : k;
      int error = 0;
      std::unique_ptr<InputFile> file = read_ahead.OpenRead(paths[at], &error);
      if (contents[at].empty()) {
        EXPECT_EQ(file, nullptr);
        EXPECT_EQ(error, ENOENT);
        continue;
      }
      ASSERT_NE(file, nullptr) << paths[at];
      EXPECT_EQ(ReadAll(*file), contents[at]) << paths[at];
    }
  }
  // The missing file, the large one and the one opened out of order were
  // opened by the run itself; no other file was.
  EXPECT_EQ(fs.opened_here, (std::vector<std::string>{paths[3], paths[8], paths[20]}));
  // A run that ends early (halted, say) stops the reading at once.
  ReadAheadFileSystem halted(fs, paths);
  int error = 0;
  EXPECT_NE(halted.OpenRead(paths[0], &error), nullptr);
}

// However long the run dwells on its first file, the reading stays at most
// kReadAheadFiles files and about kReadAheadBytes bytes ahead of it.
TEST(ReadAheadTest, TheReadingStaysWithinItsBounds) {
  testkit::ScratchDirectory scratch;
  for (const size_t size : {size_t{1}, size_t{200000}}) {
    SCOPED_TRACE(size);
    std::vector<std::string> paths;
    for (int k = 0; k < 100; ++k) {
      paths.push_back(
          scratch.Write(std::to_string(size) + "_" + std::to_string(k), std::string(size, 'x')));
    }
    NotingFileSystem fs;
    ReadAheadFileSystem read_ahead(fs, paths);
    int error = 0;
    EXPECT_NE(read_ahead.OpenRead(paths[0], &error), nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    // The files held ahead, and the one that took the bytes over the bound.
    const auto held = static_cast<int>(std::min(static_cast<int64_t>(kReadAheadFiles),
                                                kReadAheadBytes / static_cast<int64_t>(size) + 1));
    EXPECT_LE(fs.opened_ahead.load(), held + 1);
  }
}

TEST(ReadAheadTest, ARunOfTwoPairsOrMoreReadsEveryFileAhead) {
  engine_support::PairFixture fixture;
  for (const char* name : {"a.txt", "b.txt"}) {
    fixture.scratch.Write(std::string("new/") + name, "new\n");
    fixture.scratch.Write(std::string("old/") + name, "old\n");
    fixture.pairs.Add(std::string("new/") + name, std::string("old/") + name);
  }
  NotingFileSystem fs;
  RunPairs(
      RunRequest{fixture.pairs, fixture.controls, fixture.halt, fixture.host, fixture.report, fs});
  EXPECT_EQ(fixture.report.steps.size(), 2u);
  EXPECT_TRUE(fs.opened_here.empty());
}

}  // namespace
}  // namespace kestrin
