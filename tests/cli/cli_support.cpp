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

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

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

// A file whose reads fail once `fail_after` bytes have been read from it.
class FailingInputFile : public InputFile {
 public:
  FailingInputFile(std::unique_ptr<InputFile> file, int64_t fail_after, bool& failed)
      : file_(std::move(file)), fail_after_(fail_after), failed_(failed) {}

  bool SeekToEnd(int64_t* size) override {
    if (!file_->SeekToEnd(size)) return false;
    position_ = *size;
    return true;
  }
  bool Seek(int64_t offset) override {
    position_ = offset;
    return file_->Seek(offset);
  }
  int64_t Read(char* buffer, int64_t count) override {
    if (position_ >= fail_after_) {
      failed_ = true;
      return -1;
    }
    const int64_t got = file_->Read(buffer, std::min(count, fail_after_ - position_));
    if (got > 0) position_ += got;
    return got;
  }
  int64_t ModifiedTime() override { return file_->ModifiedTime(); }

 private:
  std::unique_ptr<InputFile> file_;
  const int64_t fail_after_;
  bool& failed_;
  int64_t position_ = 0;
};

constexpr int kPlantedReadError = EIO;

}  // namespace

std::string RootedFileSystem::Rooted(const std::string& path) const {
  return path.starts_with("/") ? path : root_ + "/" + path;
}

std::unique_ptr<InputFile> RootedFileSystem::OpenRead(const std::string& path, int* error) {
  read_failed_ = false;
  std::unique_ptr<InputFile> file = DefaultFileSystem().OpenRead(Rooted(path), error);
  if (file == nullptr || path != fail_read) return file;
  return std::make_unique<FailingInputFile>(std::move(file), fail_after, read_failed_);
}

bool RootedFileSystem::IsFile(const std::string& path) {
  return DefaultFileSystem().IsFile(Rooted(path));
}

bool RootedFileSystem::IsDirectory(const std::string& path) {
  return DefaultFileSystem().IsDirectory(Rooted(path));
}

PathStatus RootedFileSystem::Examine(const std::string& path) {
  if (path == locked_directory) return PathStatus{PathKind::kDirectory, EACCES};
  return DefaultFileSystem().Examine(Rooted(path));
}

std::vector<std::string> RootedFileSystem::ListFiles(const std::string& directory) {
  return DefaultFileSystem().ListFiles(Rooted(directory));
}

DirectoryEntries RootedFileSystem::ReadDirectory(const std::string& directory) {
  return DefaultFileSystem().ReadDirectory(Rooted(directory));
}

std::string RootedFileSystem::ExecutableDirectory() { return root_; }

int RootedFileSystem::LastError() {
  return read_failed_ ? kPlantedReadError : DefaultFileSystem().LastError();
}

BatchResult RunBatchWith(FileSystem& fs, const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  BatchResult result;
  result.exit_status = RunBatch(arguments, out, err, fs);
  result.out = out.str();
  result.err = err.str();
  return result;
}

CliScratch::CliScratch() {
  std::string pattern = (fs::temp_directory_path() / "kestrin-cli-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a scratch directory";
  path_ = pattern;
}

CliScratch::~CliScratch() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void CliScratch::Write(const std::string& name, std::string_view bytes) const {
  const std::string path = PathOf(name);
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const timespec times[2] = {{kCliFileTime, 0}, {kCliFileTime, 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) ADD_FAILURE() << "cannot set " << path;
}

std::string CliScratch::Read(const std::string& name) const { return ReadAll(PathOf(name)); }

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
  result.out = ReadAll(out_path);
  result.err = ReadAll(err_path);
  return result;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

void ExpectGolden(const std::string& actual, const std::string& name) {
  const std::string path = std::string(KESTRIN_SOURCE_DIR) + "/tests/cli/golden/" + name;
  if (std::getenv("KESTRIN_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(actual, ReadAll(path)) << "golden " << path;
}

}  // namespace kestrin::cli_support
