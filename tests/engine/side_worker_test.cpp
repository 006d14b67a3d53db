// The second thread of a large pair: its hand-over, and a large pair's read
// error met on that thread.
#include "engine/side_worker.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>

#include "engine/engine_texts.h"
#include "engine_support.h"

namespace kestrin {
namespace {

using engine_support::PairFixture;

TEST(SideWorkerTest, RunsBothJobsAndThrowsTheirFailuresOnceBothAreDone) {
  SideWorker worker;
  int here = 0;
  int there = 0;
  worker.RunBoth([&] { here = 1; }, [&] { there = 1; });
  EXPECT_EQ(here + there, 2);
  EXPECT_THROW(worker.RunBoth([] {}, [] { throw std::runtime_error("there"); }),
               std::runtime_error);
  EXPECT_THROW(worker.RunBoth([] { throw std::logic_error("here"); },
                              [&] {
                                there = 2;
                                throw std::runtime_error("there");
                              }),
               std::logic_error);
  EXPECT_EQ(there, 2);
  worker.RunBoth([&] { here = 3; }, [&] { there = 3; });
  EXPECT_EQ(here + there, 6);
}

// The real files, readable from two threads at once, but for one file whose
// reads fail with EIO from byte `fails_at` on. The error number is the
// failing thread's own, as the system's is.
class FailingReadFileSystem : public testkit::FaultyFileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override {
    std::unique_ptr<InputFile> file = DefaultFileSystem().OpenRead(path, error);
    if (file == nullptr || path != failing_path) return file;
    return std::make_unique<FailingFile>(std::move(file), fails_at);
  }
  int LastError() override { return thread_error; }
  bool ThreadSafe() const override { return true; }

  std::string failing_path;
  int64_t fails_at = 0;

 private:
  class FailingFile : public InputFile {
   public:
    FailingFile(std::unique_ptr<InputFile> file, int64_t fails_at)
        : file_(std::move(file)), fails_at_(fails_at) {}
    bool SeekToEnd(int64_t* size) override { return file_->SeekToEnd(size); }
    bool Seek(int64_t offset) override {
      position_ = offset;
      return file_->Seek(offset);
    }
    int64_t Read(char* buffer, int64_t count) override {
      if (position_ >= fails_at_) {
        thread_error = EIO;
        return -1;
      }
      const int64_t got = file_->Read(buffer, std::min(count, fails_at_ - position_));
      position_ += got;
      return got;
    }
    int64_t ModifiedTime() override { return file_->ModifiedTime(); }

   private:
    std::unique_ptr<InputFile> file_;
    int64_t fails_at_;
    int64_t position_ = 0;
  };

  static thread_local int thread_error;
};

thread_local int FailingReadFileSystem::thread_error = 0;

TEST(SideWorkerTest, LargePairTellsAReadErrorOfEitherSideWithItsNumber) {
  for (const char* failing : {"New.txt", "Old.txt"}) {
    SCOPED_TRACE(failing);
    PairFixture fixture;
    const std::string lines = engine_support::NumberedLines(20000);
    fixture.scratch.Write("New.txt", lines);
    fixture.scratch.Write("Old.txt", lines);
    fixture.pairs.Add("New.txt", "Old.txt");
    FailingReadFileSystem fs;
    fs.failing_path = fixture.scratch.PathOf(failing);
    fs.fails_at = 150000;
    RunPairs(RunRequest{fixture.pairs, fixture.controls, fixture.halt, fixture.host,
                        fixture.report, fs});
    EXPECT_EQ(fixture.host.Only("message:"),
              std::vector<std::string>{ReadErrorMessage(EIO, fs.failing_path)});
    ASSERT_FALSE(fixture.report.steps.empty());
    EXPECT_EQ(fixture.report.steps.back().result.PairRC, 8);
  }
}

}  // namespace
}  // namespace kestrin
