// Shared pieces of the fuzz targets: a file system held in memory, so that a
// target can hand any bytes to code that reads files, and a reader that
// takes a target's choices from the front of its input.
#ifndef KESTRIN_TESTS_FUZZ_FUZZ_SUPPORT_H_
#define KESTRIN_TESTS_FUZZ_FUZZ_SUPPORT_H_

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"

namespace kestrin::fuzz {

// Ends the process, so that the fuzzer keeps the input, unless `holds`.
inline void Require(bool holds) {
  if (!holds) std::abort();
}

// A file of the memory file system, read from a copy of its bytes.
class MemoryInputFile : public InputFile {
 public:
  explicit MemoryInputFile(std::string bytes) : bytes_(std::move(bytes)) {}

  bool SeekToEnd(int64_t* size) override { return Seek(*size = std::ssize(bytes_)); }
  bool Seek(int64_t offset) override {
    position_ = std::clamp<int64_t>(offset, 0, std::ssize(bytes_));
    return offset >= 0;
  }
  int64_t Read(char* buffer, int64_t count) override {
    const int64_t got = std::clamp<int64_t>(count, 0, std::ssize(bytes_) - position_);
    std::copy_n(bytes_.data() + position_, got, buffer);
    position_ += got;
    return got;
  }
  int64_t ModifiedTime() override { return 0; }

 private:
  std::string bytes_;
  int64_t position_ = 0;
};

// Files held as byte strings by full name; every other name is missing.
// Only "/" and "/fuzz" are directories, and they list no file.
class MemoryFileSystem : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override {
    const auto file = files.find(path);
    if (file != files.end()) return std::make_unique<MemoryInputFile>(file->second);
    *error = ENOENT;
    return nullptr;
  }
  bool IsFile(const std::string& path) override { return files.contains(path); }
  bool IsDirectory(const std::string& path) override { return path == "/" || path == "/fuzz"; }
  std::vector<std::string> ListFiles(const std::string&) override { return {}; }
  std::string ExecutableDirectory() override { return "/fuzz"; }
  // A name that is missing is the only failure.
  int LastError() override { return ENOENT; }

  std::map<std::string, std::string> files;
};

// Takes values from the front of a fuzz input; once it is used up every
// value is 0 and every text empty.
class InputReader {
 public:
  InputReader(const uint8_t* data, size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  // A value from 0 to `count` - 1. REQUIRES: count > 0.
  int Choice(int count) {
    const int byte = rest_.empty() ? 0 : static_cast<uint8_t>(rest_.front());
    rest_.remove_prefix(std::min<size_t>(1, rest_.size()));
    return byte % count;
  }
  bool Flag() { return Choice(2) == 1; }
  // The text up to the next byte `end` (not included), or the rest.
  std::string_view TextUpTo(char end) {
    const size_t stop = std::min(rest_.find(end), rest_.size());
    const std::string_view text = rest_.substr(0, stop);
    rest_.remove_prefix(std::min(stop + 1, rest_.size()));
    return text;
  }
  // Everything not taken yet.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace kestrin::fuzz

#endif  // KESTRIN_TESTS_FUZZ_FUZZ_SUPPORT_H_
