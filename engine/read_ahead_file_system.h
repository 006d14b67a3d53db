// Reading the small files of a run's coming pairs ahead, on a second thread,
// so that the comparing thread finds them in memory: a run of many small
// pairs then spends its own time comparing, not opening and reading.
#ifndef KESTRIN_ENGINE_READ_AHEAD_FILE_SYSTEM_H_
#define KESTRIN_ENGINE_READ_AHEAD_FILE_SYSTEM_H_

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/file_system.h"

namespace kestrin {

// A file of at most this many bytes is read ahead; a larger one is opened
// when the run comes to it, as is any file that could not be read whole.
inline constexpr int64_t kReadAheadFileLimit = 256 * 1024;
// The reading stays at most this many files ahead of the run, holding at most
// kReadAheadBytes.
inline constexpr size_t kReadAheadFiles = 32;
inline constexpr int64_t kReadAheadBytes = 4 * 1024 * 1024;

// Wraps `fs` for one run whose files are opened in the order of `paths`
// (each pair's new file, then its old file). A file the run opens out of that
// order, or one that was not read ahead whole, is opened through `fs` there
// and then, so every failure is met and told as without reading ahead. `fs`
// must allow calls from two threads at once.
class ReadAheadFileSystem : public FileSystem {
 public:
  ReadAheadFileSystem(FileSystem& fs, std::vector<std::string> paths);
  ~ReadAheadFileSystem() override;
  ReadAheadFileSystem(const ReadAheadFileSystem&) = delete;
  ReadAheadFileSystem& operator=(const ReadAheadFileSystem&) = delete;

  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override;
  bool IsFile(const std::string& path) override { return fs_.IsFile(path); }
  bool IsDirectory(const std::string& path) override { return fs_.IsDirectory(path); }
  PathStatus Examine(const std::string& path) override { return fs_.Examine(path); }
  std::vector<std::string> ListFiles(const std::string& directory) override {
    return fs_.ListFiles(directory);
  }
  std::vector<UnusableEntry> ListUnusable(const std::string& directory) override {
    return fs_.ListUnusable(directory);
  }
  DirectoryEntries ReadDirectory(const std::string& directory) override {
    return fs_.ReadDirectory(directory);
  }
  std::string ExecutableDirectory() override { return fs_.ExecutableDirectory(); }
  int LastError() override { return fs_.LastError(); }

 private:
  // One path's file as the reading thread left it.
  struct AheadFile {
    bool done = false;   // the reading thread is through with it
    bool whole = false;  // `bytes` hold the whole file
    std::string bytes;
    int64_t modified_time = 0;
  };

  void ReadAhead();
  AheadFile ReadWhole(const std::string& path);
  // Takes file `index` out of those held; a file not read yet has no bytes.
  AheadFile TakeFile(size_t index);
  // Lets go of the files before `index`, which the run has passed.
  void PassTo(size_t index);

  FileSystem& fs_;
  const std::vector<std::string> paths_;
  std::vector<AheadFile> files_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_wanted_ = 0;  // the first path the run has not opened yet
  size_t next_read_ = 0;    // the next path the reading thread takes
  int64_t held_bytes_ = 0;
  bool stopping_ = false;
  std::thread reader_;
};

}  // namespace kestrin

#endif  // KESTRIN_ENGINE_READ_AHEAD_FILE_SYSTEM_H_
