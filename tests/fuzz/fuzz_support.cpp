// The fuzz targets' memory file system and input reader.
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/path.h"

namespace kestrin::fuzz {
namespace {

// A file of the memory file system, read from a copy of its bytes.
class MemoryInputFile : public InputFile {
 public:
  explicit MemoryInputFile(std::string bytes) : bytes_(std::move(bytes)) {}

  bool SeekToEnd(int64_t* size) override {
    *size = static_cast<int64_t>(bytes_.size());
    position_ = bytes_.size();
    return true;
  }
  bool Seek(int64_t offset) override {
    if (offset < 0) return false;
    position_ = static_cast<size_t>(offset);
    return true;
  }
  int64_t Read(char* buffer, int64_t count) override {
    if (count < 0) return -1;
    if (position_ >= bytes_.size()) return 0;
    const size_t got = std::min(bytes_.size() - position_, static_cast<size_t>(count));
    std::memcpy(buffer, bytes_.data() + position_, got);
    position_ += got;
    return static_cast<int64_t>(got);
  }
  int64_t ModifiedTime() override { return 0; }

 private:
  std::string bytes_;
  size_t position_ = 0;
};

}  // namespace

std::unique_ptr<InputFile> MemoryFileSystem::OpenRead(const std::string& path, int* error) {
  const auto file = files.find(path);
  if (file == files.end()) {
    *error = last_error_ = ENOENT;
    return nullptr;
  }
  return std::make_unique<MemoryInputFile>(file->second);
}

bool MemoryFileSystem::IsDirectory(const std::string& path) {
  return path == "/" || path == ExecutableDirectory();
}

std::vector<std::string> MemoryFileSystem::ListFiles(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& [path, bytes] : files) {
    if (DirectoryPart(path) == JoinPath(directory, "")) names.push_back(NamePart(path));
  }
  return names;
}

uint8_t InputReader::Byte() {
  if (rest_.empty()) return 0;
  const auto byte = static_cast<uint8_t>(rest_.front());
  rest_.remove_prefix(1);
  return byte;
}

std::string_view InputReader::TextUpTo(char end) {
  const size_t stop = std::min(rest_.find(end), rest_.size());
  const std::string_view text = rest_.substr(0, stop);
  rest_.remove_prefix(std::min(stop + 1, rest_.size()));
  return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

}  // namespace kestrin::fuzz
