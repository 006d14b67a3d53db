// The scratch directory and the file helpers of the tests.
#include "tests/common/scratch_directory.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kestrin::testkit {

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory(int64_t file_time) : file_time_(file_time) {
  std::string pattern = (fs::temp_directory_path() / "kestrin-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make " << pattern;
  path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  for (auto entry = fs::recursive_directory_iterator(path_, ignored);
       entry != fs::recursive_directory_iterator(); entry.increment(ignored)) {
    if (entry->is_directory(ignored)) {
      fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string ScratchDirectory::MakeDirectory(std::string_view relative) const {
  const std::string path = PathOf(relative);
  fs::create_directories(path);
  return path;
}

std::string ScratchDirectory::Write(std::string_view relative, std::string_view bytes) const {
  const std::string path = PathOf(relative);
  fs::create_directories(fs::path(path).parent_path());
  WriteFile(path, bytes);
  SetModifiedTime(path, file_time_);
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) ADD_FAILURE() << "cannot write " << path;
}

void SetModifiedTime(const std::string& path, int64_t seconds) {
  const timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) ADD_FAILURE() << "cannot set " << path;
}

void UseUtcFileTimes() {
  setenv("TZ", "UTC", 1);
  tzset();
}

FileSizeLimit::FileSizeLimit(uint64_t bytes) {
  getrlimit(RLIMIT_FSIZE, &saved_);
  previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved_;
  limit.rlim_cur = bytes;
  applied_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &saved_);
  std::signal(SIGXFSZ, previous_handler_);
}

void ExpectGoldenText(const std::string& path, const std::string& text) {
  const std::string full_path = JoinPath(KESTRIN_SOURCE_DIR, path);
  const char* update = std::getenv("KESTRIN_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    fs::create_directories(fs::path(full_path).parent_path());
    WriteFile(full_path, text);
    return;
  }
  const std::string golden = ReadFile(full_path);
  if (golden == text) return;
  // Both texts from the start of the first line where they differ.
  const size_t differs =
      std::mismatch(golden.begin(), golden.end(), text.begin(), text.end()).first - golden.begin();
  const size_t line = golden.substr(0, differs).rfind('\n') + 1;  // 0 when in the first
  ADD_FAILURE() << path << " differs at line "
                << std::count(golden.begin(), golden.begin() + line, '\n') + 1 << "\n  golden: ["
                << golden.substr(line, golden.find('\n', line) - line) << "]\n  actual: ["
                << text.substr(line, text.find('\n', line) - line)
                << "]\n(KESTRIN_UPDATE_GOLDEN=1 rewrites the golden files)";
}

void ExpectGoldenLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  ExpectGoldenText(path, text);
}

}  // namespace kestrin::testkit
