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
  FileFault Fault() const { return fs_.FaultOf(path_); }
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

std::unique_ptr<InputFile> FaultyFileSystem::OpenRead(const std::string& path, int* error) {
  opened.push_back(path);
  last_error = FaultOf(path).open_error;
  if (last_error != 0) {
    *error = last_error;
    return nullptr;
  }
  std::unique_ptr<InputFile> file = real_.OpenRead(path, error);
  return file ? std::make_unique<FaultyInputFile>(std::move(file), *this, path) : nullptr;
}

}  // namespace kestrin::testkit
