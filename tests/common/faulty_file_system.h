// The file system of the tests: the real one, with faults planted for named
// input files, a record of what was opened and read, and names that vanish.
#ifndef KESTRIN_TESTS_COMMON_FAULTY_FILE_SYSTEM_H_
#define KESTRIN_TESTS_COMMON_FAULTY_FILE_SYSTEM_H_

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/file_system.h"

namespace kestrin::testkit {

// A fault of one input file: its open fails with `open_error`; finding its
// length or positioning it fails; or its reads end at byte `reads_end_at`
// (as if it shrank there), failing there with EIO when `read_error` is set.
struct FileFault {
  int open_error = 0;
  bool length_fails = false;
  bool seek_fails = false;
  int64_t reads_end_at = -1;
  bool read_error = false;
};

class FaultyFileSystem : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override {
    opened.push_back(path);
    last_error = FaultOf(path).open_error;
    if (last_error != 0) {
      *error = last_error;
      return nullptr;
    }
    std::unique_ptr<InputFile> file = real_.OpenRead(path, error);
    return file ? std::make_unique<FaultyInputFile>(std::move(file), *this, path) : nullptr;
  }
  bool IsFile(const std::string& path) override { return real_.IsFile(path); }
  bool IsDirectory(const std::string& path) override { return real_.IsDirectory(path); }
  PathStatus Examine(const std::string& path) override {
    return path == locked_directory ? PathStatus{PathKind::kDirectory, EACCES}
                                    : real_.Examine(path);
  }
  std::vector<std::string> ListFiles(const std::string& directory) override {
    return real_.ListFiles(directory);
  }
  std::vector<UnusableEntry> ListUnusable(const std::string& directory) override {
    return real_.ListUnusable(directory);
  }
  DirectoryEntries ReadDirectory(const std::string& directory) override {
    if (directory == locked_directory) return DirectoryEntries{{}, {}, {}, {}, EACCES};
    return real_.ReadDirectory(directory);
  }
  std::string ExecutableDirectory() override { return real_.ExecutableDirectory(); }
  int LastError() override { return last_error != 0 ? last_error : real_.LastError(); }
  // The fault planted for `path`, if any.
  FileFault FaultOf(const std::string& path) const {
    const auto found = faults.find(path);
    return found == faults.end() ? FileFault{} : found->second;
  }

  std::map<std::string, FileFault> faults;  // by the name the program uses
  std::vector<std::string> opened;          // every name opened for reading
  std::map<std::string, int64_t> bytes_read;
  int last_error = 0;            // the error number of the last fault played
  std::string locked_directory;  // a directory that cannot be read

 private:
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

  FileSystem& real_ = DefaultFileSystem();
};

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_FAULTY_FILE_SYSTEM_H_
