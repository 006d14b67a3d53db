// The file system of the tests: the real one, with faults planted for named
// input files, a record of what was opened and read, and names that vanish.
#ifndef KESTRIN_TESTS_COMMON_FAULTY_FILE_SYSTEM_H_
#define KESTRIN_TESTS_COMMON_FAULTY_FILE_SYSTEM_H_

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
  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override;
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
  FileSystem& real_ = DefaultFileSystem();
};

}  // namespace kestrin::testkit

#endif  // KESTRIN_TESTS_COMMON_FAULTY_FILE_SYSTEM_H_
