// Helpers for the batch program's tests: a scratch directory of input files
// with a fixed file time, and running a program as a process.
#ifndef KESTRIN_TESTS_CLI_CLI_SUPPORT_H_
#define KESTRIN_TESTS_CLI_CLI_SUPPORT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::cli_support {

// 2024-01-02 03:04:05 UTC, shown as "01/02/24 03:04:05" under LC_ALL=C.
inline constexpr int64_t kCliFileTime = 1704164645;

// A fresh directory, removed with its files when the object goes.
class CliScratch {
 public:
  CliScratch();
  ~CliScratch();
  CliScratch(const CliScratch&) = delete;
  CliScratch& operator=(const CliScratch&) = delete;

  const std::string& path() const { return path_; }
  // Writes `bytes` as file `name` with the fixed file time.
  void Write(const std::string& name, std::string_view bytes) const;
  // The bytes of file `name`.
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

// The built kestrin-batch.
inline std::string BatchProgram() { return std::string(KESTRIN_BINARY_DIR) + "/bin/kestrin-batch"; }

struct ProcessResult {
  int exit_status = -1;  // -1 when the program did not end normally
  std::string out;
  std::string err;
};

// Runs `program` with `arguments` in `directory`, TZ=UTC, standard input
// empty, and collects its standard output, standard error and exit status.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& directory);

// The lines of `text`, each ended by a line feed (a last line without one
// counts too).
std::vector<std::string> LinesOf(const std::string& text);

}  // namespace kestrin::cli_support

#endif  // KESTRIN_TESTS_CLI_CLI_SUPPORT_H_
