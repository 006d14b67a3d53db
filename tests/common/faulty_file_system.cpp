// The file system of the tests: faults played on top of the real one.
#include "tests/common/faulty_file_system.h"

#include <algorithm>
#include <cerrno>

namespace kestrin::testkit {
namespace {

// A real input file that plays its fault (as the file system holds it at
// each call) and counts the bytes read.
class FaultyInputFile : public InputFile {
 public:
  FaultyInputFile(std::unique_ptr<InputFile> file, FaultyFileSystem& fs, std::string path)
      : file_(std::move(file)), fs_(fs), path_(std::move(path)) {}

  bool SeekToEnd(int64_t* size) override {
    if (Fault().length_fails) return Fail(ESPIPE);
    if (!file_->SeekToEnd(size)) return false;
    position_ = *size;
    return true;
  }
  bool Seek(int64_t offset) override {
    if (Fault().seek_fails) return Fail(ESPIPE);
    position_ = offset;
    return file_->Seek(offset);
  }
  int64_t Read(char* buffer, int64_t count) override {
    const FileFault fault = Fault();
    if (fault.reads_end_at >= 0 && position_ + count > fault.reads_end_at) {
      count = std::max<int64_t>(0, fault.reads_end_at - position_);
      if (count == 0 && fault.read_error) {
        Fail(EIO);
        return -1;
      }
    }
    const int64_t got = file_->Read(buffer, count);
    if (got > 0) {
      position_ += got;
      fs_.bytes_read[path_] += got;
    }
    return got;
  }
  int64_t ModifiedTime() override { return file_->ModifiedTime(); }

 private:
  FileFault Fault() const {
    const auto found = fs_.faults.find(path_);
    return found == fs_.faults.end() ? FileFault{} : found->second;
  }
  bool Fail(int error) {
    fs_.last_error = error;
    return false;
  }

  std::unique_ptr<InputFile> file_;
  FaultyFileSystem& fs_;
  std::string path_;
  int64_t position_ = 0;
};

}  // namespace

std::string FaultyFileSystem::Rooted(const std::string& path) const {
  return root_.empty() || path.starts_with("/") ? path : root_ + "/" + path;
}

std::unique_ptr<InputFile> FaultyFileSystem::OpenRead(const std::string& path, int* error) {
  opened.push_back(path);
  last_error = 0;
  const auto found = faults.find(path);
  const FileFault fault = found == faults.end() ? FileFault{} : found->second;
  if (fault.open_error != 0) {
    *error = last_error = fault.open_error;
    return nullptr;
  }
  std::unique_ptr<InputFile> file = real_.OpenRead(Rooted(path), error);
  if (file == nullptr) return nullptr;
  return std::make_unique<FaultyInputFile>(std::move(file), *this, path);
}

bool FaultyFileSystem::IsFile(const std::string& path) { return real_.IsFile(Rooted(path)); }

bool FaultyFileSystem::IsDirectory(const std::string& path) {
  return real_.IsDirectory(Rooted(path));
}

PathStatus FaultyFileSystem::Examine(const std::string& path) {
  if (path == locked_directory) return PathStatus{PathKind::kDirectory, EACCES};
  return real_.Examine(Rooted(path));
}

std::vector<std::string> FaultyFileSystem::ListFiles(const std::string& directory) {
  return real_.ListFiles(Rooted(directory));
}

std::vector<UnusableEntry> FaultyFileSystem::ListUnusable(const std::string& directory) {
  return real_.ListUnusable(Rooted(directory));
}

DirectoryEntries FaultyFileSystem::ReadDirectory(const std::string& directory) {
  if (directory == locked_directory) return DirectoryEntries{{}, {}, {}, {}, EACCES};
  return real_.ReadDirectory(Rooted(directory));
}

std::string FaultyFileSystem::ExecutableDirectory() {
  return root_.empty() ? real_.ExecutableDirectory() : root_;
}

int FaultyFileSystem::LastError() { return last_error != 0 ? last_error : real_.LastError(); }

}  // namespace kestrin::testkit
