// Helpers for the batch program's tests: a scratch directory of input files
// with a fixed file time, a file system rooted in it that can fail a read,
// and running the batch program in-process or as the built program.
#ifndef KESTRIN_TESTS_CLI_CLI_SUPPORT_H_
#define KESTRIN_TESTS_CLI_CLI_SUPPORT_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"

namespace kestrin::cli_support {

// 2024-01-02 03:04:05 UTC, shown as "01/02/24 03:04:05" under LC_ALL=C, TZ=UTC.
inline constexpr int64_t kCliFileTime = 1704164645;

// A fresh directory, removed with its files when the object goes.
class CliScratch {
 public:
  CliScratch();
  ~CliScratch();
  CliScratch(const CliScratch&) = delete;
  CliScratch& operator=(const CliScratch&) = delete;

  const std::string& path() const { return path_; }
  std::string PathOf(const std::string& name) const { return path_ + "/" + name; }
  // Writes `bytes` as file `name` with the fixed file time.
  void Write(const std::string& name, std::string_view bytes) const;
  // The bytes of file `name`.
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

// The real file system with relative names taken inside `root`, so that a
// report names the files as a test wrote them. Reads of the file `fail_read`
// (as the program names it) fail with error number 5 once its first
// `fail_after` bytes have been read; the directory `locked_directory` is
// examined as one that cannot be read.
class RootedFileSystem : public FileSystem {
 public:
  explicit RootedFileSystem(std::string root) : root_(std::move(root)) {}

  std::unique_ptr<InputFile> OpenRead(const std::string& path, int* error) override;
  bool IsFile(const std::string& path) override;
  bool IsDirectory(const std::string& path) override;
  PathStatus Examine(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& directory) override;
  DirectoryEntries ReadDirectory(const std::string& directory) override;
  std::string ExecutableDirectory() override;
  int LastError() override;

  std::string fail_read;
  int64_t fail_after = 0;
  std::string locked_directory;

 private:
  std::string Rooted(const std::string& path) const;

  std::string root_;
  bool read_failed_ = false;  // the last failure was the planted read fault
};

struct BatchResult {
  int exit_status = -1;  // -1 when the program did not end normally
  std::string out;
  std::string err;
};

// Runs the batch program in this process on `fs`.
BatchResult RunBatchWith(FileSystem& fs, const std::vector<std::string>& arguments);

// The built kestrin-batch.
inline std::string BatchProgram() { return std::string(KESTRIN_BINARY_DIR) + "/bin/kestrin-batch"; }

// Runs `program` with `arguments` in `directory`, TZ=UTC, standard input
// empty, and collects its standard output, standard error and exit status.
BatchResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& directory);

// The lines of `text`, each ended by a line feed (a last line without one
// counts too).
std::vector<std::string> LinesOf(const std::string& text);

// Compares `actual` with the golden file tests/cli/golden/`name`;
// KESTRIN_UPDATE_GOLDEN=1 writes it instead.
void ExpectGolden(const std::string& actual, const std::string& name);

}  // namespace kestrin::cli_support

#endif  // KESTRIN_TESTS_CLI_CLI_SUPPORT_H_
