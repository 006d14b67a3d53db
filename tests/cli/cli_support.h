// Helpers for the batch program's tests: its data files copied into a
// scratch directory, and the batch program run in-process.
#ifndef KESTRIN_TESTS_CLI_CLI_SUPPORT_H_
#define KESTRIN_TESTS_CLI_CLI_SUPPORT_H_

#include <string>
#include <vector>

#include "engine/file_system.h"
#include "tests/common/faulty_file_system.h"
#include "tests/common/scratch_directory.h"

namespace kestrin::cli_support {

struct BatchResult {
  int exit_status = -1;
  std::string out;
  std::string err;
};

// Runs the batch program in this process on `fs`.
BatchResult RunBatchWith(FileSystem& fs, const std::vector<std::string>& arguments);

// Copies every file of tests/cli/data into `scratch`, with its file time.
void CopyData(const testkit::ScratchDirectory& scratch);

// The lines of `text`, each ended by a line feed (a last line without one
// counts too).
std::vector<std::string> LinesOf(const std::string& text);

}  // namespace kestrin::cli_support

#endif  // KESTRIN_TESTS_CLI_CLI_SUPPORT_H_
