// Shared pieces of the fuzz targets: a file system held in memory, so that a
// target can hand any bytes to code that reads files, and a reader that
// takes a target's choices from the front of its input.
#ifndef KESTRIN_TESTS_FUZZ_FUZZ_SUPPORT_H_
#define KESTRIN_TESTS_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"

namespace kestrin::fuzz {

// Files held as byte strings by full name; every other name is missing.
// Nothing is a directory, and every file has the same time.
class MemoryFileSystem : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override;
  bool IsFile(const std::string& path) override { return files.contains(path); }
  bool IsDirectory(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& directory) override;
  std::string ExecutableDirectory() override { return "/fuzz"; }
  int LastError() override { return last_error_; }

  std::map<std::string, std::string> files;

 private:
  int last_error_ = 0;
};

// Takes values from the front of a fuzz input; once it is used up every
// value is 0 and every text empty.
class InputReader {
 public:
  InputReader(const uint8_t* data, size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  uint8_t Byte();
  bool Flag() { return (Byte() & 1) != 0; }
  // A value from 0 to `count` - 1. REQUIRES: count > 0.
  int Choice(int count) { return Byte() % count; }
  // The text up to the next byte `end` (not included), or the rest.
  std::string_view TextUpTo(char end);
  // Everything not taken yet.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// `text` cut at each line feed, the line feeds dropped.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace kestrin::fuzz

#endif  // KESTRIN_TESTS_FUZZ_FUZZ_SUPPORT_H_
