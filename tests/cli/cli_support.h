// Helpers for the batch program's tests: a file system rooted in a scratch
// directory that can fail a read, and running the batch program in-process or
// as the built program.
#ifndef KESTRIN_TESTS_CLI_CLI_SUPPORT_H_
#define KESTRIN_TESTS_CLI_CLI_SUPPORT_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"
#include "tests/common/faulty_file_system.h"
#include "tests/common/scratch_directory.h"

namespace kestrin::cli_support {

using CliScratch = testkit::ScratchDirectory;

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
