// Helpers for the batch program's tests.
#include "tests/cli/cli_support.h"

#include <filesystem>
#include <sstream>

#include "cli/batch_program.h"

namespace kestrin::cli_support {

BatchResult RunBatchWith(FileSystem& fs, const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  BatchResult result;
  result.exit_status = RunBatch(arguments, out, err, fs);
  result.out = out.str();
  result.err = err.str();
  return result;
}

void CopyData(const testkit::ScratchDirectory& scratch) {
  const std::filesystem::path data = std::filesystem::path(KESTRIN_SOURCE_DIR) / "tests/cli/data";
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
    if (!entry.is_regular_file()) continue;
    scratch.Write(entry.path().lexically_relative(data).string(), testkit::ReadFile(entry.path()));
  }
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

}  // namespace kestrin::cli_support
