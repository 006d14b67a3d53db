// The one scratch directory of every test, and whole-file helpers: reads,
// writes with a fixed file time, and golden-file comparison.
#ifndef KESTRIN_TESTS_COMMON_SCRATCH_DIRECTORY_H_
#define KESTRIN_TESTS_COMMON_SCRATCH_DIRECTORY_H_

#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/path.h"

namespace kestrin::testkit {

// The bytes of the file at `path`; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// The file time written files get unless told otherwise: 2024-01-02 03:04:05
// UTC, shown as "01/02/24 03:04:05" with LC_ALL=C and TZ=UTC.
inline constexpr int64_t kFixedFileTime = 1704164645;

// A fresh directory under the system's temporary directory, removed with all
// it holds (even where a test took permissions away) when the object goes.
class ScratchDirectory {
 public:
  // Files written later get `file_time` (seconds since the epoch).
  explicit ScratchDirectory(int64_t file_time = kFixedFileTime);
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& path() const { return path_; }
  // The full path of `relative` inside the directory.
  std::string PathOf(std::string_view relative) const {
    return JoinPath(path_, std::string(relative));
  }
  // Makes directory `relative` and its parents; returns its full path.
  std::string MakeDirectory(std::string_view relative) const;
  // Writes file `relative` (making its parents) with `bytes` and the
  // directory's file time; returns its full path.
  std::string Write(std::string_view relative, std::string_view bytes) const;
  // The bytes of file `relative`; empty when it cannot be read.
  std::string Read(std::string_view relative) const { return ReadFile(PathOf(relative)); }
  void Remove(std::string_view relative) const { std::filesystem::remove(PathOf(relative)); }

 private:
  std::string path_;
  int64_t file_time_;
};

// Makes `path` hold exactly `bytes`; fails the test when it cannot.
void WriteFile(const std::string& path, std::string_view bytes);
// Sets a file's last-modified time (seconds since the epoch).
void SetModifiedTime(const std::string& path, int64_t seconds);
// Sets TZ to UTC so that file times format alike everywhere.
void UseUtcFileTimes();

// While it lives, files this process writes cannot grow beyond `bytes`, as on
// a full disk: writing past it fails with EFBIG instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  // False when the limit could not be set.
  bool applied() const { return applied_; }

 private:
  rlimit saved_{};  // the limits before
  void (*previous_handler_)(int) = nullptr;
  bool applied_ = false;
};

// Compares `text` with the golden file at `path` (relative to the source
// tree), naming the first differing line; rewrites the file instead when
// KESTRIN_UPDATE_GOLDEN=1.
void ExpectGoldenText(const std::string& path, const std::string& text);
// The same for `lines`, each ended by a line feed.
void ExpectGoldenLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_SCRATCH_DIRECTORY_H_
