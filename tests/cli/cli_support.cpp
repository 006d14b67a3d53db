// Helpers for the batch program's tests.
#include "tests/cli/cli_support.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/batch_program.h"

namespace kestrin::cli_support {
namespace {

namespace fs = std::filesystem;

// In the child: standard streams, directory, time zone, then the program.
[[noreturn]] void ExecChild(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& directory, const std::string& out_path,
                            const std::string& err_path) {
  const int in = open("/dev/null", O_RDONLY);
  const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
      chdir(directory.c_str()) != 0) {
    _exit(127);
  }
  setenv("TZ", "UTC", 1);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

}  // namespace

BatchResult RunBatchWith(FileSystem& fs, const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  BatchResult result;
  result.exit_status = RunBatch(arguments, out, err, fs);
  result.out = out.str();
  result.err = err.str();
  return result;
}

BatchResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& directory) {
  CliScratch capture;
  const std::string out_path = capture.path() + "/stdout";
  const std::string err_path = capture.path() + "/stderr";
  BatchResult result;
  const pid_t child = fork();
  if (child == 0) ExecChild(program, arguments, directory, out_path, err_path);
  if (child < 0) {
    ADD_FAILURE() << "cannot start " << program;
    return result;
  }
  int status = 0;
  if (waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    result.exit_status = WEXITSTATUS(status);
  }
  result.out = testkit::ReadFile(out_path);
  result.err = testkit::ReadFile(err_path);
  return result;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

void ExpectGolden(const std::string& actual, const std::string& name) {
  testkit::ExpectGoldenText("tests/cli/golden/" + name, actual);
}

}  // namespace kestrin::cli_support
